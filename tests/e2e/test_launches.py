"""Menu items really start their commands: probes stand in for the programs, the web and
mail handlers and the folder window, and log what reached them. The menus are driven
with the keyboard, as a user can: open the button's menu, Down to the item, Enter."""

import glob
import os
import shutil
import tempfile
import unittest

from kromelik_e2e import ProgramTestCase, click_at, keys, move_cursor, probe, wait_menu
from launch_probe import (LaunchLog, install_probes, launch_environment, register_handlers,
                          restore_probes, unregister_handlers)

SHOW_NORMAL = 1
SHOW_MAXIMIZED = 3
SHOW = 5


def system32(*parts):
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows", "system32", *parts)


class Launches(ProgramTestCase):
    """A start per test, though a launch writes nothing to the registry: it runs the shell
    inside the program and starts processes that end in their own time, none of which can
    be seen from outside, so nothing shows that a test leaves the program as it found it."""

    @classmethod
    def setUpClass(cls):
        # Each cleanup is added before its change, so a change that fails halfway is
        # undone too; they run last first.
        cls.addClassCleanup(restore_probes)
        overrides = install_probes(["calc", "control.exe", "rundll32.exe"])
        cls.addClassCleanup(unregister_handlers)
        register_handlers()
        # Only the date and time applet is there, so the applet menu holds exactly
        # "Panel sterowania" and "Data/Godzina".
        applets = tempfile.mkdtemp(prefix="kromelik-applets-")
        cls.addClassCleanup(os.rmdir, applets)
        cls.addClassCleanup(cls.put_back_applets, applets)
        for applet in glob.glob(system32("*.cpl")):
            shutil.move(applet, applets)
        with open(system32("timedate.cpl"), "wb"):
            pass
        environment = launch_environment(overrides, base={})
        cls.environment = {"WINEDLLOVERRIDES": environment["WINEDLLOVERRIDES"]}

    @staticmethod
    def put_back_applets(applets):
        if os.path.exists(system32("timedate.cpl")):
            os.remove(system32("timedate.cpl"))
        for applet in glob.glob(os.path.join(applets, "*.cpl")):
            shutil.move(applet, system32(os.path.basename(applet)))

    def setUp(self):
        super().setUp()
        self.log = LaunchLog()
        self.log.clear()
        self.start(self.environment).slide_in()

    def choose(self, button_left, downs):
        click_at(button_left + 19, 24)
        self.assertIsNotNone(wait_menu(), "the button's menu did not open")
        keys(*(["Down"] * downs), "Return")

    def launched(self, match):
        found = self.log.wait_for(match)
        self.assertEqual(len(found), 1, f"expected one launch matching {match!r}, saw {self.log.entries()}")
        return found[0]

    def test_an_accessory_opens_its_program(self):
        self.choose(164, 6)  # ProgramySB: Eksplorator, CD Player, Dr. Watson, Edytor, DVD, Kalkulator
        entry = self.launched("calc.exe")
        self.assertEqual(entry.show, SHOW_NORMAL)

    def test_an_applet_runs_control_with_its_file_and_releases_the_buttons(self):
        self.choose(76, 2)  # PanelSB: Panel sterowania, Data/Godzina
        entry = self.launched("control.exe")
        self.assertEqual(entry.command_line, "Control.exe timedate.cpl")
        self.assertEqual(entry.show, SHOW_NORMAL)
        move_cursor(600, 300)
        self.assertTrue(self.program.wait_hidden(), "released, the strip slides away")

    def test_the_applet_menu_holds_only_the_applets_that_exist(self):
        # Three steps from the top wrap round two items to the first: the control panel.
        self.choose(76, 3)
        entry = self.launched("rundll32.exe")
        self.assertTrue(entry.command_line.endswith("shell32.dll,Control_RunDLL"), entry.command_line)
        self.assertEqual(entry.show, SHOW)

    def test_the_browser_and_mail_items_open_their_addresses(self):
        self.choose(420, 2)  # InternetSB: Telnet, Przeglądarka internetowa
        entry = self.launched("http-handler.exe")
        self.assertEqual(entry.arguments()[1:], ["http://"])
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)

        self.choose(420, 3)  # Klient pocztowy
        entry = self.launched("mailto-handler.exe")
        self.assertEqual(entry.arguments()[1:], ["mailto:"])
        self.assertEqual(entry.show, SHOW)

    def test_the_help_item_opens_the_page_beside_the_program_maximized(self):
        self.choose(28, 1)  # AboutSB: Pomoc
        entry = self.launched("html-handler.exe")
        self.assertTrue(entry.arguments()[1].lower().endswith(r"\help\kromelik.html"),
                        entry.command_line)
        self.assertEqual(entry.show, SHOW_MAXIMIZED)
        self.assertEqual(probe("wait-box", "Brak pomocy !!!", "0")[0], 1, "no message as well")

    def test_the_author_mail_link_carries_its_subject_and_body(self):
        self.choose(28, 2)  # AboutSB: Pomoc, Wyślij e-maila do autora ...
        entry = self.launched("mailto-handler.exe")
        self.assertEqual(entry.arguments()[1],
                         "mailto:kromelik@brenvald.pl?Subject=Cześć&Body=Gratuluję zrobienia bardzo dobrego programu.")

    def test_a_special_folder_opens_in_the_file_manager(self):
        self.choose(292, 1)  # FolderySB: Autostart
        entry = self.launched("folder-handler.exe")
        self.assertTrue(entry.arguments()[1].lower().endswith("startup"), entry.command_line)


if __name__ == "__main__":
    unittest.main()
