"""The program with files on a drive that answers as slowly as a network share that
stopped answering: nothing waits for it, what it shows from there comes when it comes,
into the windows that are open by then."""

import os
import shutil
import subprocess
import time

from kromelik_e2e import (BARE_PANEL, BELOW_THE_STRIP, MAIN_KEY, ProgramTestCase, click_at,
                          keys, move_cursor, probe, screen_pixels, wait_menu, wine)
from slow_share import SlowShare
from test_lists import CSIDL_RECENT, folder_path, prefix_path, put_text, remove_if_there
from test_organizers import LIST, PROGRAMS, PROGRAMS_KEY, PROGRAMY, rows

DOCUMENTS_KEY = MAIN_KEY + r"\DokumentyMRU"
MAKER_PROGRAM_KEY = r"HKCU\Software\Brenvald\Wolny"
DRIVES_KEY = r"HKLM\Software\Wine\Drives"
# Every button with a menu, by its left edge, and the menu's name in the messages.
MENU_BUTTONS = {"O programie": 28, "Panel Sterowania": 76, "Narzędzia": 116, "Programy": 164,
                "Rozrywka": 204, "Dyski": 252, "Foldery": 292, "Dokumenty": 332,
                "Uruchom": 372, "Internet": 420}
# Each look at the share takes this long; whatever waits on one waits at least as long.
SHARE_DELAY_S = 10


def icon_helpers():
    """The process ids of the program's icon helpers that run."""
    found = subprocess.run(["pgrep", "-f", r"kromelik\.exe /ikony"], capture_output=True,
                           text=True, check=False)
    return found.stdout.split()


