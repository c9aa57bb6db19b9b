"""The user's own menu, from a real lista.txt beside kromelik.exe: read at the start,
shown under "Inne" of the Internet menu, driven with the keyboard to a link whose
opening reaches the web handler and the recent pages in the registry."""

import os
import unittest

from kromelik_e2e import MAIN_KEY, click_at, keys, text_values, wait_menu
from launch_probe import HandlerTestCase
from test_lists import INTERNET, remove_if_there, wait_until

INTERNET_MRU = MAIN_KEY + r"\InternetMRU"

CAPTION = "Gazeta Łódzka, źródło wieści"
ADDRESS = "http://127.0.0.1/gazeta"
# As Notepad saves it: UTF-8, lines ended by CR LF. The submenu's caption has Polish
# letters too, so a wrong reading of the file would show in the names, not just the link.
MENU_FILE = f"<menu>Ulubione strony ąę\r\n<item>{CAPTION}<url>{ADDRESS}\r\n</menu>\r\n"


class CustomMenu(HandlerTestCase):
    """The file is there only while a test runs: every other module's program starts
    without it, with "Inne" hidden."""

    def setUp(self):
        super().setUp()
        self.menu_file = os.path.join(os.path.dirname(os.environ["KROMELIK_EXE"]), "lista.txt")
        # Never overwritten: one there already is someone's, or a run that was killed
        # left it, and either way it is not this test's to remove.
        self.assertFalse(os.path.exists(self.menu_file),
                         f"{self.menu_file} is there before the test: remove it")
        # Registered before the file is written, so a failure at any later point removes
        # it; cleanups run last first, so the program has ended by then.
        self.addCleanup(remove_if_there, self.menu_file)
        with open(self.menu_file, "w", encoding="utf-8", newline="") as menu:
            menu.write(MENU_FILE)

    def test_a_link_of_the_users_own_menu_opens_and_becomes_the_first_recent_page(self):
        self.start().slide_in()
        click_at(INTERNET + 19, 24)
        self.assertIsNotNone(wait_menu(), "the Internet menu did not open")
        # Up from the top wraps to the last entry, "Wyszukaj w internecie ...", and once
        # more reaches "Inne"; each Right opens a submenu with its first entry selected.
        keys("Up", "Up", "Right", "Right", "Return")

        found = self.log.wait_for(lambda entry: entry.program == "http-handler.exe")
        self.assertEqual(len(found), 1, f"the log holds {self.log.entries()}")
        self.assertEqual(found[0].arguments()[1:], [ADDRESS])
        expected = {"1": CAPTION, "H1": ADDRESS}
        stored = wait_until(lambda: text_values(INTERNET_MRU), lambda values: values == expected)
        self.assertEqual(stored, expected)


if __name__ == "__main__":
    unittest.main()
