"""The options dialog as a user works it: the look changes on the running strip at once,
OK stores it, and the next start shows the stored look again."""

from kromelik_e2e import (MAIN_KEY, ProgramTestCase, click_at, keys, probe, registry_values,
                          screen_pixels, wait_menu)
from test_lists import wait_until

OPTIONS = "Opcje"
ABOUT_BUTTON = 28
# The dialog's controls, as its window numbers them.
IDOK, PASTEL, CHANGE_COLOUR, GREY, BEVEL, TRANSPARENCY, TRANSPARENCY_BAR = 1, 202, 203, 207, 208, 210, 211


def alpha():
    return probe("alpha", "Kromelik")[1].strip()


def strip_pixel(x, y):
    return screen_pixels(x, y, 1, 1)[0][0]


class Options(ProgramTestCase):

    def open_options(self):
        click_at(ABOUT_BUTTON + 19, 24)
        self.assertIsNotNone(wait_menu(), "the about menu did not open")
        # Pomoc, the mail, the web page, "O programie ...", then "Opcje".
        keys("Down", "Down", "Down", "Down", "Down", "Return")
        self.assertEqual(probe("wait-visible", OPTIONS, "10000")[0], 0, "Opcje did not open")

    def press_end_on(self, bar, key="End"):
        """Puts the bar at its maximum as a user does: a click on it, then End (or at its
        minimum with Home)."""
        code, out = probe("child-rect", OPTIONS, str(bar))
        self.assertEqual(code, 0, f"no bar {bar}")
        left, top, right, bottom = (int(part) for part in out.split())
        click_at((left + right) // 2, (top + bottom) // 2)
        keys(key)

    def test_a_look_chosen_in_the_dialog_shows_at_once_and_again_after_a_restart(self):
        self.start().slide_in()
        self.open_options()

        # White, flat and pastel; transparency at its clearest.
        probe("click", OPTIONS, str(CHANGE_COLOUR))
        self.press_end_on(GREY)
        probe("click", OPTIONS, str(BEVEL))
        probe("click", OPTIONS, str(PASTEL))
        probe("click", OPTIONS, str(TRANSPARENCY))
        self.assertEqual(wait_until(alpha, lambda value: value == "127", 10), "127",
                         "ticking the box makes the strip half clear at once")
        self.press_end_on(TRANSPARENCY_BAR)
        self.assertEqual(wait_until(alpha, lambda value: value == "40", 10), "40")
        probe("click", OPTIONS, str(IDOK))
        self.assertEqual(probe("wait-hidden", OPTIONS, "10000")[0], 0, "OK did not close")

        stored = registry_values(MAIN_KEY)
        expected = {"XPMenu": ("REG_SZ", "YES"), "ChangeColor": ("REG_DWORD", "0x1"),
                    "ColorR": ("REG_DWORD", "0xff"), "ColorG": ("REG_DWORD", "0xff"),
                    "ColorB": ("REG_DWORD", "0xff"), "ColorGS": ("REG_DWORD", "0xff"),
                    "ChangeTransparent": ("REG_DWORD", "0x1"),
                    "Transparent": ("REG_DWORD", "0x28"), "Flat": ("REG_DWORD", "0x0")}
        self.assertEqual({name: stored.get(name) for name in expected}, expected)

        self.program.close()
        program = self.start()
        program.slide_in()
        self.assertEqual(alpha(), "40")
        # The bare panel and its bottom edge: white with no raised bevel's shadow.
        self.assertEqual(strip_pixel(600, 3), (255, 255, 255))
        self.assertEqual(strip_pixel(600, 44), (255, 255, 255))

        # With translucency stored as on, the dialog's own values show at once while it
        # is open, though every repaint of the strip reads the stored one.
        self.open_options()
        self.assertEqual(alpha(), "40", "showing the dialog changes nothing")
        self.press_end_on(TRANSPARENCY_BAR, "Home")
        self.assertEqual(wait_until(alpha, lambda value: value == "255", 10), "255")
        probe("click", OPTIONS, str(TRANSPARENCY))
        self.assertEqual(wait_until(alpha, lambda value: value == "opaque", 10), "opaque")
        probe("click", OPTIONS, str(TRANSPARENCY))
        self.assertEqual(wait_until(alpha, lambda value: value == "127", 10), "127")
        keys("Escape")
        self.assertEqual(probe("wait-hidden", OPTIONS, "10000")[0], 0, "Escape did not close")
        program.slide_in()
        self.open_options()
        self.assertEqual(alpha(), "40", "the stored opacity is shown again, not none")
