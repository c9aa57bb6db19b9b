"""The user's own menu, from a real lista.txt beside kromelik.exe: read at the start,
shown under "Inne" of the Internet menu, driven with the keyboard to a link whose
opening reaches the web handler and the recent pages in the registry."""

import os
import shutil
import unittest

import test_keyboard
from kromelik_e2e import (MAIN_KEY, TITLE, click_at, keys, probe, text_values, wait_menu,
                          windows_path)
from launch_probe import HandlerTestCase
from test_lists import INTERNET, remove_if_there, wait_until

INTERNET_MRU = MAIN_KEY + r"\InternetMRU"

CAPTION = "Gazeta Łódzka, źródło wieści"
ADDRESS = "http://127.0.0.1/gazeta"
# As Notepad saves it: UTF-8, lines ended by CR LF. The submenu's caption has Polish
# letters too, so a wrong reading of the file would show in the names, not just the link.
MENU_FILE = f"<menu>Ulubione strony ąę\r\n<item>{CAPTION}<url>{ADDRESS}\r\n</menu>\r\n"
# The title of the boxes that tell of a file the program will not read in full.
FILE_ERROR = "Błąd pliku !!!"
FAVOURITES_ORGANIZER = "Organizuj ulubione"
# As many entries as the file may make, each submenu also taking its "(Puste)".
BOUND = 5000


class CustomMenu(HandlerTestCase):
    """The file is there only while a test runs: every other module's program starts
    without it, with "Inne" hidden."""

    def setUp(self):
        super().setUp()
        self.menu_file = os.path.join(os.path.dirname(os.environ["KROMELIK_EXE"]), "lista.txt")
        # Never overwritten: one there already is someone's, or a run that was killed
        # left it, and either way it is not this test's to remove.
        self.assertFalse(os.path.lexists(self.menu_file),
                         f"{self.menu_file} is there before the test: remove it")

    def write_menu(self, text):
        # Registered before the file is written, so a failure at any later point removes
        # it; cleanups run last first, so the program has ended by then.
        self.addCleanup(remove_if_there, self.menu_file)
        with open(self.menu_file, "w", encoding="utf-8", newline="") as menu:
            menu.write(text)

    def open_internet_menu(self):
        click_at(INTERNET + 19, 24)
        self.assertIsNotNone(wait_menu(), "the Internet menu did not open")

    def assert_opened_once(self):
        found = self.log.wait_for(lambda entry: entry.program == "http-handler.exe")
        self.assertEqual(len(found), 1, f"the log holds {self.log.entries()}")
        self.assertEqual(found[0].arguments()[1:], [ADDRESS])
        expected = {"1": CAPTION, "H1": ADDRESS}
        stored = wait_until(lambda: text_values(INTERNET_MRU), lambda values: values == expected)
        self.assertEqual(stored, expected)

    def test_a_link_of_the_users_own_menu_opens_and_becomes_the_first_recent_page(self):
        self.write_menu(MENU_FILE)
        self.start().slide_in()
        self.open_internet_menu()
        # Up from the top wraps to the last entry, "Wyszukaj w internecie ...", and once
        # more reaches "Inne"; each Right opens a submenu with its first entry selected.
        keys("Up", "Up", "Right", "Right", "Return")
        self.assert_opened_once()

    def test_a_folder_of_that_name_is_no_menu(self):
        self.addCleanup(shutil.rmtree, self.menu_file, ignore_errors=True)
        os.mkdir(self.menu_file)
        self.start().slide_in()
        # The menus are built before a click is taken, and a box open meanwhile would
        # keep the strip from taking it.
        self.open_internet_menu()
        self.assertNotEqual(probe("wait-box", FILE_ERROR, "0")[0], 0, "a message box is open")
        # With "Inne" hidden, the entry above "Wyszukaj w internecie ..." is "Ulubione",
        # whose first entry opens the favourites organizer.
        keys("Up", "Up", "Right", "Return")
        self.assertEqual(probe("wait-visible", FAVOURITES_ORGANIZER, "10000")[0], 0,
                         "the entry above the search is not the favourites")
        self.assertEqual(probe("wait-foreground", FAVOURITES_ORGANIZER, "10000")[0], 0)
        keys("Escape")
        self.assertEqual(probe("wait-hidden", FAVOURITES_ORGANIZER, "10000")[0], 0)

    def test_a_file_of_too_many_submenus_is_cut_short_with_one_message(self):
        # Far more submenus than a process may hold menus for, after a link.
        self.write_menu(f"<item>{CAPTION}<url>{ADDRESS}\r\n" +
                        "".join(f"<menu>Podmenu {n}\r\n</menu>\r\n" for n in range(40000)))
        self.start()
        code, texts = probe("wait-box", FILE_ERROR, "30000")
        self.assertEqual(code, 0, "no message names the bound")
        self.assertIn(windows_path(self.menu_file).lower(), texts.lower())
        self.assertIn(str(BOUND), texts)
        self.assertEqual(probe("click", FILE_ERROR, "1")[0], 0)  # IDOK
        self.assertEqual(probe("wait-gone", FILE_ERROR, "10000")[0], 0)

        self.program.slide_in()
        self.open_internet_menu()
        self.assertNotEqual(probe("wait-box", FILE_ERROR, "0")[0], 0, "the message came again")
        # "Inne" above the search, and the link its first entry.
        keys("Up", "Up", "Right", "Return")
        self.assert_opened_once()

    def test_a_file_cut_short_and_a_taken_hotkey_are_told_one_after_the_other(self):
        # Both found at the start, while the menus are built step by step: the second box
        # waits until the first has closed.
        test_keyboard.Keyboard.hold_combination(
            self, test_keyboard.MOD_ALT | test_keyboard.MOD_CONTROL, "K")
        self.write_menu("".join(f"<menu>Podmenu {n}\r\n</menu>\r\n" for n in range(40000)))
        self.start()
        self.assertEqual(probe("wait-box", FILE_ERROR, "30000")[0], 0, "the file is not told")
        # Shown over it, the hotkey's box would come within a few of the start's ticks.
        self.assertNotEqual(probe("wait-box", TITLE, "2000")[0], 0,
                            "the taken hotkey is told while the file's box is open")
        self.assertEqual(probe("click", FILE_ERROR, "1")[0], 0)  # IDOK
        code, texts = probe("wait-box", TITLE, "30000")
        self.assertEqual(code, 0, "the taken hotkey is not told after the file")
        self.assertIn("Skrót Ctrl+Alt+K jest zajęty przez inny program.", texts)
        self.assertEqual(probe("press-box-ok", TITLE)[0], 0)


if __name__ == "__main__":
    unittest.main()
