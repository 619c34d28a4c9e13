"""Runs the built parsiva binary as a person would meet it: a private X server or Wayland
compositor, a session D-Bus with the accessibility bus, its own HOME, and a stand-in xdg-open
that logs addresses. The window tree is read over AT-SPI; keys and clicks go in through xdotool
or AT-SPI actions."""

import ctypes
import os
import pwd
import re
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

# The caption of the birth-details, result and report windows.
CAPTION = "Parsiva v1.10"

FAKE_OPENER = """#!/bin/sh
printf '%s\\n' "$1" >> "{log}"
"""

# A desktop shell without a panel, and no on-screen keyboard.
WESTON_CONFIG = """[shell]
panel-position=none
locking=false

[input-method]
path=
"""
WAYLAND_SOCKET = "parsiva-wayland"


def wait_for(predicate, timeout=20.0, interval=0.1, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        result = predicate()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(interval)


def stop(process, grace=5):
    """Ends a started process: politely first, then for sure."""
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(grace)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def start_x_server(attempts=3, timeout=20):
    """A private Xvfb on a free display, once a client can connect to it: (process, ":n").
    Without -noreset the server resets when the check's client leaves, and refuses the next
    one meanwhile. A server that still refuses clients gets the rest of the timeout, and then
    a fresh one takes its place."""
    failures = []
    for _ in range(attempts):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if number:
            display = ":" + number
            deadline = time.monotonic() + timeout
            while xvfb.poll() is None and time.monotonic() < deadline:
                if subprocess.run(["xdotool", "getdisplaygeometry"], env={"DISPLAY": display},
                                  capture_output=True).returncode == 0:
                    return xvfb, display
                time.sleep(0.1)
            failures.append(f"no client could connect to {display}")
        else:
            failures.append("Xvfb reported no display")
        stop(xvfb)
    raise AssertionError("no private X server answered: " + "; ".join(failures))


def _bus_call(env, *args):
    done = subprocess.run(["dbus-send", "--print-reply=literal", *args], env=env, capture_output=True,
                          text=True, timeout=30)
    return done.stdout.strip() if done.returncode == 0 else None


def wait_for_accessibility(env, timeout=30):
    """Waits until the session's accessibility bus and its registry answer, and returns the
    bus's address. Asking for either before the launcher owns its name would start a second
    launcher through bus activation, which loses the race for the name and takes its bus, and
    the registry on it, down again."""
    owned = ["--session", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
             "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"]
    wait_for(lambda: _bus_call(env, *owned) == "boolean true", timeout, what="the accessibility launcher")
    address = wait_for(lambda: _bus_call(env, "--session", "--dest=org.a11y.Bus", "/org/a11y/bus",
                                         "org.a11y.Bus.GetAddress"), timeout, what="the accessibility bus")
    wait_for(lambda: _bus_call(env, f"--bus={address}", "--dest=org.a11y.atspi.Registry",
                               "/org/a11y/atspi/accessible/root", "org.freedesktop.DBus.Peer.Ping") is not None,
             timeout, what="the accessibility registry")
    return address


def _become_subreaper():
    """Orphans of the session's processes (daemons that fork away) become this process's
    children rather than init's, so that the session can find and stop them."""
    ctypes.CDLL(None, use_errno=True).prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER


def _children():
    me = os.getpid()
    found = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            stat = Path(f"/proc/{entry}/stat").read_text()
        except OSError:
            continue
        # The command name, in parentheses, may itself hold spaces and parentheses.
        fields = stat[stat.rindex(")") + 2:].split()
        if int(fields[1]) == me:
            found.append(int(entry))
    return found


def stop_descendants(timeout=10):
    """Stops every process below this one; the grandchildren of a stopped child are
    reparented here in turn and stopped on the next round."""
    deadline = time.monotonic() + timeout
    while True:
        children = _children()
        if not children:
            return
        force = time.monotonic() > deadline
        for pid in children:
            try:
                os.kill(pid, signal.SIGKILL if force else signal.SIGTERM)
            except ProcessLookupError:
                pass
        time.sleep(0.1)
        for pid in children:
            try:
                os.waitpid(pid, os.WNOHANG)
            except ChildProcessError:
                pass
        if force and time.monotonic() > deadline + timeout:
            raise AssertionError(f"processes {children} would not stop")


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


def action_names(accessible):
    action = accessible.queryAction()
    return [action.getName(index) for index in range(action.nActions)]


def do_action(accessible, name):
    """The accessible's action of this name, such as "ShowMenu" for a menu bar's entry."""
    accessible.queryAction().doAction(action_names(accessible).index(name))


# The session bus of a session whose program runs as another user than the test: that user
# may connect too.
SESSION_BUS_FOR_USER = """<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <include>/usr/share/dbus-1/session.conf</include>
  <policy context="default">
    <allow user="{user}"/>
  </policy>
</busconfig>
"""


class Session:
    """One desktop session for one test: X server, buses, HOME, PATH with the stand-in opener,
    and a window manager (openbox) as on a person's desktop unless window_manager is False.
    With wayland=True a headless Weston takes the X server's place; the program is told to use
    it, or, with name_platform=False, left to pick it from the session as GNOME leaves it.

    With user, a test run as root starts the program, and the accessibility bus it talks to, as
    that ordinary user, for whom file modes count; the session's folders belong to that user.
    Run as anyone else, the test starts everything as itself, already an ordinary user."""

    def __init__(self, name, window_manager=True, wayland=False, name_platform=True, user=None):
        self.name = name
        self.wayland = wayland
        self.name_platform = name_platform
        self.window_manager = window_manager and not wayland
        self.user = pwd.getpwnam(user) if user and os.geteuid() == 0 else None
        self.wm = self.compositor = None
        self.accessibility_bus = None
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
        for path in (self.root, self.home, self.runtime, self.bin, opener):
            self.give(path)
        self.processes = []
        self.env = None
        self.xvfb = self.dbus = self.atspi = None

    def give(self, path):
        """Makes a file or folder the program's user's own, as the program would have made it."""
        if self.user is not None:
            os.chown(path, self.user.pw_uid, self.user.pw_gid)

    def _as_user(self):
        """Popen arguments that start a process as the program's user."""
        if self.user is None:
            return {}
        return {"user": self.user.pw_uid, "group": self.user.pw_gid, "extra_groups": []}

    # Setting up and tearing down -------------------------------------------------------------

    def __enter__(self):
        _become_subreaper()
        try:
            return self._set_up()
        except BaseException:
            self.__exit__(None, None, None)
            raise

    def _set_up(self):
        env = {
            "PATH": f"{self.bin}:/usr/local/bin:/usr/bin:/bin",
            "HOME": str(self.home),
            "XDG_RUNTIME_DIR": str(self.runtime),
            "LANG": "C.UTF-8",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "NO_AT_BRIDGE": "0",
        }
        if self.wayland:
            env.update(self.start_compositor(env))
        else:
            self.xvfb, display = start_x_server()
            env.update({"DISPLAY": display, "QT_QPA_PLATFORM": "xcb"})
        # The session bus is a child of this process, so that it ends with the session.
        read_end, write_end = os.pipe()
        bus = ["--session"]
        if self.user is not None:
            config = self.root / "session-bus.conf"
            config.write_text(SESSION_BUS_FOR_USER.format(user=self.user.pw_name))
            bus = [f"--config-file={config}"]
        self.dbus = subprocess.Popen(
            ["dbus-daemon", *bus, "--nofork", "--nopidfile", f"--print-address={write_end}"],
            pass_fds=(write_end,), env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            address = pipe.readline().strip()
        if not address:
            raise AssertionError("the session bus did not start")
        env["DBUS_SESSION_BUS_ADDRESS"] = address
        self.env = env
        # pyatspi talks to the accessibility bus of this session's D-Bus; with a DISPLAY it would
        # look on that X server first.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
        if "DISPLAY" in env:
            os.environ["DISPLAY"] = env["DISPLAY"]
        else:
            os.environ.pop("DISPLAY", None)
        # The accessibility bus lets its owner and root in: owned by the program's user, it
        # takes both the program and this test.
        self.atspi = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                                      env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                      **self._as_user())
        self.accessibility_bus = wait_for_accessibility(env)
        if self.window_manager:
            self.start_window_manager()
        global pyatspi
        if pyatspi is None:
            import pyatspi as module
            pyatspi = module
        return self

    def start_compositor(self, env):
        """A private headless Weston in the session's runtime folder, with its own socket; the
        variables that name it to a program. Its desktop shell is its child, and ends with the
        session like everything else it starts."""
        config = self.root / "weston.ini"
        config.write_text(WESTON_CONFIG)
        log = self.root / "weston.log"
        # The protocol scope logs every request, the application id among them.
        self.compositor = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", f"--socket={WAYLAND_SOCKET}", f"--config={config}",
             f"--log={log}", "--logger-scopes=log,proto", "--idle-time=0"],
            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
        socket = self.runtime / WAYLAND_SOCKET
        if wait_for(lambda: self.compositor.poll() is not None and "ended" or socket.exists(),
                    what="Weston's socket") == "ended":
            raise AssertionError(f"weston ended with {self.compositor.returncode}: {log.read_text()}")
        named = {"WAYLAND_DISPLAY": WAYLAND_SOCKET, "XDG_SESSION_TYPE": "wayland",
                 # A headless Weston has no seat, and Qt 6.4's text input over Weston's protocol
                 # crashes without one on the first popup. GNOME's protocol is one Qt 6.4 does not
                 # use; naming another that Weston lacks leaves the program as it is there.
                 "QT_WAYLAND_TEXT_INPUT_PROTOCOL": "zwp_text_input_v2"}
        if self.name_platform:
            named["QT_QPA_PLATFORM"] = "wayland"
        return named

    def compositor_requests(self, request):
        """The arguments of every request of this name (such as "set_app_id") that the programs
        made of the compositor, in order."""
        text = (self.root / "weston.log").read_text(errors="replace")
        return re.findall(r"\] client \S+ rq \S+\." + re.escape(request) + r"\((.*)\)$", text, re.MULTILINE)

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
            stop(self.wm)
        for process in (self.atspi, self.dbus, self.xvfb, self.compositor):
            if process is not None:
                stop(process)
        # The accessibility bus and registry, and anything else the session started, ended up
        # children of this process: stop them too.
        stop_descendants()
        shutil.rmtree(self.root, ignore_errors=True)
        return False

    # The program -----------------------------------------------------------------------------

    def start(self, *arguments):
        """Starts the program in the session's root folder, with these command-line arguments."""
        number = len(self.processes)
        with open(self.root / f"parsiva-{number}.log", "wb") as log, \
                open(self.root / f"parsiva-{number}.err", "wb") as errors:
            process = subprocess.Popen([str(BINARY), *arguments], env=self.env, cwd=self.root,
                                       stdout=log, stderr=errors, **self._as_user())
        process.errors_path = self.root / f"parsiva-{number}.err"
        self.processes.append(process)
        return process

    def errors(self, process):
        """What the program wrote on standard error so far."""
        return process.errors_path.read_text(errors="replace")

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
        # xdotool reads what it types in its own locale: a UTF-8 one whatever the session's, which
        # need not be generated on this machine.
        subprocess.run(["xdotool", *args], env={**self.env, "LC_ALL": "C.UTF-8"}, check=True,
                       capture_output=True)

    def focus_window(self, title, accessible=None):
        """Gives the keyboard to the X window of this title; with several of one title, to the
        one where the accessible window lies. Without a window manager nothing else does."""
        ids = wait_for(lambda: self.x_windows(title), what=f"X window {title}")
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

    def x_windows(self, title):
        """The visible X windows of this title. xdotool's own search reads the legacy title,
        which holds a title outside Latin-1 only as mangled bytes, so such a title is compared
        with each window's name as xdotool gives it."""
        def search(pattern):
            return subprocess.run(["xdotool", "search", "--onlyvisible", "--name", pattern], env=self.env,
                                  capture_output=True, text=True).stdout.split()
        if title.isascii():
            return search(f"^{title}$")
        return [window_id for window_id in search(".") if subprocess.run(
            ["xdotool", "getwindowname", window_id], env=self.env, capture_output=True,
            text=True).stdout.rstrip("\n") == title]

    def frames(self, title):
        """Where the visible windows of this title lie with the window manager's frame, title
        bar and close box included: (x, y, width, height) each, in screen pixels."""
        found = []
        for window_id in self.x_windows(title):
            geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window_id],
                                      env=self.env, capture_output=True, text=True).stdout
            values = dict(line.split("=", 1) for line in geometry.split())
            extents = self.window_property(window_id, "_NET_FRAME_EXTENTS")
            left, right, top, bottom = ([int(n) for n in extents.split("=", 1)[1].split(",")]
                                        if "=" in extents else (0, 0, 0, 0))
            found.append((int(values["X"]) - left, int(values["Y"]) - top,
                          int(values["WIDTH"]) + left + right, int(values["HEIGHT"]) + top + bottom))
        return found

    def screen_size(self):
        width, height = subprocess.run(["xdotool", "getdisplaygeometry"], env=self.env, capture_output=True,
                                       text=True, check=True).stdout.split()
        return int(width), int(height)

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

    def press_and_go_on(self, accessible):
        """The accessible's first action, without waiting for its answer: a menu item that opens a
        modal dialog answers only once the dialog is closed. The answer comes to the returned
        process, which ends then."""
        caller = subprocess.Popen(
            ["dbus-send", "--print-reply", "--reply-timeout=120000", f"--bus={self.accessibility_bus}",
             f"--dest={accessible.app.bus_name}", accessible.path, "org.a11y.atspi.Action.DoAction", "int32:0"],
            env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.processes.append(caller)
        return caller

    def insert_text(self, accessible, text):
        """Text put into a box over AT-SPI, where no keyboard can reach it."""
        accessible.queryEditableText().insertText(0, text, len(text.encode()))

    def opened(self):
        if not self.opened_log.exists():
            return []
        return self.opened_log.read_text().splitlines()

    def settings_file(self):
        return self.home / ".config" / "parsiva" / "parsiva.conf"

    def screenshot(self, name, window="root"):
        """The whole screen, or one X window by its id, in the screenshots folder."""
        SCREENS.mkdir(parents=True, exist_ok=True)
        target = SCREENS / f"{name}.png"
        subprocess.run(["import", "-window", window, str(target)], env=self.env, check=False,
                       capture_output=True)
        return target


def printing_user_home():
    return Path(pwd.getpwuid(os.getuid()).pw_dir)


# The program's first steps, as a person takes them ---------------------------------------------

def run_main(session, *arguments):
    """Starts the program and waits for its birth-details window: (process, app, window)."""
    process = session.start(*arguments)
    app = session.application(process)
    main = session.window(app, CAPTION, "frame")
    wait_for(lambda: find(main, "text", "Name"), what="the name box")
    return process, app, main


def enter_ann_lee(session, main):
    """Types Ann Lee, picks August 23, 1975 and presses Find, all by keyboard."""
    name_box = find(main, "text", "Name")
    session.focus_window(CAPTION)
    wait_for(lambda: name_box.getState().contains(pyatspi.STATE_FOCUSED),
             what="the keyboard in the name box")
    session.type("Ann Lee")
    wait_for(lambda: text_of(name_box) == "Ann Lee", what="the typed name")
    session.keys("Tab", *["Down"] * 7, "Tab", *["Down"] * 22, "Tab", *["Down"] * 75, "Tab", "space")


def wait_result(session, app):
    """The result window, once it shows."""
    def result_window():
        for window in session.windows(app):
            if window.name == CAPTION and find(window, "push button", "Back"):
                return window
        return None

    return wait_for(result_window, what="the result window")


def result_texts(window):
    """The sign, season and god the result window shows."""
    labels = {label.description: label.name for label in find_all(window, "label")}
    return [labels.get(field) for field in ("Iranian Astrology Sign", "Season", "God")]
