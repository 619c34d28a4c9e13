#!/usr/bin/env bash
# Runs the built program under valgrind's leak check on a private X server and leaves it the
# way a person does: File > Exit on the birth-details form, then Exit on the exit screen, so the
# run ends through the program's own end of run. Fails on any definite leak that the
# suppressions (Qt's and the desktop libraries' one-time allocations) do not cover.
# Usage: leak_check.sh PROGRAM SUPPRESSIONS
set -euo pipefail
program=$1
suppressions=$2
caption='^Parsiva v1\.10$'

work=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "${pid:-}" ] && kill -9 "$pid" 2>/dev/null || true
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

say() { printf 'leak_check: %s\n' "$*"; }
fail() {
    say "$*"
    [ -f "$work/valgrind.log" ] && cat "$work/valgrind.log"
    exit 1
}

# Polls a command until it prints something, for at most $1 seconds.
wait_for() {
    local seconds=$1 out
    shift
    for ((i = 0; i < seconds * 5; i++)); do
        out=$("$@" 2>/dev/null || true)
        if [ -n "$out" ]; then
            printf '%s\n' "$out"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

mkdir -p "$work/home" "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
# Starts a private X server and waits until it answers; false when it does not. Without
# -noreset the server resets when the checking client leaves, and refuses the program meanwhile.
start_xvfb() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
    xvfb=$!
    for ((i = 0; i < 200; i++)); do
        [ -s "$work/display" ] && break
        sleep 0.1
    done
    [ -s "$work/display" ] || return 1
    export DISPLAY=":$(head -n1 "$work/display")"
    # The display number can come before the server answers.
    for ((i = 0; i < 100; i++)); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        kill -0 "$xvfb" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 NO_AT_BRIDGE=1 QT_ACCESSIBILITY=0
# Deliberately no session bus. Unset, libdbus would start one of its own through dbus-launch
# on the X display, and whether Qt's D-Bus thread is still up at exit would then be a race.
export DBUS_SESSION_BUS_ADDRESS=disabled:
unset SESSION_MANAGER

stop_xvfb() {
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null || true; fi
    xvfb=
}

# Menus open as windows of their own, of the program's class but without its caption.
popups() {
    xdotool search --onlyvisible --classname '^parsiva$' 2>/dev/null | grep -vxF "$main" | sort ||
        true
}
popup_other_than() { popups | grep -vxF -f <(printf '%s\n' "$1") || true; }

# A fresh X server now and then refuses the program even after another client got in; the
# program then ends at once saying so, and runs again on a fresh server.
main=
for attempt in 1 2 3; do
    for try in 1 2 3; do
        start_xvfb && break
        stop_xvfb
        [ "$try" = 3 ] && fail "no private X server could be started"
    done
    valgrind --leak-check=full --errors-for-leak-kinds=definite --show-leak-kinds=definite \
        --error-exitcode=99 --num-callers=40 --gen-suppressions=all \
        --suppressions="$suppressions" --log-file="$work/valgrind.log" "$program" \
        >"$work/program.log" 2>&1 &
    pid=$!
    main=$(wait_for 90 xdotool search --onlyvisible --name "$caption") && break
    grep -qE "no display could be opened|gave no answer" "$work/program.log" ||
        fail "the birth-details form never appeared: $(cat "$work/program.log")"
    say "the program could not connect to $DISPLAY; trying a fresh X server"
    wait "$pid" 2>/dev/null || true
    pid=
    stop_xvfb
done
[ -n "$main" ] || fail "the program could not connect to three fresh X servers"
main=$(head -n1 <<<"$main")
say "birth-details form up"
# Alt+F is shared by the File menu and the Find button, so the File menu is reached from the
# Help menu; its Exit is chosen only once it is open. Under valgrind the form shows before it
# takes keys, so the first key is sent again until it is seen.
help=
for ((try = 0; try < 12; try++)); do
    xdotool windowfocus --sync "$main"
    xdotool key alt+h
    help=$(wait_for 10 popups) && break
done
[ -n "$help" ] || fail "the Help menu never opened"
xdotool key Left
wait_for 60 popup_other_than "$help" >/dev/null || fail "the File menu never opened"
xdotool key x

other_window() {
    xdotool search --onlyvisible --name "$caption" 2>/dev/null | grep -vx "$main" || true
}
screen=$(wait_for 60 other_window) || fail "the exit screen never appeared"
screen=$(head -n1 <<<"$screen")
say "exit screen up"
xdotool windowfocus --sync "$screen"
xdotool key alt+x

for ((i = 0; i < 600; i++)); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after the exit screen closed"
set +e
wait "$pid"
status=$?
set -e
pid=
grep -E "definitely lost|ERROR SUMMARY" "$work/valgrind.log" | sed 's/^==[0-9]*== /leak_check: /'
[ "$status" -eq 0 ] || fail "exit status $status (99: valgrind found errors or definite leaks)"
say "clean"
