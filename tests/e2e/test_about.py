"""The about box and its once-a-run version check, against a version file served on
127.0.0.1. The program is not told of the server: the user's proxy setting points at it,
as a user's own proxy would, so the download takes the program's real way out."""

import datetime
import glob
import http.server
import os
import threading
import time
import urllib.parse

from kromelik_e2e import (click_at, keys, move_cursor, probe, screen_pixels, wait_menu, wine,
                          xdotool)
from launch_probe import HandlerTestCase
from test_lists import prefix_path, wait_until

ABOUT = "O programie ..."
ABOUT_BUTTON = 28
# The box's controls, as its window numbers them.
PICTURE, VERSION, MAKER, WEB_LINK = 400, 401, 402, 410
NOTICE, NOTICE_COVER, UPDATE, HELP, OK = 414, 415, 416, 417, 418
BUILT_IN_HOME = "http://www.brenvald.pl/"
# As a request through a proxy names it: host and path (Wine adds the port).
VERSION_FILE = "www.brenvald.pl/aktualizacje/version.ini"
# The download's bound in the program is 5 s; the box must be there well before this.
USABLE_WITHIN_S = 12
INTERNET_SETTINGS = r"HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings"


def version_file(version, home_page="http://www.example.org/dom/", notice=None):
    lines = ["[dane]", f"BrenvaldHomePage={home_page}"]
    if notice is not None:
        lines.append(f"CV_File={notice}")
    lines += ["", "[Kromelik]", f"version={version}", "url=http://www.example.org/nowa/",
              "new=Nowa wersja z poprawkami"]
    return ("\r\n".join(lines) + "\r\n").encode("utf-8")


class VersionServer:
    """Answers every request on 127.0.0.1 with `body` and logs the address asked for; a
    server without a body takes the request and never answers."""

    def __init__(self, body):
        self.requests = []
        self.release = threading.Event()
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            def do_GET(self):
                asked = urllib.parse.urlsplit(self.path)
                server.requests.append(f"{asked.hostname}{asked.path}")
                if body is None:
                    server.release.wait(60)
                    return
                self.send_response(200)
                self.send_header("Content-Type", "text/plain")
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)

            def log_message(self, *args):
                pass

        self.http = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
        self.http.daemon_threads = True
        self.thread = threading.Thread(target=self.http.serve_forever, daemon=True)
        self.thread.start()

    @property
    def port(self):
        return self.http.server_address[1]

    def stop(self):
        self.release.set()
        self.http.shutdown()
        self.http.server_close()


def set_proxy(port):
    wine("reg", "add", INTERNET_SETTINGS, "/v", "ProxyEnable", "/t", "REG_DWORD", "/d", "1",
         "/f", check=True)
    wine("reg", "add", INTERNET_SETTINGS, "/v", "ProxyServer", "/t", "REG_SZ", "/d",
         f"127.0.0.1:{port}", "/f", check=True)


def clear_proxy():
    wine("reg", "add", INTERNET_SETTINGS, "/v", "ProxyEnable", "/t", "REG_DWORD", "/d", "0",
         "/f", check=True)
    wine("reg", "delete", INTERNET_SETTINGS, "/v", "ProxyServer", "/f")


def temp_folder():
    _, out = wine("cmd", "/c", "echo %TEMP%", check=True)
    return prefix_path(out.strip())


def check_files():
    """The files in the temporary folder that a version check may make."""
    folder = temp_folder()
    return {path for pattern in ("kromelik-*", "krm*.tmp", "dane.ini")
            for path in glob.glob(os.path.join(folder, pattern))}


def child_rect(control):
    code, out = probe("child-rect", ABOUT, str(control))
    if code != 0:
        raise AssertionError(f"no control {control}")
    return tuple(int(part) for part in out.split())


def has_colour(rect, colour):
    left, top, right, bottom = rect
    return any(pixel == colour for row in screen_pixels(left, top, right - left, bottom - top)
               for pixel in row)


