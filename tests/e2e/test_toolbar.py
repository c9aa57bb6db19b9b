"""The sliding strip, its buttons' menus, the help item and the close button, as a user
meets them on a 1024-pixel-wide screen."""

import os
import unittest

from kromelik_e2e import (ProgramTestCase, SharedProgramTestCase, click_at, keys, move_cursor,
                          probe, wait_menu)

BUTTON_TOP = 6
BUTTON_SIZE = 38


def button_centre(left):
    return left + BUTTON_SIZE // 2, BUTTON_TOP + 18


class Toolbar(SharedProgramTestCase):
    def test_slides_in_at_the_top_edge_and_out_below_the_strip(self):
        program = self.program
        move_cursor(600, 300)
        self.assertTrue(program.wait_hidden(), "hidden once the cursor has been below it")
        left, top, right, bottom, visible = program.rect()
        self.assertEqual((left, top, right - left, bottom - top), (0, -45, 1024, 45))

        move_cursor(600, 0)
        self.assertTrue(program.wait_shown(), "slides in when the cursor touches the top edge")
        move_cursor(600, 45)
        self.assertFalse(program.wait_hidden(400), "stays while the cursor is on the strip")

        move_cursor(600, 46)
        self.assertTrue(program.wait_hidden(), "slides out below the strip")

    def test_a_buttons_menu_opens_under_it_and_holds_the_strip(self):
        program = self.program
        program.slide_in()
        click_at(*button_centre(76))  # PanelSB
        menu = wait_menu()
        self.assertIsNotNone(menu, "the control panel menu did not open")
        self.assertEqual(menu[:2], (76, 44))

        keys("Escape")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)
        move_cursor(600, 300)
        self.assertFalse(program.wait_hidden(600), "the pressed button keeps the strip in view")

        click_at(600, 3)  # the bare panel lets the button go
        move_cursor(600, 300)
        self.assertTrue(program.wait_hidden(), "released, the strip slides away")

    def test_the_shutdown_menu_opens_its_height_to_the_right(self):
        self.program.slide_in()
        click_at(*button_centre(1024 - 86))  # WylaczSB
        menu = wait_menu()
        self.assertIsNotNone(menu)
        # The system keeps a menu on the screen: one that would cross the right edge is
        # moved left until it fits.
        width = menu[2] - menu[0]
        self.assertEqual(menu[:2], (min(1024 - 86 + 36, 1024 - width), 44))
        keys("Escape")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0, "Escape closes the menu")

    def test_without_its_page_the_help_item_answers_with_its_message(self):
        help_folder = os.path.join(os.path.dirname(os.environ["KROMELIK_EXE"]), "help")
        os.rename(help_folder, help_folder + ".aside")
        self.addCleanup(os.rename, help_folder + ".aside", help_folder)
        self.program.slide_in()
        click_at(*button_centre(28))  # AboutSB
        self.assertIsNotNone(wait_menu())
        keys("Down", "Return")  # "Pomoc", the first item
        code, texts = probe("wait-box", "Brak pomocy !!!", "10000")
        self.assertEqual(code, 0, "the help message box did not appear")
        self.assertIn("Pomoc jak na razie jest niedostępna w tej wersji programu", texts)
        keys("Return")
        self.assertEqual(probe("wait-gone", "Brak pomocy !!!", "5000")[0], 0)
        self.assertTrue(self.program.wait_shown(1000), "the strip is still there")


class Closing(ProgramTestCase):
    def test_the_close_button_ends_the_program(self):
        self.start().slide_in()
        click_at(*button_centre(1024 - 46))  # CloseSB
        self.assertEqual(self.program.wait_for_exit(30), 0)


if __name__ == "__main__":
    unittest.main()
