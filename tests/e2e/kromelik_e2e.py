"""Plumbing for the end-to-end tests: the real kromelik.exe in the run's Wine prefix, on
the run's virtual display, observed through winprobe.exe and Wine's reg.exe. Every wait
has a timeout; nothing sleeps for a fixed time."""

import os
import re
import subprocess
import unittest

WINE = "/usr/lib/wine/wine64"
TITLE = "Kromelik"
MAIN_KEY = r"HKCU\Software\Brenvald\Kromelik"


def wine(*args, timeout=60, check=False, environment=None):
    result = subprocess.run([WINE, *args], capture_output=True, timeout=timeout,
                            env=dict(os.environ, **environment) if environment else None)
    out = result.stdout.decode("utf-8", "replace").replace("\r\n", "\n")
    if check and result.returncode != 0:
        raise AssertionError(f"wine {' '.join(args)} failed ({result.returncode}): {out}")
    return result.returncode, out


def probe(*args, timeout=60, environment=None):
    return wine(os.environ["KROMELIK_PROBE"], *args, timeout=timeout, environment=environment)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=30)


def move_cursor(x, y):
    xdotool("mousemove", str(x), str(y))


def click_at(x, y):
    xdotool("mousemove", str(x), str(y), "click", "1")


def keys(*names):
    xdotool("key", *names)


def wait_menu(timeout_ms=10000):
    """The open popup menu's (left, top, right, bottom), or None."""
    code, out = probe("wait-menu", str(timeout_ms))
    if code != 0:
        return None
    return tuple(int(part) for part in out.split())


