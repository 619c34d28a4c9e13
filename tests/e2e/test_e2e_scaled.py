"""End-to-end test of the built program on a desktop scaled to 200 %: the window icon and the
About box's picture come from renderings with the pixels the screen has, not from small ones
scaled up."""

import re
import subprocess
import sys
import unittest
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import harness  # noqa: E402
from harness import Session, find, wait_for  # noqa: E402

CAPTION = "Parsiva v1.10"
ICONS = harness.REPO / "packaging" / "icons"


def magick(*arguments):
    done = subprocess.run(list(arguments), capture_output=True, text=True, check=True)
    return done.stdout.strip()


def icon_sizes(session, window_id):
    """The images a window's _NET_WM_ICON offers, as (width, height)."""
    text = session.window_property(window_id, "_NET_WM_ICON")
    return [(int(w), int(h)) for w, h in re.findall(r"Icon \((\d+) x (\d+)\)", text)]


def difference(picture, rendering, background, size):
    """How far a picture on screen is from a rendering drawn on its background at this size:
    the mean absolute difference of the channels, from 0 to 1."""
    reference = picture.with_name(f"reference-{rendering.stem}.png")
    magick("convert", "-size", f"{size}x{size}", f"xc:{background}",
           "(", str(rendering), "-resize", f"{size}x{size}", ")", "-composite", str(reference))
    done = subprocess.run(["compare", "-metric", "MAE", str(picture), str(reference), "null:"],
                          capture_output=True, text=True)
    return float(re.search(r"\(([\d.e+-]+)\)", done.stderr).group(1))


class Scaled(unittest.TestCase):
    def x_window(self, session, accessible, scale=2):
        """The X window of a top-level accessible: AT-SPI gives logical pixels, X device ones."""
        _, _, width, height = accessible.queryComponent().getExtents(harness.pyatspi.DESKTOP_COORDS)

        def lookup():
            for window_id in subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{CAPTION}$"],
                                            env=session.env, capture_output=True, text=True).stdout.split():
                geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window_id],
                                          env=session.env, capture_output=True, text=True).stdout
                values = dict(line.split("=", 1) for line in geometry.split())
                if (int(values["WIDTH"]), int(values["HEIGHT"])) == (scale * width, scale * height):
                    return window_id
            return None

        return wait_for(lookup, what=f"the X window of {accessible.getRoleName()} {accessible.name}")

    def test_icon_and_about_picture_at_200_percent(self):
        with Session("scaled") as session:
            session.env["QT_SCALE_FACTOR"] = "2"
            process = session.start()
            app = session.application(process)
            main = session.window(app, CAPTION, "frame")
            wait_for(lambda: find(main, "text", "Name"), what="the name box")
            main_id = self.x_window(session, main)
            self.assertIn((128, 128), icon_sizes(session, main_id))
            # The birth details of the unscaled screenshot, short of finding the sign.
            session.focus_window(CAPTION)
            session.type("Ann Lee")
            session.xdotool("key", "Tab", *["Down"] * 7, "Tab", *["Down"] * 22, "Tab", *["Down"] * 75, "Tab")
            wait_for(lambda: find(main, "combo box", "1975"), what="the year 1975")
            session.screenshot("main-window-2x", window=main_id)

            session.keys("alt+h", "a")
            about = session.window(app, CAPTION, "dialog")
            ok = find(about, "push button", "OK")
            wait_for(lambda: ok.getState().contains(harness.pyatspi.STATE_FOCUSED), what="the About box to open on OK")
            about_id = self.x_window(session, about)
            self.assertIn((128, 128), icon_sizes(session, about_id))
            shot = session.screenshot("about-box-2x", window=about_id)

            # The picture's place in the box, in the box's logical pixels, times the scale.
            box_x, box_y, _, _ = about.queryComponent().getExtents(harness.pyatspi.DESKTOP_COORDS)
            x, y, width, height = find(about, "image").queryComponent().getExtents(harness.pyatspi.DESKTOP_COORDS)
            self.assertEqual((width, height), (64, 64))
            picture = session.root / "picture.png"
            magick("convert", str(shot), "-crop", f"128x128+{2 * (x - box_x)}+{2 * (y - box_y)}", "+repage",
                   str(picture))
            # The picture's corners are the box's own background.
            background = magick("convert", str(picture), "-format", "%[pixel:p{0,0}]", "info:")
            sharp = difference(picture, ICONS / "parsiva-128.png", background, 128)
            scaled_up = difference(picture, ICONS / "parsiva-64.png", background, 128)
            self.assertLess(sharp, 0.002, f"the 128 px rendering, drawn 1:1 (64 px scaled up: {scaled_up})")
            self.assertLess(sharp * 10, scaled_up)


if __name__ == "__main__":
    outcome = unittest.main(exit=False).result
    if outcome.skipped and outcome.wasSuccessful():
        sys.exit(77)
    sys.exit(0 if outcome.wasSuccessful() else 1)
