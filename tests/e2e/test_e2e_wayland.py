"""End-to-end tests of the built program on Wayland, under a private headless Weston. Such a
compositor has no input seat, so nothing can be typed or clicked: buttons and menus are worked
through their AT-SPI actions, and text goes into boxes over AT-SPI. Qt 6.4 offers no action that
chooses an entry of a drop-down list (an entry's Toggle only marks it in the open list), so the
birth-date lists keep their first entries, and the other dates come from reading files."""

import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402
from harness import Session, do_action, find, find_all, press, text_of, wait_for  # noqa: E402
from test_e2e_command_line import reading_file  # noqa: E402

CAPTION = "Parsiva v1.10"
APPLICATION_ID = "example.velmora.Parsiva"
CYRUS = ("Cyrus", "June", "24", "1988")
# Without a seat Qt cannot set the clipboard, which the report window empties; a desktop has one.
SEATLESS_CLIPBOARD = "qt.qpa.wayland: Can't set clipboard contents with no wl_seats available"


def result_texts(window):
    labels = {label.description: label.name for label in find_all(window, "label")}
    return [labels.get(field) for field in ("Iranian Astrology Sign", "Season", "God")]


class Wayland(unittest.TestCase):
    def result_window(self, session, app):
        return wait_for(lambda: next((w for w in session.windows(app) if find(w, "push button", "Back")), None),
                        what="the result window")

    def choose(self, window, menu, item):
        """Opens a menu of the window's bar and chooses an entry, through their actions."""
        do_action(find(window, "menu item", menu), "ShowMenu")
        return find(window, "menu item", item)

    def assert_every_window_names_the_application(self, session):
        titles = session.compositor_requests("set_title")
        ids = session.compositor_requests("set_app_id")
        self.assertTrue(titles)
        self.assertEqual(ids, [f'"{APPLICATION_ID}"'] * len(titles))

    def test_reading_road_back_second_reading_and_exit_screen(self):
        with Session("wayland-road", wayland=True) as session:
            (session.root / "cyrus.zod").write_bytes(reading_file(*CYRUS))
            process = session.start()
            app = session.application(process)
            main = session.window(app, CAPTION, "frame")

            # The lists keep their first entries: January 1, 1900.
            session.insert_text(find(main, "text", "Name"), "Ann Lee")
            press(find(main, "push button", "Find My Iranian Astrology Sign"))
            result = self.result_window(session, app)
            self.assertEqual(result_texts(result), ["DEY (CAPRICORN)", "Winter", "Dadar"])
            wait_for(lambda: len(session.windows(app)) == 1, what="the main window to go")

            press(self.choose(result, "File", "Back"))
            main = wait_for(lambda: next((w for w in session.windows(app) if find(w, "text", "Name")), None),
                            what="a fresh main window")
            self.assertEqual(text_of(find(main, "text", "Name")), "")
            self.assertEqual(len(session.windows(app)), 1)

            press(find(main, "push button", "Open Previously Saved Reading"))
            dialog = session.window(app, "Select the source file", "dialog")
            session.insert_text(find(dialog, "text", "File name:"), str(session.root / "cyrus.zod"))
            press(find(dialog, "push button", "Open"))
            result = wait_for(lambda: next((w for w in session.windows(app) if find(w, "label", "TIR (CANCER)")), None),
                              what="the second reading")
            self.assertEqual(result_texts(result), ["TIR (CANCER)", "Summer", "Tishtrya"])

            # The menu item opens the modal About box and answers only once it is closed.
            answer = session.press_and_go_on(self.choose(result, "Help", "About Software"))
            about = session.window(app, CAPTION, "dialog")
            press(find(about, "push button", "OK"))
            self.assertEqual(answer.wait(20), 0, answer.stderr.read())
            wait_for(lambda: len(session.windows(app)) == 1, what="the About box to close")

            press(self.choose(result, "File", "Exit"))
            exit_screen = wait_for(lambda: next((w for w in session.windows(app)
                                                 if find(w, "push button", "Refer A Friend Now")), None),
                                   what="the exit screen")
            self.assertEqual(session.window_names(app), [("frame", CAPTION)])
            press(find(exit_screen, "push button", "Exit"))
            self.assertEqual(process.wait(10), 0)
            # Nothing said about the exit screen's wish to stay on top, or about placing windows.
            self.assertEqual(session.errors(process), "")
            self.assert_every_window_names_the_application(session)

    def test_a_gnome_session_lets_qt_pick_wayland(self):
        # As GNOME starts programs: XDG_SESSION_TYPE and WAYLAND_DISPLAY, no QT_QPA_PLATFORM, and
        # no DISPLAY, so any window at all is a Wayland window.
        with Session("wayland-gnome", wayland=True, name_platform=False) as session:
            self.assertNotIn("QT_QPA_PLATFORM", session.env)
            self.assertNotIn("DISPLAY", session.env)
            (session.root / "cyrus.zod").write_bytes(reading_file(*CYRUS))
            first = session.start("cyrus.zod")
            app = session.application(first)
            result = self.result_window(session, app)
            self.assertEqual(result_texts(result), ["TIR (CANCER)", "Summer", "Tishtrya"])
            wait_for(lambda: len(session.windows(app)) == 1, what="the main window to go")

            second = session.start()
            second_app = session.application(second)
            box = session.window(second_app, "Parsiva")
            self.assertTrue(find(box, "label", "Application is already running"), "message text")
            self.assertEqual(len(session.windows(second_app)), 1)
            press(find(box, "push button", "OK"))
            self.assertEqual(second.wait(10), 0)
            self.assertEqual(session.errors(second), "")
            self.assertEqual(session.window_names(app), [("frame", CAPTION)])

            press(find(result, "push button", "Print"))
            report = session.window(app, CAPTION, "dialog")
            text = wait_for(lambda: text_of(find(report, "text")) or None, what="the report text")
            for line in ("Name: Cyrus", "Date of Birth: June 24, 1988", "Sun Sign: TIR (CANCER)"):
                self.assertIn(line, text)

            press(find(report, "push button", "Save"))
            dialog = session.window(app, "Save Your Zodiac Signs Result ....", "dialog")
            session.insert_text(find(dialog, "text", "File name:"), str(session.root / "saved"))
            press(find(dialog, "push button", "Save"))
            saved = session.root / "saved.zod"
            wait_for(saved.exists, what="the reading file")
            wait_for(lambda: saved.read_bytes() == reading_file(*CYRUS), timeout=5, what="the whole reading file")
            wait_for(lambda: not any(w.name.startswith("Save Your") for w in session.windows(app)),
                     what="the save dialog to close")
            self.assertIsNone(first.poll())
            # No seat, no way to close the report: the session stops the program.
            unexpected = [line for line in session.errors(first).splitlines() if line != SEATLESS_CLIPBOARD]
            self.assertEqual(unexpected, [])
            self.assert_every_window_names_the_application(session)


if __name__ == "__main__":
    outcome = unittest.main(exit=False).result
    if outcome.skipped and outcome.wasSuccessful():
        sys.exit(77)
    sys.exit(0 if outcome.wasSuccessful() else 1)
