"""End-to-end tests of the command line: a reading file handed to the built program, the
options that answer in a terminal without any display, and a start with no display to open."""

import os
import socket
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402
from harness import Session, find, find_all, text_of, wait_for  # noqa: E402

CAPTION = "Parsiva v1.10"


def reading_file(*lines):
    """A reading file as the program saves it: each byte plus 85, every line ended by CR LF."""
    return b"".join(bytes(b + 85 for b in line.encode("cp1252")) + b"\r\n" for line in lines)


class CommandLine(unittest.TestCase):
    def result_window(self, session, app):
        def lookup():
            for window in session.windows(app):
                if window.name == CAPTION and find(window, "push button", "Back"):
                    return window
            return None

        return wait_for(lookup, what="the result window")

    def message_box(self, session, app):
        return session.window(app, "Parsiva")

    def click_ok(self, session, box):
        session.focus_window("Parsiva")
        session.click_at(find(box, "push button", "OK"))

    def test_a_reading_file_argument_shows_its_reading(self):
        with Session("argument") as session:
            (session.root / "june.zod").write_bytes(reading_file("Cyrus", "June", "24", "1988"))
            # Relative to the folder it starts in, behind one of Qt's own options.
            process = session.start("-platform", "xcb", "june.zod")
            app = session.application(process)
            result = self.result_window(session, app)
            labels = {label.description: label.name for label in find_all(result, "label")}
            self.assertEqual([labels.get(f) for f in ("Iranian Astrology Sign", "Season")],
                             ["TIR (CANCER)", "Summer"])
            wait_for(lambda: len(session.windows(app)) == 1, what="the main window to go")
            self.assertIsNone(process.poll())

    def test_a_missing_file_argument_says_so_and_leaves_the_main_window(self):
        with Session("missing-argument") as session:
            process = session.start("missing.zod")
            app = session.application(process)
            box = self.message_box(session, app)
            missing = session.root / "missing.zod"
            self.assertTrue(find(box, "label", f"Please Check The File.\n{missing}: No such file or directory"),
                            [text_of(label) for label in find_all(box, "label")])
            # The refusal comes over the main window, which start-up has already shown.
            self.assertIn(("frame", CAPTION), session.window_names(app))
            session.screenshot("argument-missing-file")
            self.click_ok(session, box)
            wait_for(lambda: session.window_names(app) == [("frame", CAPTION)],
                     what="only the main window after the message")
            main = session.window(app, CAPTION, "frame")
            self.assertEqual(text_of(find(main, "text", "Name")), "")
            self.assertIsNone(process.poll())

    def test_a_second_copy_with_a_file_says_so_and_leaves_the_first_alone(self):
        with Session("second-copy-argument") as session:
            (session.root / "june.zod").write_bytes(reading_file("Cyrus", "June", "24", "1988"))
            first = session.start()
            app = session.application(first)
            main = session.window(app, CAPTION, "frame")
            wait_for(lambda: find(main, "text", "Name"), what="the name box")
            before = session.window_names(app)

            second = session.start("june.zod")
            second_app = session.application(second)
            box = self.message_box(session, second_app)
            self.assertTrue(find(box, "label", "Application is already running"), "message text")
            self.assertEqual(len(session.windows(second_app)), 1)
            self.click_ok(session, box)
            self.assertEqual(second.wait(10), 0)

            self.assertIsNone(first.poll())
            self.assertEqual(session.window_names(app), before)
            self.assertEqual(text_of(find(main, "text", "Name")), "")


