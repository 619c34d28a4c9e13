"""Runs the built parsiva binary as a person would meet it: a private X server, a session
D-Bus with the accessibility bus, its own HOME, and a stand-in xdg-open that logs addresses.
The window tree is read over AT-SPI; keys and clicks go in through xdotool or AT-SPI actions."""

import os
import pwd
import shutil
import signal
import subprocess
import sys
import tempfile
import time
from pathlib import Path

# Imported once the session's buses exist: the library binds to the bus it finds at import.
pyatspi = None

REPO = Path(__file__).resolve().parents[2]
BINARY = Path(os.environ.get("PARSIVA_BINARY", REPO / "build" / "parsiva"))
SCREENS = Path(os.environ.get("PARSIVA_SCREENS", BINARY.parent / "e2e-screens"))

FAKE_OPENER = """#!/bin/sh
printf '%s\\n' "$1" >> "{log}"
"""


def wait_for(predicate, timeout=20.0, interval=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(interval)


def walk(accessible, depth=0, limit=40):
    """Every accessible below this one, depth first; dead objects are skipped."""
    if accessible is None or depth > limit:
        return
    yield accessible
    try:
        count = accessible.childCount
    except Exception:
        return
    for index in range(count):
        try:
            child = accessible.getChildAtIndex(index)
        except Exception:
            continue
        yield from walk(child, depth + 1, limit)


def find_all(root, role=None, name=None):
    found = []
    for accessible in walk(root):
        try:
            if role is not None and accessible.getRoleName() != role:
                continue
            if name is not None and accessible.name != name:
                continue
        except Exception:
            continue
        found.append(accessible)
    return found


def find(root, role=None, name=None):
    matches = find_all(root, role, name)
    return matches[0] if matches else None


def text_of(accessible):
    try:
        text = accessible.queryText()
        return text.getText(0, -1)
    except Exception:
        return accessible.name


def press(accessible):
    """The accessible's first action: press for buttons, click for menu items."""
    action = accessible.queryAction()
    action.doAction(0)


class Session:
    """One desktop session for one test: X server, buses, HOME, PATH with the stand-in opener,
    and a window manager (openbox) as on a person's desktop unless window_manager is False."""

    def __init__(self, name, window_manager=True):
        self.name = name
        self.window_manager = window_manager
        self.wm = None
        self.root = Path(tempfile.mkdtemp(prefix=f"parsiva-e2e-{name}-"))
        self.home = self.root / "home"
        self.runtime = self.root / "runtime"
        self.bin = self.root / "bin"
        self.opened_log = self.root / "opened.log"
        for folder in (self.home, self.runtime, self.bin):
            folder.mkdir(parents=True)
        self.runtime.chmod(0o700)
        opener = self.bin / "xdg-open"
        opener.write_text(FAKE_OPENER.format(log=self.opened_log))
        opener.chmod(0o755)
        self.processes = []
        self.env = None

    # Setting up and tearing down -------------------------------------------------------------

    def __enter__(self):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            display = ":" + pipe.readline().strip()
        # The display number can come before the server answers; wait until it does.
        wait_for(lambda: subprocess.run(["xdotool", "getdisplaygeometry"], env={"DISPLAY": display},
                                        capture_output=True).returncode == 0,
                 what=f"the X server on {display}")
        env = {
            "PATH": f"{self.bin}:/usr/local/bin:/usr/bin:/bin",
            "HOME": str(self.home),
            "XDG_RUNTIME_DIR": str(self.runtime),
            "DISPLAY": display,
            "LANG": "C.UTF-8",
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "NO_AT_BRIDGE": "0",
        }
        output = subprocess.run(["dbus-launch", "--sh-syntax"], env=env, check=True,
                                capture_output=True, text=True).stdout
        for line in output.splitlines():
            if "=" in line:
                key, value = line.split("=", 1)
                value = value.rstrip(";").strip("'")
                if key in ("DBUS_SESSION_BUS_ADDRESS", "DBUS_SESSION_BUS_PID"):
                    env[key] = value
        self.dbus_pid = int(env["DBUS_SESSION_BUS_PID"])
        self.env = env
        # pyatspi talks to the accessibility bus of this session's D-Bus.
        os.environ.update({k: env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        self.atspi = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                      env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(0.5)
        # A program started before the accessibility bus answers never joins it; without the
        # window manager's start-up in between, that happened now and then.
        wait_for(lambda: subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply",
                                         "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                                        env=env, capture_output=True).returncode == 0,
                 what="the accessibility bus")
        if self.window_manager:
            self.start_window_manager()
        global pyatspi
        if pyatspi is None:
            import pyatspi as module
            pyatspi = module
        return self

    def start_window_manager(self):
        log = self.root / "openbox.log"
        # Now and then openbox cannot open a display that has just answered; it then ends at
        # once, and a second start finds it.
        for attempt in range(3):
            with open(log, "wb") as output:
                self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                           stdout=output, stderr=subprocess.STDOUT)
            # Running once it has claimed the screen: the root window names its check window.
            managing = wait_for(lambda: self.wm.poll() is not None and "ended" or
                                "window id" in self.root_property("_NET_SUPPORTING_WM_CHECK"),
                                what="openbox to manage the screen")
            if managing is True:
                return
            time.sleep(0.5)
        raise AssertionError(f"openbox ended with {self.wm.returncode}: {log.read_text()}")

    def root_property(self, name):
        return subprocess.run(["xprop", "-root", name], env=self.env, capture_output=True,
                              text=True).stdout

    def window_property(self, window_id, name):
        return subprocess.run(["xprop", "-id", window_id, name], env=self.env,
                              capture_output=True, text=True).stdout

    def __exit__(self, *exc):
        for process in self.processes:
            if process.poll() is None:
                process.kill()
                process.wait()
        if self.wm is not None:
            if self.wm.poll() is not None:
                print(f"openbox ended early with {self.wm.returncode}:\n"
                      f"{(self.root / 'openbox.log').read_text()}", file=sys.stderr)
            self.wm.terminate()
            try:
                self.wm.wait(5)
            except subprocess.TimeoutExpired:
                self.wm.kill()
                self.wm.wait()
        for process in (self.atspi, self.xvfb):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        try:
            os.kill(self.dbus_pid, signal.SIGTERM)
        except ProcessLookupError:
            pass
        shutil.rmtree(self.root, ignore_errors=True)
        return False

    # The program -----------------------------------------------------------------------------

    def start(self, *arguments):
        """Starts the program in the session's root folder, with these command-line arguments."""
        with open(self.root / f"parsiva-{len(self.processes)}.log", "wb") as log:
            process = subprocess.Popen([str(BINARY), *arguments], env=self.env, cwd=self.root,
                                       stdout=log, stderr=subprocess.STDOUT)
        self.processes.append(process)
        return process

    def application(self, process, timeout=30):
        """The AT-SPI application object of a started process."""

        def lookup():
            desktop = pyatspi.Registry.getDesktop(0)
            for index in range(desktop.childCount):
                try:
                    app = desktop.getChildAtIndex(index)
                    if app is not None and app.get_process_id() == process.pid:
                        return app
                except Exception:
                    continue
            return None

        return wait_for(lookup, timeout, what=f"pid {process.pid} on the accessibility bus")

    def windows(self, app):
        """Top-level windows (frames and dialogs) that are showing."""
        shown = []
        for index in range(app.childCount):
            try:
                window = app.getChildAtIndex(index)
                if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
                    shown.append(window)
            except Exception:
                continue
        return shown

    def window(self, app, name=None, role=None, timeout=20):
        def lookup():
            for window in self.windows(app):
                if (name is None or window.name == name) and (role is None or window.getRoleName() == role):
                    return window
            return None

        return wait_for(lookup, timeout, what=f"window {name or role}")

    def window_names(self, app):
        return sorted((w.getRoleName(), w.name) for w in self.windows(app))

    # Acting as a person -----------------------------------------------------------------------

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True)

    def focus_window(self, title, accessible=None):
        """Gives the keyboard to the X window of this title; with several of one title, to the
        one where the accessible window lies. Without a window manager nothing else does."""
        ids = wait_for(lambda: subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                                              env=self.env, capture_output=True, text=True).stdout.split(),
                       what=f"X window {title}")
        chosen = ids[-1]
        if accessible is not None:
            x, y, width, height = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            for window_id in ids:
                geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window_id],
                                          env=self.env, capture_output=True, text=True).stdout
                values = dict(line.split("=", 1) for line in geometry.split())
                if (int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                        int(values["HEIGHT"])) == (x, y, width, height):
                    chosen = window_id
        # A window manager is asked to activate it, as its own click would; without one the
        # keyboard focus is set directly.
        self.xdotool("windowactivate" if self.wm else "windowfocus", "--sync", chosen)
        return chosen

    def type(self, text):
        self.xdotool("type", "--delay", "15", text)

    def keys(self, *keys):
        for key in keys:
            self.xdotool("key", key)

    def click_at(self, accessible, button=1):
        component = accessible.queryComponent()
        x, y, width, height = component.getExtents(pyatspi.DESKTOP_COORDS)
        self.xdotool("mousemove", "--sync", str(x + width // 2), str(y + height // 2))
        self.xdotool("click", str(button))

    def opened(self):
        if not self.opened_log.exists():
            return []
        return self.opened_log.read_text().splitlines()

    def settings_file(self):
        return self.home / ".config" / "parsiva" / "parsiva.conf"

    def screenshot(self, name):
        SCREENS.mkdir(parents=True, exist_ok=True)
        target = SCREENS / f"{name}.png"
        subprocess.run(["import", "-window", "root", str(target)], env=self.env, check=False,
                       capture_output=True)
        return target


def printing_user_home():
    return Path(pwd.getpwuid(os.getuid()).pw_dir)
