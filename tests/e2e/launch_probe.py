"""What the program launched, seen through launchprobe.exe standing in for the programs,
web and mail handlers and the folder window it starts. Needs WINEPREFIX (the run's
prefix, made anew for every run, so nothing installed here can outlive its run),
KROMELIK_LAUNCH_PROBE (the probe) and, to replace explorer.exe, KROMELIK_SHELLOPEN; every
wait has a deadline.

How Wine 8 gets each kind of launch to the probe:
- A program by name ("calc", "Control.exe timedate.cpl", "rundll32 shell32.dll,..."):
  the probe copied over system32\\<name> (and windows\\<name> where that exists too). Wine
  still loads its own built-in for a file whose name it knows (control, rundll32,
  explorer, notepad, ...) unless WINEDLLOVERRIDES="<name>=n" is in the environment of
  the program that launches, which install_probes() returns. Wine reads the variable from
  the Unix environment, which every Wine process passes on to the ones it starts: it
  must be there when kromelik.exe is started and cannot be taken back inside Wine.
- Web and mail addresses: HKCR\\http, https and mailto, shell\\open\\command.
- A folder path: Wine looks for HKCR\\Folder\\shell\\open\\command; without one it
  starts system32\\explorer.exe "<path>". Folder's ddeexec key is set aside while the
  handler is registered, or Wine would wait for a DDE answer after starting it and report
  the launch as failed. Directory is registered too; for a folder path Wine 8 took
  Folder's command (its exec trace shows it).
- A virtual folder's name ("::{20D04FE0-...}", My Computer): Wine 8's ShellExecuteW
  answers SE_ERR_FNF (2) and starts nothing, so there is nothing to see.
"""

import os
import select
import shutil
import subprocess
import time
from typing import NamedTuple

from kromelik_e2e import ProgramTestCase, forget_the_program

WINE = "/usr/lib/wine/wine64"

HANDLERS = {
    "http": "http-handler.exe",
    "https": "https-handler.exe",
    "mailto": "mailto-handler.exe",
    "Folder": "folder-handler.exe",
    "Directory": "directory-handler.exe",
    "htmlfile": "html-handler.exe",
}
# Extensions that a fresh prefix leaves without a class, given one of the above.
EXTENSIONS = {".html": "htmlfile"}

_desktop_keeper = None
# What install_probes() and register_handlers() changed, for putting back within the run:
# (program file, whether there was one before), and each class's export (None when the
# class was not there).
_replaced = []
_saved_classes = {}


def _prefix():
    return os.environ["WINEPREFIX"]


def _probe():
    return os.environ["KROMELIK_LAUNCH_PROBE"]


def _drive_c(*parts):
    return os.path.join(_prefix(), "drive_c", *parts)


def _own_dir(*parts):
    """C:\\launchprobe: the handlers' copies of the probe and the registry files passed
    to and from Wine's tools."""
    return _drive_c("launchprobe", *parts)


def windows_path(unix_path):
    """The Windows form of a path: C: for the prefix's drive_c, Z: for the rest."""
    unix_path = os.path.abspath(unix_path)
    drive_c = os.path.abspath(_drive_c())
    if unix_path == drive_c:
        return "C:\\"
    if unix_path.startswith(drive_c + os.sep):
        return "C:\\" + os.path.relpath(unix_path, drive_c).replace("/", "\\")
    return "Z:" + unix_path.replace("/", "\\")


def _wine(*args, timeout=60, env=None):
    result = subprocess.run([WINE, *args], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, timeout=timeout, env=env)
    return result.returncode, result.stdout.decode("utf-8", "replace")


def _copy_into_place(source, target):
    # A rename, never an overwrite in place: a running process may still map the old file.
    temporary = target + ".new"
    shutil.copyfile(source, temporary)
    os.chmod(temporary, 0o755)
    os.replace(temporary, target)


def _existing(directory, name):
    """The file of that name in the directory, found as Windows would, ignoring case."""
    try:
        for entry in os.listdir(directory):
            if entry.lower() == name.lower():
                return os.path.join(directory, entry)
    except FileNotFoundError:
        pass
    return None


def _remove_if_empty(directory):
    try:
        os.rmdir(directory)
    except OSError:
        pass


# --- Programs ------------------------------------------------------------------------

def _program_name(name):
    return (name if "." in name else name + ".exe").lower()


