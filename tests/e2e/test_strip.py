"""The strip as it looks while it is used: its tips and focus cues, read back from the
screen."""

import os
import subprocess
import unittest

from kromelik_e2e import (MAIN_KEY, ProgramTestCase, SharedProgramTestCase, click_at, keys,
                          move_cursor, probe, screen_pixels, wait_menu, wine, WINE)

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
        # Resting on the button again. The menu is gone from the screen a moment before the
        # strip takes its tips back, and a move in that moment reaches no tip: the cursor
        # moves again, as a user's hand does, until a tip shows or the tries run out.
        shown = False
        for step in range(1, 6):
            move_cursor(x + step, y)
            if probe("wait-tooltip", "2000")[0] == 0:
                shown = True
                break
        self.assertTrue(shown, "the tips stay off after the menu")

    def test_every_button_shows_a_picture_of_its_own(self):
        self.program.slide_in()
        move_cursor(600, 24)  # on the strip, off every button
        panel = screen_pixels(600, 24, 1, 1)[0][0]
        seen = {}
        for control, (left, top, right, bottom) in sorted(children().items()):
            pixels = screen_pixels(left, top, right - left, bottom - top)
            drawn = sum(1 for row in pixels for pixel in row if pixel != panel)
            self.assertGreater(drawn, 100, f"button {control} shows no picture")
            picture = tuple(tuple(row) for row in pixels)
            self.assertNotIn(picture, seen, f"buttons {seen.get(picture)} and {control} look alike")
            seen[picture] = control
        self.assertEqual(len(seen), 12, "every visible button")

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



def set_number(key, name, value):
    wine("reg", "add", key, "/v", name, "/t", "REG_DWORD", "/d", str(value), "/f", check=True)


def children():
    """{control id: (left, top, right, bottom)} of the strip's visible child windows."""
    code, out = probe("children", "Kromelik")
    assert code == 0, "no strip to look into"
    found = {}
    for line in out.splitlines():
        control, *rect = (int(part) for part in line.split())
        found[control] = tuple(rect)
    return found


CLOSE_ID = 112  # CloseSB


class Geometry(ProgramTestCase):
    def test_the_logo_and_the_buttons_stay_inside_every_bevel(self):
        for flat, size, inset in ((0, 1, 0), (1, 4, 8), (1, 10, 20)):
            with self.subTest(flat=flat, size=size):
                set_number(MAIN_KEY, "Flat", flat)
                set_number(MAIN_KEY, "FlatSize", size)
                # Bevels wider than the usual ones widen the strip by as much.
                expected = 45 + 2 * max(0, inset - 2)
                program = self.start(waiting_top=-expected)
                program.slide_in()
                left, top, right, bottom, _ = program.rect()
                width, height = right - left, bottom - top
                self.assertEqual(height, expected)
                for control, (l, t, r, b) in children().items():
                    self.assertTrue(inset <= l and r <= width - inset and inset <= t and
                                    b <= height - inset, f"button {control} at {(l, t, r, b)}")
                pixels = screen_pixels(0, 0, width, height)
                # Every line of the bevel bands runs unbroken from corner to corner.
                for y in list(range(inset)) + list(range(height - inset, height)):
                    self.assertEqual(len(set(pixels[y][inset:width - inset])), 1, f"row {y}")
                for x in list(range(inset)) + list(range(width - inset, width)):
                    self.assertEqual(len({pixels[y][x] for y in range(inset, height - inset)}), 1,
                                     f"column {x}")
                # The logo, 17 pixels wide, begins right inside the bevels.
                y = height - inset - 2
                logo = pixels[y][inset + 8]
                self.assertEqual(pixels[y][inset], logo)
                self.assertNotEqual(pixels[y][inset + 17], logo)
                if inset:
                    self.assertNotEqual(pixels[y][inset - 1], logo)
                self.program.end()


class HighDpi(ProgramTestCase):
    DESKTOP = r"HKCU\Control Panel\Desktop"

    def test_at_144_dpi_the_strip_and_its_buttons_grow_by_half(self):
        set_number(self.DESKTOP, "LogPixels", 144)
        self.addCleanup(set_number, self.DESKTOP, "LogPixels", 96)
        program = self.start(waiting_top=-68)
        program.slide_in()
        left, top, right, bottom, _ = program.rect()
        self.assertEqual((top, bottom - top, right - left), (0, 68, 1024))
        buttons = children()
        self.assertEqual(buttons[100], (42, 9, 42 + 57, 9 + 54), "AboutSB: 28, 6, 38 x 36 at 96 DPI")
        self.assertEqual(buttons[CLOSE_ID], (1024 - 12 - 57, 9, 1024 - 12, 9 + 54))
        click_at(42 + 28, 30)
        self.assertEqual(wait_menu()[:2], (42, 9 + 57), "the menu opens under the button")
        keys("Escape")



class FullScreen(SharedProgramTestCase):
    def show_in_front(self, kind):
        """A window of the probe's, in front until the test ends."""
        title = f"Probe {kind}"
        helper = subprocess.Popen([WINE, os.environ["KROMELIK_PROBE"], "show-window", kind, "120000"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.addCleanup(helper.wait, 30)
        self.addCleanup(probe, "close", title)
        self.assertEqual(probe("wait-visible", title, "10000")[0], 0)
        self.assertEqual(probe("wait-foreground", title, "10000")[0], 0, f"{title} is not in front")
        return title

    def test_the_top_edge_brings_no_strip_over_a_full_screen_program(self):
        move_cursor(600, 300)
        self.assertTrue(self.program.wait_hidden())
        title = self.show_in_front("fullscreen")
        move_cursor(600, 0)
        self.assertNotEqual(probe("wait-top", "Kromelik", "0", "1500")[0], 0,
                            "the strip came over a full-screen program")
        probe("close", title)
        self.assertEqual(probe("wait-gone", title, "10000")[0], 0)
        # Over an ordinary window the edge brings it as ever.
        move_cursor(600, 300)
        self.show_in_front("normal")
        move_cursor(600, 0)
        self.assertTrue(self.program.wait_shown())


if __name__ == "__main__":
    unittest.main()
