#!/usr/bin/env bash
# A directory start, "kefelo.exe C:\folder": every category and type is ticked, the folder
# is searched at once and the window comes up with exactly the matching files listed
# (protected names and other files left out). "Mind aktív" of the list's menu marks them,
# Space takes one mark away, a click on the "Méret (bájt)" title sorts by size, a name
# protected from the menu shows on the options page at once, and "Visszalépés" goes back
# to the settings. Then a long search, stopped while it runs, lists
# what it found so far. Screenshots: search_results.png (rows coloured by their
# attributes), search_settings.png and search_stopped.png.
#
# Usage: WINEPREFIX=... search_results.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: search_results.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PROG=$(fresh_program_dir kefelo-sres "$EXE")
DATA=$(drive_c e2e-találatok)
rm -rf "$DATA"
mkdir -p "$DATA/Mélyebb"
printf 12345 >"$DATA/a.tmp"
printf 1 >"$DATA/Mélyebb/régi.bak"
head -c 1234567 /dev/zero >"$DATA/rejtett.tmp"
printf 123 >"$DATA/írásvédett.tmp"
printf 12 >"$DATA/védett.tmp"
printf xx >"$DATA/levél.doc"
chmod a-w "$DATA/írásvédett.tmp"
# A tree that takes a while to search, however slow the machine, as every step of the test
# between the start of the search and Esc is slowed down with it: 400 folders of 50
# folders (a folder costs a walk much more than a file) of five files, one in five a match.
BIG=$(drive_c e2e-nagy)
BIG_FILES=100000
if [ ! -f "$BIG/kész-400x50x5" ]; then
    rm -rf "$BIG"
    python3 - "$BIG" <<'PY'
import os, sys
root = sys.argv[1]
for d in range(400):
    for e in range(50):
        folder = os.path.join(root, "mappa%03d" % d, "al%02d" % e)
        os.makedirs(folder)
        for f in range(5):
            open(os.path.join(folder, "f%d.%s" % (f, "tmp" if f == 0 else "dat")), "w").close()
open(os.path.join(root, "kész-400x50x5"), "w").close()
PY
fi
wine attrib +h 'C:\e2e-találatok\rejtett.tmp' >/dev/null 2>&1

write_settings "$PROG/beallitasok.cfg"
printf 'védett.tmp\r\n' | iconv -f utf-8 -t cp1250 >"$PROG/vedettek.lst"

LIST=(--id 2221)
names() { drv items "${MAIN[@]}" "${LIST[@]}" --column 1 | LC_ALL=C sort | tr '\n' ' '; }
sizes() { drv items "${MAIN[@]}" "${LIST[@]}" --column 4; }

start_program search_results.wine.log 'C:\e2e-találatok'
must "the window comes up when the search of the directory start ends" wait_main_window
check "the results page shows the list" drv wait "${MAIN[@]}" "${LIST[@]}" --count 4
expect "exactly the matching files are listed" "$(names)" "a rejtett régi írásvédett "
check "the group names the searched place" \
    drv wait "${MAIN[@]}" --id 2220 --text-has '"C:\e2e-találatok\" helyen'
check "the found files are counted and summed" drv wait "${MAIN[@]}" --id 2231 --text-is $'4 db\r\n1.234.576 bájt'
check "nothing is active yet, so Törlés is disabled" drv wait "${MAIN[@]}" --id 2244 --disabled

# Enter opens `pTalalatok`; its first item is "Mind aktív".
drv key "${MAIN[@]}" "${LIST[@]}" return
check "the menu takes Mind aktív" drv menu --pick-index 0
check "every row is active" drv wait "${MAIN[@]}" --id 2241 --text-is $'4 db\r\n1.234.576 bájt'
check "the operation buttons follow the marks" drv wait "${MAIN[@]}" --id 2244 --enabled

drv click "${MAIN[@]}" "${LIST[@]}" --header --item-text 'Méret (bájt)'
eventually "the size title sorts by size, as numbers" "1;3;5;1234567" sizes
drv click "${MAIN[@]}" "${LIST[@]}" --item 0
drv key "${MAIN[@]}" "${LIST[@]}" space
check "Space takes the current row's mark away" drv wait "${MAIN[@]}" --id 2241 --text-is $'3 db\r\n1.234.575 bájt'
shot search_results

# The current row's name protected from the list's menu: the row goes, and the options
# page's list holds the name when it comes up, without any edit there.
drv key "${MAIN[@]}" "${LIST[@]}" return
check "the menu protects the current row's name" drv menu --pick-index 7
PROTECT=$(drv message-box --window Megerősítés --press '&Igen')
check "the question names the file" grep -q 'régi.bak' <<<"$PROTECT"
check "its row leaves the list" drv wait "${MAIN[@]}" "${LIST[@]}" --count 3
drv click "${MAIN[@]}" --class SysTabControl32 --item-text Beállítások
drv click "${MAIN[@]}" --class Button --text 'Védett állományok'
check "the options page lists the new protected name" drv wait "${MAIN[@]}" --id 2481 --has-item régi.bak
expect "beside the one it had" "$(drv count "${MAIN[@]}" --id 2481)" 2
drv click "${MAIN[@]}" --class SysTabControl32 --item-text 'Átmeneti állományok keresése és kezelése'

drv click "${MAIN[@]}" --id 2225
check "Visszalépés goes back to the settings" drv wait "${MAIN[@]}" --id 2216
check "the location keeps the searched folder" drv wait "${MAIN[@]}" --id 2215 --text-is 'C:\e2e-találatok\'
shot search_settings

drv set-text "${MAIN[@]}" --id 2215 'C:\e2e-nagy'
# Esc reaches the window through the walk's own message pump, as the button does. It is
# pressed on the X server, as a user's key is: under Wine a key the driver injects during
# the walk arrives twice.
case "$(drv foreground)" in
    Kefeló*) pass "the main window has the keyboard" ;;
    *) fail "the main window does not have the keyboard" ;;
esac
# The click returns once the search runs; from there on, the fewer steps before Esc, the
# less of the search is over when it comes.
drv click "${MAIN[@]}" --id 2216
check "the long search runs" drv wait "${MAIN[@]}" --id 2225 --text-is 'Keresés leállítása'
xdotool key Escape
check "Esc stops it and shows the list with Visszalépés" drv wait "${MAIN[@]}" --id 2225 --text-is 'Visszalépés'
check "the group tells the time up to the stop" drv wait "${MAIN[@]}" --id 2220 --text-has '"C:\e2e-nagy\" helyen'
found=$(drv count "${MAIN[@]}" "${LIST[@]}")
if [ "${found:-0}" -gt 0 ] && [ "$found" -lt $((BIG_FILES / 5)) ]; then
    pass "what was found so far is listed ($found of $((BIG_FILES / 5)))"
else
    fail "the stopped search lists $found rows, expected some but fewer than $((BIG_FILES / 5))"
fi
shot search_stopped

check "the program ends when closed" close_program
finish
