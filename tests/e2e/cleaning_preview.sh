#!/usr/bin/env bash
# "Előnézet" lists in the found-files list every file the run would delete and deletes
# nothing; "Takarítás" afterwards deletes exactly those files. The options page shows the
# group of how files go. Screenshots at the window's minimum size go to $ARTIFACTS.
#
# Usage: WINEPREFIX=... cleaning_preview.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: cleaning_preview.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PROG=$(fresh_program_dir kefelo-pv "$EXE")
DATA=$(drive_c e2e-pv)
rm -rf "$DATA"
mkdir -p "$DATA/Temp/al" "$DATA/Munka/mélyebb" "$DATA/Ki"
for f in Temp/a.tmp "Temp/b & 100%.log" Temp/al/c.dat Munka/x.bak Munka/y.txt "Munka/mélyebb/z.bak" Ki/off.bak; do
    echo "$f" >"$DATA/$f"
done
write_settings "$PROG/beallitasok.cfg"
python3 - "$PROG/konyvtarak.lst" <<'PY'
import sys
lines = ["|C:\\e2e-pv\\Temp", "C:\\e2e-pv\\Ki", "*", "|C:\\e2e-pv\\Munka>*.bak", "C:\\e2e-pv\\Ki>*.bak"]
open(sys.argv[1], 'wb').write(("\r\n".join(lines) + "\r\n").encode('cp1250'))
PY
# Every file under the data folder as a sorted Windows path list.
on_disk() { (cd "$DATA" && find . -type f | sed 's|^\./|C:\\e2e-pv\\|; s|/|\\|g' | sort); }
BEFORE=$(on_disk)

start_program cleaning_preview.wine.log
must "main window appears" wait_main_window
shot cleaning_preview_lists
drv click "${MAIN[@]}" --text Előnézet
check "the preview switches to the found files" drv wait "${MAIN[@]}" --text '*T a k a r í t á s   e l ő n é z e t e*'
eventually "it lists the five files the run would take" 5 drv count "${MAIN[@]}" --id 2221
shot cleaning_preview_found
# Folder, name and extension of each row, put together as the list shows them.
LISTED=$(paste -d '' <(drv items "${MAIN[@]}" --id 2221 --column 3 | tr ';' '\n' | sed 's/$/\\/') \
    <(drv items "${MAIN[@]}" --id 2221 --column 1 | tr ';' '\n') \
    <(drv items "${MAIN[@]}" --id 2221 --column 2 | tr ';' '\n') | sort)
expect "the preview deleted nothing" "$(on_disk)" "$BEFORE"

drv click "${MAIN[@]}" --id 1001 --item-text 'Tárolóürítés+feladatok kezelése'
drv click "${MAIN[@]}" --text Takarítás
check "the run ends on the report page" drv wait "${MAIN[@]}" --text Rendben --enabled --timeout 30000
DELETED=$(comm -23 <(echo "$BEFORE") <(on_disk))
expect "the run deleted exactly the previewed files" "$DELETED" "$LISTED"

drv click "${MAIN[@]}" --id 1001 --item-text Beállítások
drv click "${MAIN[@]}" --class Button --text 'Törlés módja'
check "the group shows its options" drv wait "${MAIN[@]}" --text 'A Takarítás a Lomtárba helyezze*'
shot cleaning_preview_options
check "the program ends when closed" close_program
finish
