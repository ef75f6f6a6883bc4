#!/usr/bin/env bash
# The task editors on the cleaning page: "Új feladat" replaces the task list with the
# new-task editor, storing without a ticked type is refused, "Mégse" brings the list
# back; "Módosítás" reopens a task with its types ticked, a newly ticked type is stored
# and saved. "Saját típusaim" of the selection popup opens the own-types editor, where
# "Hozzáad" and "Elment" add an own type that the settings keep.
# Screenshots go to $ARTIFACTS (task_editor.png, own_types.png, task_modify.png).
#
# Usage: WINEPREFIX=... task_editor.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: task_editor.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PROG=$(fresh_program_dir kefelo-task "$EXE")
DATA=$(drive_c e2e-task)
rm -rf "$DATA"
mkdir -p "$DATA/Munka"
# Settings: alerts on, closing the window quits.
write_settings "$PROG/beallitasok.cfg"
# One inactive task of two types.
printf '*\r\nC:\\e2e-task\\Munka>*.TMP|*.BAK\r\n' >"$PROG/konyvtarak.lst"

EDITOR=(--window 'Saját állomány-típusok kezelése')
INPUT=(--window 'Saját átmeneti állomány-típus felvétele')
CATEGORIES=(--class ListBox --id 1)
TYPES=(--class ListBox --id 2)

start_program task_editor.wine.log
must "main window appears" wait_main_window
drv click "${MAIN[@]}" --text 'Új feladat'
must "Új feladat opens the editor" drv wait "${MAIN[@]}" --text Felvétel
check "in place of the task list" drv wait "${MAIN[@]}" --id 2121 --gone
drv click "${MAIN[@]}" --text Felvétel
expect "storing without a ticked type is refused" "$(drv message-box --window Információ --press OK)" \
    "Legalább egy állománytípust ki kell választani!"

# A double click toggles a tick.
drv click "${MAIN[@]}" "${CATEGORIES[@]}" --item 0 --double
check "a ticked category brings its types" wait_for 10 eval '[ "$(drv count "${MAIN[@]}" "${TYPES[@]}")" -gt 1 ]'
shot task_editor

drv click "${MAIN[@]}" "${TYPES[@]}" --right
drv menu --pick-index 3  # "Saját típusaim", after a separator
must "Saját típusaim opens the own-types editor" drv wait "${EDITOR[@]}"
shot own_types
drv click "${EDITOR[@]}" --text Hozzáad
must "Hozzáad asks for the new type" drv wait "${INPUT[@]}"
drv set-text "${INPUT[@]}" --class Edit '*.ABC'
drv click "${INPUT[@]}" --text OK
check "the input box closes with OK" drv wait "${INPUT[@]}" --gone
check "the new type shows in the editor" drv wait "${EDITOR[@]}" --class ListBox --has-item '*.ABC'
shot own_types_added
drv click "${EDITOR[@]}" --text Elment
check "Elment closes the own-types editor" drv wait "${EDITOR[@]}" --gone

drv click "${MAIN[@]}" --text Mégse
check "Mégse brings the task list back" drv wait "${MAIN[@]}" --id 2121
drv click "${MAIN[@]}" --id 2121 --item 0
drv click "${MAIN[@]}" --text Módosítás
check "Módosítás opens the task" drv wait "${MAIN[@]}" "${TYPES[@]}" --has-item '*.TEMP'
shot task_modify
drv click "${MAIN[@]}" "${TYPES[@]}" --item-text '*.TEMP' --double
drv click "${MAIN[@]}" --text Módosít
eventually "the task list shows the task with the new type" '*.TMP|*.TEMP|*.BAK' \
    drv items "${MAIN[@]}" --id 2121 --column 2

check "the program ends when closed" close_program
if grep -q '\*\.ABC' "$PROG/beallitasok.cfg"; then
    pass "the own type added in the editor is saved"
else
    fail "the saved settings lack the new own type"
fi
expect "the modified task keeps its location and gains the ticked type" \
    "$(iconv -f cp1250 -t utf-8 "$PROG/konyvtarak.lst" 2>/dev/null | tr -d '\r' | grep '>')" \
    'C:\e2e-task\Munka>*.TMP|*.TEMP|*.BAK'

finish
