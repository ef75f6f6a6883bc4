#!/usr/bin/env bash
# The cleaning page in use: a double click ticks an inactive container, a click on the
# "Hely" header sorts the containers, "Takarítás" empties them in the order shown and
# brings up the report, "Rendben" goes back, and the tools page shows the group
# "Törölhetetlenek". Screenshots of each step go to $ARTIFACTS.
#
# The clicks are placed for Wine's own fonts (Tahoma, Wingdings from the fonts-wine
# package) at 96 DPI; they are copied into the prefix when the package is there, and the
# interactive part is skipped without them.
#
# Usage: WINEPREFIX=... cleaning_page.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: cleaning_page.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

install_wine_fonts

PROG=$(drive_c kefelo-cp)
DATA=$(drive_c e2e-cp)
rm -rf "$PROG" "$DATA"
mkdir -p "$PROG" "$DATA/Temp" "$DATA/Cache" "$DATA/Munka/Temp"
cp "$EXE" "$PROG/kefelo.exe"
echo a >"$DATA/Temp/a.tmp"
echo c >"$DATA/Cache/cache.dat"
echo m >"$DATA/Munka/Temp/m.tmp"

# Settings: alerts on, recursive search, empty folders removed, no beep, never cleaned,
# closing the window quits.
write_settings "$PROG/beallitasok.cfg"
# Containers in file order: Temp (active), Cache (inactive), Munka\Temp (active), a missing one.
python3 - "$PROG/konyvtarak.lst" <<'PY'
import sys
lines = ["|C:\\e2e-cp\\Temp", "C:\\e2e-cp\\Cache", "|C:\\e2e-cp\\Munka\\Temp", "C:\\e2e-cp\\Régi\\Temp",
         "*", "C:\\e2e-cp\\Munka>*.tmp"]
open(sys.argv[1], 'wb').write(("\r\n".join(lines) + "\r\n").encode('cp1250'))
PY

start_program cleaning_page.wine.log
if wait_for 60 find_main_window; then
    pass "main window appears"
else
    fail "no main window within 60 s"
    finish
fi
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"
shot() { import -window root "$ARTIFACTS/$1.png" 2>/dev/null; }
# click DX DY [BUTTON]: relative to the window's top-left corner.
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click "${3:-1}"; sleep 1; }
shot cleaning_page_lists

if [ "$fonts" = no ]; then
    echo "SKIP: Wine's fonts are not installed (fonts-wine); no clicks"
else
    # Row 2 of the container grid is "Cache": a double click ticks it.
    xdotool mousemove $((X + 154)) $((Y + 86)) click --repeat 2 --delay 80 1
    sleep 1
    # The "Hely" header sorts by path: Cache, Munka\Temp, Régi\Temp, Temp.
    click 144 56
    shot cleaning_page_sorted
    # "Takarítás" sits in the bottom-right corner of the page.
    click $((WIDTH - 77)) $((HEIGHT - 48))
    log="$PROG/utolso.log"
    if wait_for 30 test -s "$log"; then
        pass "the run wrote utolso.log"
    else
        fail "no utolso.log 30 s after Takarítás"
    fi
    sleep 1
    shot cleaning_page_report
    if [ ! -e "$DATA/Cache/cache.dat" ] && [ ! -e "$DATA/Temp/a.tmp" ]; then
        pass "the double-clicked container was emptied with the active ones"
    else
        fail "Cache or Temp still holds its file"
    fi
    headings=$(iconv -f cp1250 -t utf-8 "$log" 2>/dev/null | tr -d '\r' | grep ' ürítése:$' | tr '\n' ';')
    expected='C:\e2e-cp\Cache ürítése:;C:\e2e-cp\Munka\Temp ürítése:;C:\e2e-cp\Temp ürítése:;'
    if [ "$headings" = "$expected" ]; then
        pass "containers are emptied in the sorted order"
    else
        fail "container order in the log: $headings"
    fi

    # "Ismétlés" runs again from the report: a new log replaces the old one.
    echo again >"$DATA/Temp/again.tmp"
    before=$(stat -c %Y "$log")
    sleep 1
    click 163 $((HEIGHT - 53))
    if wait_for 30 test ! -e "$DATA/Temp/again.tmp" && sleep 2 && [ "$(stat -c %Y "$log")" != "$before" ]; then
        pass "Ismétlés runs the cleaning again"
    else
        fail "Ismétlés did not run the cleaning again"
    fi
    shot cleaning_page_repeat

    # "Rendben" is the first button under the log.
    click 66 $((HEIGHT - 53))
    shot cleaning_page_back
    # "Műveletek", then the selector button "Törölhetetlenek".
    click 449 12
    click 84 160
    xdotool mousemove $((X + 250)) $((Y + 60))
    sleep 0.5
    xdotool mousemove $((X + 255)) $((Y + 62))
    sleep 1
    shot cleaning_page_tools

    # Closing saves the lists: the sorted order and the new tick are in the file.
    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --clearmodifiers alt+F4 2>/dev/null
    if wait_for 20 process_ended; then
        pass "the program ends when closed"
    else
        fail "the program still runs 20 s after Alt+F4"
    fi
    first=$(iconv -f cp1250 -t utf-8 "$PROG/konyvtarak.lst" 2>/dev/null | tr -d '\r' | head -n 1)
    if [ "$first" = '|C:\e2e-cp\Cache' ]; then
        pass "the saved list starts with the ticked Cache"
    else
        fail "first line of the saved list: $first"
    fi
fi

finish