def install_probes(names):
    """Puts the probe in place of each named program ("calc", "control.exe", ...): in
    system32 always, and in the Windows folder too where the program is there as well.
    Originals are kept as <name>.orig. Returns the WINEDLLOVERRIDES entry that the
    launching program's environment needs, e.g. "calc.exe,control.exe=n".

    explorer.exe is Wine's desktop too: Wine starts system32\\explorer.exe /desktop from
    whichever program first needs a desktop, and under the override that would be the
    probe. So while explorer.exe is replaced, a helper holds the desktop, started before
    the file is replaced and without the override, so that Wine never needs to start it
    again until restore_probes()."""
    programs = sorted({_program_name(name) for name in names})
    if "explorer.exe" in programs:
        _hold_desktop()
    replaced = {path for path, _ in _replaced}
    for program in programs:
        targets = [_existing(_drive_c("windows", "system32"), program)
                   or _drive_c("windows", "system32", program)]
        in_windows = _existing(_drive_c("windows"), program)
        if in_windows:
            targets.append(in_windows)
        for target in targets:
            if target in replaced:
                continue  # already the probe, and its original already kept
            existed = os.path.exists(target)
            # Noted before the change, so that a change that fails halfway is undone too.
            _replaced.append((target, existed))
            if existed:
                os.replace(target, target + ".orig")
            _copy_into_place(_probe(), target)
    return ",".join(programs) + "=n" if programs else ""


def restore_probes():
    """Puts back every program install_probes() replaced and lets the desktop go."""
    while _replaced:
        target, existed = _replaced.pop()
        if existed and os.path.exists(target + ".orig"):
            os.replace(target + ".orig", target)
        elif not existed and os.path.exists(target):
            os.remove(target)
    _release_desktop()


def _without_program_overrides(environment):
    environment = dict(environment)
    kept = []
    for part in environment.pop("WINEDLLOVERRIDES", "").split(";"):
        names, _, order = part.partition("=")
        names = [n for n in names.split(",") if n and not n.lower().endswith(".exe")]
        if names:
            kept.append(",".join(names) + ("=" + order if "=" in part else ""))
    if kept:
        environment["WINEDLLOVERRIDES"] = ";".join(kept)
    return environment


def _hold_desktop(timeout_s=60):
    global _desktop_keeper
    if _desktop_keeper is not None and _desktop_keeper.poll() is None:
        return
    # The desktop the helper may start inherits its error stream, so that gets no pipe,
    # or the pipe would never close. Its input is a pipe: when this process ends, even
    # without restore_probes(), the pipe closes and the helper ends with it.
    keeper = subprocess.Popen([WINE, os.environ["KROMELIK_SHELLOPEN"], "--hold"],
                              stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL,
                              env=_without_program_overrides(os.environ))
    ready, _, _ = select.select([keeper.stdout], [], [], timeout_s)
    line = keeper.stdout.readline() if ready else b""
    if line.strip() != b"ready":
        keeper.kill()
        keeper.wait()
        raise AssertionError("the desktop could not be held: explorer.exe stays Wine's own")
    _desktop_keeper = keeper


def _release_desktop():
    global _desktop_keeper
    keeper, _desktop_keeper = _desktop_keeper, None
    if keeper is None:
        return
    keeper.stdin.close()
    try:
        keeper.wait(timeout=30)
    except subprocess.TimeoutExpired:
        keeper.kill()
        keeper.wait()
    keeper.stdout.close()


# --- Handlers ------------------------------------------------------------------------

def _reg_text(*lines):
    return "\r\n".join(["Windows Registry Editor Version 5.00", "", *lines, ""])


def _reg_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def _import(text):
    os.makedirs(_own_dir(), exist_ok=True)
    path = _own_dir("import.reg")
    with open(path, "w", encoding="utf-16", newline="") as reg:
        reg.write(text)
    # Once in a CI run regedit answered a failure for an import that a second run of the
    # same file made; the import states the whole result, so running it again is safe.
    codes = []
    for _ in range(3):
        code, output = _wine("regedit", "/S", windows_path(path))
        codes.append(code)
        if code == 0:
            break
    os.remove(path)
    if code != 0:
        raise AssertionError(f"regedit could not import {text!r}: exit codes {codes}, {output!r}")


def _export(name):
    """The class's keys as `reg export` writes them, or None when there is no such class."""
    os.makedirs(_own_dir(), exist_ok=True)
    path = _own_dir(name + ".reg")
    code, _ = _wine("reg", "export", f"HKCR\\{name}", windows_path(path), "/y")
    if code != 0:
        return None
    with open(path, encoding="utf-16") as saved:
        text = saved.read()
    os.remove(path)
    return text


def register_handlers():
    """Makes the probe the handler of http, https, mailto, Folder, Directory and web pages
    (htmlfile), each under its own name (see HANDLERS), with the target as its argument:
    "<probe>" "%1"; and gives .html its class (EXTENSIONS).
    The classes as they were are exported first, for unregister_handlers()."""
    lines = []
    for name, program in HANDLERS.items():
        if name not in _saved_classes:
            _saved_classes[name] = _export(name)
        handler = _own_dir(program)
        _copy_into_place(_probe(), handler)
        command = f'"{windows_path(handler)}" "%1"'
        lines += [f"[HKEY_CLASSES_ROOT\\{name}\\shell\\open\\command]",
                  "@=" + _reg_string(command), ""]
        lines += [f"[-HKEY_CLASSES_ROOT\\{name}\\shell\\open\\ddeexec]", ""]
    for extension, name in EXTENSIONS.items():
        if extension not in _saved_classes:
            _saved_classes[extension] = _export(extension)
        lines += [f"[HKEY_CLASSES_ROOT\\{extension}]", "@=" + _reg_string(name), ""]
    _import(_reg_text(*lines))


