"""The list organizers as a user works them: opened from their menu items, entries typed
into their panels and confirmed with Enter, rows chosen with the keyboard, closed with
Escape or their OK. What they did is read from the registry, from their list views and,
for quick launch, from the launch its menu makes afterwards."""

import os
import shutil

from kromelik_e2e import (BELOW_THE_STRIP, TITLE, click_at, keys, move_cursor, probe,
                          text_values, wait_menu, xdotool)
from launch_probe import HandlerTestCase
from test_lists import prefix_path, put_text, wait_until as wait_for

PROGRAMY, ULUBIONE, INTERNET, GRY = 164, 372, 420, 204
QUICK_LAUNCH_KEY = r"HKCU\Software\Brenvald\Kromelik\SzybkieUrMRU"
GAMES_KEY = r"HKCU\Software\Brenvald\Kromelik\GryMRU"
FAVOURITES_KEY = r"HKCU\Software\Brenvald\Kromelik\UlubioneMRU"
PROGRAMS_KEY = r"HKCU\Software\Brenvald\Kromelik\ProgramyMRU"
QUICK_LAUNCH = "Organizuj szybkie uruchamianie"
GAMES = "Organizuj gry i zabawy"
FAVOURITES = "Organizuj ulubione"
PROGRAMS = "Organizuj programy"
RESTART_TITLE = "UWAGA !!!"

ERROR_TITLE = "BŁĄD !!!"
CLEAR_TITLE = "UWAGA"

# The organizers' controls, as their window numbers them.
LIST, ADD, REMOVE, EDIT, CLEAR, CLOSE, PANEL_OK, EDIT_OK = 100, 101, 102, 103, 104, 105, 110, 111
PATH_FIELD, NAME_FIELD, WEB_EDITOR, BROWSE = 120, 121, 122, 125
IDOK, IDYES = 1, 6


def rows(title):
    """The rows of the organizer's list: (selected, cells)."""
    code, out = probe("list-rows", title, str(LIST))
    if code != 0:
        raise AssertionError(f"no list in {title}")
    found = []
    for line in out.splitlines():
        mark, *cells = line.split("\t")
        found.append((mark == "*", cells))
    return found


def selected_names(title):
    return [cells[0] for selected, cells in rows(title) if selected]


def focused(title):
    """The id of the window's control that has the keyboard focus, or "none"."""
    code, out = probe("focus-id", title)
    if code != 0:
        raise AssertionError(f"no window {title}")
    out = out.strip()
    return int(out) if out.lstrip("-").isdigit() else out


def shown(title):
    code, out = probe("rect", title)
    return code == 0 and out.split()[4] == "1"


def controls(title):
    """Each control of the window: id -> (visible, enabled, text)."""
    code, out = probe("controls", title)
    if code != 0:
        raise AssertionError(f"no window {title}")
    found = {}
    for line in out.splitlines():
        number, visible, enabled, *text = line.split(" ", 3)
        found[int(number)] = (visible == "1", enabled == "1", text[0] if text else "")
    return found


