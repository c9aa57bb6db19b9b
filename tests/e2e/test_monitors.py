"""Two monitors side by side: the top edge of each brings the strip down on that monitor,
as wide as it, its menus under its buttons there.

Xvfb shows Wine a single monitor, so the run's display holds a nested Xephyr with two
screens joined by Xinerama, 1024 x 768 and 800 x 600 to its right, and the prefix's X11
driver reads the monitors from Xinerama. The wine server starts again on that display and
once more on the run's own afterwards, since the desktop takes its monitors from the
display it was started on."""

import os
import subprocess
import unittest

from kromelik_e2e import TITLE, WINE, ProgramTestCase, click_at, probe, wait_menu, wine

WINESERVER = "/usr/lib/wine/wineserver"
X11_DRIVER = r"HKCU\Software\Wine\X11 Driver"
PROGRAMY = 103
CLOSE_BUTTON = 111


def restart_wine_server():
    subprocess.run([WINESERVER, "-k"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run([WINESERVER, "-w"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=60)
    # Persistent, as the run's own server is, so each later program does not start it anew.
    subprocess.run([WINESERVER, "-p"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                   timeout=60)
    # The first program starts Wine's background services, which keep the standard
    # streams they inherit: they get none, or the next program's output would never end.
    subprocess.run([WINE, "wineboot"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL, timeout=120)


def start_xephyr():
    """Xephyr's process and the display it chose."""
    read, write = os.pipe()
    server = subprocess.Popen(
        ["Xephyr", "-displayfd", str(write), "+xinerama", "-screen", "1024x768",
         "-screen", "800x600", "-nolisten", "tcp"],
        pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as announced:
        number = announced.readline().strip()
    if not number:
        server.kill()
        raise AssertionError("Xephyr did not start")
    return server, ":" + number


class TwoMonitorsTest(ProgramTestCase):
    @classmethod
    def setUpClass(cls):
        own_display = os.environ["DISPLAY"]
        wine("reg", "add", X11_DRIVER, "/v", "UseXRandR", "/d", "N", "/f", check=True)
        cls.xephyr, display = start_xephyr()

        def back_to_the_run_display():
            wine("reg", "delete", X11_DRIVER, "/v", "UseXRandR", "/f")
            os.environ["DISPLAY"] = own_display
            restart_wine_server()
            cls.xephyr.kill()
            cls.xephyr.wait()

        cls.addClassCleanup(back_to_the_run_display)
        os.environ["DISPLAY"] = display
        restart_wine_server()

    def monitor_rects(self):
        code, out = probe("monitors")
        self.assertEqual(code, 0, "the probe could not list the monitors")
        return sorted(tuple(int(part) for part in line.split()) for line in out.splitlines()
                      if line.strip())

    def close_button_right(self):
        code, out = probe("children", TITLE)
        self.assertEqual(code, 0)
        for line in out.splitlines():
            child, _, _, right, _ = (int(part) for part in line.split())
            if child == CLOSE_BUTTON:
                return right
        self.fail("no Zamknij button among the strip's children")

    def test_each_monitors_top_edge_brings_the_strip_down_there(self):
        self.assertEqual(self.monitor_rects(), [(0, 0, 1024, 768), (1024, 0, 1824, 600)],
                         "Wine does not see the two monitors")
        program = self.start()

        # The start waits for the cursor below the strip once, on the primary monitor.
        program.slide_in(x=1300)
        left, top, right, _, visible = program.rect()
        self.assertEqual((left, top, right - left, visible), (1024, 0, 800, 1))
        self.assertLessEqual(self.close_button_right(), 800, "Zamknij within the monitor")
        self.assertEqual(probe("click", TITLE, str(PROGRAMY))[0], 0)
        menu = wait_menu()
        self.assertIsNotNone(menu, "the programs menu did not open")
        self.assertGreaterEqual(menu[0], 1024, f"the programs menu at {menu}")
        self.assertLessEqual(menu[2], 1824, f"the programs menu at {menu}")
        probe("cancel-menu", TITLE)
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)
        # The bare panel, above the buttons, lets the pressed button go.
        click_at(1024 + 600, 3)

        program.slide_in(x=300)
        left, top, right, _, visible = program.rect()
        self.assertEqual((left, top, right - left, visible), (0, 0, 1024, 1))
        self.assertLessEqual(self.close_button_right(), 1024)


if __name__ == "__main__":
    unittest.main()
