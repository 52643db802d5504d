#!/bin/bash
# Assembles the distribution folder: the program and everything under data/ (Puzzles,
# Skins, Background, Sound, the help file ... whatever exists), nothing else.
#   scripts/make-dist.sh BUILD_DIR [DEST]
# BUILD_DIR holds Zendrak.exe (and Zendrak.chm when the help is built there); DEST defaults
# to dist/Zendrak. Files that no longer come from BUILD_DIR or data/ are removed, except
# what the game itself writes there while being played from DEST: Zendrak.ini, Save\ and
# Puzzles\My puzzles\ (--clean removes those as well).
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"    # also when started with sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

clean=0
args=()
for a in "$@"; do
    case "$a" in
        --clean) clean=1 ;;
        -h|--help) sed -n '2,9p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) args+=("$a") ;;
    esac
done
if [ ${#args[@]} -lt 1 ] || [ ${#args[@]} -gt 2 ]; then
    echo "usage: make-dist.sh [--clean] BUILD_DIR [DEST]" >&2
    exit 2
fi
build=${args[0]}
dest=${args[1]:-$root/dist/Zendrak}
case "$build" in /*) ;; *) build=$PWD/$build ;; esac
case "$dest" in /*) ;; *) dest=$PWD/$dest ;; esac

if [ ! -f "$build/Zendrak.exe" ]; then
    echo "make-dist.sh: $build/Zendrak.exe does not exist (build the Windows program first)" >&2
    exit 1
fi

# Build the new folder beside the old one, then swap, so that a failed copy leaves the old
# folder as it was.
parent=$(dirname "$dest")
mkdir -p "$parent"
new=$(mktemp -d "$parent/.$(basename "$dest").new.XXXXXX")
trap 'rm -rf "$new"' EXIT

if [ -d "$root/data" ]; then
    cp -R "$root/data/." "$new/"
    # The help sources are compiled into Zendrak.chm.
    rm -rf "$new/help"
fi
cp "$build/Zendrak.exe" "$new/Zendrak.exe"
[ -f "$build/Zendrak.chm" ] && cp "$build/Zendrak.chm" "$new/Zendrak.chm"

# The player's own files survive a rebuild.
if [ $clean = 0 ] && [ -d "$dest" ]; then
    [ -f "$dest/Zendrak.ini" ] && cp -p "$dest/Zendrak.ini" "$new/"
    [ -d "$dest/Save" ] && { rm -rf "$new/Save"; cp -Rp "$dest/Save" "$new/Save"; }
    if [ -d "$dest/Puzzles/My puzzles" ]; then
        mkdir -p "$new/Puzzles/My puzzles"
        cp -Rp "$dest/Puzzles/My puzzles/." "$new/Puzzles/My puzzles/"
    fi
fi

chmod -R u+rwX,go+rX "$new"
rm -rf "$dest"
mv "$new" "$dest"
trap - EXIT
echo "dist: $dest ($(find "$dest" -type f | wc -l) files)"