def screen_pixels(left, top, width, height):
    """The screen's pixels in that rectangle, as the X server shows them: rows of (r, g, b)."""
    raw = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{left}+{top}",
                          "-depth", "8", "rgb:-"], capture_output=True, check=True,
                         timeout=30).stdout
    if len(raw) != width * height * 3:
        raise AssertionError(f"a screenshot of {width}x{height} gave {len(raw)} bytes")
    return [[tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]


def windows_path(unix_path):
    _, out = wine("winepath", "-w", unix_path, check=True)
    return out.strip()


def registry_values(key):
    """The values of a key as {name: (type, data)}, or None when the key is missing."""
    code, out = wine("reg", "query", key)
    if code != 0:
        return None
    values = {}
    for line in out.splitlines():
        match = re.match(r"^    (.+?)    (REG_\w+)    ?(.*)$", line)
        if match:
            values[match.group(1)] = (match.group(2), match.group(3))
    return values


def _reg_file_string(quoted):
    """The text of a quoted string of a .reg file, and what follows its closing quote."""
    text, i = [], 1
    while i < len(quoted) and quoted[i] != '"':
        if quoted[i] == "\\" and i + 1 < len(quoted):
            i += 1
            text.append({"n": "\n", "0": "\0"}.get(quoted[i], quoted[i]))
        else:
            text.append(quoted[i])
        i += 1
    return "".join(text), quoted[i + 1:]


def text_values(key):
    """The text (REG_SZ) values of a key as {name: data}, or None when the key is missing.
    Read from an export, which is UTF-16: `reg query` writes to a pipe in a code page that
    turns Polish letters into others, so registry_values() cannot compare them."""
    name = f"kromelik-export-{os.getpid()}.reg"
    path = os.path.join(os.environ["WINEPREFIX"], "drive_c", name)
    code, _ = wine("reg", "export", key, "C:\\" + name, "/y")
    if code != 0:
        return None
    try:
        with open(path, encoding="utf-16") as exported:
            lines = exported.read().splitlines()
    finally:
        os.remove(path)
    header = f"[{_full_key_name(key)}]".lower()
    start = next((i for i, line in enumerate(lines) if line.lower() == header), None)
    if start is None:
        raise AssertionError(f"the export of {key} does not name it: {lines[:3]}")
    values = {}
    # Only the key's own values: its subkeys' sections follow its own.
    for line in lines[start + 1:]:
        if line.startswith("["):
            break
        if line.startswith('"'):
            value_name, rest = _reg_file_string(line)
        elif line.startswith("@="):
            value_name, rest = "", line[1:]
        else:
            continue
        if rest.startswith('="'):
            values[value_name] = _reg_file_string(rest[1:])[0]
    return values


def _full_key_name(key):
    root, _, rest = key.partition("\\")
    roots = {"HKCU": "HKEY_CURRENT_USER", "HKLM": "HKEY_LOCAL_MACHINE", "HKCR": "HKEY_CLASSES_ROOT",
             "HKU": "HKEY_USERS"}
    return roots.get(root.upper(), root) + ("\\" + rest if rest else "")


def delete_key(key):
    wine("reg", "delete", key, "/f")


def set_aside_key(key, add_cleanup):
    """Takes the key away with all it holds, for a test that needs it to hold only what
    the test puts there. The cleanup handed to `add_cleanup` (before anything changes)
    puts it back as it was, or removes it again when there was none."""
    name = "kromelik-aside-" + re.sub(r"[^A-Za-z0-9]+", "-", key) + f"-{os.getpid()}.reg"
    path = os.path.join(os.environ["WINEPREFIX"], "drive_c", name)
    code, _ = wine("reg", "export", key, "C:\\" + name, "/y")
    saved = None
    if code == 0:
        with open(path, "rb") as exported:
            saved = exported.read()
        os.remove(path)

    def put_back():
        delete_key(key)
        if saved is None:
            return
        with open(path, "wb") as exported:
            exported.write(saved)
        try:
            wine("reg", "import", "C:\\" + name, check=True)
        finally:
            os.remove(path)

    add_cleanup(put_back)
    delete_key(key)


class Program:
    """kromelik.exe started in the background; ended by closing its main window."""

    def __init__(self, extra_environment=None):
        self.exe = os.environ["KROMELIK_EXE"]
        environment = dict(os.environ, **(extra_environment or {}))
        self.process = subprocess.Popen([WINE, self.exe], stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL, env=environment)

    def rect(self):
        """(left, top, right, bottom, visible) of the main window."""
        code, out = probe("rect", TITLE)
        if code != 0:
            return None
        return tuple(int(part) for part in out.split())

    def wait_shown(self, timeout_ms=10000):
        return probe("wait-top", TITLE, "0", str(timeout_ms))[0] == 0

    def wait_hidden(self, timeout_ms=10000):
        return probe("wait-hidden", TITLE, str(timeout_ms))[0] == 0

    def slide_in(self, x=600):
        """Brings the strip into view as a user does: below it first, then the top edge."""
        move_cursor(x, 300)
        if not self.wait_hidden():
            raise AssertionError("the strip did not hide with the cursor below it")
        move_cursor(x, 0)
        if not self.wait_shown():
            where = subprocess.run(["xdotool", "getmouselocation"], capture_output=True,
                                   text=True).stdout.strip()
            raise AssertionError(f"the strip did not slide in at the top edge: window {self.rect()},"
                                 f" cursor {where}, Windows cursor {probe('cursor')[1].strip()}")

    def wait_for_window(self, timeout_ms=30000, top=-45):
        """Until the program has started: its window shown, waiting above the screen. One
        probe watches from creation to that state: the strip stays there only while the
        cursor is within the strip's band, and a second probe started later could miss
        it."""
        return probe("wait-top", TITLE, str(top), str(timeout_ms))[0] == 0

    def close(self, timeout_s=30):
        probe("close", TITLE)
        return self.wait_for_exit(timeout_s)

    def wait_for_exit(self, timeout_s=30):
        try:
            return self.process.wait(timeout=timeout_s)
        except subprocess.TimeoutExpired:
            return None

    def end(self):
        """Ends the program whatever state it is in: asked to close first, then killed by
        its process id; returns once its window is gone."""
        if self.process.poll() is None:
            probe("close", TITLE)
            if self.wait_for_exit(15) is None:
                self.process.kill()
                self.process.wait()
        # Windows outlive their process for a moment, until the server has noticed.
        return probe("wait-gone", TITLE, "10000")[0] == 0


# Where the cursor rests while a program starts: within the strip's height, so the strip
# stays waiting above the screen until a test moves the cursor (below it, it would slide
# out at the first tick, before anyone had seen it start).
RESTING_CURSOR = (600, 20)
# Above every button: a click there lands on the bare panel, which lets a pressed button go.
BARE_PANEL = (600, 3)
BELOW_THE_STRIP = (600, 300)


def forget_the_program():
    """The registry as a prefix that has never seen the program."""
    for key in (r"HKCU\Software\Brenvald", r"HKCU\Brenvald"):
        delete_key(key)
    wine("reg", "delete", r"HKCU\Software\Microsoft\Windows\CurrentVersion\Run",
         "/v", "Kromelik", "/f")


def start_program(add_cleanup, extra_environment=None, waiting_top=-45):
    """Starts the program with the cursor at rest and waits until it waits above the
    screen. The cleanup that ends it is handed to `add_cleanup` before the wait, so no
    start outlives its test or class, even when the start itself fails."""
    if probe("wait-gone", TITLE, "10000")[0] != 0:
        raise AssertionError("a window of an earlier run is still there")
    move_cursor(*RESTING_CURSOR)
    program = Program(extra_environment)
    add_cleanup(end_program, program)
    if not program.wait_for_window(top=waiting_top):
        raise AssertionError("the main window did not appear")
    return program


def end_program(program):
    if not program.end():
        raise AssertionError("the program's window outlived its process")


def bring_to_rest(program):
    """Puts the running toolbar back as a test may find it: no menu open, no button
    pressed, the strip slid away and the cursor at its resting point. Raises when the
    toolbar does not get there (a dialog or message box left open stops its timers, so
    the strip then never slides away)."""
    escapes = 0
    while probe("wait-no-menu", "0")[0] != 0:
        if escapes == 3:
            raise AssertionError("a menu stays open after three Escapes")
        # Escape only while a menu is open: the buttons ignore it, but Down would open one.
        keys("Escape")
        escapes += 1
        probe("wait-no-menu", "5000")
    where = program.rect()
    if where is None:
        raise AssertionError("the program's window is gone")
    _, top, _, _, visible = where
    if visible and top == 0:
        # In view, where a pressed button may be holding it: nothing outside tells whether
        # one is down, and a click on the bare panel lets any go.
        click_at(*BARE_PANEL)
    # Hidden, or still waiting above the screen after the start, it has every button up:
    # a pressed one stops the slide timer, so the strip cannot have slid away with it.
    move_cursor(*BELOW_THE_STRIP)
    if not program.wait_hidden():
        raise AssertionError("the strip does not slide away (a dialog or message box left"
                             " open would hold it)")
    move_cursor(*RESTING_CURSOR)


class ProgramTestCase(unittest.TestCase):
    """Starts each test from a registry that has never seen the program; the test starts
    the program itself, as often as it needs. For tests that change the registry or end
    the program."""

    def setUp(self):
        forget_the_program()
        self.program = None

    def start(self, extra_environment=None, waiting_top=-45):
        self.program = start_program(self.addCleanup, extra_environment, waiting_top)
        return self.program


class SharedProgramTestCase(unittest.TestCase):
    """One start for the whole class, from a registry that has never seen the program, for
    tests that leave no trace: nothing written to the registry, the program left running.
    After each test the toolbar is brought back to rest, so no test sees what an earlier
    one did and their order does not matter; when that fails, the program is ended and
    the next test gets a start of its own."""

    extra_environment = None
    shared_program = None

    @classmethod
    def setUpClass(cls):
        forget_the_program()
        cls.shared_program = start_program(cls.addClassCleanup, cls.extra_environment)

    def setUp(self):
        cls = type(self)
        if cls.shared_program is None:
            cls.shared_program = start_program(cls.addClassCleanup, cls.extra_environment)
        self.program = cls.shared_program
        self.addCleanup(self._bring_back_to_rest)

    def _bring_back_to_rest(self):
        try:
            bring_to_rest(self.program)
        except BaseException:
            type(self).shared_program = None
            end_program(self.program)
            raise