class Organizers(HandlerTestCase):

    def open_from_menu(self, button_left, title, *key_names):
        click_at(button_left + 19, 24)
        self.assertIsNotNone(wait_menu(), "the button's menu did not open")
        keys(*key_names, "Return")
        self.assertEqual(probe("wait-visible", title, "10000")[0], 0, f"{title} did not open")
        self.assertEqual(probe("wait-foreground", title, "10000")[0], 0)

    def close_with_escape(self, title):
        """Escape on the list closes without the restart question."""
        keys("Escape")
        self.assertEqual(probe("wait-hidden", title, "10000")[0], 0, f"{title} stayed open")
        self.assertNotEqual(probe("wait-box", RESTART_TITLE, "1000")[0], 0,
                            "Escape asked to start again")

    def assert_toolbar_lent(self):
        """While a dialog is open the strip neither slides away nor opens its menus."""
        move_cursor(*BELOW_THE_STRIP)
        self.assertNotEqual(probe("wait-hidden", TITLE, "1500")[0], 0,
                            "the strip slid away while a dialog had it")
        click_at(GRY + 19, 24)
        self.assertNotEqual(probe("wait-menu", "1000")[0], 0,
                            "a toolbar button opened its menu while a dialog had it")

    def test_a_typed_web_page_lands_in_the_list_the_registry_and_the_menu(self):
        self.start().slide_in()
        self.open_from_menu(ULUBIONE, QUICK_LAUNCH, "Down")
        self.assertEqual(rows(QUICK_LAUNCH), [])
        self.assert_toolbar_lent()

        probe("click", QUICK_LAUNCH, str(ADD))
        self.assertIsNotNone(wait_menu(), "Dodaj did not offer the kinds")
        keys("Down", "Down", "Down", "Return")  # Plik, Folder, Strona WWW
        editor = wait_for(lambda: controls(QUICK_LAUNCH).get(WEB_EDITOR),
                          lambda state: state and state[0])
        self.assertEqual(editor, (True, True, "http://"))
        keys("End")
        xdotool("type", "--delay", "20", "example.org/start")
        keys("Return")

        stored = {"1": "//example.org/start", "H1": "http://example.org/start"}
        self.assertEqual(wait_for(lambda: text_values(QUICK_LAUNCH_KEY), lambda v: v == stored),
                         stored)
        self.assertEqual(rows(QUICK_LAUNCH),
                         [(False, ["//example.org/start", "http://example.org/start", "1"])])

        # Once closed, the strip is free again.
        self.close_with_escape(QUICK_LAUNCH)
        self.program.slide_in()

        # Organizuj, then the new entry past the separator.
        click_at(ULUBIONE + 19, 24)
        self.assertIsNotNone(wait_menu())
        keys("Down", "Down", "Return")
        [opened] = self.log.wait_for(lambda entry: "example.org/start" in entry.command_line)
        self.assertEqual(opened.arguments()[1:], ["http://example.org/start"])

    def test_the_row_chosen_with_the_keyboard_goes_and_ok_starts_the_program_anew(self):
        for number, target in enumerate(("C:\\", "http://pierwsza.example", "http://druga.example"), 1):
            put_text(QUICK_LAUNCH_KEY, str(number), f"pozycja {number}")
            put_text(QUICK_LAUNCH_KEY, f"H{number}", target)
        first = self.start()
        first.slide_in()
        self.open_from_menu(ULUBIONE, QUICK_LAUNCH, "Down")
        self.assertEqual([cells[2] for _, cells in rows(QUICK_LAUNCH)], ["1", "2", "3"])

        # The list has the focus at the show: Down selects the first row, Down again the
        # second. "Usuń" must take that one, not the row a click chose earlier (none).
        keys("Down", "Down")
        self.assertEqual(wait_for(lambda: [selected for selected, _ in rows(QUICK_LAUNCH)],
                                  lambda marks: marks == [False, True, False]),
                         [False, True, False])
        self.assertTrue(wait_for(lambda: controls(QUICK_LAUNCH)[REMOVE][1], bool))
        probe("click", QUICK_LAUNCH, str(REMOVE))
        left = {"1": "pozycja 1", "H1": "C:\\", "3": "pozycja 3", "H3": "http://druga.example"}
        self.assertEqual(wait_for(lambda: text_values(QUICK_LAUNCH_KEY), lambda v: v == left), left)
        self.assertEqual([cells[2] for _, cells in rows(QUICK_LAUNCH)], ["1", "3"])

        # The dialog's OK asks to start anew; Yes starts a second copy and ends this one.
        probe("click", QUICK_LAUNCH, str(CLOSE))
        code, texts = probe("wait-box", RESTART_TITLE, "10000")
        self.assertEqual(code, 0, "OK did not offer the restart")
        self.assertIn("Wprowadzone dane będą widoczne dopiero po ponownym uruchomieniu programu,"
                      " czy chcesz to zrobić teraz ?", texts)
        probe("click", RESTART_TITLE, str(IDYES))
        self.assertEqual(first.wait_for_exit(30), 0, "the running copy did not end")
        # The new copy, started by the old one, is no child of this test: it is closed
        # through its window.
        self.addCleanup(lambda: (probe("close", TITLE), probe("wait-gone", TITLE, "15000")))
        self.assertEqual(probe("wait-window", TITLE, "30000")[0], 0, "no new copy started")

    def test_a_typed_program_path_suggests_its_name_and_enter_stores_it(self):
        folder = prefix_path("C:\\kromelik-gry")
        os.makedirs(folder)
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        shutil.copyfile(os.environ["KROMELIK_LAUNCH_PROBE"], os.path.join(folder, "saper.exe"))
        self.start().slide_in()
        self.open_from_menu(GRY, GAMES, "Down")  # Organizuj

        probe("click", GAMES, str(ADD))
        self.assertTrue(wait_for(lambda: controls(GAMES)[120][0], bool), "no path field")
        xdotool("type", "--delay", "20", "C:\\kromelik-gry\\saper.exe")
        # The name comes from the file as soon as the path names it.
        self.assertEqual(wait_for(lambda: controls(GAMES)[NAME_FIELD][2], lambda name: name == "saper"),
                         "saper")
        keys("Return")
        stored = {"saper": "C:\\kromelik-gry\\saper.exe"}
        self.assertEqual(wait_for(lambda: text_values(GAMES_KEY), lambda v: v == stored), stored)
        self.assertEqual(rows(GAMES), [(False, ["saper", "C:\\kromelik-gry\\saper.exe"])])
        self.assertFalse(controls(GAMES)[PANEL_OK][0], "the panel stayed open")

        self.close_with_escape(GAMES)
        self.program.slide_in()

    def test_the_favourites_and_programs_organizers_open_from_their_submenus(self):
        put_text(PROGRAMS_KEY, "Notatnik", "C:\\windows\\notepad.exe")
        self.start().slide_in()

        # "Programy użytkownika" is the programs menu's last item, "Ulubione" the Internet
        # menu's last but one shown; each submenu starts with its "Organizuj".
        self.open_from_menu(PROGRAMY, PROGRAMS, "Up", "Right")
        self.assertEqual(rows(PROGRAMS), [(False, ["Notatnik", "C:\\windows\\notepad.exe"])])
        # Chosen with the keyboard and edited: a new name moves the entry.
        keys("Down")
        self.assertTrue(wait_for(lambda: controls(PROGRAMS)[EDIT][1], bool), "Edytuj stays off")
        probe("click", PROGRAMS, str(EDIT))
        self.assertEqual(wait_for(lambda: controls(PROGRAMS)[NAME_FIELD][2], lambda name: name),
                         "Notatnik")
        self.assertTrue(controls(PROGRAMS)[EDIT_OK][0], "the edit's own OK is not shown")
        keys("Tab", "Tab", "End", "shift+Home")  # past the browse button, to the name
        xdotool("type", "--delay", "20", "Edytor")
        keys("Return")
        moved = {"Edytor": "C:\\windows\\notepad.exe"}
        self.assertEqual(wait_for(lambda: text_values(PROGRAMS_KEY), lambda v: v == moved), moved)
        self.assertEqual(rows(PROGRAMS), [(False, ["Edytor", "C:\\windows\\notepad.exe"])])
        self.close_with_escape(PROGRAMS)
        self.program.slide_in()

        self.open_from_menu(INTERNET, FAVOURITES, "Up", "Up", "Right")
        probe("click", FAVOURITES, str(ADD))
        self.assertTrue(wait_for(lambda: controls(FAVOURITES)[120][0], bool), "no address field")
        keys("End")
        xdotool("type", "--delay", "20", "example.net")
        # The name field comes before the address in the tab order.
        keys("shift+Tab")
        xdotool("type", "--delay", "20", "Przyklad")
        keys("Return")
        stored = {"Przyklad": "http://example.net"}
        self.assertEqual(wait_for(lambda: text_values(FAVOURITES_KEY), lambda v: v == stored), stored)
        self.assertEqual(rows(FAVOURITES), [(False, ["Przyklad", "http://example.net"])])
        self.close_with_escape(FAVOURITES)

    def test_keys_and_buttons_act_on_the_row_the_user_sees_through_the_panel_and_removal(self):
        for name, path in (("Alfa", "C:\\windows\\notepad.exe"),
                           ("Notatnik", "C:\\windows\\notepad.exe"),
                           ("Nowy", "C:\\windows\\regedit.exe"),
                           ("Zegar", "C:\\windows\\notepad.exe")):
            put_text(PROGRAMS_KEY, name, path)
        self.start().slide_in()
        self.open_from_menu(PROGRAMY, PROGRAMS, "Up", "Right")
        self.assertEqual([cells[0] for _, cells in rows(PROGRAMS)],
                         ["Alfa", "Notatnik", "Nowy", "Zegar"])

        # A typed letter goes on from the selected row to the next name starting with it,
        # in either letter case; one that starts no name leaves the selection where it is
        # (Up then finds it there).
        keys("Down", "Down")
        self.assertEqual(wait_for(lambda: selected_names(PROGRAMS), lambda n: n == ["Notatnik"]),
                         ["Notatnik"])
        keys("n")
        self.assertEqual(wait_for(lambda: selected_names(PROGRAMS), lambda n: n == ["Nowy"]),
                         ["Nowy"], "the letter chose a row whose name does not follow it")
        keys("q", "Up")
        self.assertEqual(wait_for(lambda: selected_names(PROGRAMS), lambda n: n == ["Notatnik"]),
                         ["Notatnik"], "a letter that starts no name moved the selection")
        keys("Down")
        self.assertEqual(wait_for(lambda: selected_names(PROGRAMS), lambda n: n == ["Nowy"]),
                         ["Nowy"])

        # The file dialog, left with Escape, gives the focus back to the path's field.
        probe("click", PROGRAMS, str(ADD))
        self.assertEqual(wait_for(lambda: focused(PROGRAMS), lambda f: f == PATH_FIELD), PATH_FIELD)
        keys("Tab")
        self.assertEqual(wait_for(lambda: focused(PROGRAMS), lambda f: f == BROWSE), BROWSE)
        keys("space")
        # The shell's file dialog can take long to come the first time.
        browser = wait_for(lambda: probe("foreground")[1].strip(), lambda t: t not in ("", PROGRAMS),
                           timeout_s=30)
        self.assertNotIn(browser, ("", PROGRAMS), "the browse button opened no file dialog")
        keys("Escape")
        self.assertEqual(wait_for(lambda: probe("foreground")[1].strip(), lambda t: t == PROGRAMS),
                         PROGRAMS)
        self.assertEqual(wait_for(lambda: focused(PROGRAMS), lambda f: f == PATH_FIELD), PATH_FIELD,
                         "after browsing the focus stays off the path's field")

        # In the panel, Enter on the browse button is the panel's OK: here refused, as
        # the file is no program.
        xdotool("type", "--delay", "20", "C:\\windows\\win.ini")
        self.assertEqual(wait_for(lambda: controls(PROGRAMS)[NAME_FIELD][2], lambda n: n == "win"),
                         "win")
        keys("Tab")
        self.assertEqual(wait_for(lambda: focused(PROGRAMS), lambda f: f == BROWSE), BROWSE)
        keys("Return")
        code, texts = probe("wait-box", ERROR_TITLE, "10000")
        self.assertEqual(code, 0, "Enter on the browse button did not act as the panel's OK")
        self.assertIn("Wskazany plik nie istnieje lub nie jest aplikacją !!!", texts)
        probe("click", ERROR_TITLE, str(IDOK))
        self.assertEqual(probe("wait-gone", ERROR_TITLE, "10000")[0], 0)

        # The panel's OK clicked and refused keeps the focus; Escape there is "Anuluj".
        probe("click", PROGRAMS, str(PANEL_OK))
        self.assertEqual(probe("wait-box", ERROR_TITLE, "10000")[0], 0, "the OK was not refused")
        probe("click", ERROR_TITLE, str(IDOK))
        self.assertEqual(probe("wait-gone", ERROR_TITLE, "10000")[0], 0)
        self.assertEqual(probe("wait-foreground", PROGRAMS, "10000")[0], 0)
        self.assertEqual(wait_for(lambda: focused(PROGRAMS), lambda f: f == PANEL_OK), PANEL_OK)
        keys("Escape")
        self.assertFalse(wait_for(lambda: controls(PROGRAMS)[PATH_FIELD][0], lambda v: not v),
                         "Escape did not leave the panel")
        self.assertTrue(shown(PROGRAMS), "Escape in the panel closed the whole dialog")

        # Back at the list the row still highlighted is the one the buttons act on.
        self.assertEqual(selected_names(PROGRAMS), ["Nowy"])
        self.assertEqual(wait_for(lambda: controls(PROGRAMS)[REMOVE][1], bool), True,
                         "Usuń stays off for the highlighted row")
        self.assertTrue(controls(PROGRAMS)[EDIT][1], "Edytuj stays off for the highlighted row")
        probe("click", PROGRAMS, str(REMOVE))
        left = {"Alfa": "C:\\windows\\notepad.exe", "Notatnik": "C:\\windows\\notepad.exe",
                "Zegar": "C:\\windows\\notepad.exe"}
        self.assertEqual(wait_for(lambda: text_values(PROGRAMS_KEY), lambda v: v == left), left)

        # The disabled "Usuń" gives the focus to the list, where the keys work again.
        self.assertEqual(wait_for(lambda: focused(PROGRAMS), lambda f: f == LIST), LIST,
                         "no control has the focus after Usuń")
        keys("Home")
        self.assertEqual(wait_for(lambda: selected_names(PROGRAMS), lambda n: n == ["Alfa"]),
                         ["Alfa"], "Home did not reach the list")

        # So does a confirmed "Wyczyść", and Escape closes the dialog after it.
        probe("click", PROGRAMS, str(CLEAR))
        self.assertEqual(probe("wait-box", CLEAR_TITLE, "10000")[0], 0, "Wyczyść asked nothing")
        probe("click", CLEAR_TITLE, str(IDYES))
        self.assertEqual(wait_for(lambda: text_values(PROGRAMS_KEY), lambda v: v == {}), {})
        self.assertEqual(wait_for(lambda: focused(PROGRAMS), lambda f: f == LIST), LIST,
                         "no control has the focus after Wyczyść")
        self.close_with_escape(PROGRAMS)
