#!/bin/bash
# The display's scale: the scenario s_display_scale in a prefix of its own at each of the
# given DPIs (default 144 and 192; 96 runs with the other scenarios).
#   tests/e2e/dpi.sh [DPI...]
[ -n "${BASH_VERSION:-}" ] || exec bash "$0" "$@"    # also when started with sh
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
failed=0
for dpi in "${@:-144 192}"; do
    for d in $dpi; do
        bash "$root/scripts/dpi-prefix.sh" "$d"
        echo "== at $d DPI"
        ZENDRAK_WINEPREFIX=$root/build/wine-dpi$d ZENDRAK_E2E_DIR=$root/build/e2e-dpi$d \
            ZENDRAK_SCREEN=$((1280 * d / 96))x$((1024 * d / 96)) E2E_DPI=$d \
            bash "$root/tests/e2e/run.sh" s_display_scale || failed=1
    done
done
exit $failed
