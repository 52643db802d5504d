#!/bin/bash
# The end-to-end scenarios: tests/e2e/run.sh [SCENARIO...] (a_play_win_settings or just "a").
# ZENDRAK_BUILD_DIR (default build/windows) holds Zendrak.exe and probe.exe, ZENDRAK_E2E_DIR
# (default build/e2e) the work files; ZENDRAK_USE_DISPLAY=1 plays on the caller's $DISPLAY.
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"    # also when started with sh
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)
. "$root/scripts/wine-env.sh"
build=$(cd "$root" && realpath -m "${ZENDRAK_BUILD_DIR:-build/windows}")
e2e=$(cd "$root" && realpath -m "${ZENDRAK_E2E_DIR:-build/e2e}")

if [ "${ZENDRAK_E2E_INNER:-}" != 1 ]; then
    for f in Zendrak.exe probe.exe; do
        [ -f "$build/$f" ] || { echo "run.sh: no $build/$f (build the Windows program first)" >&2; exit 2; }
    done
    rm -rf "$e2e/template" "$e2e/work"
    bash "$root/scripts/make-dist.sh" --clean "$build" "$e2e/template/Zendrak" >/dev/null
    mkdir -p "$e2e/work"
    export E2E_TEMPLATE=$e2e/template/Zendrak E2E_PROBE=$build/probe.exe E2E_WORK=$e2e/work
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
        echo "   windows left open, restarting the Wine session:" && echo "$left" | sed 's/^/     /'
        { wineserver -k; wineserver -w; wineserver -p && "$ZENDRAK_WINE" wineboot; } \
            </dev/null >/dev/null 2>&1 || true
    fi
done
echo "e2e time: $SECONDS s"
echo "$passed passed, $failed failed"
[ $failed = 0 ]
