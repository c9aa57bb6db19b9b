"""The strip driven from the keyboard alone: called by its hotkey over another program,
walked with the arrows, its menus opened and closed, and the keyboard handed back."""

import os
import subprocess
import time
import unittest

from kromelik_e2e import (MAIN_KEY, TITLE, WINE, ProgramTestCase, click_at, keys, move_cursor,
                          probe, registry_values, wait_menu, wine)

EDITOR = "Untitled - Notepad"
OPTIONS = "Opcje"
HOTKEY_FIELD = 214
ABOUT_CENTRE = (28 + 19, 24)
CTRL_ALT_K = (0x06 << 8) | ord("K")
CTRL_SHIFT_J = (0x03 << 8) | ord("J")
MIDDLE = (512, 384)
MOD_ALT, MOD_CONTROL, MOD_SHIFT = 1, 2, 4
ROLE_SYSTEM_PUSHBUTTON = 0x2B
FIRST_BUTTON_ID = 100  # AboutSB; the ids follow the buttons' order along the strip
LAST_BUTTON_ID = 112  # CloseSB

# Each visible button's tip, by control id: what a screen reader names the button by.
HINTS = {
    100: "O programie", 101: "Panel Strowania", 102: "Narzędzia administracyjne",
    103: "Programy", 104: "Rozrywka", 105: "Dyski", 106: "Foldery", 107: "Dokumenty",
    108: "Uruchom...", 109: "Internet", 111: "Zamknij system", 112: "Zamknij",
}


# Where the menus of the third and fourth buttons open: under their buttons' left edges.
USLUGI_LEFT = 116
PROGRAMY_LEFT = 164


def menu_left():
    menu = wait_menu(2000)
    return menu[0] if menu else None


def wait_until(condition, timeout_s=20):
    deadline = time.monotonic() + timeout_s
    while True:
        if condition():
            return True
        if time.monotonic() > deadline:
            return False


