"""What make dist made, as a Windows user meets it: the setup program installs silently
into a prefix that has never seen the program, the installed program starts, an update
over a running copy ends it and starts the new one, and the uninstall entry's quiet
command takes everything away but the settings. Also, a second make dist gives the same
bytes and the portable archive holds what it should."""

import filecmp
import os
import subprocess
import tempfile
import time
import unittest
import zipfile

from kromelik_e2e import (MAIN_KEY, TITLE, WINE, probe, registry_values, start_program,
                          wine)

UNINSTALL_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kromelik"
RUN_KEY = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run"
CSIDL_PROGRAMS = 2
CSIDL_LOCAL_APPDATA = 28
ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))


def unix_path(windows_path):
    _, out = wine("winepath", "-u", windows_path, check=True)
    return out.strip()


def folder(csidl):
    code, out = probe("folder-path", str(csidl))
    if code != 0:
        raise AssertionError(f"no folder for CSIDL {csidl}")
    return out.strip()


def run_quietly(*args, timeout=120):
    """Runs a Windows program to its end with no pipe that a program it starts could keep
    open."""
    return subprocess.run([WINE, *args], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL, timeout=timeout).returncode


def wait_until(condition, timeout_s, what):
    deadline = time.monotonic() + timeout_s
    while not condition():
        if time.monotonic() > deadline:
            raise AssertionError(f"still not so after {timeout_s} s: {what}")
        time.sleep(0.2)


def run_value():
    code, out = wine("reg", "query", RUN_KEY, "/v", "Kromelik")
    return out if code == 0 else None