class SlowDrive(ProgramTestCase):

    def setUp(self):
        super().setUp()
        self.share = SlowShare().__enter__()
        self.addCleanup(self.share.__exit__, None, None, None)

    def map_drive(self):
        """The share as the network drive N:. Wine looks at every drive when a process
        starts (to name its working folder), so while the share is slow every start of a
        Wine process, the probes' too, waits for it."""
        wine("reg", "add", DRIVES_KEY, "/v", "n:", "/d", "network", "/f", check=True)
        self.addCleanup(wine, "reg", "delete", DRIVES_KEY, "/v", "n:", "/f")
        drive = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "n:")
        if os.path.lexists(drive):
            os.remove(drive)
        os.symlink(self.share.mount, drive)
        self.addCleanup(os.remove, drive)

    def map_unc(self):
        """The share as \\\\serwer\\udzial."""
        server = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "unc", "serwer")
        os.makedirs(server, exist_ok=True)
        share = os.path.join(server, "udzial")
        if os.path.lexists(share):
            os.remove(share)
        os.symlink(self.share.mount, share)
        self.addCleanup(os.remove, share)
        return "\\\\serwer\\udzial"

    def row_picture(self):
        """The screen's pixels of the first row's picture in the programs organizer."""
        code, out = probe("child-rect", PROGRAMS, str(LIST))
        self.assertEqual(code, 0, "no list in the organizer")
        left, top = (int(part) for part in out.split()[:2])
        # The picture sits at the row's left, under the column headers.
        return screen_pixels(left + 2, top + 2, 24, 44)

    def test_a_programs_picture_that_comes_late_shows_in_its_open_organizer(self):
        self.map_drive()
        # kromelik.exe carries a picture of its own, unlike the stand-by of a program.
        shutil.copy(os.environ["KROMELIK_EXE"], os.path.join(self.share.root, "wolny.exe"))
        put_text(PROGRAMS_KEY, "Wolny", "N:\\wolny.exe")
        # Slow from the start: the picture is still on its way when the organizer opens.
        self.share.slow(1.5)
        self.start().slide_in()
        click_at(PROGRAMY + 19, 24)
        self.assertIsNotNone(wait_menu(), "the programs menu did not open")
        keys("Up", "Right", "Return")
        self.assertEqual(probe("wait-visible", PROGRAMS, "20000")[0], 0, "no organizer")
        self.assertEqual([cells[0] for _, cells in rows(PROGRAMS)], ["Wolny"])
        standing_by = self.row_picture()

        deadline = time.monotonic() + 60
        while self.row_picture() == standing_by:
            self.assertLess(time.monotonic(), deadline,
                            "the program's own picture never showed in the open organizer")
            time.sleep(0.2)
        self.share.slow(0)

    def open_menu(self, name):
        """Opens a button's menu and answers its height; nothing may hold it up for as long
        as one look at the share takes."""
        click_at(MENU_BUTTONS[name] + 19, 24)
        rect = wait_menu((SHARE_DELAY_S - 1) * 1000)
        self.assertIsNotNone(rect, f"the {name} menu was held up")
        keys("Escape")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0, f"the {name} menu stayed open")
        return rect[3] - rect[1]

    def test_a_share_that_stopped_answering_holds_up_nothing_and_its_entries_show(self):
        share = self.map_unc()
        with open(os.path.join(self.share.root, "raport.txt"), "w") as report:
            report.write("raport")
        shutil.copy(os.environ["KROMELIK_EXE"], os.path.join(self.share.root, "wolny.exe"))
        # A program of the user's there too: its own picture is read from the file.
        put_text(PROGRAMS_KEY, "Wolny", share + "\\wolny.exe")
        recent = folder_path(CSIDL_RECENT)
        os.makedirs(prefix_path(recent), exist_ok=True)
        shortcut = recent + "\\wolny raport.lnk"
        self.addCleanup(remove_if_there, prefix_path(shortcut))
        self.assertEqual(probe("make-shortcut", shortcut, share + "\\raport.txt")[0], 0)

        self.share.slow(SHARE_DELAY_S)
        self.start()
        # Before the program ends: a thread of it still looking at the share would hold
        # its end up.
        self.addCleanup(self.share.slow, 0)
        self.program.slide_in()
        heights = {name: self.open_menu(name) for name in MENU_BUTTONS}

        # The documents list and the maker's programs are read at each opening of their
        # menus: with an entry on the share each, both grow by it, at once.
        put_text(DOCUMENTS_KEY, "1", share + "\\raport.txt")
        put_text(MAKER_PROGRAM_KEY, "Path", share + "\\wolny.exe")
        put_text(MAKER_PROGRAM_KEY, "Name", "Wolny program")
        self.addCleanup(wine, "reg", "delete", MAKER_PROGRAM_KEY, "/f")
        self.assertGreater(self.open_menu("Dokumenty"), heights["Dokumenty"],
                           "the document on the share is not shown")
        self.assertGreater(self.open_menu("O programie"), heights["O programie"],
                           "the maker's program on the share is not shown")

        # The maker's program, the about menu's last item, opened from the share: the
        # shell looks at it for as long as the share takes, but not on the toolbar's time.
        click_at(MENU_BUTTONS["O programie"] + 19, 24)
        self.assertIsNotNone(wait_menu(), "the about menu did not open")
        keys("Up", "Return")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0, "the about menu stayed open")
        self.open_menu("Dyski")

        # The pressed button lets go at a click on the bare panel; then the strip leaves.
        click_at(*BARE_PANEL)
        move_cursor(*BELOW_THE_STRIP)
        self.assertTrue(self.program.wait_hidden((SHARE_DELAY_S - 1) * 1000),
                        "the strip was held up on its way out")

        # The program's icon helper is still reading the user's program's picture from the
        # share; it ends with the program, at once.
        self.assertNotEqual(icon_helpers(), [], "no icon helper at work")
        self.assertIsNotNone(self.program.close(SHARE_DELAY_S - 1), "the program's end was held up")
        deadline = time.monotonic() + 3
        while icon_helpers() and time.monotonic() < deadline:
            time.sleep(0.1)
        self.assertEqual(icon_helpers(), [], "the icon helper outlived the program")
