"""What a strip that runs for weeks meets: being started again while it runs, restarting
itself, and the session coming back from sleep, a lock or a change of settings."""

import subprocess
import unittest

from kromelik_e2e import (BELOW_THE_STRIP, RESTING_CURSOR, TITLE, WINE, ProgramTestCase, Program,
                          move_cursor, probe)
from test_lists import wait_until

WM_SETTINGCHANGE, SPI_SETWORKAREA = 0x001A, 0x002F
WM_SYSCOLORCHANGE = 0x0015
WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, PBT_APMRESUMESUSPEND = 0x0218, 0x0012, 0x0007
WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT, WTS_SESSION_UNLOCK = 0x02B1, 0x1, 0x8


def strips():
    """How many toolbar windows there are."""
    code, out = probe("count-class", "KromelikToolbar")
    return int(out) if code == 0 else -1


class LongRun(ProgramTestCase):
    def start_hidden(self):
        """The program started and its strip slid away, the cursor then within the strip's
        band, where it neither brings the strip in nor sends it away."""
        program = self.start()
        move_cursor(*BELOW_THE_STRIP)
        self.assertTrue(program.wait_hidden(), "the strip did not slide away")
        move_cursor(*RESTING_CURSOR)
        return program

    def test_a_second_start_ends_at_once_and_the_running_strip_slides_in(self):
        first = self.start_hidden()
        second = Program()
        self.addCleanup(lambda: second.process.poll() is None and second.process.kill())
        self.assertEqual(second.wait_for_exit(60), 0, "the second copy did not end with 0")
        self.assertTrue(first.wait_shown(), "the running strip did not slide in")
        self.assertIsNone(first.process.poll(), "the running copy ended")
        self.assertEqual(strips(), 1)
        # Its moment over, it goes as usual once the cursor is off it.
        move_cursor(*BELOW_THE_STRIP)
        self.assertTrue(first.wait_hidden(), "the revealed strip stays")

    def test_a_restarted_copy_waits_for_the_one_it_replaces(self):
        first = self.start()
        # As the organizers' restart starts it, while the old copy is still running.
        second = subprocess.Popen([WINE, first.exe, "/restart"], stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        self.addCleanup(lambda: (probe("close", TITLE), second.wait(30)))
        with self.assertRaises(subprocess.TimeoutExpired, msg="the restarted copy did not wait"):
            second.wait(3)
        self.assertEqual(first.close(), 0)
        self.assertEqual(probe("wait-window", TITLE, "30000")[0], 0, "the new copy did not start")
        self.assertIsNone(second.poll(), "the new copy ended")
        self.assertEqual(strips(), 1)

    def test_session_events_put_the_strip_back_in_its_place_without_showing_it(self):
        program = self.start_hidden()
        _, _, right, _, _ = program.rect()
        for message, wparam in ((WM_SETTINGCHANGE, SPI_SETWORKAREA), (WM_SYSCOLORCHANGE, 0),
                                (WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC),
                                (WM_POWERBROADCAST, PBT_APMRESUMESUSPEND),
                                (WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK),
                                (WM_WTSSESSION_CHANGE, WTS_CONSOLE_CONNECT)):
            with self.subTest(message=hex(message), wparam=wparam):
                # Moved away, as a change of the display may leave it.
                self.assertEqual(probe("move", TITLE, "0", "200")[0], 0)
                self.assertEqual(probe("send", TITLE, str(message), str(wparam), "0")[0], 0)
                where = wait_until(program.rect, lambda rect: rect == (0, -45, right, 0, 0))
                self.assertEqual(where, (0, -45, right, 0, 0))
        # And it still works: a touch of the top edge brings it.
        program.slide_in()


if __name__ == "__main__":
    unittest.main()
