#!/usr/bin/env bash
# The options page at the window's minimum size: the stored options show in their boxes,
# automatic cleaning puts the Run entry into the registry, and "Auto-szolgáltatások"
# brings up its group. Screenshots of both groups go to $ARTIFACTS.
#
# The clicks are placed for Wine's own fonts (Tahoma) at 96 DPI.
#
# Usage: WINEPREFIX=... options_page.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: options_page.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

install_wine_fonts

PROG=$(drive_c kefelo-opt)
rm -rf "$PROG"
mkdir -p "$PROG"
cp "$EXE" "$PROG/kefelo.exe"
wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v 'Kefeló' /f >/dev/null 2>&1

# Automatic cleaning every 5 days, update search every 15, alerts on; the options page
# is the last one shown.
write_settings "$PROG/beallitasok.cfg" autoClean=1 days=5 deleteEmpty=0 page=3 updateSearch=1
printf '*\r\n' >"$PROG/konyvtarak.lst"

start_program options_page.wine.log
if wait_for 60 find_main_window; then
    pass "main window appears"
else
    fail "no main window within 60 s"
    finish
fi
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"
shot() { import -window root "$ARTIFACTS/$1.png" 2>/dev/null; }
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click "${3:-1}"; sleep 1; }
shot options_general

# The console's code page garbles the value's name; the data is plain ASCII here.
query=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' 2>/dev/null | tr -d '\r')
if printf '%s\n' "$query" | grep -aq '[[:space:]]C:\\kefelo-opt\\kefelo\.exe /a$'; then
    pass "automatic cleaning writes the Run entry"
else
    fail "no Run entry: $query"
fi

# "Auto-szolgáltatások" is the second selector button.
click 60 ${OPTIONS_AUTORUNS_Y:-95}
shot options_autoruns

xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --clearmodifiers alt+F4 2>/dev/null
wait_for 20 bash -c "! kill -0 $pid 2>/dev/null" || kill "$pid" 2>/dev/null
finish
