#!/usr/bin/env bash
# Starts kefelo.exe under Wine, finds its main window, checks the exact title, takes a
# screenshot, presses Alt+F4 and checks that the process ends.
#
# Usage: WINEPREFIX=... first_window.sh path/to/kefelo.exe
# The caller provides the display (for example through xvfb-run -a). Screenshots go to
# $ARTIFACTS (default build/artifacts). Prints "N passed, M failed" last; exits non-zero
# when anything failed.
set -u
EXE="${1:?usage: first_window.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

TITLE="Kefeló v3.2.1.0 - A merevlemezterület karbantartója  <http://kefelo.hu>"

[ -f "$EXE" ] || { fail "no executable at $EXE"; finish; }
# With settings in place: a folder without them is a first run, which installs first.
PROG=$(fresh_program_dir kefelo-first "$EXE")
write_settings "$PROG/beallitasok.cfg"
start_program first_window.wine.log

must "main window appears" wait_main_window
expect "title is exactly the caption" "$(drv get-text "${MAIN[@]}")" "$TITLE"
shot first_window
check "Alt+F4 reaches the window" drv key "${MAIN[@]}" alt+F4
check "process ends after the window is closed" wait_for 20 process_ended
stop_wine

# The window comes back where it was left, start after start, and a place that no monitor
# shows is brought onto the screen.
placed() {
    python3 -c 'import struct, sys; print(*struct.unpack_from("<ii", open(sys.argv[1], "rb").read(), 16))' \
        "$PROG/beallitasok.cfg"
}
run_once() {
    start_program first_window_place.wine.log
    must "main window appears at $(placed)" wait_main_window
    drv key "${MAIN[@]}" alt+F4
    must "the program ends" wait_for 20 process_ended
    stop_wine
}
write_settings "$PROG/beallitasok.cfg" windowLeft=300 windowTop=200
run_once
run_once
expect "the place stays after two starts" "$(placed)" "300 200"
write_settings "$PROG/beallitasok.cfg" windowLeft=-20000 windowTop=30000
run_once
read -r left top <<<"$(placed)"
check "a place off every monitor comes back on the screen ($left $top)" \
    eval '[ "$left" -ge 0 ] && [ "$left" -lt 1280 ] && [ "$top" -ge 0 ] && [ "$top" -lt 1024 ]'

finish
