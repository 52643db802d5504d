#!/bin/bash
# Starts the game from the distribution folder (dist/Zendrak, made by make-dist.sh).
#   scripts/run-game.sh [--headless] [DIST_DIR]
# With a usable $DISPLAY: runs Zendrak.exe under Wine in the project's prefix, with the
# folder as its working directory, and waits for the game to end.
# Without one (or with --headless): runs it on a private Xvfb, waits for the window
# "Zendrak", saves a screenshot to build/screenshot.png, closes the game with Alt+F4 and
# prints where the screenshot is.
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"    # also when started with sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
. "$here/wine-env.sh"

headless=0
inner=0
dist=""
for a in "$@"; do
    case "$a" in
        --headless) headless=1 ;;
        --inner) inner=1 ;;           # internal: inside with-display.sh, private display
        --inner-display) inner=2 ;;   # internal: inside with-display.sh, caller's display
        -h|--help) sed -n '2,8p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) echo "usage: run-game.sh [--headless] [DIST_DIR]" >&2; exit 2 ;;
        *) dist=$a ;;
    esac
done
dist=${dist:-$ZENDRAK_ROOT/dist/Zendrak}
dist=$(cd "$dist" 2>/dev/null && pwd) || { echo "run-game.sh: no folder $dist (run make-dist.sh first)" >&2; exit 1; }
exe="$dist/Zendrak.exe"
if [ ! -f "$exe" ]; then
    echo "run-game.sh: $exe does not exist (run make-dist.sh first)" >&2
    exit 1
fi
screenshot="$ZENDRAK_ROOT/build/screenshot.png"
timeout_s=${ZENDRAK_RUN_TIMEOUT:-30}

display_usable() { [ -n "${DISPLAY:-}" ] && xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; }

if [ $inner = 0 ]; then
    if [ $headless = 0 ] && display_usable; then
        ZENDRAK_USE_DISPLAY=1 exec bash "$here/with-display.sh" bash "$0" --inner-display "$dist"
    fi
    ZENDRAK_USE_DISPLAY=0 exec bash "$here/with-display.sh" bash "$0" --inner "$dist"
fi

if [ $inner = 2 ]; then
    # On the caller's display: play until the game ends.
    cd "$dist"
    set +e
    "$ZENDRAK_WINE" "$exe"
    rc=$?
    set -e
    echo "Zendrak ended with exit code $rc"
    exit $rc
fi

# Inside with-display.sh: a private display and a running Wine session.
cd "$dist"
"$ZENDRAK_WINE" "$exe" </dev/null >/dev/null 2>&1 &
game=$!

fail() {
    echo "run-game.sh: $*" >&2
    if [ -n "$game" ]; then
        kill "$game" 2>/dev/null || true
        wait "$game" 2>/dev/null || true
    fi
    exit 1
}

if ! timeout "$timeout_s" xdotool search --sync --name '^Zendrak$' >/dev/null 2>&1; then
    if ! zendrak_alive "$game"; then
        wait "$game" && rc=0 || rc=$?
        game=""
        fail "Zendrak.exe ended with exit code $rc before its window appeared"
    fi
    fail "no window \"Zendrak\" within $timeout_s s"
fi

# Wait until the picture is settled: two screenshots in a row alike.
mkdir -p "$(dirname "$screenshot")"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
import -window root "$tmp/a.png"
deadline=$((SECONDS + 10))
while :; do
    import -window root "$tmp/b.png"
    if cmp -s <(convert "$tmp/a.png" rgb:-) <(convert "$tmp/b.png" rgb:-) || [ $SECONDS -ge $deadline ]; then
        break
    fi
    mv "$tmp/b.png" "$tmp/a.png"
done
mv "$tmp/b.png" "$screenshot"

# Close the game as a player does; the window has the keyboard after its start.
xdotool key alt+F4
zendrak_wait_exit "$game" 10 && rc=0 || rc=$?
if [ $rc = 124 ]; then
    fail "Zendrak did not end within 10 s of Alt+F4; the screenshot is $screenshot"
fi
echo "Screenshot: $screenshot"
[ "$rc" = 0 ] || { echo "run-game.sh: Zendrak ended with exit code $rc" >&2; exit 1; }