class WithoutADisplay(unittest.TestCase):
    def run_program(self, *arguments, language=None):
        with tempfile.TemporaryDirectory() as home:
            # No DISPLAY, no WAYLAND_DISPLAY, no platform chosen: a terminal on a bare machine.
            env = {"PATH": "/usr/bin:/bin", "HOME": home, "LANG": "C.UTF-8", **(language or {})}
            return subprocess.run([str(harness.BINARY), *arguments], env=env, cwd=home,
                                  capture_output=True, text=True, timeout=20)

    def test_help_and_errors_follow_the_desktops_language(self):
        persian = {"LANG": "fa_IR.UTF-8", "LANGUAGE": "fa"}
        cases = [
            # the desktop's language, arguments, exit code, what the answering stream has
            (persian, ["--help"], 0, ["طرز استفاده: \u2068parsiva\u2069 [گزینه‌ها] [پرونده]", "گزینه‌ها:",
                                      "-v, --version  نسخه را نشان می‌دهد و پایان می‌یابد."]),
            (persian, ["--bogus"], 2, ["parsiva: گزینهٔ ناشناخته: «bogus».", "طرز استفاده:"]),
            # English comes first on the list, so English it is, though Persian follows.
            ({"LANG": "fa_IR.UTF-8", "LANGUAGE": "en:fa"}, ["--help"], 0, ["Usage: parsiva [options] [FILE]"]),
            # The formats' locale alone does not choose the language.
            ({"LANG": "C.UTF-8", "LANGUAGE": "fa"}, ["--help"], 0, ["گزینه‌ها:"]),
        ]
        for language, arguments, code, said in cases:
            with self.subTest(language=language, arguments=arguments):
                result = self.run_program(*arguments, language=language)
                self.assertEqual(result.returncode, code, result.stderr)
                answer, other = (result.stdout, result.stderr) if code == 0 else (result.stderr, result.stdout)
                for part in said:
                    self.assertIn(part, answer)
                self.assertEqual(other, "")

    def test_help_version_and_a_bad_option(self):
        cases = [
            # arguments, exit code, what standard output has, what standard error has
            (["--help"], 0, ["Usage: parsiva [options] [FILE]", "--version", "FILE"], []),
            (["-h"], 0, ["Usage: parsiva [options] [FILE]"], []),
            (["--version"], 0, ["Parsiva 1.10\n"], []),
            (["--bogus", "june.zod"], 2, [], ["Unknown option 'bogus'.", "Usage: parsiva"]),
            (["a.zod", "b.zod"], 2, [], ["Usage: parsiva"]),
        ]
        for arguments, code, out, err in cases:
            with self.subTest(arguments=arguments):
                result = self.run_program(*arguments)
                self.assertEqual(result.returncode, code, result.stderr)
                for part in out:
                    self.assertIn(part, result.stdout)
                for part in err:
                    self.assertIn(part, result.stderr)
                # Nothing went to the other stream: no attempt at a display, no Qt warning.
                self.assertEqual(result.stderr if code == 0 else result.stdout, "")
        self.assertEqual(self.run_program("--version").stdout, "Parsiva 1.10\n")


def x_display_socket(listening):
    """A local X display that nobody serves: (socket, ":n"). Bound but not listening, it refuses
    every client; listening, it takes them in and never answers. The name is in the abstract
    namespace, where libxcb looks first, and goes with the socket."""
    for number in range(900, 1000):
        if Path(f"/tmp/.X11-unix/X{number}").exists():
            continue
        server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
        try:
            server.bind(f"\0/tmp/.X11-unix/X{number}")
        except OSError:
            server.close()
            continue
        if listening:
            server.listen(8)
        return server, f":{number}"
    raise AssertionError("no free X display number")


