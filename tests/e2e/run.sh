#!/bin/bash
# The end-to-end scenarios: tests/e2e/run.sh [SCENARIO...] (a_place_turn_take or just "a").
# ZENDRAK_BUILD_DIR (default build/windows) holds Zendrak.exe and probe.exe, ZENDRAK_E2E_DIR
# (default build/e2e) the work files; ZENDRAK_USE_DISPLAY=1 plays on the caller's $DISPLAY.
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"    # also when started with sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$root/scripts/wine-env.sh"
build=${ZENDRAK_BUILD_DIR:-build/windows}
e2e=${ZENDRAK_E2E_DIR:-build/e2e}
case "$build" in /*) ;; *) build=$root/$build ;; esac
case "$e2e" in /*) ;; *) e2e=$root/$e2e ;; esac

if [ "${ZENDRAK_E2E_INNER:-}" != 1 ]; then
    if [ ! -f "$build/Zendrak.exe" ]; then
        echo "run.sh: $build/Zendrak.exe does not exist (build the Windows program first)" >&2
        exit 2
    fi
    probe=$build/probe.exe
    mkdir -p "$e2e"
    if [ ! -f "$probe" ]; then    # until the build makes it, with the same warnings
        probe=$e2e/probe.exe
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
selected=()
for s in "$here"/scenarios/*.py; do
    name=$(basename "$s" .py)
    if [ $# = 0 ] || printf '%s\n' "$@" | grep -qx -e "$name" -e "${name%%_*}"; then
        selected+=("$s")
    fi
done
[ ${#selected[@]} -gt 0 ] || { echo "run.sh: no scenario $*" >&2; exit 2; }

passed=0
failed=0
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
    # A window left open would disturb the next scenario: start the Wine session afresh.
    left=$("$ZENDRAK_WINE" "$E2E_PROBE" list-windows 2>/dev/null | tr -d '\r' |
        grep ' visible=1 ' | grep -v 'class="Shell_TrayWnd"' || true)
    if [ -n "$left" ]; then
        echo "   windows left open, restarting the Wine session:"
        echo "$left" | sed 's/^/     /'
        { wineserver -k; wineserver -w; wineserver -p && "$ZENDRAK_WINE" wineboot; } \
            </dev/null >/dev/null 2>&1 || true
    fi
done
echo "e2e time: $SECONDS s"
echo "$passed passed, $failed failed"
[ $failed = 0 ]
