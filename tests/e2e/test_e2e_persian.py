"""End-to-end tests of the program on a Persian desktop: the reading road by the Persian
keyboard, a refusal in Persian, a Persian name saved, opened again and printed."""

import subprocess
import sys
import unicodedata
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402
from harness import Session, find, find_all, text_of, wait_for  # noqa: E402
from private_cups import PrivateCups  # noqa: E402

CAPTION = "پارسیوا نسخهٔ 1.10"
TITLE = "پارسیوا"
NAME = "سارا رضایی"
FILE_NAME = "طالع"
# The access keys as the Persian layout types them: پ opens the File menu and there runs Find,
# چ prints, ذ saves, ب goes back on the result window and opens a reading on the main window.
FILE_MENU, FIND, PRINT, SAVE, BACK_OR_OPEN = "Arabic_peh", "Arabic_peh", "Arabic_tcheh", "Arabic_thal", "Arabic_beh"
REPORT_LINES = ["نام: " + NAME, "تاریخ تولد: ۲۳ اوت ۱۹۷۵", "نشان خورشیدی: شهریور (سنبله)",
                "فصل: تابستان", "ایزد: خشتره وئیریه"]


def letters(text):
    """Letters and digits only, after NFKC: what survives pdftotext's presentation forms,
    direction marks and moved punctuation."""
    return "".join(c for c in unicodedata.normalize("NFKC", text) if c.isalnum())


def keyboard_layout(session, layout):
    subprocess.run(["setxkbmap", layout], env=session.env, check=True, capture_output=True)


def persian_desktop(session, formats="fa_IR.UTF-8"):
    """The session's language: Persian, with the formats' locale given apart (never a generated
    glibc locale: Qt reads the variables itself), and the Persian keyboard layout."""
    session.env.update({"LANG": formats, "LANGUAGE": "fa"})
    keyboard_layout(session, "ir")


