"""End-to-end tests of the command line: a reading file handed to the built program, and the
options that answer in a terminal without any display."""

import os
import subprocess
import sys
import tempfile
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
    def run_program(self, *arguments):
        with tempfile.TemporaryDirectory() as home:
            # No DISPLAY, no WAYLAND_DISPLAY, no platform chosen: a terminal on a bare machine.
            env = {"PATH": "/usr/bin:/bin", "HOME": home, "LANG": "C.UTF-8"}
            return subprocess.run([str(harness.BINARY), *arguments], env=env, cwd=home,
                                  capture_output=True, text=True, timeout=20)

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


if __name__ == "__main__":
    # One scenario a process (the accessibility library binds to the first session's bus);
    # a skipped scenario exits 77 so that CTest reports it skipped, never passed.
    outcome = unittest.main(exit=False).result
    if outcome.skipped and outcome.wasSuccessful():
        sys.exit(77)
    sys.exit(0 if outcome.wasSuccessful() else 1)
