"""The program with files on a drive that answers as slowly as a network share that
stopped answering: what it shows from there comes when it comes, into the windows that
are open by then."""

import os
import shutil
import time

from kromelik_e2e import ProgramTestCase, click_at, keys, probe, screen_pixels, wait_menu
from slow_share import SlowShare
from test_lists import put_text
from test_organizers import LIST, PROGRAMS, PROGRAMS_KEY, PROGRAMY, rows


class SlowDrive(ProgramTestCase):

    def setUp(self):
        super().setUp()
        self.share = SlowShare().__enter__()
        self.addCleanup(self.share.__exit__, None, None, None)
        # kromelik.exe carries a picture of its own, unlike the stand-by of a program.
        shutil.copy(os.environ["KROMELIK_EXE"], os.path.join(self.share.root, "wolny.exe"))
        self.drive = os.path.join(os.environ["WINEPREFIX"], "dosdevices", "n:")
        if os.path.lexists(self.drive):
            os.remove(self.drive)
        os.symlink(self.share.mount, self.drive)
        self.addCleanup(os.remove, self.drive)

    def row_picture(self):
        """The screen's pixels of the first row's picture in the programs organizer."""
        code, out = probe("child-rect", PROGRAMS, str(LIST))
        self.assertEqual(code, 0, "no list in the organizer")
        left, top = (int(part) for part in out.split()[:2])
        # The picture sits at the row's left, under the column headers.
        return screen_pixels(left + 2, top + 2, 24, 44)

    def test_a_programs_picture_that_comes_late_shows_in_its_open_organizer(self):
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
