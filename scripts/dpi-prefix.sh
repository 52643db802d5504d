#!/bin/bash
# Makes build/wine-dpiDPI: a copy of the project's prefix (scripts/wine-prefix.sh) whose
# displays have DPI dots per inch (LogPixels), for the tests of the display's scale, and whose
# virtual desktop is 1280 x 1024 scaled alike (the same screen in 96-DPI units: run it on an
# Xvfb as large, ZENDRAK_SCREEN). Quick when it is ready.
#   scripts/dpi-prefix.sh DPI
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"    # also when started with sh
set -euo pipefail
dpi=${1:?usage: dpi-prefix.sh DPI}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
unset ZENDRAK_WINEPREFIX
. "$here/wine-env.sh"
base=$WINEPREFIX
target=$ZENDRAK_ROOT/build/wine-dpi$dpi
bash "$here/wine-prefix.sh"
want="$dpi $(cat "$base/.zendrak-prefix")"
stamp=$target/.zendrak-dpi
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then exit 0; fi

exec 9>"$target.lock"
flock 9
rm -rf "$target"
cp -a "$base" "$target"
hex=$(printf '%08x' "$dpi")
printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]' \
    "\"Default\"=\"$((1280 * dpi / 96))x$((1024 * dpi / 96))\"" '' \
    '[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=dword:$hex" '' \
    '[HKEY_CURRENT_CONFIG\Software\Fonts]' "\"LogPixels\"=dword:$hex" '' \
    >"$target/drive_c/zendrak-dpi.reg"
export WINEPREFIX=$target
{ env -u DISPLAY "$ZENDRAK_WINE" regedit /S 'C:\zendrak-dpi.reg'; wineserver -k || true;
  wineserver -w || true; } </dev/null >/dev/null 2>&1
echo "$want" >"$stamp"