class Persian(unittest.TestCase):
    def run_main(self, session):
        process = session.start()
        app = session.application(process)
        main = session.window(app, CAPTION, "frame")
        name_box = wait_for(lambda: find(main, "text", "نام"), what="the name box")
        session.focus_window(CAPTION)
        wait_for(lambda: name_box.getState().contains(harness.pyatspi.STATE_FOCUSED),
                 what="the keyboard in the name box")
        return process, app, main, name_box

    def choose_august_23_1975(self, session, main):
        session.keys("Tab", *["Down"] * 7, "Tab", *["Down"] * 22, "Tab", *["Down"] * 75)
        # A list is announced by the entry it shows: the month in Persian, the numbers in
        # Persian digits.
        wait_for(lambda: [box.name for box in find_all(main, "combo box")] == ["اوت", "۲۳", "۱۹۷۵"],
                 timeout=5, what="August 23, 1975 in Persian, not "
                 f"{[box.name for box in find_all(main, 'combo box')]}")

    def type_file_name(self, session, dialog):
        """Types the file name once the dialog's name box has the keyboard, and waits until the
        box holds it: a key pressed while the dialog is still coming up goes elsewhere."""
        focused = harness.pyatspi.STATE_FOCUSED
        box = wait_for(lambda: next((t for t in find_all(dialog, "text") if t.getState().contains(focused)),
                                    None), what="the keyboard in the file name box")
        session.type(FILE_NAME)
        wait_for(lambda: text_of(box) == FILE_NAME, what=f"the file name, not {text_of(box)!r}")
        session.keys("Return")

    def wait_result(self, session, app):
        return wait_for(lambda: next((w for w in session.windows(app)
                                      if w.name == CAPTION and find(w, "push button", "بازگشت")), None),
                        what="the result window")

    def result_texts(self, window):
        labels = {label.description: label.name for label in find_all(window, "label")}
        return [labels.get(field) for field in ("نشان طالع ایرانی", "فصل", "ایزد")]

    def test_reading_road_by_the_persian_keyboard(self):
        with Session("persian-road") as session:
            persian_desktop(session)
            process, app, main, name_box = self.run_main(session)
            session.screenshot("main-window-fa")

            # Find with an empty name: refused in Persian, under Qt's own Persian OK.
            session.keys(f"alt+{FILE_MENU}", FIND)
            notice = session.window(app, TITLE, timeout=10)
            self.assertTrue(find(notice, "label", "لطفاً نام خود را وارد کنید"), "the refusal")
            ok = find(notice, "push button", "تأیید")
            self.assertTrue(ok, "Qt's own OK in Persian")
            session.screenshot("refusal-fa")
            session.keys("Return")
            wait_for(lambda: name_box.getState().contains(harness.pyatspi.STATE_FOCUSED),
                     what="the keyboard back in the name box")

            session.type(NAME)
            wait_for(lambda: text_of(name_box) == NAME, what=f"the typed name, not {text_of(name_box)!r}")
            self.choose_august_23_1975(session, main)
            session.keys(f"alt+{FILE_MENU}", FIND)
            result = self.wait_result(session, app)
            self.assertEqual(self.result_texts(result), ["شهریور (سنبله)", "تابستان", "خشتره وئیریه"])
            wait_for(lambda: len(session.windows(app)) == 1, what="the main window to go")
            session.screenshot("result-window-fa")

    def test_a_persian_name_is_saved_opened_again_and_printed(self):
        with Session("persian-save") as session, PrivateCups() as cups:
            # Formats in English, interface in Persian: the digits still follow the interface.
            persian_desktop(session, formats="en_US.UTF-8")
            session.env["CUPS_SERVER"] = cups.socket
            process, app, main, name_box = self.run_main(session)
            session.type(NAME)
            wait_for(lambda: text_of(name_box) == NAME, what="the typed name")
            self.choose_august_23_1975(session, main)
            session.keys(f"alt+{FILE_MENU}", FIND)
            self.wait_result(session, app)

            session.focus_window(CAPTION)
            session.keys(f"alt+{PRINT}")
            report = session.window(app, CAPTION, "dialog")
            text = wait_for(lambda: text_of(find(report, "text")) or None, what="the report text")
            for line in REPORT_LINES:
                self.assertIn(line, text)
            session.screenshot("report-window-fa")

            # A file name in Persian, typed on the Persian layout into the program's own folder;
            # the dialog adds the ending.
            session.focus_window(CAPTION, report)
            session.keys(f"alt+{SAVE}")
            dialog = session.window(app, "ذخیرهٔ نتیجهٔ نشان فلکی شما ....", "dialog")
            session.screenshot("save-dialog-fa")
            self.type_file_name(session, dialog)
            saved = session.root / (FILE_NAME + ".zod")
            wait_for(saved.exists, what="the reading file")
            # The four lines any reader knows, then the line that keeps the name as typed.
            self.assertEqual(saved.read_bytes().count(b"\r\n"), 5)

            # Printed: the Persian words reach the queue.
            session.focus_window(CAPTION, report)
            session.keys(f"alt+{PRINT}")
            wait_for(cups.completed_jobs, timeout=60, what="the print job to complete")
            printed = wait_for(cups.printed_text, timeout=30, what="the printed document")
            for line in REPORT_LINES:
                self.assertIn(letters(line), letters(printed))

            session.focus_window(CAPTION, report)
            session.keys("Escape")
            wait_for(lambda: not any(w.getRoleName() == "dialog" for w in session.windows(app)),
                     what="the report window to close")
            session.focus_window(CAPTION)
            session.keys(f"alt+{BACK_OR_OPEN}")
            main = wait_for(lambda: next((w for w in session.windows(app) if find(w, "text", "نام")), None),
                            what="a fresh main window")
            session.focus_window(CAPTION)
            session.keys(f"alt+{BACK_OR_OPEN}")
            self.type_file_name(session, session.window(app, "پروندهٔ مبدأ را برگزینید", "dialog"))
            self.wait_result(session, app)

            # The name comes back exactly: the report of the opened reading shows it.
            session.focus_window(CAPTION)
            session.keys(f"alt+{PRINT}")
            report = session.window(app, CAPTION, "dialog")
            text = wait_for(lambda: text_of(find(report, "text")) or None, what="the reopened report")
            self.assertIn("نام: " + NAME + "\n", text.replace("\r", ""))


if __name__ == "__main__":
    outcome = unittest.main(exit=False).result
    if outcome.skipped and outcome.wasSuccessful():
        sys.exit(77)
    sys.exit(0 if outcome.wasSuccessful() else 1)
