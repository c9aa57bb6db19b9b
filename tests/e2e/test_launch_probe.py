"""The launch plumbing on its own: shellopen.exe launches as the program does (the shell
for names, addresses and folders, CreateProcessW for command lines) and the probes must
report exactly that; afterwards the prefix is as it was, for the tests that share it."""

import hashlib
import os
import shutil
import subprocess
import tempfile
import unittest

import launch_probe
from launch_probe import LaunchLog, install_probes, register_handlers, restore_probes
from launch_probe import unregister_handlers

WINE = launch_probe.WINE
SYSTEM32 = ("windows", "system32")
HANDLER_KEYS = ("http", "https", "mailto", "Folder", "Directory")


def drive_c(*parts):
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", *parts)


def run(*args, env=None, timeout=60):
    """Runs a Windows program to its end; its output goes through a file, since what it
    starts may inherit a pipe and hold it open long after."""
    with tempfile.TemporaryFile() as output:
        result = subprocess.run([WINE, *args], stdin=subprocess.DEVNULL, stdout=output,
                                stderr=subprocess.DEVNULL, env=env, timeout=timeout)
        output.seek(0)
        return result.returncode, output.read().decode("utf-8", "replace").replace("\r\n", "\n")


def shellopen(*args, env=None):
    return run(os.environ["KROMELIK_SHELLOPEN"], *args, env=env)


def digest(path):
    if not os.path.exists(path):
        return None
    with open(path, "rb") as file:
        return hashlib.sha256(file.read()).hexdigest()


def handler_keys():
    return {key: run("reg", "query", f"HKCR\\{key}", "/s")[1] for key in HANDLER_KEYS}


def described(entries):
    return "\n".join(f"  {e.program} | {e.command_line} | {e.show}" for e in entries) or "  none"


class LaunchCase(unittest.TestCase):
    """A log of its own, cleared before each test, and checks that see every entry."""

    @classmethod
    def make_log(cls):
        cls.folder = tempfile.mkdtemp(prefix="kromelik-launch-")
        cls.log = LaunchLog(os.path.join(cls.folder, "launch.log"))

    @classmethod
    def remove_log(cls):
        shutil.rmtree(cls.folder, ignore_errors=True)

    def setUp(self):
        self.log.clear()

    def only(self, match):
        """The one entry that matches, and nothing else launched."""
        found = self.log.wait_for(match)
        everything = self.log.entries()
        self.assertEqual(len(found), 1, f"expected one launch of {match!r}, got:\n"
                                        + described(everything))
        self.assertEqual(everything, found, "something else was launched too:\n"
                                            + described(everything))
        return found[0]

    def launch(self, *args):
        code, out = shellopen(*args, env=self.env)
        self.assertEqual(code, 0, f"shellopen {args} failed: {out}")


class Launches(LaunchCase):
    @classmethod
    def setUpClass(cls):
        cls.make_log()
        try:
            overrides = install_probes(["calc", "Control.exe", "rundll32.exe", "explorer.exe"])
            register_handlers()
        except BaseException:
            cls.tearDownClass()
            raise
        cls.env = launch_probe.launch_environment(overrides, cls.log)
        cls.folder_to_open = drive_c("kromelik-launch", "Zdjęcia z wakacji")
        os.makedirs(cls.folder_to_open, exist_ok=True)

    @classmethod
    def tearDownClass(cls):
        restore_probes()
        unregister_handlers()
        shutil.rmtree(drive_c("kromelik-launch"), ignore_errors=True)
        cls.remove_log()

    def test_a_bare_name_through_the_shell_reaches_the_stand_in(self):
        self.launch("calc")
        entry = self.only("calc.exe")
        self.assertEqual(entry.program, "calc.exe")
        self.assertEqual(entry.arguments(), ["calc"])
        self.assertEqual(entry.show, 1)

    def test_parameters_follow_the_program(self):
        self.launch("control", "printers", "3")
        entry = self.only("control.exe")
        self.assertEqual(entry.arguments()[1:], ["printers"])
        self.assertEqual(entry.show, 3)

    def test_a_command_line_reaches_the_program_as_written(self):
        self.launch("--run", "Control.exe timedate.cpl")
        entry = self.only("control.exe")
        self.assertEqual(entry.command_line, "Control.exe timedate.cpl")
        self.assertEqual(entry.show, 1)

    def test_the_control_panel_line_reaches_rundll32_with_its_show_command(self):
        self.launch("--run", "rundll32 shell32.dll,Control_RunDLL", "5")
        entry = self.only("rundll32.exe")
        self.assertEqual(entry.command_line, "rundll32 shell32.dll,Control_RunDLL")
        self.assertEqual(entry.show, 5)

    def test_the_file_manager_by_name_is_the_stand_in_and_the_desktop_stays_wines(self):
        self.launch("explorer")
        entry = self.only("explorer.exe")
        self.assertEqual(entry.arguments(), ["explorer"])
        self.assertNotIn("/desktop", entry.command_line.lower())

    def test_a_web_address_reaches_the_web_handler(self):
        self.launch("http://")
        entry = self.only("http-handler.exe")
        self.assertEqual(entry.arguments()[1:], ["http://"])
        self.assertEqual(entry.show, 1)

        self.log.clear()
        self.launch("https://example.invalid/ścieżka?a=1&b=2")
        entry = self.only("https-handler.exe")
        self.assertEqual(entry.arguments()[1:], ["https://example.invalid/ścieżka?a=1&b=2"])

    def test_a_mail_address_keeps_its_polish_subject_and_show_command(self):
        self.launch("mailto:a@b.invalid?Subject=Cześć", "-", "5")
        entry = self.only("mailto-handler.exe")
        self.assertEqual(entry.arguments()[1:], ["mailto:a@b.invalid?Subject=Cześć"])
        self.assertEqual(entry.show, 5)

    def test_a_folder_reaches_the_folder_handler_and_the_shell_reports_success(self):
        path = launch_probe.windows_path(self.folder_to_open)
        self.launch(path)  # a DDE wait left in place would make this fail
        entry = self.only("folder-handler.exe")
        self.assertEqual(entry.arguments()[1:], [path])
        self.assertEqual(entry.show, 1)


