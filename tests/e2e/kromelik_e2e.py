"""Plumbing for the end-to-end tests: the real kromelik.exe in the run's Wine prefix, on
the run's virtual display, observed through winprobe.exe and Wine's reg.exe. Every wait
has a timeout; nothing sleeps for a fixed time."""

import os
import re
import subprocess
import time
import unittest

WINE = "/usr/lib/wine/wine64"
TITLE = "Kromelik"
MAIN_KEY = r"HKCU\Software\Brenvald\Kromelik"


def wine(*args, timeout=60, check=False):
    result = subprocess.run([WINE, *args], capture_output=True, timeout=timeout)
    out = result.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
    if check and result.returncode != 0:
        raise AssertionError(f"wine {' '.join(args)} failed ({result.returncode}): {out}")
    return result.returncode, out


def probe(*args, timeout=60):
    return wine(os.environ["KROMELIK_PROBE"], *args, timeout=timeout)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=30)


def move_cursor(x, y):
    xdotool("mousemove", str(x), str(y))


def click_at(x, y):
    xdotool("mousemove", str(x), str(y), "click", "1")


def keys(*names):
    xdotool("key", *names)


def wait_menu(timeout_ms=10000):
    """The open popup menu's (left, top, right, bottom), or None."""
    code, out = probe("wait-menu", str(timeout_ms))
    if code != 0:
        return None
    return tuple(int(part) for part in out.split())


def windows_path(unix_path):
    _, out = wine("winepath", "-w", unix_path, check=True)
    return out.strip()


def registry_values(key):
    """The values of a key as {name: (type, data)}, or None when the key is missing."""
    code, out = wine("reg", "query", key)
    if code != 0:
        return None
    values = {}
    for line in out.splitlines():
        match = re.match(r"^    (.+?)    (REG_\w+)    ?(.*)$", line)
        if match:
            values[match.group(1)] = (match.group(2), match.group(3))
    return values


def delete_key(key):
    wine("reg", "delete", key, "/f")


class Program:
    """kromelik.exe started in the background; ended by closing its main window."""

    def __init__(self, extra_environment=None):
        self.exe = os.environ["KROMELIK_EXE"]
        environment = dict(os.environ, **(extra_environment or {}))
        self.process = subprocess.Popen([WINE, self.exe], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, env=environment)

    def rect(self):
        """(left, top, right, bottom, visible) of the main window."""
        code, out = probe("rect", TITLE)
        if code != 0:
            return None
        return tuple(int(part) for part in out.split())

    def wait_shown(self, timeout_ms=10000):
        return probe("wait-top", TITLE, "0", str(timeout_ms))[0] == 0

    def wait_hidden(self, timeout_ms=10000):
        return probe("wait-hidden", TITLE, str(timeout_ms))[0] == 0

    def slide_in(self, x=600):
        """Brings the strip into view as a user does: below it first, then the top edge."""
        move_cursor(x, 300)
        if not self.wait_hidden():
            raise AssertionError("the strip did not hide with the cursor below it")
        move_cursor(x, 0)
        if not self.wait_shown():
            where = subprocess.run(["xdotool", "getmouselocation"], capture_output=True,
                                   text=True).stdout.strip()
            raise AssertionError(f"the strip did not slide in at the top edge: window {self.rect()},"
                                 f" cursor {where}, Windows cursor {probe('cursor')[1].strip()}")

    def wait_for_window(self, timeout_ms=30000):
        """Until the program has started: its window shown, waiting above the screen. One
        probe watches from creation to that state: the strip stays there only while the
        cursor is within the strip's band, and a second probe started later could miss
        it."""
        return probe("wait-top", TITLE, "-45", str(timeout_ms))[0] == 0

    def close(self, timeout_s=30):
        probe("close", TITLE)
        return self.wait_for_exit(timeout_s)

    def wait_for_exit(self, timeout_s=30):
        try:
            return self.process.wait(timeout=timeout_s)
        except subprocess.TimeoutExpired:
            return None

    def end(self):
        """Ends the program whatever state it is in: asked to close first, then killed by
        its process id; returns once its window is gone."""
        if self.process.poll() is None:
            probe("close", TITLE)
            if self.wait_for_exit(15) is None:
                self.process.kill()
                self.process.wait()
        # Windows outlive their process for a moment, until the server has noticed.
        return probe("wait-gone", TITLE, "10000")[0] == 0


# Where the cursor rests while a program starts: within the strip's height, so the strip
# stays waiting above the screen until a test moves the cursor (below it, it would slide
# out at the first tick, before anyone had seen it start).
RESTING_CURSOR = (600, 20)


class ProgramTestCase(unittest.TestCase):
    """Starts each test from a registry that has never seen the program."""

    def setUp(self):
        for key in (r"HKCU\Software\Brenvald", r"HKCU\Brenvald"):
            delete_key(key)
        wine("reg", "delete", r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run",
             "/v", "Kromelik", "/f")
        self.program = None

    def start(self, extra_environment=None):
        self.assertEqual(probe("wait-gone", TITLE, "10000")[0], 0,
                         "a window of an earlier run is still there")
        move_cursor(*RESTING_CURSOR)
        program = Program(extra_environment)
        # A cleanup runs even when setUp fails, so no start outlives its test.
        self.addCleanup(self._end, program)
        self.program = program
        self.assertTrue(program.wait_for_window(), "the main window did not appear")
        return program

    def _end(self, program):
        self.assertTrue(program.end(), "the program's window outlived its process")
