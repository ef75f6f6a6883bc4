#!/usr/bin/env bash
# The category and type lists of the search page at the smallest window size: ticking
# categories fills the types, "Mindet" of the category list's selection popup brings the
# types of every category, and "Saját típusaim" of the type list's popup opens the
# own-types editor, which "Mégse" closes. Screenshot: $ARTIFACTS/search_lists.png.
#
# Usage: WINEPREFIX=... search_lists.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: search_lists.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PROG=$(fresh_program_dir kefelo-slist "$EXE")
write_settings "$PROG/beallitasok.cfg"
EDITOR=(--window 'Saját állomány-típusok kezelése')
CATEGORIES=(--class ListBox --id 2211)
TYPES=(--class ListBox --id 2213)
types() { drv count "${MAIN[@]}" "${TYPES[@]}"; }

start_program search_lists.wine.log
must "main window appears" wait_main_window
drv click "${MAIN[@]}" --id 1001 --item-text 'Átmeneti állományok keresése*'
must "the search page shows no types before a category is ticked" \
    drv wait "${MAIN[@]}" "${TYPES[@]}" --count 0

# A double click on an item toggles its tick.
drv click "${MAIN[@]}" "${CATEGORIES[@]}" --item 0 --double
check "ticking the first category fills the types" wait_for 10 eval '[ "$(types)" -gt 0 ]'
first=$(types)
drv click "${MAIN[@]}" "${CATEGORIES[@]}" --item 1 --double
check "ticking the second adds its types" wait_for 10 eval '[ "$(types)" -gt "$first" ]'
two=$(types)

drv click "${MAIN[@]}" "${CATEGORIES[@]}" --right
check "the category popup takes Mindet" drv menu --pick-index 0
check "Mindet brings the types of every category" wait_for 10 eval '[ "$(types)" -gt "$two" ]'
shot search_lists

# "Saját típusaim" is the fourth item, after a separator.
drv click "${MAIN[@]}" "${TYPES[@]}" --right
drv menu --pick-index 3
check "Saját típusaim opens the own-types editor" drv wait "${EDITOR[@]}"
drv click "${EDITOR[@]}" --text Mégse
check "the own-types editor closes with Mégse" drv wait "${EDITOR[@]}" --gone
check "the program ends when closed" close_program

finish
