#!/bin/bash
# Creates the project's own Wine prefix once (build/wine, or $ZENDRAK_WINEPREFIX):
# a 1280x1024 virtual desktop, no crash debugger, no audio, the short date M/d/yyyy
# and the fonts of fonts-wine. Quick when the prefix is ready.
# Usage: scripts/wine-prefix.sh [--force]   (--force rebuilds the prefix from scratch)
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"    # also when started with sh
set -euo pipefail
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

# Bump when the settings below change: older prefixes are then made again.
STAMP_VERSION=1
stamp="$WINEPREFIX/.zendrak-prefix"
force=0
[ "${1:-}" = --force ] && force=1

ready() { [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$STAMP_VERSION" ]; }
if [ $force = 0 ] && ready; then exit 0; fi

mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
if [ $force = 0 ] && ready; then exit 0; fi    # made by another caller meanwhile

log="$WINEPREFIX.log"
: >"$log"
echo "Making the Wine prefix $WINEPREFIX (about 20 s, once)"
start=$SECONDS

# Every Wine command runs with its streams detached: the first Wine process of a session
# starts services that keep its stdout and stderr open.
quiet() { "$@" </dev/null >>"$log" 2>&1; }

quiet wineserver -k || true
quiet wineserver -w || true
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"

# Without DISPLAY, wineboot makes no window; no Mono and no Gecko installers.
env -u DISPLAY WINEDLLOVERRIDES="mscoree,mshtml=" "$ZENDRAK_WINE" wineboot -i </dev/null >>"$log" 2>&1
quiet wineserver -w

reg="$WINEPREFIX/drive_c/zendrak-settings.reg"
printf '%s\r\n' \
    'REGEDIT4' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer]' \
    '"Desktop"="Default"' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' \
    '"Default"="1280x1024"' \
    '' \
    '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]' \
    '"Debugger"=""' \
    '"Auto"="1"' \
    '' \
    '[HKEY_CURRENT_USER\Software\Wine\Drivers]' \
    '"Audio"=""' \
    '' \
    '[HKEY_CURRENT_USER\Control Panel\International]' \
    '"sShortDate"="M/d/yyyy"' \
    '' >"$reg"
env -u DISPLAY "$ZENDRAK_WINE" regedit /S 'C:\zendrak-settings.reg' </dev/null >>"$log" 2>&1
# Ending the server writes the registry to disk; the next session reads the new settings.
quiet wineserver -k || true
quiet wineserver -w || true

fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
shopt -s nullglob
font_files=(/usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon)
if [ ${#font_files[@]} = 0 ]; then
    echo "wine-prefix.sh: no fonts in /usr/share/wine/fonts (package fonts-wine)" >&2
    exit 1
fi
cp -f "${font_files[@]}" "$fonts/"

# Check that the settings reached the registry files.
for want in '"Desktop"="Default"' '"Default"="1280x1024"' '"Audio"=""' '"sShortDate"="M/d/yyyy"'; do
    if ! grep -qF "$want" "$WINEPREFIX/user.reg"; then
        echo "wine-prefix.sh: $want is missing from $WINEPREFIX/user.reg (log: $log)" >&2
        exit 1
    fi
done
if ! grep -qF '"Debugger"=""' "$WINEPREFIX/system.reg"; then
    echo "wine-prefix.sh: the AeDebug settings are missing from system.reg (log: $log)" >&2
    exit 1
fi

echo "$STAMP_VERSION" >"$stamp"
echo "Wine prefix ready in $((SECONDS - start)) s"
