"""A change of the screen's size while the program runs. Xvfb keeps its size, so the
program runs in a Wine virtual desktop of its own, whose size the platform can change."""

import os
import subprocess
import unittest

from kromelik_e2e import TITLE, WINE, forget_the_program, probe

DESKTOP_NAME = "KromelikResize"
DESKTOP = f"/desktop={DESKTOP_NAME},1024x768"


def probe_in_desktop(*args):
    return probe(*args, environment={"KROMELIK_PROBE_DESKTOP": DESKTOP_NAME})


def strip_and_close_button():
    """The strip's width and the Close button's (left, right), as the desktop's probe sees
    them, or None before the strip is there."""
    code, rect = probe_in_desktop("rect", TITLE)
    code_children, children = probe_in_desktop("children", TITLE)
    if code != 0 or code_children != 0:
        return None
    left, _, right, _, _ = (int(part) for part in rect.split())
    for line in children.splitlines():
        control, child_left, _, child_right, _ = (int(part) for part in line.split())
        if control == 112:  # CloseSB
            return right - left, (child_left, child_right)
    return None


class ScreenSize(unittest.TestCase):
    def setUp(self):
        forget_the_program()
        self.desktop = subprocess.Popen([WINE, "explorer", DESKTOP, os.environ["KROMELIK_EXE"]],
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        self.addCleanup(self.end_desktop)
        self.assertEqual(probe_in_desktop("wait-window", TITLE, "30000")[0], 0)

    def end_desktop(self):
        probe_in_desktop("close", TITLE)
        probe_in_desktop("wait-gone", TITLE, "30000")
        # The desktop's own window must not stay over the display for the tests after.
        try:
            self.desktop.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.desktop.kill()
            self.desktop.wait(timeout=30)

    def wait_for(self, expected):
        for _ in range(100):
            if strip_and_close_button() == expected:
                return
        self.assertEqual(strip_and_close_button(), expected)

    def test_the_strip_takes_the_new_width_and_close_moves_to_its_edge(self):
        self.wait_for((1024, (1024 - 46, 1024 - 8)))
        # The size a virtual desktop is given is the prefix's screen size for every program
        # after it, so it goes back before the desktop does.
        self.addCleanup(probe_in_desktop, "screen-size", "1024", "768")
        code, out = probe_in_desktop("screen-size", "800", "600")
        self.assertEqual(code, 0, f"the desktop kept its size: {out}")
        self.wait_for((800, (800 - 46, 800 - 8)))


if __name__ == "__main__":
    unittest.main()
