#!/usr/bin/env bash
# The uninstaller from the tools page, in a program folder whose name holds a blank: after
# the three questions the program ends, and uninstall.bat, started by the program while it
# still holds its executable, waits for it, deletes exactly the program's own files (the
# user's files and the Zipped folder stay), removes itself and so ends by itself; the Run
# value and the Explorer verb are gone. A first pass answered No leaves everything in place.
#
# Usage: WINEPREFIX=... uninstall.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: uninstall.sh path/to/kefelo.exe}"
SANDBOX=$(mktemp -d)
export HOME="$SANDBOX" XDG_DATA_HOME="$SANDBOX/share" XDG_CONFIG_HOME="$SANDBOX/config"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

NAME="Kefelo uninstall proba"
PROG=$(fresh_program_dir "$NAME" "$EXE")
WIN_EXE="C:\\$NAME\\kefelo.exe"
write_settings "$PROG/beallitasok.cfg" page=2
OWN=(beallitasok.cfg vedettek.lst konyvtarak.lst olvassel.txt utolso.log autodel.bat new.zip new.exe update.txt)
for file in vedettek.lst konyvtarak.lst olvassel.txt utolso.log autodel.bat new.zip new.exe update.txt; do
    printf 'x\r\n' >"$PROG/$file"
done
USERS=(idea.txt "sajat jegyzet.txt" Zipped/mentes.zip)
mkdir -p "$PROG/Zipped"
for file in "${USERS[@]}"; do printf 'x' >"$PROG/$file"; done

RUN='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
VERB='HKCU\Software\Classes\Directory\shell\Kefelo'
run_value_there() { wine reg query "$RUN" /v 'Kefeló' >/dev/null 2>&1; }
verb_there() { wine reg query "$VERB" >/dev/null 2>&1; }
# Written again until both read back: the first wine command of a script starts the
# prefix's server, and a slow start must not fail the script before it begins.
seed_registry() {
    wine reg add "$RUN" /v 'Kefeló' /d "\"$WIN_EXE\" /a" /f >/dev/null 2>&1
    wine reg add "$VERB\\command" /ve /d "\"$WIN_EXE\" \"%1\"" /f >/dev/null 2>&1
    run_value_there && verb_there
}
must "the Run value and the verb are there to begin with" wait_for 60 seed_registry

uninstall() { drv click "${MAIN[@]}" --class Button --text 'A Kefeló eltávolítása (uninstall)'; }
start_program uninstall.wine.log
must "main window appears" wait_main_window
drv click "${MAIN[@]}" --class Button --text 'Kefeló'
check "the Kefeló group offers the uninstaller" drv wait "${MAIN[@]}" --class Button --text 'A Kefeló eltávolítása (uninstall)'
shot uninstall_group
uninstall
question=$(drv message-box --window 'Figyelem!' --press '&Nem')
case "$question" in
*"Valóban véglegesen eltávolítja"*) pass "the first question asks" ;;
*) fail "the first question asks; the box said: \"$question\"" ;;
esac
check "No leaves the program running" drv wait "${MAIN[@]}" --enabled
check "and the Run value in place" run_value_there

uninstall
drv message-box --window 'Figyelem!' --press '&Igen' >/dev/null
expect "the second question" "$(drv message-box --window 'Figyelem!' --press '&Igen')" "Teljesen biztos ebben?"
third=$(drv message-box --window 'Megerősítés' --press '&Nem')
case "$third" in
*"($WIN_EXE"*) fail "the third question names the folder, not the file" ;;
*"(C:\\$NAME) az esetleg"*"Zipped könyvtár"*) pass "the third question names the folder and the Zipped folder" ;;
*) fail "the third question; the box said: \"$third\"" ;;
esac

check "the program ends" wait_for 30 process_ended
exe_gone() { [ ! -e "$PROG/kefelo.exe" ]; }
script_gone() { [ ! -e "$PROG/uninstall.bat" ]; }
check "the script deletes the executable once it is free" wait_for 60 exe_gone
check "the script ends by deleting itself" wait_for 60 script_gone
for file in "${OWN[@]}"; do check "$file is deleted" [ ! -e "$PROG/$file" ]; done
for file in "${USERS[@]}"; do check "$file stays" [ -e "$PROG/$file" ]; done
check "the Run value is gone" bash -c "! wine reg query '$RUN' /v 'Kefeló' >/dev/null 2>&1"
check "the verb is gone" bash -c "! wine reg query '$VERB' >/dev/null 2>&1"

rm -rf "$SANDBOX"
finish
