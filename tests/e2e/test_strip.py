"""The strip as it looks while it is used: its tips and focus cues, read back from the
screen."""

import unittest

from kromelik_e2e import (SharedProgramTestCase, click_at, keys, move_cursor, probe,
                          screen_pixels, wait_menu)

ABOUT = (28, 6, 38, 36)  # AboutSB: left, top, width, height
DYSKI = (252, 6, 38, 36)


def centre(button):
    left, top, width, height = button
    return left + width // 2, top + height // 2


def focus_ring(pixels, inset=3):
    """The pixels where a focus rectangle `inset` pixels inside the button is drawn."""
    height, width = len(pixels), len(pixels[0])
    ring = [pixels[inset][x] for x in range(inset, width - inset)]
    ring += [pixels[height - 1 - inset][x] for x in range(inset, width - inset)]
    ring += [pixels[y][inset] for y in range(inset, height - inset)]
    ring += [pixels[y][width - 1 - inset] for y in range(inset, height - inset)]
    return ring


class Strip(SharedProgramTestCase):
    def test_no_tip_comes_up_over_an_open_menu_and_tips_come_back_after_it(self):
        self.program.slide_in()
        click_at(*centre(DYSKI))  # at once, before the button's tip is due
        self.assertIsNotNone(wait_menu())
        self.assertNotEqual(probe("wait-tooltip", "2000")[0], 0, "a tip showed over the open menu")
        keys("Escape")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)
        x, y = centre(DYSKI)
        move_cursor(x + 1, y)  # resting on the button again
        self.assertEqual(probe("wait-tooltip", "5000")[0], 0, "the tips stay off after the menu")

    def test_focus_cues_show_only_once_the_keyboard_is_used(self):
        self.program.slide_in()
        click_at(*centre(ABOUT))
        self.assertIsNotNone(wait_menu())
        keys("Escape")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)
        move_cursor(600, 24)  # off the button, still on the strip
        after_click = screen_pixels(*ABOUT)
        keys("Right", "Left")  # along the strip and back to the same button
        self.assertEqual(probe("focus", "Kromelik")[1].split()[:2], ["28", "6"])
        after_keys = screen_pixels(*ABOUT)
        self.assertNotEqual(focus_ring(after_click), focus_ring(after_keys),
                            "the focus rectangle looks the same after the mouse as after the keys")


if __name__ == "__main__":
    unittest.main()
