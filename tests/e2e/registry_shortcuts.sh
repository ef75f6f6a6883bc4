#!/usr/bin/env bash
# The options page's outputs read back by their real readers, with the program in a folder
# whose name holds a blank: the Run value and the Explorer verb as `reg export` shows them,
# the verb's command run on a folder with a blank starting a search of that folder, the
# verb gone again when its box is cleared, the shortcuts of "Parancsikonok" read back
# through the shell's link object, the stay-on-top option on the main window, and Ctrl+F3.
# Screenshots of every group of the page.
#
# Usage: WINEPREFIX=... registry_shortcuts.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: registry_shortcuts.sh path/to/kefelo.exe}"
# Wine's shell would put menu entries and desktop files into the Linux home: neither the
# real home nor the real menus may be touched.
SANDBOX=$(mktemp -d)
export HOME="$SANDBOX" XDG_DATA_HOME="$SANDBOX/share" XDG_CONFIG_HOME="$SANDBOX/config"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
READ_LINK="$(dirname "$EXE")/read_link.exe"
IS_TOPMOST="$(dirname "$EXE")/is_topmost.exe"
[ -f "$READ_LINK" ] && [ -f "$IS_TOPMOST" ] || { fail "no read_link.exe or is_topmost.exe beside $EXE"; finish; }

NAME="Kefelo reg teszt"
PROG=$(fresh_program_dir "$NAME" "$EXE")
WIN_EXE="C:\\$NAME\\kefelo.exe"
SEARCHED="C:\\$NAME\\Keresett mappa"
mkdir -p "$PROG/Keresett mappa"
write_settings "$PROG/beallitasok.cfg" page=3
printf '*\r\n' >"$PROG/konyvtarak.lst"

RUN='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
VERB='HKCU\Software\Classes\Directory\shell\Kefelo'
wine reg delete "$RUN" /v 'Kefeló' /f >/dev/null 2>&1
MACHINE_VERB='HKLM\Software\Classes\Directory\shell\Kefelo'
wine reg delete "$VERB" /f >/dev/null 2>&1
# An older copy in another folder left the verb machine-wide.
wine reg add "$MACHINE_VERB\command" /ve /d '"C:\Regi\kefelo.exe" "%1"' /f >/dev/null 2>&1

# The prefix's Desktop may be a link into the Linux home; here it is a folder of its own.
USERDIR=$(drive_c "users/$(whoami)")
if [ -L "$USERDIR/Desktop" ]; then rm "$USERDIR/Desktop" && mkdir "$USERDIR/Desktop"; fi
rm -f "$USERDIR/Desktop/Kefeló.lnk" "$USERDIR/Desktop/Kefeló - Takarítás.lnk"

# exported KEY: the key as `reg export` writes it (UTF-16), in UTF-8 without CRs.
exported() {
    local file="$SANDBOX/export.reg"
    rm -f "$file"
    wine reg export "$1" "$(winepath -w "$file")" /y >/dev/null 2>&1 || return 1
    iconv -f utf-16 -t utf-8 "$file" | tr -d '\r'
}
checked() { drv checked "${MAIN[@]}" --class Button --text "$1"; }
run_value() { exported "$RUN" | grep '^"Kefel'; }
verb_caption() { exported "$VERB" | grep -m1 '^@'; }
# The command's text, its .reg escapes undone.
verb_command() { exported "$VERB\\command" | sed -n 's/^@="\(.*\)"$/\1/p' | sed 's/\\\(.\)/\1/g'; }
verb_there() { for key in "$VERB" "$MACHINE_VERB"; do wine reg query "$key" >/dev/null 2>&1 && echo "$key"; done; }
verb_ended() { ! kill -0 "$verb_pid" 2>/dev/null; }

start_program registry_shortcuts.wine.log
must "main window appears" wait_main_window
must "the options page is shown" drv wait "${MAIN[@]}" --text 'Könyvtárak helyi menüjében*'
expect "the verb box shows the verb an older copy left" "$(checked 'Könyvtárak helyi menüjében*')" 1
eventually "and the verb is written again for this copy" "\"$WIN_EXE\" \"%1\"" verb_command
drv click "${MAIN[@]}" --class Button --text 'Könyvtárak helyi menüjében*'
eventually "clearing the box removes the verb per user and machine-wide" "" verb_there

drv click "${MAIN[@]}" --class Button --text 'A program minden Windows-indításkor*'
eventually "the Run value quotes the path that holds a blank" '"Kefeló"="\"C:\\Kefelo reg teszt\\kefelo.exe\" /a"' \
    run_value

drv click "${MAIN[@]}" --class Button --text 'Könyvtárak helyi menüjében*'
eventually "the verb's caption is the Hungarian one" '@="Ellenőrzés a Kefeló-val"' verb_caption
command=$(verb_command)
expect "the verb's command quotes the program and the folder" "$command" "\"$WIN_EXE\" \"%1\""
shot options_general

