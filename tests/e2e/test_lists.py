"""The menus the program builds from the user's stored lists and from the machine, each
driven from the registry or the prefix to the launch it makes and, where opening an item
moves a list on, to what the registry holds afterwards. Launches are seen through the
launch probe: copies of it stand for the user's programs, and it is the registered
handler of web addresses and folders. The menus are driven with the keyboard."""

import os
import shutil
import time
import unittest

from kromelik_e2e import (MAIN_KEY, click_at, keys, probe, set_aside_key, text_values,
                          wait_menu, wine)
from launch_probe import HandlerTestCase

# Where each button's menu is opened from: its left edge in the strip (the clicks land
# 19 pixels to its right, at the buttons' middle height).
PROGRAMY, DYSKI, DOKUMENTY, ULUBIONE, INTERNET = 164, 252, 332, 372, 420

QUICK_LAUNCH = MAIN_KEY + r"\SzybkieUrMRU"
INTERNET_MRU = MAIN_KEY + r"\InternetMRU"
DOCUMENTS = MAIN_KEY + r"\DokumentyMRU"

APPLICATIONS = r"HKCR\Applications"

CSIDL_PERSONAL = 5
CSIDL_RECENT = 8
FOLDER_HANDLERS = ("folder-handler.exe", "directory-handler.exe")


def prefix_path(windows):
    """The Unix path of a C: path of the prefix."""
    drive, _, rest = windows.partition(":\\")
    if drive.upper() != "C":
        raise ValueError(f"not on the prefix's drive C: {windows}")
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", *rest.split("\\"))


def folder_path(csidl):
    code, out = probe("folder-path", str(csidl))
    if code != 0 or not out.strip():
        raise AssertionError(f"the shell names no folder {csidl}")
    return out.strip()


def remove_if_there(path):
    try:
        os.remove(path)
    except FileNotFoundError:
        pass


def put_text(key, name, data):
    wine("reg", "add", key, "/v", name, "/t", "REG_SZ", "/d", data, "/f", check=True)


def wait_until(read, condition, timeout_s=15.0):
    """What `read` gives once `condition` holds for it, or what it gave at the deadline:
    the program writes a list after it has started the launch that a test waits for."""
    deadline = time.monotonic() + timeout_s
    while True:
        value = read()
        if condition(value) or time.monotonic() >= deadline:
            return value
        time.sleep(0.1)


