#!/usr/bin/env bash
# The options page at the window's minimum size: the stored options show in their boxes,
# automatic cleaning puts the Run entry into the registry, and "Auto-szolgáltatások"
# brings up its group with the stored intervals. Screenshots of both groups go to
# $ARTIFACTS.
#
# Usage: WINEPREFIX=... options_page.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: options_page.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PROG=$(fresh_program_dir kefelo-opt "$EXE")
wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v 'Kefeló' /f >/dev/null 2>&1

# Automatic cleaning every 5 days, update search every 15 (last done today, so the start
# does not go looking), alerts on, recursive search, empty folders kept, no beep; the
# options page is the last one shown.
today=$(python3 -c 'import datetime; print((datetime.datetime.now() - datetime.datetime(1899, 12, 30)).days)')
write_settings "$PROG/beallitasok.cfg" autoClean=1 days=5 deleteEmpty=0 page=3 updateSearch=1 lastUpdateSearch="$today"
printf '*\r\n' >"$PROG/konyvtarak.lst"
# checked CAPTION: the state of the visible check box with that caption (a pattern).
checked() { drv checked "${MAIN[@]}" --class Button --text "$1"; }

start_program options_page.wine.log
must "main window appears" wait_main_window
must "the options page is shown" drv wait "${MAIN[@]}" --text 'Rekurzív keresési mód*'
expect "alerts, recursive search, empty folders, beep show as stored" \
    "$(checked 'Tájékoztató és figyelmeztető*')$(checked 'Rekurzív keresési mód*')$(checked 'Üres alkönyvtárak*')$(checked 'Hangjelzés*')" \
    1100
shot options_general

# The console's code page garbles the value's name; the data is plain ASCII here.
query=$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' 2>/dev/null | tr -d '\r')
if printf '%s\n' "$query" | grep -aq '[[:space:]]"C:\\kefelo-opt\\kefelo\.exe" /a$'; then
    pass "automatic cleaning writes the Run entry"
else
    fail "no Run entry: $query"
fi

drv click "${MAIN[@]}" --class Button --text Auto-szolgáltatások
check "Auto-szolgáltatások brings up its group" drv wait "${MAIN[@]}" --text 'Automatikus Takarítás engedélyezése*'
expect "automatic cleaning and update search are ticked" \
    "$(checked 'Automatikus Takarítás engedélyezése*')$(checked 'Újabb Kefeló-változat keresése*')" 11
expect "with their intervals" \
    "$(drv get-text "${MAIN[@]}" --id 2464)/$(drv get-text "${MAIN[@]}" --id 2470)" 5/15
shot options_autoruns

# The protected names: a fresh program directory has the three default names, and a name
# typed through "Megadás" joins them and is stored at exit.
PROTECTED=(--id 2481)
drv click "${MAIN[@]}" --class Button --text 'Védett állományok'
check "Védett állományok brings up its list" drv wait "${MAIN[@]}" "${PROTECTED[@]}" --has-item readme.txt
expect "with the three default names" "$(drv items "${MAIN[@]}" "${PROTECTED[@]}" | tr -d '\r' | tr '\n' ';')" \
    'data.bak;opa11.bak;readme.txt;'
drv click "${MAIN[@]}" "${PROTECTED[@]}" --right
drv menu --pick-index 1
INPUT=(--window 'Új védett állomány megadása')
must "Megadás asks for the name" drv wait "${INPUT[@]}"
drv set-text "${INPUT[@]}" --class Edit 'szamla.xls'
drv click "${INPUT[@]}" --text OK
check "the typed name joins the list" drv wait "${MAIN[@]}" "${PROTECTED[@]}" --has-item szamla.xls
shot options_protectfiles

check "the program ends when closed" close_program
expect "vedettek.lst holds the new name after the defaults" \
    "$(iconv -f cp1250 -t utf-8 "$PROG/vedettek.lst" 2>/dev/null | tr -d '\r' | tr '\n' ';')" \
    'data.bak;opa11.bak;readme.txt;szamla.xls;'
finish