topmost() { wine "$IS_TOPMOST" | tr -d '\r'; }
expect "the main window is not kept on top at first" "$(topmost)" 0
drv click "${MAIN[@]}" --class Button --text 'A program ablaka maradjon mindig*'
expect "ticking stay-on-top keeps it on top" "$(topmost)" 1
drv click "${MAIN[@]}" --class Button --text 'A program ablaka maradjon mindig*'
expect "clearing it lets it go" "$(topmost)" 0

# The command as Explorer runs it, on a folder with a blank: the running copy searches it.
line=${command//%1/$SEARCHED}
eval "args=($line)"
wine "${args[@]}" >"$ARTIFACTS/registry_shortcuts.verb.log" 2>&1 &
verb_pid=$!
check "the verb's copy ends by itself" wait_for 30 verb_ended
check "the running copy searches the folder" \
    drv wait "${MAIN[@]}" --id 2220 --text-has "\"$SEARCHED\\\" helyen"
shot registry_verb_search

drv click "${MAIN[@]}" --id 1001 --item-text Beállítások
must "back on the options page" drv wait "${MAIN[@]}" --text 'Könyvtárak helyi menüjében*'
drv click "${MAIN[@]}" --class Button --text 'A program minden Windows-indításkor*'
eventually "clearing the tray start removes the Run value" "" run_value

drv click "${MAIN[@]}" --class Button --text Auto-szolgáltatások
check "Auto-szolgáltatások brings up its group" drv wait "${MAIN[@]}" --text 'Automatikus Takarítás engedélyezése*'
# The day count lies inside its group box: the mouse over it explains the count.
drv click "${MAIN[@]}" --class Button --text 'Újabb Kefeló-változat keresése*'
drv click "${MAIN[@]}" --id 2470
check "the day count explains itself, not its group" drv wait "${MAIN[@]}" --id 2421 \
    --text-is 'A Kefeló ennyi naponként vizsgálja meg indításkor, hogy van-e elérhető Kefeló-frissítés.'
shot options_autoruns

drv click "${MAIN[@]}" --class Button --text Parancsikonok
must "Parancsikonok brings up its group" drv wait "${MAIN[@]}" --text 'Általános programindítás'
expect "the plain shortcut is chosen at first" "$(checked 'Általános programindítás')" 1
drv click "${MAIN[@]}" --class Button --text Asztal
drv set-check "${MAIN[@]}" --class Button --text 'A Takarítási folyamat elindítása' 1
drv click "${MAIN[@]}" --class Button --text Asztal
shot options_shortcut
plain="$USERDIR/Desktop/Kefeló.lnk"
cleaning="$USERDIR/Desktop/Kefeló - Takarítás.lnk"
check "both shortcuts stand on the Desktop" wait_for 10 test -f "$plain" -a -f "$cleaning"
expect "the plain shortcut reads back through the shell" \
    "$(wine "$READ_LINK" "$(winepath -w "$plain")" | tr '\n' '|')" \
    "$WIN_EXE||C:\\$NAME\\|Kefeló - A merevlemezterület karbantartója|"
expect "the cleaning shortcut starts the automatic cleaning" \
    "$(wine "$READ_LINK" "$(winepath -w "$cleaning")" | tr '\n' '|')" \
    "$WIN_EXE|/autorun|C:\\$NAME\\|Kefeló - A merevlemezterület karbantartója|"
expect "nothing reached the Linux menus or desktop" "$(find "$SANDBOX" -name '*.desktop' | wc -l)" 0

drv click "${MAIN[@]}" --class Button --text 'Védett állományok'
check "Védett állományok brings up its list" drv wait "${MAIN[@]}" --id 2481 --has-item readme.txt
shot options_protectfiles

# The description box holds the protected-names group's text while the list's own hint
# goes to the status bar; Ctrl+F3 hands the box to Notepad.
INFO="$PROG/info.txt"
rm -f "$INFO"
drv click "${MAIN[@]}" --id 2481
check "the group's description shows" drv wait "${MAIN[@]}" --id 2421 --text-has 'A listában szereplő nevű állományokat'
drv key "${MAIN[@]}" --id 2481 ctrl+F3
check "Ctrl+F3 saves the description into the program folder" wait_for 10 test -f "$INFO"
expect "as Windows-1250 lines ended by CR LF" "$(iconv -f cp1250 -t utf-8 "$INFO" 2>/dev/null | od -An -c | tr -s ' \n' ' ')" \
    "$(printf 'A listában szereplő nevű állományokat a Kefeló program nem távolít el a Takarítás folyamán, illetve Állomány-keresésnél nem szerepelteti a találati táblázatban, így az véletlenül sem lesz törölhető.\r\n\r\nHa van Microsoft Office programcsomag telepítve a számítógépünkre, akkor mindenféleképpen ajánlott, hogy legalább a következő két név szerepeljen a listában:\r\ndata.bak\r\nopa11.bak\r\nKérem, csak akkor törölje a listából ezen neveket, ha biztos abban, hogy nincs Microsoft Office termék a számítógépén!\r\n' | od -An -c | tr -s ' \n' ' ')"
check "Notepad opens it" drv wait --window 'info.txt*'

check "the program ends when closed" close_program
rm -rf "$SANDBOX"
finish
