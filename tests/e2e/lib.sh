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

E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

# Wine's own Tahoma and Wingdings in the prefix; fonts=yes when both are there.
install_wine_fonts() {
    local source=/usr/share/wine/fonts
    fonts=no
    [ -f "$source/tahoma.ttf" ] && [ -f "$source/wingding.ttf" ] || return 0
    mkdir -p "$(drive_c windows/Fonts)"
    cp -n "$source"/*.ttf "$(drive_c windows/Fonts)/"
    fonts=yes
}

# fresh_program_dir NAME EXE: an empty program directory on C: holding a copy of the exe.
fresh_program_dir() {
    local dir
    dir=$(drive_c "$1")
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$2" "$dir/kefelo.exe"
    echo "$dir"
}

# write_settings FILE [name=value ...]: a settings record (see settings_record.py).
write_settings() { python3 "$E2E_DIR/settings_record.py" "$@"; }

# start_program LOGNAME [ARGS...]: starts $PROG/kefelo.exe in the background as $pid.
start_program() {
    local log="$1"
    shift
    wine "$PROG/kefelo.exe" "$@" >"$ARTIFACTS/$log" 2>&1 &
    pid=$!
}
process_ended() { ! kill -0 "$pid" 2>/dev/null; }
find_main_window() {
    window=$(xdotool search --onlyvisible --name '^Kefeló v3' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
