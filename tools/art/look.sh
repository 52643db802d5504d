#!/bin/bash
# Screenshots of every skin and background in the running game (see look.py).
#   tools/art/look.sh [BUILD_DIR] [OUT_DIR]
# BUILD_DIR holds Zendrak.exe (default build/windows); OUT_DIR defaults to build/screenshots.
# Runs on a private Xvfb in the Wine prefix build/wine-art (made on first use).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$root/build/windows}" && pwd)
out=${2:-$root/build/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

probe=$build/probe.exe
if [ ! -f "$probe" ]; then
    probe=$root/build/art-probe/probe.exe
    if [ ! -f "$probe" ] || [ "$root/tools/probe/probe.cpp" -nt "$probe" ]; then
        mkdir -p "$(dirname "$probe")"
        x86_64-w64-mingw32-g++-posix -std=c++20 -O1 -static "$root/tools/probe/probe.cpp" \
            -o "$probe" -luser32
    fi
fi

ZENDRAK_WINEPREFIX=${ZENDRAK_WINEPREFIX:-$root/build/wine-art} \
    bash "$root/scripts/with-display.sh" \
    python3 "$root/tools/art/look.py" "$build/Zendrak.exe" "$probe" "$root/data" "$out"
