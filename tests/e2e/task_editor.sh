#!/usr/bin/env bash
# The task editors on the cleaning page: "Új feladat" replaces the task list with the
# new-task editor, storing without a ticked type is refused, "Mégse" brings the list
# back; "Módosítás" reopens a task with its types ticked, a newly ticked type is stored
# and saved. "Saját típusaim" of the selection popup opens the own-types editor, where
# "Hozzáad" and "Elment" add an own type that the settings keep.
# Screenshots go to $ARTIFACTS (task_editor.png, own_types.png, task_modify.png).
#
# Clicks are placed for Wine's own fonts at 96 DPI; without them the clicks are skipped.
#
# Usage: WINEPREFIX=... task_editor.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: task_editor.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

install_wine_fonts

PROG=$(drive_c kefelo-task)
DATA=$(drive_c e2e-task)
rm -rf "$PROG" "$DATA"
mkdir -p "$PROG" "$DATA/Munka"
cp "$EXE" "$PROG/kefelo.exe"

# Settings: alerts on, closing the window quits.
write_settings "$PROG/beallitasok.cfg"
# One inactive task of two types.
printf '*\r\nC:\\e2e-task\\Munka>*.TMP|*.BAK\r\n' >"$PROG/konyvtarak.lst"

start_program task_editor.wine.log
if wait_for 60 find_main_window; then
    pass "main window appears"
else
    fail "no main window within 60 s"
    finish
fi
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"
shot() { import -window root "$ARTIFACTS/$1.png" 2>/dev/null; }
click() {
    xdotool mousemove $((X + $1)) $((Y + $2))
    sleep 0.4
    xdotool click "${3:-1}"
    sleep 1
}
box_visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

if [ "$fonts" = no ]; then
    echo "SKIP: Wine's fonts are not installed (fonts-wine); no clicks"
else
    # "Új feladat", then "Felvétel" with nothing ticked.
    click 348 280
    click 470 281
    if wait_for 5 box_visible 'Információ'; then
        pass "storing without a ticked type is refused"
    else
        fail "no information box after Felvétel without types"
    fi
    xdotool key Return
    sleep 1
    # Tick the first two categories and their first two types.
    click 309 55
    click 309 71
    click 507 55
    click 507 71
    shot task_editor
    # The selection popup of the type list, then "Saját típusaim".
    click 560 200 3
    click 612 271
    if wait_for 5 box_visible 'Saját állomány-típusok kezelése'; then
        pass "Saját típusaim opens the own-types editor"
    else
        fail "the own-types editor did not open"
    fi
    shot own_types
    # "Hozzáad": the input box takes a new mask, "Elment" stores it.
    click 456 60
    if wait_for 5 box_visible 'Saját átmeneti állomány-típus felvétele'; then
        xdotool type --delay 50 '*.ABC'
        sleep 0.5
        # "OK" of the input box, which opens at the editor's top-left corner.
        click 357 168
        sleep 1
        shot own_types_added
        click 456 157
        shot own_types_stored
    else
        fail "Hozzáad shows no input box"
        xdotool key Escape
    fi
    sleep 1
    # "Mégse" brings the list back; "Módosítás" opens the task.
    click 586 281
    click 310 73
    click 457 280
    shot task_modify
    # "*.TEMP" is the second type of the first category; "Módosít" stores it.
    click 507 71
    click 480 281

    xdotool windowfocus --sync "$window" 2>/dev/null
    xdotool key --clearmodifiers alt+F4 2>/dev/null
    if wait_for 20 process_ended; then
        pass "the program ends when closed"
    else
        fail "the program still runs 20 s after Alt+F4"
    fi
    if grep -q '\*\.ABC' "$PROG/beallitasok.cfg"; then
        pass "the own type added in the editor is saved"
    else
        fail "the saved settings lack the new own type"
    fi
    task=$(iconv -f cp1250 -t utf-8 "$PROG/konyvtarak.lst" 2>/dev/null | tr -d '\r' | grep '>')
    if [ "$task" = 'C:\e2e-task\Munka>*.TMP|*.TEMP|*.BAK' ]; then
        pass "the modified task keeps its location and gains the ticked type"
    else
        fail "saved task line: $task"
    fi
fi

finish