class Keyboard(ProgramTestCase):
    def open_editor(self):
        editor = subprocess.Popen([WINE, "notepad"], stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)

        def end_editor():
            editor.kill()
            editor.wait()
            probe("wait-gone", EDITOR, "10000")

        self.addCleanup(end_editor)
        self.assertEqual(probe("wait-foreground", EDITOR, "30000")[0], 0, "no editor in front")

    def editor_text(self):
        _, out = probe("controls", EDITOR)
        return out

    def start_behind_editor(self):
        program = self.start()
        # Below the strip, so only the keyboard can bring it: it slides away first.
        move_cursor(*MIDDLE)
        self.assertTrue(program.wait_hidden(), "the strip does not slide away at start")
        self.open_editor()
        return program

    def test_the_strip_is_reached_walked_and_left_from_the_keyboard(self):
        # A window kept on top, not in front: when the strip hides by itself, the system
        # would hand it the keyboard instead of the editor.
        on_top = subprocess.Popen([WINE, os.environ["KROMELIK_PROBE"], "show-window", "topmost",
                                   "120000"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        def end_on_top():
            on_top.kill()
            on_top.wait()

        self.addCleanup(end_on_top)
        self.assertEqual(probe("wait-foreground", "Probe topmost", "30000")[0], 0)
        program = self.start_behind_editor()

        keys("ctrl+alt+k")
        # Shown at once by the key: no waiting for the slide timer's tick.
        self.assertTrue(program.wait_shown(3000), "the hotkey did not bring the strip")
        self.assertEqual(probe("wait-focus-id", TITLE, str(FIRST_BUTTON_ID), "5000")[0], 0,
                         "the first button has not the focus")
        self.assertEqual(probe("foreground")[1].strip(), TITLE)

        # Every visible button is named by its tip.
        _, out = probe("controls", TITLE)
        names = {}
        for line in out.splitlines():
            control, visible, _, *text = line.split(" ")
            if visible == "1":
                names[int(control)] = " ".join(text)
        self.assertEqual(names, HINTS)
        # And a screen reader hears each as a push button of that name.
        for control, hint in HINTS.items():
            self.assertEqual(probe("accessible", TITLE, str(control))[1].strip(),
                             f"{ROLE_SYSTEM_PUSHBUTTON} {hint}")

        # Tab and Shift+Tab go round the ends of the strip.
        keys("shift+Tab")
        self.assertEqual(probe("wait-focus-id", TITLE, str(LAST_BUTTON_ID), "5000")[0], 0,
                         "Shift+Tab on the first button does not reach the last")
        keys("Tab")
        self.assertEqual(probe("wait-focus-id", TITLE, str(FIRST_BUTTON_ID), "5000")[0], 0,
                         "Tab on the last button does not come back to the first")

        keys("Right", "Right")
        self.assertEqual(probe("wait-focus-id", TITLE, str(FIRST_BUTTON_ID + 2), "5000")[0], 0,
                         "Right twice does not reach the third button")
        # Kept in view by the keyboard, though the mouse is far below it.
        self.assertTrue(program.wait_shown(0))

        keys("Return")
        self.assertTrue(wait_until(lambda: menu_left() == USLUGI_LEFT),
                        f"Enter opens no menu under the button: {wait_menu(0)}")
        # As a menu bar does: Right on an item without a submenu opens the next button's
        # menu, Left the one before again.
        keys("Right")
        self.assertEqual(probe("wait-focus-id", TITLE, str(FIRST_BUTTON_ID + 3), "5000")[0], 0,
                         "Right in the menu does not step to the next button")
        self.assertTrue(wait_until(lambda: menu_left() == PROGRAMY_LEFT),
                        f"the next button's menu did not open: {wait_menu(0)}")
        keys("Left")
        self.assertEqual(probe("wait-focus-id", TITLE, str(FIRST_BUTTON_ID + 2), "5000")[0], 0)
        self.assertTrue(wait_until(lambda: menu_left() == USLUGI_LEFT),
                        "Left in the menu does not come back to the third button's menu")

        keys("Escape")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0, "Escape leaves the menu open")
        self.assertEqual(probe("wait-focus-id", TITLE, str(FIRST_BUTTON_ID + 2), "5000")[0], 0,
                         "the button lost the focus with its menu")
        self.assertTrue(program.wait_shown(0), "the strip went with the menu")
        keys("space")
        self.assertTrue(wait_until(lambda: menu_left() == USLUGI_LEFT),
                        f"Space opens no menu under the button: {wait_menu(0)}")
        keys("Escape")
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)

        keys("Escape")
        self.assertTrue(program.wait_hidden(), "Escape with no menu open leaves the strip")
        self.assertEqual(probe("wait-foreground", EDITOR, "5000")[0], 0,
                         "the editor did not get the keyboard back")
        keys("x", "y", "z")
        self.assertTrue(wait_until(lambda: "xyz" in self.editor_text()),
                        f"the typed text is not in the editor: {self.editor_text()!r}")

    def test_a_stored_hotkey_calls_the_strip_and_the_default_no_longer_does(self):
        # Ctrl+Shift+J: HOTKEYF_CONTROL | HOTKEYF_SHIFT in the upper byte.
        wine("reg", "add", MAIN_KEY, "/v", "Hotkey", "/t", "REG_DWORD", "/d",
             str(CTRL_SHIFT_J), "/f", check=True)
        program = self.start_behind_editor()

        keys("ctrl+alt+k")
        self.assertFalse(program.wait_shown(2000), "Ctrl+Alt+K still calls the strip")
        keys("ctrl+shift+j")
        self.assertTrue(program.wait_shown(5000), "the stored combination does not call it")
        self.assertEqual(probe("wait-focus-id", TITLE, str(FIRST_BUTTON_ID), "5000")[0], 0)
        # Pressed again, it goes and the editor has the keyboard again.
        keys("ctrl+shift+j")
        self.assertTrue(program.wait_hidden(), "pressed again, the combination leaves the strip")
        self.assertEqual(probe("wait-foreground", EDITOR, "5000")[0], 0)

    def test_a_combination_chosen_in_the_options_is_stored_and_works_at_once(self):
        program = self.start_behind_editor()
        keys("ctrl+alt+k")
        self.assertTrue(program.wait_shown(3000))
        self.assertEqual(probe("wait-focus-id", TITLE, str(FIRST_BUTTON_ID), "5000")[0], 0)
        # Down opens the about menu with its first item, Pomoc, selected: four more reach
        # Opcje.
        keys("Down")
        self.assertIsNotNone(wait_menu(), "Down opens no menu")
        keys("Down", "Down", "Down", "Down", "Return")
        self.assertEqual(probe("wait-visible", OPTIONS, "10000")[0], 0, "Opcje did not open")
        self.assertEqual(probe("hotkey-of", OPTIONS, str(HOTKEY_FIELD))[1].strip(),
                         str(CTRL_ALT_K), "the field does not show the combination in force")

        code, out = probe("child-rect", OPTIONS, str(HOTKEY_FIELD))
        self.assertEqual(code, 0, "no hotkey field")
        left, top, right, bottom = (int(part) for part in out.split())
        click_at((left + right) // 2, (top + bottom) // 2)
        keys("ctrl+shift+j")
        self.assertTrue(wait_until(lambda: probe("hotkey-of", OPTIONS, str(HOTKEY_FIELD))[1].strip()
                                   == str(CTRL_SHIFT_J)), "the field did not take the keys")
        probe("click", OPTIONS, "1")  # OK
        self.assertEqual(probe("wait-hidden", OPTIONS, "10000")[0], 0, "OK did not close")
        self.assertEqual(registry_values(MAIN_KEY).get("Hotkey"),
                         ("REG_DWORD", hex(CTRL_SHIFT_J)))

        # The mouse rules the strip again: it goes, and the new combination calls it.
        move_cursor(*MIDDLE)
        self.assertTrue(program.wait_hidden())
        # Back to the editor with a click, as a user would: the keys reach the session
        # only through a window in front.
        left, top, right, bottom, _ = (int(part) for part in probe("rect", EDITOR)[1].split())
        click_at((left + right) // 2, (top + bottom) // 2)
        self.assertEqual(probe("wait-foreground", EDITOR, "10000")[0], 0)
        keys("ctrl+shift+j")
        self.assertTrue(program.wait_shown(5000), "the new combination does not call the strip")

    def hold_combination(self, modifiers, key):
        """Another program takes the combination (modifiers as RegisterHotKey takes them)."""
        holder = subprocess.Popen([WINE, os.environ["KROMELIK_PROBE"], "hold-hotkey",
                                   str(modifiers), str(ord(key)), "600000"],
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)

        def end_holder():
            holder.kill()
            holder.wait()
            holder.stdout.close()

        self.addCleanup(end_holder)
        self.assertEqual(holder.stdout.readline().strip(), b"held")

    def test_a_combination_another_program_holds_is_told_once_and_the_strip_starts_anyway(self):
        self.hold_combination(MOD_ALT | MOD_CONTROL, "K")
        program = self.start()
        code, texts = probe("wait-box", TITLE, "30000")
        self.assertEqual(code, 0, "no message tells that the combination is taken")
        self.assertIn("Skrót Ctrl+Alt+K jest zajęty przez inny program.", texts)
        self.assertEqual(probe("press-box-ok", TITLE)[0], 0)
        self.assertTrue(wait_until(lambda: probe("wait-box", TITLE, "0")[0] != 0))

        program.slide_in()
        self.assertNotEqual(probe("wait-box", TITLE, "0")[0], 0, "the message came again")
        click_at(ABOUT_CENTRE[0], ABOUT_CENTRE[1])
        self.assertIsNotNone(wait_menu(), "the about menu did not open")
        keys("Down", "Down", "Down", "Down", "Down", "Return")
        self.assertEqual(probe("wait-visible", OPTIONS, "10000")[0], 0, "Opcje did not open")
        self.assertEqual(probe("hotkey-of", OPTIONS, str(HOTKEY_FIELD))[1].strip(), "0",
                         "the field shows a combination that does nothing")

        # One taken after it was typed in the field is told at OK, in the same words.
        left, top, right, bottom = (int(part) for part in
                                    probe("child-rect", OPTIONS, str(HOTKEY_FIELD))[1].split())
        click_at((left + right) // 2, (top + bottom) // 2)
        keys("ctrl+shift+j")
        self.assertTrue(wait_until(lambda: probe("hotkey-of", OPTIONS, str(HOTKEY_FIELD))[1].strip()
                                   == str(CTRL_SHIFT_J)), "the field did not take the keys")
        self.hold_combination(MOD_CONTROL | MOD_SHIFT, "J")
        probe("click", OPTIONS, "1")  # OK
        code, texts = probe("wait-box", TITLE, "10000")
        self.assertEqual(code, 0, "OK does not tell that the combination is taken")
        self.assertIn("Skrót Ctrl+Shift+J jest zajęty przez inny program.", texts)
        self.assertEqual(probe("press-box-ok", TITLE)[0], 0)
        self.assertEqual(probe("wait-hidden", OPTIONS, "10000")[0], 0, "OK did not close")


if __name__ == "__main__":
    unittest.main()
