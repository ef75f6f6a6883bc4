# Shared pieces of the end-to-end scripts (sourced). The caller provides WINEPREFIX and a
# display; every script ends with finish, which prints "N passed, M failed".
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix to use}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export LC_ALL="${LC_ALL:-hu_HU.UTF-8}"
ARTIFACTS="${ARTIFACTS:-build/artifacts}"
mkdir -p "$ARTIFACTS"

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

# Ends this prefix's Wine processes (other prefixes are left alone) and reports.
finish() {
    if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null; fi
    wineserver -k 2>/dev/null
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit $?
}

# wait_for SECONDS COMMAND...: polls every 0.25 s until the command succeeds.
wait_for() {
    local timeout=$1
    shift
    local deadline=$((SECONDS + timeout))
    while [ "$SECONDS" -lt "$deadline" ]; do
        "$@" && return 0
        sleep 0.25
    done
    return 1
}

# The Linux path of a folder on the prefix's C: drive.
drive_c() { echo "$WINEPREFIX/drive_c/$1"; }

# The main window's exact title, as xdotool's --name regular expression.
title_pattern() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\.*^$?+(){}|]/\\&/g')"; }
