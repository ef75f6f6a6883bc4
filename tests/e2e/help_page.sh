#!/usr/bin/env bash
# A first start run from where it is: the welcome screen shows the help with its topic
# list, "olvassel.txt" is written once and never overwritten, choosing a topic shows its
# text, and a double click on the red field leads into the program. A start with
# "/update" opens the help page on the version history.
set -u
EXE="${1:?usage: help_page.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

TOPICS=(--id 3803)
SIZES=(--id 3805)
VIEW=(--id 3806)
WIZARD=(--window "A Kefeló Telepítője")

PROG=$(fresh_program_dir kefelo-help "$EXE")
start_program help_page.wine.log
must "the install wizard comes up on a first start" drv wait "${WIZARD[@]}" --timeout 60000
drv click "${WIZARD[@]}" --text "Futtatás a mostani helyről, telepítés nélkül" >/dev/null
must "main window appears" wait_main_window

check "the welcome screen shows instead of the pages" drv wait "${MAIN[@]}" --class KefeloWelcomePanel
check "the help group is on it" drv wait "${MAIN[@]}" --text " A   p r o g r a m   S ú g ó j a  "
expect "the first topic is chosen" "$(drv get-text "${MAIN[@]}" "${TOPICS[@]}")" "Fontos tudnivalók!"
expect "the font size list shows 9" "$(drv get-text "${MAIN[@]}" "${SIZES[@]}")" "9"
view=$(drv get-text "${MAIN[@]}" "${VIEW[@]}")
case "$view" in
"A Kefeló a merevlemez"*"kattintson duplán a fent található, piros hátterű mezőre! ") pass "the topic ends with the welcome note" ;;
*) fail "the topic ends with the welcome note: got \"${view:0:60}...${view: -60}\"" ;;
esac
shot help_welcome

readme="$PROG/olvassel.txt"
check "olvassel.txt is written" test -f "$readme"
expect "every line of olvassel.txt ends in CR LF" "$(grep -c $'\r$' "$readme")" "$(wc -l <"$readme")"
expect "its first line, read as Windows-1250" "$(head -n 1 "$readme" | iconv -f CP1250 -t UTF-8 | tr -d '\r')" "< Fontos tudnivalók! >"

drv key "${MAIN[@]}" "${TOPICS[@]}" End >/dev/null
eventually "the last topic is the author's contact" "A készítő elérhetőségei" drv get-text "${MAIN[@]}" "${TOPICS[@]}"
case "$(drv get-text "${MAIN[@]}" "${VIEW[@]}")" in
"A Kefeló honlapja: http://kefelo.hu"*) pass "choosing a topic shows its text" ;;
*) fail "choosing a topic shows its text" ;;
esac
shot help_welcome_last_topic
check "the welcome screen has no contact buttons" drv wait "${MAIN[@]}" --text "E-mail a készítőnek" --gone

drv click "${MAIN[@]}" --id 1007 --double >/dev/null
check "the red field leads into the program" drv wait "${MAIN[@]}" --class KefeloWelcomePanel --gone
# The standard containers are looked for on the way in; the search of every profile is declined.
drv message-box --window Megerősítés --press '&Nem' >/dev/null
check "the cleaning page shows" drv wait "${MAIN[@]}" --class SysTabControl32
case "$(drv get-text "${MAIN[@]}" "${VIEW[@]}" --hidden)" in
*"piros hátterű mezőre!"*) fail "the help page drops the welcome note" ;;
"A Kefeló honlapja"*) pass "the help page drops the welcome note" ;;
*) fail "the help page keeps its topic" ;;
esac
check "the program ends when closed" close_program

# A kept copy stays as it is; "/update" opens the help on the version history.
printf 'sajat\r\n' >"$readme"
write_settings "$PROG/beallitasok.cfg"
start_program help_page_update.wine.log /update
drv message-box --window "Információ" --press OK >/dev/null
must "main window appears after an update" wait_main_window
eventually "the help opens on the version history" "Verziótörténet" drv get-text "${MAIN[@]}" "${TOPICS[@]}"
drv key "${MAIN[@]}" "${SIZES[@]}" End >/dev/null
eventually "font size 16 can be chosen" "16" drv get-text "${MAIN[@]}" "${SIZES[@]}"
check "the help page has its contact buttons" drv wait "${MAIN[@]}" --text "Új bejegyzés a Fórumba"
shot help_page
expect "an existing olvassel.txt is not overwritten" "$(cat "$readme")" $'sajat\r'
check "the program ends when closed" close_program
finish
