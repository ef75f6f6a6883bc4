#!/usr/bin/env bash
# Starts kefelo.exe under Wine on the current DISPLAY, finds its main window by the exact
# title, takes a screenshot, closes the window and checks that the process ends.
#
# Usage: WINEPREFIX=... first_window.sh path/to/kefelo.exe
# The caller provides the display (for example through xvfb-run -a). Screenshots go to
# $ARTIFACTS (default build/artifacts). Prints "N passed, M failed" last; exits non-zero
# when anything failed.
set -u

EXE="${1:?usage: first_window.sh path/to/kefelo.exe}"
: "${DISPLAY:?DISPLAY must be set (run under xvfb-run -a)}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
START_TIMEOUT="${START_TIMEOUT:-60}"
EXIT_TIMEOUT="${EXIT_TIMEOUT:-20}"

TITLE="Kefeló v3.2.1.0 - A merevlemezterület karbantartója  <http://kefelo.hu>"

find_window() {
    window=$(xdotool search --onlyvisible --name "$(title_pattern "$TITLE")" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

process_ended() { ! kill -0 "$pid" 2>/dev/null; }

[ -f "$EXE" ] || { fail "no executable at $EXE"; finish; }

wine "$EXE" >"$ARTIFACTS/first_window.wine.log" 2>&1 &
pid=$!

window=""
if wait_for "$START_TIMEOUT" find_window; then
    pass "main window appears with its title"
else
    fail "no visible window titled \"$TITLE\" within ${START_TIMEOUT}s"
    finish
fi

name=$(xdotool getwindowname "$window" 2>/dev/null)
if [ "$name" = "$TITLE" ]; then
    pass "title is exactly the caption"
else
    fail "title is \"$name\""
fi

# Let the first paint finish before the screenshot.
sleep 1
shot="$ARTIFACTS/first_window.png"
if import -window root "$shot" 2>/dev/null && [ -s "$shot" ]; then
    pass "screenshot saved to $shot"
else
    fail "screenshot could not be taken"
fi

# No window manager is needed: focus the window directly and press Alt+F4.
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --clearmodifiers alt+F4 2>/dev/null
if wait_for "$EXIT_TIMEOUT" process_ended; then
    pass "process ends after the window is closed"
else
    fail "process still running ${EXIT_TIMEOUT}s after Alt+F4"
fi

finish
