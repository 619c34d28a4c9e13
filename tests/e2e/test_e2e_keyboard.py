"""End-to-end tests of what a person does with keys and clicks alone: access keys, links by
keyboard, and the exit screen's placeholders with and without a window manager."""

import subprocess
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402
import test_e2e  # noqa: E402
from harness import Session, find, find_all, text_of, wait_for  # noqa: E402

CAPTION = test_e2e.CAPTION
SITE = test_e2e.SITE


def showing(accessible):
    try:
        return accessible.getState().contains(harness.pyatspi.STATE_SHOWING)
    except Exception:
        return False


def front_offer_page(window):
    """The page of the offer in front; the one behind is hidden."""
    for label in find_all(window, "label"):
        if showing(label) and "co-branded" in label.name:
            return SITE + "co-brand"
        if showing(label) and "fully branded" in label.name:
            return SITE + "fully-branded"
    raise AssertionError("no offer label shows")


def x_windows(session, title):
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                          env=session.env, capture_output=True, text=True).stdout.split()


class Keyboard(unittest.TestCase):
    run_main = test_e2e.EndToEnd.run_main
    enter_ann_lee = test_e2e.EndToEnd.enter_ann_lee
    reach_result = test_e2e.EndToEnd.reach_result
    wait_result = test_e2e.EndToEnd.wait_result

    def file_menu_open(self, app):
        """Whether the File menu is on screen: its Exit entry shows only while it is open."""
        return any(showing(item) for item in find_all(app, "menu item", "Exit"))

    def test_alt_f_opens_the_file_menu_every_time(self):
        with Session("alt-f") as session:
            process, app, main = self.run_main(session)
            name_box = find(main, "text", "Name")
            session.focus_window(CAPTION)
            wait_for(lambda: name_box.getState().contains(harness.pyatspi.STATE_FOCUSED),
                     what="the keyboard in the name box")
            session.type("Ann Lee")
            for press in range(5):
                session.keys("alt+f")
                wait_for(lambda: self.file_menu_open(app), what=f"the File menu, press {press + 1}")
                session.keys("Escape")
                wait_for(lambda: not self.file_menu_open(app), what="the File menu to close")
                # Escape leaves the bar's own keyboard mode as well, as a person expects.
                session.keys("Escape")
            session.keys("alt+f", "f")
            result = self.wait_result(session, app)
            self.assertIn("DEY", " ".join(label.name for label in find_all(result, "label")))

    def test_links_of_the_main_window_and_about_box_open_by_keyboard(self):
        with Session("keyboard-links") as session:
            process, app, main = self.run_main(session)
            name_box = find(main, "text", "Name")
            session.focus_window(CAPTION)
            wait_for(lambda: name_box.getState().contains(harness.pyatspi.STATE_FOCUSED),
                     what="the keyboard in the name box")
            # Name, the three lists, Find and Open come first, as they always did.
            session.keys(*["Tab"] * 6, "Return")
            wait_for(lambda: len(session.opened()) == 1, what="the banner's page")
            session.keys("Tab", "space")
            wait_for(lambda: len(session.opened()) == 2, what="the offer's page")
            self.assertEqual(session.opened(), [SITE + "home-page", front_offer_page(main)])

            session.focus_window(CAPTION)
            session.keys("alt+h", "a")
            about = wait_for(lambda: next((w for w in session.windows(app) if w.getRoleName() == "dialog"),
                                          None), what="the About box")
            ok = find(about, "push button", "OK")
            wait_for(lambda: ok.getState().contains(harness.pyatspi.STATE_FOCUSED),
                     what="the About box to open on OK")
            session.keys("Tab", "Return")
            wait_for(lambda: len(session.opened()) == 3, what="the About box's offer page")
            session.keys("Tab", "space")
            wait_for(lambda: len(session.opened()) == 4, what="the About box's home page")
            self.assertEqual(session.opened()[2:], [SITE + "fully-branded", SITE + "home-page"])
            self.assertTrue(showing(about), "a link leaves the About box open")
            session.screenshot("about-box-link-focused")
            session.keys("Escape")
            wait_for(lambda: not any(w.getRoleName() == "dialog" for w in session.windows(app)),
                     what="the About box to close")

    def placeholders_take_exactly_what_is_typed(self, window_manager):
        with Session("placeholders", window_manager=window_manager) as session:
            process, app, _ = self.reach_result(session)
            session.focus_window(CAPTION)
            session.keys("alt+x")
            screen = wait_for(lambda: next((w for w in session.windows(app)
                                            if find(w, "push button", "Refer A Friend Now")), None),
                              what="the exit screen")
            if window_manager:
                window_id = wait_for(lambda: x_windows(session, CAPTION), what="the exit screen's X window")[-1]
                self.assertIn("_NET_WM_STATE_ABOVE", session.window_property(window_id, "_NET_WM_STATE"))

            boxes = find_all(screen, "text")
            name_box = next(box for box in boxes if text_of(box) == "Your Name")
            friend_email = next(box for box in boxes if text_of(box) == "Friend's Email Address")

            # The first click into the freshly shown screen.
            session.click_at(name_box)
            session.type("Zed")
            wait_for(lambda: text_of(name_box) == "Zed", timeout=5,
                     what=f"'Zed' in the name box, not {text_of(name_box)!r}")

            session.click_at(find(screen, "push button", "Refer A Friend Now"))
            notice = session.window(app, "Parsiva")
            self.assertTrue(find(notice, "label", "Please Enter Proper Email Address"))
            session.click_at(find(notice, "push button", "OK"))
            wait_for(lambda: not any(w.name == "Parsiva" for w in session.windows(app)),
                     what="the message to close")

            # An untouched box after the refusal.
            session.click_at(friend_email)
            session.type("bob@y.example")
            wait_for(lambda: text_of(friend_email) == "bob@y.example", timeout=5,
                     what=f"the address alone in its box, not {text_of(friend_email)!r}")
            self.assertEqual(text_of(name_box), "Zed")
            session.screenshot("exit-screen-typed" + ("" if window_manager else "-no-wm"))

    def test_exit_screen_placeholders_under_a_window_manager(self):
        self.placeholders_take_exactly_what_is_typed(window_manager=True)

    def test_exit_screen_placeholders_without_a_window_manager(self):
        self.placeholders_take_exactly_what_is_typed(window_manager=False)


if __name__ == "__main__":
    outcome = unittest.main(exit=False).result
    if outcome.skipped and outcome.wasSuccessful():
        sys.exit(77)
    sys.exit(0 if outcome.wasSuccessful() else 1)
