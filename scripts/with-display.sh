#!/bin/bash
# Runs a command with an X display and the project's Wine session ready:
#   - a private Xvfb (1280x1024x24, or $ZENDRAK_SCREEN, a free display number chosen by
#     Xvfb itself), or the
#     caller's own $DISPLAY when ZENDRAK_USE_DISPLAY=1 and that display answers;
#   - DISPLAY and WINEPREFIX exported (the prefix is made first when missing);
#   - the prefix's wineserver started with its streams detached.
# On exit the prefix's wineserver is ended (wineserver -k) and our Xvfb is killed by PID.
# Sessions of one prefix take turns (a lock file beside the prefix).
# Usage: scripts/with-display.sh CMD [ARGS...]    Exit status: that of CMD.
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"    # also when started with sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"

if [ $# = 0 ]; then
    echo "usage: with-display.sh CMD [ARGS...]" >&2
    exit 2
fi

# One session per prefix at a time: a second caller waits for the first to finish, since
# each one ends the prefix's wineserver when it is done. A caller already inside a
# session of this prefix (with-display.sh nested) just runs its command.
if [ "${ZENDRAK_SESSION:-}" = "$WINEPREFIX" ] && [ -n "${DISPLAY:-}" ]; then
    exec "$@"
fi
if [ "${ZENDRAK_SESSION_LOCKED:-}" != "$WINEPREFIX" ]; then
    mkdir -p "$(dirname "$WINEPREFIX")"
    lock="$WINEPREFIX.session.lock"
    export ZENDRAK_SESSION_LOCKED="$WINEPREFIX"
    # flock -o: the lock stays with flock itself, not with Xvfb or the Wine processes.
    if ! flock -n -o "$lock" true; then
        echo "with-display.sh: waiting for another session of $WINEPREFIX to end" >&2
    fi
    exec flock -o "$lock" bash "$0" "$@"
fi

bash "$here/wine-prefix.sh"

xvfb_pid=""
fifo_dir=""
session_started=0

cleanup() {
    local rc=$?
    trap - EXIT INT TERM HUP
    if [ $session_started = 1 ]; then
        wineserver -k </dev/null >/dev/null 2>&1 || true
        wineserver -w </dev/null >/dev/null 2>&1 || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    [ -n "$fifo_dir" ] && rm -rf "$fifo_dir"
    exit $rc
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM
trap 'exit 129' HUP

display_usable() { [ -n "${DISPLAY:-}" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; }

if [ "${ZENDRAK_USE_DISPLAY:-0}" = 1 ] && display_usable; then
    : # the caller's display
else
    # Xvfb writes the display number it picked to the descriptor given with -displayfd.
    fifo_dir=$(mktemp -d)
    mkfifo "$fifo_dir/displayfd"
    Xvfb -displayfd 3 -screen 0 "${ZENDRAK_SCREEN:-1280x1024}x24" -nolisten tcp -noreset \
        3>"$fifo_dir/displayfd" </dev/null >"$fifo_dir/xvfb.log" 2>&1 &
    xvfb_pid=$!
    number=""
    if ! read -r -t 20 number <"$fifo_dir/displayfd" || [ -z "$number" ]; then
        echo "with-display.sh: Xvfb did not start:" >&2
        cat "$fifo_dir/xvfb.log" >&2 || true
        exit 1
    fi
    export DISPLAY=":$number"
    # The server may announce itself before it accepts clients: wait until it answers.
    deadline=$((SECONDS + 20))
    until xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; do
        if ! zendrak_alive "$xvfb_pid" || [ $SECONDS -ge $deadline ]; then
            echo "with-display.sh: Xvfb on $DISPLAY does not answer" >&2
            exit 1
        fi
        sleep 0.05
    done
fi

# A fresh Wine session for this display: end any server left over in the prefix, then start
# a persistent one and boot the prefix's services, all with detached streams.
session_started=1
export ZENDRAK_SESSION="$WINEPREFIX"
{
    wineserver -k || true
    wineserver -w || true
    wineserver -p && "$ZENDRAK_WINE" wineboot
} </dev/null >/dev/null 2>&1

set +e
"$@"
rc=$?
set -e
exit $rc
