#!/usr/bin/env bash
# The cleaning page in use: a double click ticks an inactive container, a click on the
# "Hely" header sorts the containers, "Takarítás" empties them in the order shown and
# brings up the report, "Ismétlés" runs again, both runs are in the history file,
# "Rendben" goes back, and the tools page shows the group "Törölhetetlenek". The
# diagnostic console is on ("teszt.mod") and shows the batch text of the run.
# Screenshots of each step go to $ARTIFACTS.
#
# Usage: WINEPREFIX=... cleaning_page.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: cleaning_page.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PROG=$(fresh_program_dir kefelo-cp "$EXE")
DATA=$(drive_c e2e-cp)
rm -rf "$DATA"
mkdir -p "$DATA/Temp" "$DATA/Cache" "$DATA/Munka/Temp"
echo a >"$DATA/Temp/a.tmp"
echo c >"$DATA/Cache/cache.dat"
echo m >"$DATA/Munka/Temp/m.tmp"

: >"$PROG/teszt.mod"
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
log="$PROG/utolso.log"
log_text() { iconv -f cp1250 -t utf-8 "$log" 2>/dev/null | tr -d '\r'; }
# The "Hely" column of the container grid.
places() { drv items "${MAIN[@]}" --id 2111 --column 2; }

start_program cleaning_page.wine.log
must "main window appears" wait_main_window
eventually "the containers show sorted by path after loading" \
    'C:\e2e-cp\Cache;C:\e2e-cp\Munka\Temp;C:\e2e-cp\Régi\Temp;C:\e2e-cp\Temp' places
shot cleaning_page_lists

# The double click's tick shows in the run and in the saved list below.
check "the inactive Cache row takes a double click" \
    drv click "${MAIN[@]}" --id 2111 --column 2 --item-text 'C:\e2e-cp\Cache' --double
drv click "${MAIN[@]}" --id 2111 --header --item-text Hely
eventually "the Hely header reverses the order by path" \
    'C:\e2e-cp\Temp;C:\e2e-cp\Régi\Temp;C:\e2e-cp\Munka\Temp;C:\e2e-cp\Cache' places
shot cleaning_page_sorted

drv click "${MAIN[@]}" --text Takarítás
check "the run ends on the report page" drv wait "${MAIN[@]}" --text Rendben --enabled --timeout 30000
check "the run wrote utolso.log" wait_for 10 test -s "$log"
check "the report shows the log" drv wait "${MAIN[@]}" --id 2152 --text-has 'C:\e2e-cp\Temp ürítése:'
shot cleaning_page_report
if [ ! -e "$DATA/Cache/cache.dat" ] && [ ! -e "$DATA/Temp/a.tmp" ]; then
    pass "the double-clicked container was emptied with the active ones"
else
    fail "Cache or Temp still holds its file"
fi
expect "containers are emptied in the sorted order" "$(log_text | grep ' ürítése:$' | tr '\n' ';')" \
    'C:\e2e-cp\Temp ürítése:;C:\e2e-cp\Munka\Temp ürítése:;C:\e2e-cp\Cache ürítése:;'

# "Ismétlés" runs again from the report: a new log replaces the old one.
echo again >"$DATA/Temp/again.tmp"
drv click "${MAIN[@]}" --text Ismétlés
check "Ismétlés empties the containers again" wait_for 30 test ! -e "$DATA/Temp/again.tmp"
check "and ends on the report again" drv wait "${MAIN[@]}" --text Rendben --enabled --timeout 30000
check "the new log names the new file" wait_for 10 eval 'log_text | grep -q again.tmp'
# Both runs are in the history, the second with the one file it deleted; the report's
# chart draws them (seen in the screenshot).
history_runs() { iconv -f cp1250 -t utf-8 "$PROG/takaritasok.csv" 2>/dev/null | tr -d '\r' | sed -n '2,$p' | cut -d';' -f2-5 | tr '\n' '|'; }
eventually "each run added its line to takaritasok.csv" 'kézi;3;6;0|kézi;1;6;0|' history_runs
shot cleaning_page_repeat

drv click "${MAIN[@]}" --text Rendben
check "Rendben goes back to the lists" drv wait "${MAIN[@]}" --id 2111
drv click "${MAIN[@]}" --id 1001 --item-text Műveletek
drv click "${MAIN[@]}" --class Button --text Törölhetetlenek
check "the tools page shows the group Törölhetetlenek" drv wait "${MAIN[@]}" --text 'autodel.bat megtekintése'
check "the diagnostic console shows the run's batch text" drv wait "${MAIN[@]}" --id 1008 --text-has '@ECHO OFF'
shot cleaning_page_tools

# Closing saves the lists: the sorted order and the new tick are in the file.
check "the program ends when closed" close_program
expect "the saved list is in the shown order, Cache ticked last" \
    "$(iconv -f cp1250 -t utf-8 "$PROG/konyvtarak.lst" 2>/dev/null | tr -d '\r' | sed -n 4p)" '|C:\e2e-cp\Cache'

finish