def unregister_handlers():
    """Puts the classes back as register_handlers() found them."""
    lines = []
    for name, saved in _saved_classes.items():
        lines += [f"[-HKEY_CLASSES_ROOT\\{name}]", ""]
        if saved is not None:
            # The export's own header line goes; its keys follow the deletion.
            lines += [line for line in saved.replace("\r\n", "\n").split("\n")
                      if not line.startswith("Windows Registry Editor")]
    if lines:
        _import(_reg_text(*lines))
    _saved_classes.clear()
    for program in HANDLERS.values():
        if os.path.exists(_own_dir(program)):
            os.remove(_own_dir(program))
    _remove_if_empty(_own_dir())


# --- The log -------------------------------------------------------------------------

def _split_command_line(line):
    """Arguments as the Microsoft C runtime splits a command line."""
    arguments, current, in_quotes, started, i = [], [], False, False, 0
    while i < len(line):
        c = line[i]
        if c == "\\":
            run = 0
            while i < len(line) and line[i] == "\\":
                run += 1
                i += 1
            if i < len(line) and line[i] == '"':
                current.append("\\" * (run // 2))
                if run % 2:
                    current.append('"')
                    i += 1
            else:
                current.append("\\" * run)
            started = True
            continue
        if c == '"':
            if in_quotes and i + 1 < len(line) and line[i + 1] == '"':
                current.append('"')
                i += 1
            else:
                in_quotes = not in_quotes
            started = True
        elif c in " \t" and not in_quotes:
            if started:
                arguments.append("".join(current))
                current, started = [], False
        else:
            current.append(c)
            started = True
        i += 1
    if started:
        arguments.append("".join(current))
    return arguments


class LaunchEntry(NamedTuple):
    program: str       # the probe's own file name, e.g. "calc.exe" or "mailto-handler.exe"
    command_line: str  # exactly as the program got it
    show: int          # the show command it was started with

    def arguments(self):
        """The command line split into arguments, the first being the program."""
        return _split_command_line(self.command_line)


class LaunchLog:
    """The probes' log: by default C:\\launch.log, which needs nothing in the environment;
    any other path has to reach the probes through environment()."""

    def __init__(self, path=None):
        self.path = path or _drive_c("launch.log")

    @property
    def windows_path(self):
        return windows_path(self.path)

    def environment(self):
        return {"KROMELIK_LAUNCH_LOG": self.windows_path}

    def clear(self):
        try:
            os.remove(self.path)
        except FileNotFoundError:
            pass

    def entries(self):
        try:
            with open(self.path, "rb") as log:
                data = log.read()
        except FileNotFoundError:
            return []
        entries = []
        # A line still being written has no line end yet: it is read on the next poll.
        for raw in data.split(b"\n")[:-1]:
            fields = raw.decode("utf-8").split("\t")
            if len(fields) != 3:
                raise ValueError(f"not a launch probe's line: {raw!r}")
            entries.append(LaunchEntry(fields[0], fields[1], int(fields[2])))
        return entries

    def wait_for(self, match, timeout_s=15.0, count=1):
        """The entries that match, once there are at least `count` of them, or whatever
        matched by the deadline (so an empty list means nothing came). `match` is a
        predicate on a LaunchEntry or a text found in its program or command line."""
        if isinstance(match, str):
            text = match

            def match(entry):
                return text in entry.program or text in entry.command_line
        deadline = time.monotonic() + timeout_s
        while True:
            found = [entry for entry in self.entries() if match(entry)]
            if len(found) >= count or time.monotonic() >= deadline:
                return found
            time.sleep(0.05)


# --- The launching program's environment ---------------------------------------------

def launch_environment(overrides="", log=None, base=None):
    """The environment for the program that launches: `overrides` from install_probes()
    added to any WINEDLLOVERRIDES already there, and a custom log path."""
    environment = dict(os.environ if base is None else base)
    if overrides:
        existing = environment.get("WINEDLLOVERRIDES")
        environment["WINEDLLOVERRIDES"] = f"{existing};{overrides}" if existing else overrides
    if log is not None:
        environment.update(log.environment())
    return environment


class HandlerTestCase(ProgramTestCase):
    """For tests whose items open pages, folders and documents: the probe is their handler
    for the whole class, the launch log is empty at each test's start and end, and the
    registry the program wrote goes after the program has ended (cleanups run last first,
    and the program's is added at its start)."""

    @classmethod
    def setUpClass(cls):
        cls.addClassCleanup(unregister_handlers)
        register_handlers()

    def setUp(self):
        super().setUp()
        self.addCleanup(forget_the_program)
        self.log = LaunchLog()
        self.log.clear()
        self.addCleanup(self.log.clear)