class NoDesktop(unittest.TestCase):
    """Started where there is no desktop: one line on standard error and status 1."""

    def run_program(self, env, *arguments):
        with tempfile.TemporaryDirectory() as home:
            runtime = Path(home) / "runtime"
            runtime.mkdir(mode=0o700)
            base = {"PATH": "/usr/bin:/bin", "HOME": home, "LANG": "C.UTF-8", "XDG_RUNTIME_DIR": str(runtime)}
            started = time.monotonic()
            result = subprocess.run([str(harness.BINARY), *arguments], env={**base, **env}, cwd=home,
                                    capture_output=True, text=True, timeout=60)
            return result, time.monotonic() - started

    def test_no_display_named_refused_or_silent(self):
        refusing, refused = x_display_socket(listening=False)
        silent, never_answers = x_display_socket(listening=True)
        cases = [
            # what the terminal has, what the line says happened, what it names
            ({}, "no display is named", "(DISPLAY and WAYLAND_DISPLAY are not set)."),
            ({"DISPLAY": refused}, "no display could be opened", f"(DISPLAY={refused}, WAYLAND_DISPLAY not set)."),
            # A GNOME session's variables, both displays gone: Qt tries Wayland, then X.
            ({"XDG_SESSION_TYPE": "wayland", "WAYLAND_DISPLAY": "wayland-gone", "DISPLAY": refused},
             "no display could be opened", f"(DISPLAY={refused}, WAYLAND_DISPLAY=wayland-gone)."),
            ({"DISPLAY": never_answers}, "the display gave no answer for 5 seconds",
             f"(DISPLAY={never_answers}, WAYLAND_DISPLAY not set)."),
        ]
        with refusing, silent:
            for env, what, named in cases:
                with self.subTest(env=env):
                    result, seconds = self.run_program(env)
                    self.assertEqual(result.returncode, 1, result.stderr)
                    self.assertEqual(result.stdout, "")
                    self.assertEqual(result.stderr, f"parsiva: Parsiva needs a graphical desktop session, "
                                                    f"but {what} {named}\n")
                    self.assertLess(seconds, 15)
            # The same line in Persian, made before any application exists to translate it.
            result, _ = self.run_program({"DISPLAY": refused, "LANGUAGE": "fa"})
            self.assertEqual(result.returncode, 1, result.stderr)
            self.assertEqual(result.stderr, "\u2068parsiva\u2069: پارسیوا به یک نشست میز کار گرافیکی نیاز دارد، "
                                            "اما هیچ نمایشگری باز نشد "
                                            f"(\u2068DISPLAY={refused}، \u2068WAYLAND_DISPLAY\u2069 تنظیم نشده\u2069).\n")

    def test_other_platforms_still_start(self):
        # Start-up has run once the update reminder has written its first date.
        cases = [
            ("offscreen", None),
            ("vnc:port=0", None),
            # Qt's own warning as it passes over the first, held while the platform opens.
            ("bogus;offscreen", 'qt.qpa.plugin: Could not find the Qt platform plugin "bogus"'),
        ]
        for platform, said in cases:
            with self.subTest(platform=platform), tempfile.TemporaryDirectory() as home:
                runtime = Path(home) / "runtime"
                runtime.mkdir(mode=0o700)
                env = {"PATH": "/usr/bin:/bin", "HOME": home, "LANG": "C.UTF-8", "XDG_RUNTIME_DIR": str(runtime)}
                errors = Path(home) / "errors"
                with open(errors, "wb") as log:
                    process = subprocess.Popen([str(harness.BINARY), "-platform", platform], env=env, cwd=home,
                                               stdout=subprocess.DEVNULL, stderr=log)
                try:
                    wait_for(lambda: process.poll() is not None or
                             (Path(home) / ".config" / "parsiva" / "parsiva.conf").exists(),
                             what="start-up to write its first date")
                    self.assertIsNone(process.poll(), errors.read_text())
                finally:
                    harness.stop(process)
                text = errors.read_text()
                self.assertNotIn("desktop session", text)
                if said:
                    self.assertIn(said, text)


if __name__ == "__main__":
    # One scenario a process (the accessibility library binds to the first session's bus);
    # a skipped scenario exits 77 so that CTest reports it skipped, never passed.
    outcome = unittest.main(exit=False).result
    if outcome.skipped and outcome.wasSuccessful():
        sys.exit(77)
    sys.exit(0 if outcome.wasSuccessful() else 1)
