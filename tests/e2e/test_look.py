"""The look taken from the registry: translucency at every paint, the pastel menus, and
the keyboard way through the strip's menus."""

import unittest

from kromelik_e2e import (MAIN_KEY, ProgramTestCase, SharedProgramTestCase, click_at, keys,
                          move_cursor, probe, wait_menu, wine)


def set_number(name, value):
    wine("reg", "add", MAIN_KEY, "/v", name, "/t", "REG_DWORD", "/d", str(value), "/f", check=True)


def set_text(name, value):
    wine("reg", "add", MAIN_KEY, "/v", name, "/t", "REG_SZ", "/d", value, "/f", check=True)


class Look(ProgramTestCase):
    def test_translucency_follows_the_registry_at_every_paint(self):
        set_number("ChangeTransparent", 1)
        set_number("Transparent", 0x100 + 150)  # only the low byte counts
        program = self.start()
        program.slide_in()
        self.assertEqual(probe("alpha", "Kromelik")[1].strip(), "150")

        # Changed while running: the next slide in paints with the new value.
        set_number("Transparent", 90)
        move_cursor(600, 300)
        self.assertTrue(program.wait_hidden())
        move_cursor(600, 0)
        self.assertTrue(program.wait_shown())
        self.assertEqual(probe("alpha", "Kromelik")[1].strip(), "90")

    def test_an_opaque_toolbar_without_the_flag(self):
        set_number("ChangeTransparent", 0)
        set_number("Transparent", 90)
        program = self.start()
        program.slide_in()
        self.assertEqual(probe("alpha", "Kromelik")[1].strip(), "opaque")

    def test_pastel_menus_open_and_choose_like_classic_ones(self):
        set_text("XPMenu", "yes")
        program = self.start()
        program.slide_in()
        click_at(28 + 19, 24)  # AboutSB
        self.assertIsNotNone(wait_menu())
        keys("Down", "Down", "Down", "Down", "Down", "Return")  # Pomoc, ..., then Opcje
        self.assertEqual(probe("wait-visible", "Opcje", "10000")[0], 0, "Opcje did not open")
        keys("Escape")
        self.assertEqual(probe("wait-hidden", "Opcje", "10000")[0], 0)


class Keyboard(SharedProgramTestCase):
    def test_the_keyboard_moves_along_the_strip_and_opens_menus(self):
        self.program.slide_in()
        click_at(76 + 19, 24)  # PanelSB
        self.assertEqual(wait_menu()[:2], (76, 44))
        keys("Escape")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)

        self.assertEqual(probe("focus", "Kromelik")[1].split()[:2], ["76", "6"],
                         "the clicked button keeps the keyboard")
        keys("Right", "Return")  # on to UslugiSB
        menu = wait_menu()
        self.assertIsNotNone(menu, "Enter on the next button opens its menu")
        self.assertEqual(menu[:2], (116, 44))
        keys("Escape")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)
        keys("Left", "Left", "space")  # back past PanelSB to AboutSB
        self.assertEqual(wait_menu()[:2], (28, 44))
        keys("Escape")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)


if __name__ == "__main__":
    unittest.main()
