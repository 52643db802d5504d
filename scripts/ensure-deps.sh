#!/bin/sh
# Installs the Debian packages the builds and tests need when any is missing.
set -e
packages="cmake make g++ libgtest-dev googletest python3 \
    g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64 \
    wine64 wine xvfb xdotool imagemagick x11-utils xclip fonts-wine \
    fp-utils clang clang-format libclang-rt-14-dev"
missing=""
for p in $packages; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" = 0 ]; then sudo=""; else sudo="sudo"; fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