class Installer(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.setup = os.environ["KROMELIK_SETUP"]
        if not os.path.isfile(cls.setup):
            raise AssertionError(f"{cls.setup} is missing: make dist makes it")
        # A prefix of its own, which has never seen the program: the other suites' prefix
        # has its settings and its copies of the program everywhere.
        saved = dict(os.environ)
        cls.addClassCleanup(lambda: (os.environ.clear(), os.environ.update(saved)))
        cls.built_exe = saved["KROMELIK_EXE"]
        os.environ["WINEPREFIX"] = os.path.join(os.path.dirname(saved["WINEPREFIX"]),
                                                "installer-prefix")
        # Wine would copy the Start menu shortcut into the Linux desktop's menus, outside
        # build/.
        os.environ["WINEDLLOVERRIDES"] = "winemenubuilder.exe=d"
        cls.addClassCleanup(subprocess.run, ["/usr/lib/wine/wineserver", "-k"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["bash", "-c", 'source "$0" && kromelik_wine_prefix fresh',
                        os.path.join(ROOT, "scripts", "wine-env.sh")],
                       stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=300, check=True)

    def test_silent_install_update_over_a_running_copy_and_quiet_removal(self):
        self.assertEqual(run_quietly(self.setup, "/S"), 0)

        install_dir = folder(CSIDL_LOCAL_APPDATA) + r"\Programs\Kromelik"
        exe = install_dir + r"\kromelik.exe"
        uninstaller = install_dir + r"\odinstaluj.exe"
        entry = registry_values(UNINSTALL_KEY)
        self.assertIsNotNone(entry, "no uninstall entry")
        size = entry.pop("EstimatedSize")
        self.assertEqual(entry, {
            "DisplayName": ("REG_SZ", "Kromelik"),
            "DisplayVersion": ("REG_SZ", os.environ["KROMELIK_VERSION"]),
            "Publisher": ("REG_SZ", "Brenvald"),
            "DisplayIcon": ("REG_SZ", exe),
            "InstallLocation": ("REG_SZ", install_dir),
            "UninstallString": ("REG_SZ", f'"{uninstaller}"'),
            "QuietUninstallString": ("REG_SZ", f'"{uninstaller}" /S'),
            "NoModify": ("REG_DWORD", "0x1"),
            "NoRepair": ("REG_DWORD", "0x1"),
        })
        self.assertEqual(size[0], "REG_DWORD")
        self.assertGreaterEqual(int(size[1], 16), os.path.getsize(self.built_exe) // 1024,
                                "the estimated size (KB) must cover the program at least")

        unix_dir = unix_path(install_dir)
        self.assertTrue(filecmp.cmp(unix_path(exe), self.built_exe, shallow=False))
        for name in ("help/kromelik.html", "odinstaluj.exe", "lista-przyklad.txt", "CZYTAJ.txt"):
            self.assertTrue(os.path.isfile(os.path.join(unix_dir, name)), name)
        self.assertFalse(os.path.exists(os.path.join(unix_dir, "lista.txt")),
                         "the example must not become the user's menu by itself")
        shortcut = unix_path(folder(CSIDL_PROGRAMS) + r"\Kromelik.lnk")
        with open(shortcut, "rb") as link:
            self.assertIn(b"kromelik.exe", link.read().lower().replace(b"\0", b""))
        self.assertIsNone(run_value(), "a silent install must not make the program autostart")

        # Started from where it was installed, it shows its strip and registers that path.
        os.environ["KROMELIK_EXE"] = exe
        program = start_program(self.addCleanup)
        self.assertEqual(registry_values(MAIN_KEY)["Path"][1].lower(), exe.lower())

        # An update over the running copy closes it as its own "Zamknij" would, and starts
        # the new one, which comes to wait above the screen as any start does.
        self.assertEqual(run_quietly(self.setup, "/S"), 0)
        self.assertEqual(program.wait_for_exit(30), 0, "the running copy was not closed")
        self.addCleanup(probe, "close", TITLE)
        self.assertEqual(probe("wait-top", TITLE, "-45", "30000")[0], 0,
                         "the update did not start the program again")

        # As the options dialog writes it for "start with Windows".
        wine("reg", "add", RUN_KEY, "/v", "Kromelik", "/t", "REG_SZ", "/d", exe, "/f", check=True)

        # The quiet removal works on from a copy of itself, so its own end says nothing.
        self.assertTrue(entry["QuietUninstallString"][1].startswith(f'"{uninstaller}"'))
        run_quietly(uninstaller, "/S")
        wait_until(lambda: not os.path.exists(unix_dir), 60, f"{unix_dir} is still there")
        self.assertEqual(probe("wait-gone", TITLE, "10000")[0], 0, "the program still runs")
        self.assertFalse(os.path.exists(shortcut), "the Start menu shortcut is still there")
        self.assertIsNone(registry_values(UNINSTALL_KEY), "the uninstall entry is still there")
        self.assertIsNone(run_value(), "the autostart value is still there")
        self.assertIsNotNone(registry_values(MAIN_KEY), "a quiet removal must keep the settings")

    def test_make_dist_again_gives_the_same_bytes(self):
        dist = os.path.dirname(self.setup)
        version = os.environ["KROMELIK_VERSION"]
        portable = os.path.join(dist, f"kromelik-{version}-portable.zip")
        with zipfile.ZipFile(portable) as archive:
            entries = archive.infolist()
            self.assertEqual([entry.filename for entry in entries],
                             ["Kromelik/CZYTAJ.txt", "Kromelik/help/kromelik.html",
                              "Kromelik/kromelik.exe", "Kromelik/lista-przyklad.txt"])
            self.assertEqual(len({entry.date_time for entry in entries}), 1,
                             "every entry carries the same fixed time")
            with open(self.built_exe, "rb") as built:
                self.assertEqual(archive.read("Kromelik/kromelik.exe"), built.read())

        with tempfile.TemporaryDirectory() as again:
            subprocess.run(["bash", os.path.join(ROOT, "installer", "make-dist.sh"), version,
                            self.built_exe,
                            os.path.join(os.path.dirname(self.built_exe), "help", "kromelik.html"),
                            again], check=True, stdout=subprocess.DEVNULL, timeout=300)
            for made in (self.setup, portable):
                self.assertTrue(filecmp.cmp(made, os.path.join(again, os.path.basename(made)),
                                            shallow=False),
                                f"{made} differs when made again (or is older than installer/)")


if __name__ == "__main__":
    unittest.main()
