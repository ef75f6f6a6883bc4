#!/usr/bin/env bash
# "Alapértékek" under Wine: with an empty container list it asks only whether to search
# the profiles (answered "Igen"; Wine's profiles root is not a "Documents and Settings"
# one, so nothing more is found), lists the user's temp folder inactive, and the list
# saved at exit holds it without the active mark. Screenshots go to $ARTIFACTS.
#
# Usage: WINEPREFIX=... discovery.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: discovery.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PROG=$(fresh_program_dir kefelo-disc "$EXE")
# Settings: alerts on, no beep, closing the window quits. The lists are empty.
write_settings "$PROG/beallitasok.cfg"
printf '*\r\n' >"$PROG/konyvtarak.lst"

start_program discovery.wine.log
must "main window appears" wait_main_window
# An empty grid keeps one blank row.
expect "the container list starts empty" "$(drv items "${MAIN[@]}" --id 2111 --column 2)" ""
drv click "${MAIN[@]}" --text Alapértékek
question=$(drv message-box --window Megerősítés --press '&Igen')
case "$question" in
*"összes felhasználó átmeneti tárolóinak felkutatását"*) pass "Alapértékek asks whether to search the profiles" ;;
*) fail "Alapértékek asks whether to search the profiles; the box said: \"$question\"" ;;
esac
# The profile search ends at once under Wine; its row shows in the "Hely" column.
check "the user's temp folder is listed" drv wait "${MAIN[@]}" --id 2111 --column 2 --has-item 'C:\users\*Temp'
check "no other question follows" drv wait --window-class '#32770' --window Megerősítés --gone --timeout 1000
shot discovery_lists

check "the program ends when closed" close_program
saved=$(iconv -f cp1250 -t utf-8 "$PROG/konyvtarak.lst" 2>/dev/null | tr -d '\r')
if printf '%s\n' "$saved" | grep -qiE '^C:\\users\\[^\\|]+\\(AppData\\Local\\)?Temp$'; then
    pass "the user's temp folder is saved inactive"
else
    fail "no inactive user temp folder in the saved list: $(printf '%s' "$saved" | tr '\n' ';')"
fi

finish
