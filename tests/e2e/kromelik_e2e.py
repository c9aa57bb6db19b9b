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

    def __init__(self):
        self.exe = os.environ["KROMELIK_EXE"]
        self.process = subprocess.Popen([WINE, self.exe], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)

    def wait_for_window(self, timeout_ms=30000):
        code, _ = probe("wait-window", TITLE, str(timeout_ms))
        return code == 0

    def close(self, timeout_s=30):
        probe("close", TITLE)
        return self.wait_for_exit(timeout_s)

    def wait_for_exit(self, timeout_s=30):
        try:
            return self.process.wait(timeout=timeout_s)
        except subprocess.TimeoutExpired:
            return None

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


class ProgramTestCase(unittest.TestCase):
    """Starts each test from a registry that has never seen the program."""

    def setUp(self):
        for key in (r"HKCU\Software\Brenvald", r"HKCU\Brenvald"):
            delete_key(key)
        wine("reg", "delete", r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run",
             "/v", "Kromelik", "/f")
        self.program = None

    def tearDown(self):
        if self.program is not None:
            self.program.kill()

    def start(self):
        self.program = Program()
        self.assertTrue(self.program.wait_for_window(), "the main window did not appear")
        return self.program
