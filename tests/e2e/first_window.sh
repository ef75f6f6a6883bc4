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

finish
