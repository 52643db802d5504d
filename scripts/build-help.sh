#!/bin/bash
# Compiles the help file Zendrak.chm from the HTML sources in data/help with chmcmd (Debian
# package fp-utils).
#   scripts/build-help.sh OUT_DIR      writes OUT_DIR/Zendrak.chm
#
# chmcmd records the pages named in [ALIAS] under their absolute path at build time, and
# the help viewer then finds no page for "-mapid N". So chmcmd runs chrooted in a copy of
# the sources, where that path is "/page.htm": as root directly, otherwise in a user
# namespace (unshare -r). The chroot holds the sources, the chmcmd binary and the shared
# libraries it needs.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

if [ $# -ne 1 ]; then
    echo "usage: build-help.sh OUT_DIR" >&2
    exit 2
fi
out=$1
src=$root/data/help
project=Zendrak.hhp

chmcmd=$(command -v chmcmd || true)
if [ -z "$chmcmd" ]; then
    echo "build-help.sh: chmcmd not found (apt-get install fp-utils)" >&2
    exit 1
fi
chmcmd=$(readlink -f "$chmcmd")

jail=$(mktemp -d "${TMPDIR:-/tmp}/zendrak-help.XXXXXX")
trap 'rm -rf "$jail"' EXIT
cp -R "$src/." "$jail/"
rm -f "$jail/Zendrak.chm"

# The binary and every library the dynamic linker loads for it, at their own paths.
mkdir -p "$jail/.chmcmd"
cp "$chmcmd" "$jail/.chmcmd/chmcmd"
# The Free Pascal runtime also loads libpthread and libdl itself, which ldd does not list.
libs=$(ldd "$chmcmd" | awk '/=> \// { print $3 } /^[ \t]*\// { print $1 }')
libc=$(printf '%s\n' "$libs" | grep '/libc\.so' | head -n 1)
for extra in libpthread.so.0 libdl.so.2; do
    [ -n "$libc" ] && [ -e "$(dirname "$libc")/$extra" ] && libs="$libs
$(dirname "$libc")/$extra"
done
for lib in $libs; do
    mkdir -p "$jail$(dirname "$lib")"
    cp -L "$lib" "$jail$lib"
done

run_in_jail() {
    if [ "$(id -u)" = 0 ]; then
        chroot "$jail" /.chmcmd/chmcmd --no-html-scan "/$project"
    else
        unshare -r chroot "$jail" /.chmcmd/chmcmd --no-html-scan "/$project"
    fi
}
if ! log=$(cd "$jail" && run_in_jail 2>&1); then
    echo "$log" >&2
    echo "build-help.sh: chmcmd failed" >&2
    exit 1
fi
if [ ! -s "$jail/Zendrak.chm" ]; then
    echo "$log" >&2
    echo "build-help.sh: chmcmd wrote no Zendrak.chm" >&2
    exit 1
fi

mkdir -p "$out"
cp "$jail/Zendrak.chm" "$out/Zendrak.chm.new"
mv "$out/Zendrak.chm.new" "$out/Zendrak.chm"
echo "help: $out/Zendrak.chm"