def mean_level(pixels):
    values = [channel for row in pixels for pixel in row for channel in pixel]
    return sum(values) / len(values)


def controls():
    """{id: (visible, text)} of the box's controls."""
    code, out = probe("controls", ABOUT)
    if code != 0:
        raise AssertionError(f"no {ABOUT} window")
    found = {}
    for line in out.splitlines():
        parts = line.split(" ", 3)
        if len(parts) >= 3:
            found[int(parts[0])] = (parts[1] == "1", parts[3] if len(parts) == 4 else "")
    return found


class AboutBox(HandlerTestCase):

    def serve(self, body):
        server = VersionServer(body)
        self.addCleanup(server.stop)
        set_proxy(server.port)
        self.addCleanup(clear_proxy)
        return server

    def open_about(self):
        """Opens the box from its menu item; the seconds until it showed."""
        click_at(ABOUT_BUTTON + 19, 24)
        self.assertIsNotNone(wait_menu(), "the about menu did not open")
        started = time.monotonic()
        keys("Down", "Down", "Down", "Down", "Return")  # Pomoc, mail, the page, then the box
        self.assertEqual(probe("wait-visible", ABOUT, str(USABLE_WITHIN_S * 1000))[0], 0,
                         "the about box did not open")
        waited = time.monotonic() - started
        self.assertEqual(probe("wait-foreground", ABOUT, "10000")[0], 0)
        return waited

    def close_about(self):
        keys("Escape")
        self.assertEqual(probe("wait-hidden", ABOUT, "10000")[0], 0, "Escape did not close it")

    def setUp(self):
        super().setUp()
        self.temp_files_before = check_files()

    def assert_nothing_left_in_temp(self):
        left = sorted(check_files() - self.temp_files_before)
        self.assertEqual(left, [], "the version check left files in the temporary folder")

    def test_a_newer_version_is_announced_once_per_run_and_the_links_open(self):
        notice = "http://www.example.org/praca/?a=1&b=2"
        server = self.serve(version_file("99.0.0.0", notice=notice))
        program = self.start()
        program.slide_in()
        self.open_about()

        shown = controls()
        self.assertEqual(shown[VERSION], (True, "v " + os.environ["KROMELIK_VERSION"]))
        year = datetime.date.today().year
        self.assertEqual(shown[MAKER], (True, f"Copyright © 2005-{year} Brenvald"))
        self.assertEqual(shown[UPDATE], (True, "Dostępna jest nowa wersja programu"))
        self.assertEqual(shown[WEB_LINK], (True, "http://www.example.org/dom/"))
        self.assertTrue(shown[NOTICE_COVER][0], "the notice shows when the file names its link")
        self.assertTrue(shown[HELP][0], "the help page lies beside the program")
        self.assertEqual(server.requests, [VERSION_FILE])
        self.assert_nothing_left_in_temp()

        # From the keyboard: OK has the focus, Tab goes round to the first link, and Enter
        # opens the link that has the focus rather than pressing OK.
        keys("Tab", "Return")
        [mail] = self.log.wait_for(lambda entry: entry.program == "mailto-handler.exe")
        self.assertTrue(mail.arguments()[1].startswith(
            "mailto:kromelik@brenvald.pl?Subject=Cześć&Body="), mail.arguments())
        self.assertEqual(probe("wait-visible", ABOUT, "0")[0], 0, "Enter on a link closed the box")

        # The picture, decoded from the program's resources: its dark top band over a light
        # foot.
        left, top, right, bottom = child_rect(PICTURE)
        self.assertEqual((right - left, bottom - top), (400, 160))
        band = screen_pixels(left + 170, top + 2, 200, 20)
        foot = screen_pixels(left + 300, bottom - 12, 80, 10)
        self.assertLess(mean_level(band), 70, "no picture at the box's top")
        self.assertGreater(mean_level(foot), 170, "the picture has no light foot")

        # The notice blinks: its label comes and goes while its cover stays.
        for phase in (False, True):
            self.assertEqual(wait_until(lambda: controls()[NOTICE][0], lambda v: v == phase, 5),
                             phase, "the notice does not blink")
        self.assertTrue(controls()[NOTICE_COVER][0])
        # Its tip shows the address exactly, "&" and all.
        left, top, right, bottom = child_rect(NOTICE_COVER)
        move_cursor((left + right) // 2, (top + bottom) // 2)
        code, tip = probe("tooltip-text", "10000")
        self.assertEqual((code, tip.strip()), (0, notice))

        # The link's looks: blue under the mouse, red while a button is held on it.
        left, top, right, bottom = child_rect(WEB_LINK)
        move_cursor(left + 3, (top + bottom) // 2)
        self.assertTrue(wait_until(lambda: has_colour(child_rect(WEB_LINK), (0, 0, 255)),
                                   bool, 5), "the link is not blue under the mouse")
        xdotool("mousedown", "3")
        self.assertTrue(wait_until(lambda: has_colour(child_rect(WEB_LINK), (255, 0, 0)),
                                   bool, 5), "the link is not red while pressed")
        xdotool("mouseup", "3")
        move_cursor(left + 3, bottom + 40)
        self.assertTrue(wait_until(lambda: not has_colour(child_rect(WEB_LINK), (0, 0, 255)),
                                   bool, 5), "the link stays blue after the mouse left")

        probe("click", ABOUT, str(WEB_LINK))
        [page] = self.log.wait_for(lambda entry: entry.program == "http-handler.exe")
        self.assertEqual(page.arguments()[1:], ["http://www.example.org/dom/"])
        # Shown again in the same run: no second download, the button still there.
        self.close_about()
        program.slide_in()
        self.open_about()
        self.assertTrue(controls()[UPDATE][0])
        self.assertEqual(server.requests, [VERSION_FILE], "the second show downloaded again")
        self.close_about()

    def check_not_taken(self, home_page):
        """An older version, a home page and a notice link that are no web addresses: no
        button, the built-in home page, no notice."""
        server = self.serve(version_file("1.0.0.0", home_page=home_page,
                                         notice=r"C:\windows\system32\calc.exe"))
        self.start().slide_in()
        self.open_about()
        shown = controls()
        self.assertEqual(server.requests, [VERSION_FILE])
        self.assertFalse(shown[UPDATE][0], "an older published version is no news")
        self.assertEqual(shown[WEB_LINK], (True, BUILT_IN_HOME))
        self.assertFalse(shown[NOTICE_COVER][0], "a local program is no notice link")
        probe("click", ABOUT, str(WEB_LINK))
        [page] = self.log.wait_for(lambda entry: entry.program == "http-handler.exe")
        self.assertEqual(page.arguments()[1:], [BUILT_IN_HOME])
        self.close_about()
        self.assert_nothing_left_in_temp()

    def test_a_local_program_as_home_page_keeps_the_built_in_address(self):
        self.check_not_taken(r"C:\windows\system32\notepad.exe")

    def test_a_file_address_as_home_page_keeps_the_built_in_address(self):
        self.check_not_taken("file:///C:/windows/notepad.exe")

    def test_a_server_that_never_answers_leaves_the_box_usable_within_the_bound(self):
        server = self.serve(None)
        program = self.start()
        program.slide_in()
        waited = self.open_about()
        self.assertLess(waited, USABLE_WITHIN_S)
        shown = controls()
        self.assertEqual(server.requests, [VERSION_FILE])
        self.assertFalse(shown[UPDATE][0])
        self.assertEqual(shown[WEB_LINK], (True, BUILT_IN_HOME))
        self.close_about()
        # The program ends while the transfer it gave up still hangs: its file goes too.
        self.assertEqual(program.close(), 0)
        self.assert_nothing_left_in_temp()