class Lists(HandlerTestCase):
    """A start per test: each one writes the registry, and each launch leaves a process
    behind that ends in its own time."""

    def setUp(self):
        super().setUp()
        self.programs = prefix_path("C:\\kromelik-listy")
        os.makedirs(self.programs)
        self.addCleanup(shutil.rmtree, self.programs, ignore_errors=True)

    def program_copy(self, name):
        """A copy of the probe at C:\\kromelik-listy\\<name>: its Windows path."""
        shutil.copyfile(os.environ["KROMELIK_LAUNCH_PROBE"], os.path.join(self.programs, name))
        return "C:\\kromelik-listy\\" + name

    def choose(self, button_left, *key_names):
        click_at(button_left + 19, 24)
        self.assertIsNotNone(wait_menu(), "the button's menu did not open")
        keys(*key_names, "Return")

    def launches_of(self, program, count):
        """The probe's starts as `program`, once there are `count` of them."""
        found = self.log.wait_for(lambda entry: entry.program.lower() == program.lower(),
                                  count=count)
        self.assertEqual(len(found), count, f"expected {count} start(s) of {program}, the log"
                                            f" holds {self.log.entries()}")
        return found

    def test_a_quick_launch_entry_written_by_hand_opens_its_target(self):
        target = self.program_copy("narzędzie.exe")
        self.start().slide_in()
        # Written while the program runs: the menu is read again at every press of its
        # button, so the entry must be there without a new start.
        put_text(QUICK_LAUNCH, "1", "narzędzie.exe")
        put_text(QUICK_LAUNCH, "H1", target)

        self.choose(ULUBIONE, "Down", "Down")  # Organizuj, then U1 past the separator
        [entry] = self.launches_of("narzędzie.exe", 1)
        self.assertEqual(entry.arguments()[0].lower(), target.lower(), entry.command_line)

    def test_an_opened_recent_page_moves_to_the_front_and_the_menu_follows(self):
        pages = [("Strona główna", "http://127.0.0.1/pierwsza"),
                 ("Żółta kartka", "http://127.0.0.1/druga"),
                 ("Gęsi łańcuch", "http://127.0.0.1/trzecia")]
        for number, (name, address) in enumerate(pages, 1):
            put_text(INTERNET_MRU, str(number), name)
            put_text(INTERNET_MRU, f"H{number}", address)
        # An address left behind the list's end: rewriting the list must not keep it.
        put_text(INTERNET_MRU, "H4", "http://127.0.0.1/osierocona")
        self.start().slide_in()

        def holds(*order):
            expected = {}
            for number, index in enumerate(order, 1):
                expected[str(number)], expected[f"H{number}"] = pages[index]
            return expected

        # Telnet, the browser, the mail client, then Url1, Url2, Url3.
        self.choose(INTERNET, *["Down"] * 6)
        [entry] = self.launches_of("http-handler.exe", 1)
        self.assertEqual(entry.arguments()[1:], [pages[2][1]])
        expected = holds(2, 0, 1)
        self.assertEqual(wait_until(lambda: text_values(INTERNET_MRU), lambda values: values == expected), expected)

        # The menu is refilled in the new order: Url2 is now the former first page.
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)
        self.choose(INTERNET, *["Down"] * 5)
        entry = self.launches_of("http-handler.exe", 2)[1]
        self.assertEqual(entry.arguments()[1:], [pages[0][1]])
        expected = holds(0, 2, 1)
        self.assertEqual(wait_until(lambda: text_values(INTERNET_MRU), lambda values: values == expected), expected)

    def test_a_program_of_the_recent_folder_opens_and_becomes_a_stored_document(self):
        target = self.program_copy("kreślarz.exe")
        recent = folder_path(CSIDL_RECENT)
        if not os.path.isdir(prefix_path(recent)):
            # Made here, so it goes again: whether the folder exists decides whether the
            # documents menu offers "Ostatnio otwierane dokumenty".
            os.makedirs(prefix_path(recent))
            self.addCleanup(os.rmdir, prefix_path(recent))
        shortcut = recent + "\\kreślarz.lnk"
        self.addCleanup(remove_if_there, prefix_path(shortcut))
        code, _ = probe("make-shortcut", shortcut, target)
        self.assertEqual(code, 0, "the shortcut could not be written")
        # The folder is looked at only at the start.
        self.start().slide_in()

        # Counted from the top, the submenu follows fixed items only: "Eksplorator
        # Windows", a separator and the fifteen accessories, every one always shown. What
        # may or may not be shown ("Twoje programy", by the registered applications in
        # the prefix) comes after it, so it cannot move it. Right opens the submenu with
        # its first item selected: the only one, the shortcut's program.
        self.choose(PROGRAMY, *["Down"] * 17, "Right")
        [entry] = self.launches_of("kreślarz.exe", 1)
        self.assertEqual(entry.arguments()[0].lower(), target.lower(), entry.command_line)
        stored = wait_until(lambda: text_values(DOCUMENTS), lambda values: values == {"1": target})
        self.assertEqual(stored, {"1": target})

        # Above the stored documents: "Moje dokumenty" and those of its four subfolders
        # that exist, then a separator.
        personal = prefix_path(folder_path(CSIDL_PERSONAL))
        subfolders = {"moje obrazy", "moja muzyka", "moje wideo", "moje witryny sieci web"}
        shown = sum(1 for name in (os.listdir(personal) if os.path.isdir(personal) else [])
                    if name.lower() in subfolders and os.path.isdir(os.path.join(personal, name)))
        self.assertEqual(probe("wait-no-menu", "5000")[0], 0)
        self.choose(DOKUMENTY, *["Down"] * (2 + shown))
        second = self.launches_of("kreślarz.exe", 2)[1]
        self.assertEqual(second.arguments()[0].lower(), target.lower(), second.command_line)

    def test_a_registered_application_with_an_expandable_command_opens_from_its_menu(self):
        # The shell stores such commands expandable (REG_EXPAND_SZ), naming the Windows
        # folder by its variable. The prefix's own applications are set aside, so the
        # menu holds only these two (one alone would leave "Twoje programy" hidden);
        # both lead to the same program, so their order in the registry does not matter.
        name = "kromelik-rejestr.exe"
        program = os.path.join(os.environ["WINEPREFIX"], "drive_c", "windows", name)
        self.addCleanup(remove_if_there, program)
        shutil.copyfile(os.environ["KROMELIK_LAUNCH_PROBE"], program)
        set_aside_key(APPLICATIONS, self.addCleanup)
        for application in ("kromelik-rejestr.exe", "kromelik-rejestr-drugi.exe"):
            wine("reg", "add", f"{APPLICATIONS}\\{application}\\shell\\open\\command", "/ve",
                 "/t", "REG_EXPAND_SZ", "/d", f"%SystemRoot%\\{name} %1", "/f", check=True)
        self.start().slide_in()

        # Up from the top wraps to "Programy użytkownika", always the last, and once more
        # reaches "Twoje programy"; Right opens it with its first program selected.
        self.choose(PROGRAMY, "Up", "Up", "Right")
        [entry] = self.launches_of(name, 1)
        self.assertEqual(entry.arguments()[0].lower(), f"c:\\windows\\{name}", entry.command_line)

    def test_each_drive_of_the_prefix_opens_its_root(self):
        # Wine's drives are the prefix's dosdevices links named by their letter ("c:");
        # longer names there ("c::", "com1") are devices.
        dosdevices = os.path.join(os.environ["WINEPREFIX"], "dosdevices")
        # A drive mapped while the session runs: Wine counts it among the logical drives
        # only once its services start again, but knows its type at once.
        mapped = next(letter for letter in "KLMNOPQRSTUVWXY"
                      if not os.path.lexists(os.path.join(dosdevices, letter.lower() + ":")))
        link = os.path.join(dosdevices, mapped.lower() + ":")
        os.symlink(self.programs, link)
        self.addCleanup(os.remove, link)
        letters = sorted(name[0].upper() for name in os.listdir(dosdevices)
                         if len(name) == 2 and name[1] == ":" and name[0].isalpha()
                         and os.path.exists(os.path.join(dosdevices, name)))
        self.assertIn("C", letters)
        self.assertIn(mapped, letters)
        self.start().slide_in()

        for index, letter in enumerate(letters):
            if index:
                self.assertEqual(probe("wait-no-menu", "5000")[0], 0)
            # "Mój komputer", the separator, then the drives in the order of their letters.
            self.choose(DYSKI, *["Down"] * (2 + index))
            found = self.log.wait_for(lambda entry: entry.program in FOLDER_HANDLERS,
                                      count=index + 1)
            self.assertEqual(len(found), index + 1, f"drive {letter}: {self.log.entries()}")
            self.assertEqual(found[index].program, "folder-handler.exe")
            # The handler's command puts the target in quotes ("%1"), so the root's closing
            # backslash stands before the closing quote, where the C runtime would read
            # it as escaping the quote: the command line itself shows the target.
            self.assertTrue(found[index].command_line.endswith(f' "{letter}:\\"'),
                            found[index].command_line)


if __name__ == "__main__":
    unittest.main()
