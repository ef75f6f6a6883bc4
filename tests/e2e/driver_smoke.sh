#!/usr/bin/env bash
# The driver against sample_window.exe: every kind of control it reads or presses, a
# message box, a popup menu, a wait that must time out, and Alt+F4.
#
# Usage: WINEPREFIX=... driver_smoke.sh path/to/kefelo.exe  (under a display; the tools
# sit beside the exe)
set -u
EXE="${1:?usage: driver_smoke.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

wine "$(dirname "$EXE")/sample_window.exe" 60 >"$ARTIFACTS/driver_smoke.wine.log" 2>&1 &
pid=$!
W=(--window 'kefelo-e2e-*')
label() { drv get-text "${W[@]}" --id 102; }

must "the window is found by a title pattern" drv wait "${W[@]}" --timeout 30000
expect "it has the foreground" "$(drv foreground)" "kefelo-e2e-sample"
expect "list box items" "$(drv items "${W[@]}" --class ListBox | tr '\n' ';')" "első;második;harmadik;"
expect "list view cells" "$(drv items "${W[@]}" --id 106 --column 1 | tr '\n' ';')" "12;345;"
expect "header and tab captions" "$(drv items "${W[@]}" --id 106 --header | tr '\n' ';')$(drv count "${W[@]}" --id 107)" \
    "Név;Méret;2"

drv click "${W[@]}" --id 105 --item-text második --double
eventually "a double click on a list box item" "dupla: második" label
drv click "${W[@]}" --id 106 --header --item-text Méret
eventually "a click on a header item" "oszlop: 1" label
drv click "${W[@]}" --class SysTabControl32 --item-text Másik
eventually "a click on a tab" "fül: 1" label
check "a check box is ticked" drv set-check "${W[@]}" --text Jelölő 1
expect "its state reads back" "$(drv checked "${W[@]}" --id 104)" 1
drv type "${W[@]}" --class Edit "árvíz*tűrő"
expect "typed text reads back" "$(drv get-text "${W[@]}" --class Edit)" "árvíz*tűrő"

drv click "${W[@]}" --text Kérdés
expect "a message box is read and answered" "$(drv message-box --window 'Figyelem!' --press '&Igen')" "Biztosan?"
eventually "the answer reaches the program" "igen" label
drv click "${W[@]}" --id 105 --right
check "a popup menu item is chosen" drv menu --pick-index 2
eventually "past the separator" "menü: 2" label

if drv wait --window 'no such window' --timeout 300 2>/dev/null; then
    fail "a wait for a missing window succeeds"
else
    pass "a wait for a missing window times out"
fi
check "Alt+F4 closes the window" drv key "${W[@]}" alt+F4
check "and the program ends" wait_for 10 process_ended
finish