class FolderWithoutHandler(LaunchCase):
    """Tests that register no handlers still see folders, through explorer.exe."""

    @classmethod
    def setUpClass(cls):
        cls.make_log()
        try:
            overrides = install_probes(["explorer"])
        except BaseException:
            cls.tearDownClass()
            raise
        cls.env = launch_probe.launch_environment(overrides, cls.log)

    @classmethod
    def tearDownClass(cls):
        restore_probes()
        cls.remove_log()

    def test_a_folder_opens_in_explorer_with_its_path(self):
        self.launch("C:\\windows")
        entry = self.only("explorer.exe")
        self.assertEqual(entry.arguments()[1:], ["C:\\windows"])
        self.assertEqual(entry.arguments()[0].lower(), "c:\\windows\\system32\\explorer.exe")


class TheProbeItself(LaunchCase):
    @classmethod
    def setUpClass(cls):
        cls.make_log()

    @classmethod
    def tearDownClass(cls):
        cls.remove_log()

    def test_probes_writing_at_once_lose_no_line(self):
        env = launch_probe.launch_environment(log=self.log)
        probe = os.environ["KROMELIK_LAUNCH_PROBE"]
        started = [subprocess.Popen([WINE, probe, f"równolegle-{i}"], stdin=subprocess.DEVNULL,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
                   for i in range(16)]
        for process in started:
            self.assertEqual(process.wait(timeout=60), 0)
        entries = self.log.wait_for("równolegle-", count=16)
        self.assertEqual(sorted(e.arguments()[1] for e in entries),
                         sorted(f"równolegle-{i}" for i in range(16)))
        self.assertEqual(len(self.log.entries()), 16)

    def test_tabs_in_the_command_line_keep_the_line_whole(self):
        env = launch_probe.launch_environment(log=self.log)
        code, _ = run(os.environ["KROMELIK_LAUNCH_PROBE"], "przed\tpo", env=env)
        self.assertEqual(code, 0)
        entry = self.only("przed")
        self.assertIn("przed\u2409po", entry.command_line)
        # Started without a show command: what the runtime hands to wWinMain.
        self.assertEqual(entry.show, 10)

    def test_without_a_log_path_it_writes_to_c_launch_log(self):
        default = LaunchLog()
        self.assertEqual(default.windows_path, "C:\\launch.log")
        default.clear()
        env = dict(os.environ)
        env.pop("KROMELIK_LAUNCH_LOG", None)
        try:
            self.assertEqual(run(os.environ["KROMELIK_LAUNCH_PROBE"], "domyślny", env=env)[0], 0)
            self.assertEqual([e.arguments()[1] for e in default.wait_for("domyślny")],
                             ["domyślny"])
        finally:
            default.clear()


class Restoring(unittest.TestCase):
    def test_restoring_brings_back_every_program_and_handler(self):
        watched = [drive_c(*SYSTEM32, "control.exe"), drive_c(*SYSTEM32, "explorer.exe"),
                   drive_c("windows", "explorer.exe"), drive_c("windows", "notepad.exe")]
        before = {path: digest(path) for path in watched}
        keys_before = handler_keys()
        self.assertIsNone(digest(drive_c(*SYSTEM32, "calc.exe")), "a fresh prefix has no calc")

        try:
            overrides = install_probes(["calc", "control.exe", "explorer.exe", "notepad"])
            register_handlers()
            self.assertEqual(overrides, "calc.exe,control.exe,explorer.exe,notepad.exe=n")
            probe = digest(os.environ["KROMELIK_LAUNCH_PROBE"])
            for path in watched + [drive_c(*SYSTEM32, "calc.exe")]:
                self.assertEqual(digest(path), probe, f"{path} is not the probe")
            self.assertNotEqual(handler_keys(), keys_before)
        finally:
            restore_probes()
            unregister_handlers()

        self.assertEqual({path: digest(path) for path in watched}, before)
        self.assertIsNone(digest(drive_c(*SYSTEM32, "calc.exe")))
        self.assertEqual([f for f in os.listdir(drive_c(*SYSTEM32)) if f.endswith(".orig")], [])
        self.assertEqual(handler_keys(), keys_before)

    def test_an_interrupted_run_is_undone_by_the_next(self):
        control = drive_c(*SYSTEM32, "control.exe")
        before = digest(control)
        try:
            install_probes(["control"])
            # A later run finds the probe in place and must keep the original it saved.
            install_probes(["control"])
            self.assertEqual(digest(control + ".orig"), before, "the original was lost")
        finally:
            restore_probes()
        self.assertEqual(digest(control), before)
        self.assertFalse(os.path.exists(control + ".orig"))

    def test_wines_own_machinery_is_refused_and_left_alone(self):
        for name in ("services.exe", "conhost", "wineboot.exe", "..\\calc.exe", "timedate.cpl"):
            with self.assertRaises(ValueError, msg=name):
                install_probes([name])
        self.assertFalse(os.path.exists(drive_c("launchprobe", "installed.json")))
        self.assertIsNotNone(digest(drive_c(*SYSTEM32, "services.exe")))


if __name__ == "__main__":
    unittest.main()
