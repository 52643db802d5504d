#!/bin/bash
# End-to-end scenarios of the built game under Wine, driven like a player.
#   tests/e2e/run.sh [SCENARIO...]     (names like a_place_turn_take or just "a")
# Environment: ZENDRAK_BUILD_DIR (default build/windows) holds Zendrak.exe and probe.exe;
# ZENDRAK_USE_DISPLAY=1 plays on the caller's $DISPLAY instead of a private Xvfb;
# ZENDRAK_E2E_DIR (default build/e2e) holds the work files, so that runs of different
# build folders and prefixes do not share them.
# Prints one line per scenario and closes with "N passed, M failed"; the exit status is 0
# only when every scenario passed. Work files (game copies, screenshots of failures) stay
# in build/e2e/work.
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"    # also when started with sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$root/scripts/wine-env.sh"

build=${ZENDRAK_BUILD_DIR:-$root/build/windows}
case "$build" in /*) ;; *) build=$root/$build ;; esac
e2e=${ZENDRAK_E2E_DIR:-$root/build/e2e}
case "$e2e" in /*) ;; *) e2e=$root/$e2e ;; esac

if [ "${ZENDRAK_E2E_INNER:-}" != 1 ]; then
    if [ ! -f "$build/Zendrak.exe" ]; then
        echo "run.sh: $build/Zendrak.exe does not exist (build the Windows program first)" >&2
        exit 2
    fi
    probe=$build/probe.exe
    if [ ! -f "$probe" ]; then
        # Until the build makes it, compile the probe here with the same warnings.
        probe=$e2e/probe.exe
        mkdir -p "$e2e"
        if [ ! -f "$probe" ] || [ "$root/tools/probe/probe.cpp" -nt "$probe" ]; then
            x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -Wall -Wextra -Wpedantic -Wshadow \
                -Wconversion -Wno-sign-conversion -Werror -DWIN32_LEAN_AND_MEAN -DNOMINMAX \
                -static "$root/tools/probe/probe.cpp" -o "$probe" -luser32 -lgdi32
        fi
    fi
    rm -rf "$e2e/template" "$e2e/work"
    bash "$root/scripts/make-dist.sh" --clean "$build" "$e2e/template/Zendrak" >/dev/null
    mkdir -p "$e2e/work"
    export E2E_TEMPLATE=$e2e/template/Zendrak E2E_PROBE=$probe E2E_WORK=$e2e/work
    export ZENDRAK_E2E_INNER=1
    exec bash "$root/scripts/with-display.sh" bash "$0" "$@"
fi

# Inside with-display.sh: one display and one Wine session for all scenarios.
shopt -s nullglob
all=("$here"/scenarios/*.py)
selected=()
if [ $# = 0 ]; then
    selected=("${all[@]}")
else
    for want in "$@"; do
        found=0
        for s in "${all[@]}"; do
            name=$(basename "$s" .py)
            if [ "$name" = "$want" ] || [ "${name%%_*}" = "$want" ]; then
                selected+=("$s")
                found=1
            fi
        done
        if [ "$found" = 0 ]; then
            echo "run.sh: no scenario $want" >&2
            exit 2
        fi
    done
fi

# A scenario that leaves a window behind would disturb the next one: start the Wine
# session afresh then.
restart_session() {
    {
        wineserver -k || true
        wineserver -w || true
        wineserver -p && "$ZENDRAK_WINE" wineboot
    } </dev/null >/dev/null 2>&1
}
leftovers() {
    "$ZENDRAK_WINE" "$E2E_PROBE" list-windows 2>/dev/null | tr -d '\r' |
        grep ' visible=1 ' | grep -v 'class="Shell_TrayWnd"' || true
}

passed=0
failed=0
start_all=$SECONDS
for s in "${selected[@]}"; do
    name=$(basename "$s" .py)
    echo "== $name"
    t0=$SECONDS
    if PYTHONPATH="$here" PYTHONDONTWRITEBYTECODE=1 python3 "$s"; then
        echo "PASS $name ($((SECONDS - t0)) s)"
        passed=$((passed + 1))
    else
        echo "FAIL $name ($((SECONDS - t0)) s)"
        failed=$((failed + 1))
    fi
    left=$(leftovers)
    if [ -n "$left" ]; then
        echo "   windows left open, restarting the Wine session:"
        echo "$left" | sed 's/^/     /'
        restart_session
    fi
done
echo "e2e time: $((SECONDS - start_all)) s"
echo "$passed passed, $failed failed"
[ $failed = 0 ]
