# Sourced by the Wine scripts: the project's own prefix and a quiet, fixed environment.
#   ZENDRAK_ROOT        the repository (set from this file's place when unset)
#   ZENDRAK_WINEPREFIX  the prefix to use instead of $ZENDRAK_ROOT/build/wine
# A WINEPREFIX inherited from the caller is ignored on purpose: the scripts never touch
# another prefix.
if [ -z "${ZENDRAK_ROOT:-}" ]; then
    ZENDRAK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
fi
export ZENDRAK_ROOT
export WINEPREFIX="${ZENDRAK_WINEPREFIX:-$ZENDRAK_ROOT/build/wine}"
export WINEARCH=win64
export WINEDEBUG="${ZENDRAK_WINEDEBUG:--all}"
# Wine rewrites the regional settings when the Unix locale changes: keep it fixed.
export LANG=C.UTF-8
export LC_ALL=C.UTF-8
unset WINEDLLOVERRIDES
# Debian installs only "wine" for 64-bit programs when wine32 is absent.
ZENDRAK_WINE=$(command -v wine || command -v wine64 || echo wine)

# zendrak_alive PID: true while the process runs (a finished child that is not yet waited
# for is a zombie, and kill -0 would still succeed on it).
zendrak_alive() {
    local stat
    stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
    stat=${stat##*) }
    [ "${stat%% *}" != Z ]
}

# zendrak_wait_exit PID SECONDS: waits up to SECONDS for our child PID to end and returns
# its exit status, or 124 (leaving it running) when it is still alive at the deadline.
zendrak_wait_exit() {
    local pid=$1 deadline=$((SECONDS + $2))
    while zendrak_alive "$pid"; do
        [ $SECONDS -ge $deadline ] && return 124
        sleep 0.05
    done
    local rc=0
    wait "$pid" || rc=$?
    return $rc
}
