# Shared pieces of the end-to-end scripts, sourced once EXE names kefelo.exe. The caller
# provides WINEPREFIX and a display; every script ends with finish, which prints
# "N passed, M failed". Windows are driven through driver.exe, built beside kefelo.exe
# (tests/e2e/tools/driver.cpp lists its commands): no pixel positions, no fixed waits.
: "${WINEPREFIX:?WINEPREFIX must name the Wine prefix to use}"
: "${EXE:?set EXE to kefelo.exe before sourcing lib.sh}"
export WINEPREFIX
export WINEDEBUG="${WINEDEBUG:--all}"
export LC_ALL="${LC_ALL:-hu_HU.UTF-8}"
ARTIFACTS="${ARTIFACTS:-build/artifacts}"
mkdir -p "$ARTIFACTS"
E2E_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
DRIVER="$(dirname "$EXE")/driver.exe"
# The main window, as the driver finds it.
MAIN=(--window-class TForm1)

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

# Ends this prefix's Wine processes (other prefixes are left alone) and waits until its
# server is gone: a wine command started while the old server is still dying fails.
stop_wine() {
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
}

# Stops Wine and reports.
finish() {
    if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null; fi
    stop_wine
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit $?
}

# check CLAIM COMMAND...: the claim passes when the command succeeds.
check() {
    local claim=$1
    shift
    if "$@"; then pass "$claim"; else fail "$claim"; fi
}
# must CLAIM COMMAND...: as check, but the test cannot go on without it.
must() {
    local claim=$1
    shift
    if "$@"; then pass "$claim"; else fail "$claim"; finish; fi
}
# expect CLAIM ACTUAL EXPECTED
expect() { if [ "$2" = "$3" ]; then pass "$1"; else fail "$1: got \"$2\", expected \"$3\""; fi; }
# eventually CLAIM EXPECTED COMMAND...: polls the command's output, its lines joined by
# ";", until it is EXPECTED; gives up after 30 s, as the driver's waits do.
eventually() {
    local claim=$1 expected=$2 actual deadline=$((SECONDS + 30))
    shift 2
    while :; do
        actual=$("$@" | tr '\n' ';')
        actual=${actual%;}
        if [ "$actual" = "$expected" ]; then
            pass "$claim"
            return 0
        fi
        [ "$SECONDS" -lt "$deadline" ] || break
        sleep 0.2
    done
    fail "$claim: got \"$actual\", expected \"$expected\""
    return 1
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

# drv COMMAND ...: the driver. An action it cannot carry out (its control missing or
# disabled, no menu open) is a failure of the test by itself.
drv() {
    wine "$DRIVER" "$@"
    local status=$?
    case "$1" in
    click | set-text | type | key | set-check | menu | close)
        [ "$status" -eq 0 ] || fail "the driver could not $1 ($*)"
        ;;
    esac
    return "$status"
}
# A screenshot for people to look at; it proves nothing, so it cannot fail the test.
shot() {
    sleep 0.3  # the last repaint
    import -window root "$ARTIFACTS/$1.png" 2>/dev/null || echo "note: no screenshot $1.png"
}

# The Linux path of a folder on the prefix's C: drive.
drive_c() { echo "$WINEPREFIX/drive_c/$1"; }

# Wine's own Tahoma and Wingdings in the prefix: the windows are drawn with them.
install_wine_fonts() {
    local source=/usr/share/wine/fonts
    mkdir -p "$(drive_c windows/Fonts)"
    [ -f "$source/tahoma.ttf" ] && [ -f "$source/wingding.ttf" ] && cp -n "$source"/*.ttf "$(drive_c windows/Fonts)/"
    [ -f "$(drive_c windows/Fonts/tahoma.ttf)" ] && [ -f "$(drive_c windows/Fonts/wingding.ttf)" ]
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
# The main window shown and taking input.
wait_main_window() { drv wait "${MAIN[@]}" --enabled --timeout 60000; }
# The main window's close button: the program ends within 20 s.
close_program() { drv close "${MAIN[@]}" && wait_for 20 process_ended; }

# What every script needs; without it the run fails rather than passes untested.
[ -n "${DISPLAY:-}" ] || { fail "no display: run under xvfb-run -a"; finish; }
[ -f "$DRIVER" ] || { fail "no driver at $DRIVER (it is built with kefelo.exe)"; finish; }
install_wine_fonts || { fail "Wine's Tahoma and Wingdings are missing (package fonts-wine)"; finish; }

# Without a window manager Wine waits 2 s for one whenever a window hides; windows that
# Wine manages itself do not wait. (A prefix shown on a real desktop should not get this:
# scripts/test gives these scripts a prefix of their own.)
if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi
