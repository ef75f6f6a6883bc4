#!/usr/bin/env bash
# "Alapértékek" under Wine: with an empty container list it asks only whether to search
# the profiles (answered "Igen"; Wine's profiles root is not a "Documents and Settings"
# one, so nothing more is found), lists the user's temp folder inactive, and the list
# saved at exit holds it without the active mark. A screenshot goes to $ARTIFACTS.
#
# The click is placed for Wine's own fonts at 96 DPI; without them it is skipped.
#
# Usage: WINEPREFIX=... discovery.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: discovery.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

install_wine_fonts

PROG=$(drive_c kefelo-disc)
rm -rf "$PROG"
mkdir -p "$PROG"
cp "$EXE" "$PROG/kefelo.exe"

# Settings: alerts on, no beep, closing the window quits. The lists are empty.
write_settings "$PROG/beallitasok.cfg"
printf '*\r\n' >"$PROG/konyvtarak.lst"

start_program discovery.wine.log
find_question() {
    question=$(xdotool search --onlyvisible --name '^Megerősítés$' 2>/dev/null | head -n 1)
    [ -n "$question" ]
}
if wait_for 60 find_main_window; then
    pass "main window appears"
else
    fail "no main window within 60 s"
    finish
fi
# The window takes input once its start-up timer has run.
sleep 6
eval "$(xdotool getwindowgeometry --shell "$window")"
shot() { import -window root "$ARTIFACTS/$1.png" 2>/dev/null; }

if [ "$fonts" = no ]; then
    echo "SKIP: Wine's fonts are not installed (fonts-wine); no clicks"
    finish
fi

# "Alapértékek" is the first button under the container grid.
xdotool mousemove $((X + 60)) $((Y + HEIGHT - 93)) click 1
if wait_for 20 find_question; then
    pass "Alapértékek asks whether to search the profiles"
    shot discovery_question
    xdotool windowfocus --sync "$question" 2>/dev/null
    xdotool key --clearmodifiers i
    if wait_for 20 eval '! find_question'; then
        pass "Igen answers the question"
    else
        fail "the question is still open 20 s after Igen"
    fi
else
    fail "no question 20 s after Alapértékek"
fi
# The profile search ends at once under Wine; the window repaints after it.
sleep 4
shot discovery_lists

xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --clearmodifiers alt+F4 2>/dev/null
if wait_for 20 process_ended; then
    pass "the program ends when closed"
else
    fail "the program still runs 20 s after Alt+F4"
fi
saved=$(iconv -f cp1250 -t utf-8 "$PROG/konyvtarak.lst" 2>/dev/null | tr -d '\r')
if printf '%s\n' "$saved" | grep -qiE '^C:\\users\\[^\\|]+\\(AppData\\Local\\)?Temp$'; then
    pass "the user's temp folder is listed inactive"
else
    fail "no inactive user temp folder in the saved list: $(printf '%s' "$saved" | tr '\n' ';')"
fi

finish
