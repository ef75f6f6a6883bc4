#!/usr/bin/env bash
# A first run without settings installs the program into a "Program Files" folder whose
# name holds a blank: both wizard pages, the default target from the system's program-files
# setting, the copy with nothing half-made beside it, the Desktop shortcut read back through
# the shell's link object, and the installed copy's main window on screen after the
# installing process has ended; an olvassel.txt that was there before survives the wizard.
# Screenshots of both pages and of the installed copy.
#
# Usage: WINEPREFIX=... install.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: install.sh path/to/kefelo.exe}"
# Wine's shell would put desktop files and menu entries into the Linux home.
SANDBOX=$(mktemp -d)
export HOME="$SANDBOX" XDG_DATA_HOME="$SANDBOX/share" XDG_CONFIG_HOME="$SANDBOX/config"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
READ_LINK="$(dirname "$EXE")/read_link.exe"
[ -f "$READ_LINK" ] || { fail "no read_link.exe beside $EXE"; finish; }

WIZARD=(--window 'A Kefeló Telepítője')
ROOT="Telepitesi proba"
PF_WIN="C:\\$ROOT\\Program Files"
PF=$(drive_c "$ROOT/Program Files")
rm -rf "$(drive_c "$ROOT")"
mkdir -p "$PF"

# The system's program-files folder points at the test folder until the script ends.
KEY='HKLM\Software\Microsoft\Windows\CurrentVersion'
OLD_PF=$(wine reg query "$KEY" /v ProgramFilesDir 2>/dev/null | sed -n 's/.*REG_SZ *//p' | tr -d '\r')
wine reg add "$KEY" /v ProgramFilesDir /d "$PF_WIN" /f >/dev/null 2>&1
restore_program_files() { wine reg add "$KEY" /v ProgramFilesDir /d "${OLD_PF:-C:\\Program Files}" /f >/dev/null 2>&1; }

# The prefix's Desktop may be a link into the Linux home; here it is a folder of its own.
USERDIR=$(drive_c "users/$(whoami)")
if [ -L "$USERDIR/Desktop" ]; then rm "$USERDIR/Desktop" && mkdir "$USERDIR/Desktop"; fi
mkdir -p "$USERDIR/Desktop"
rm -f "$USERDIR/Desktop/Kefeló.lnk"

# A download folder may hold another program's olvassel.txt: the documentation button
# shows it as it is, and quitting the wizard leaves it there.
PROG=$(fresh_program_dir kefelo-install-quit "$EXE")
printf 'egy masik program leirasa\r\n' >"$PROG/olvassel.txt"
start_program install_quit.wine.log
must "the install wizard comes first" drv wait "${WIZARD[@]}" --timeout 60000
drv click "${WIZARD[@]}" --class Button --text 'A program dokumentációjának megtekintése'
drv click "${WIZARD[@]}" --class Button --text 'Kilépés'
check "quitting the wizard ends the program" wait_for 30 process_ended
expect "the olvassel.txt that was there is neither overwritten nor deleted" "$(cat "$PROG/olvassel.txt" 2>&1)" \
    $'egy masik program leirasa\r'
stop_wine

# The way without installing: the documentation, then running from where it is.
PROG=$(fresh_program_dir kefelo-install-here "$EXE")
start_program install_here.wine.log
must "the install wizard comes first" drv wait "${WIZARD[@]}" --timeout 60000
drv click "${WIZARD[@]}" --class Button --text 'A program dokumentációjának megtekintése'
readme_written() { [ -s "$PROG/olvassel.txt" ]; }
check "the documentation is saved as olvassel.txt" wait_for 10 readme_written
# "á" is one byte in Windows-1250 and two in UTF-8; every line ends in CR LF.
cp1250() { LC_ALL=C grep -q $'\xe1' "$1" && ! LC_ALL=C grep -q $'\xc3\xa1' "$1" && ! LC_ALL=C grep -q $'[^\r]$' "$1"; }
check "in Windows-1250 with CR LF" cp1250 "$PROG/olvassel.txt"
drv click "${WIZARD[@]}" --class Button --text 'Futtatás a mostani helyről, telepítés nélkül'
check "running from here shows the main window" wait_main_window
check "nothing was copied anywhere" [ ! -e "$PF/Kefelo" ]
stop_wine
wait "$pid" 2>/dev/null

PROG=$(fresh_program_dir kefelo-install "$EXE")
start_program install.wine.log
must "the wizard comes again for the installation" drv wait "${WIZARD[@]}" --timeout 60000
check "its welcome page shows" drv wait "${WIZARD[@]}" --text 'Üdvözlöm a Kefeló program Telepítőjében!'
check "no main window meanwhile" drv wait "${MAIN[@]}" --gone --timeout 1000
shot install_welcome
drv click "${WIZARD[@]}" --class Button --text 'Tovább'
check "the settings page shows" drv wait "${WIZARD[@]}" --text 'Telepítés'
expect "the default target comes from ProgramFilesDir" "$(drv get-text "${WIZARD[@]}" --id 3012)" "$PF_WIN\\Kefelo"
check "the Desktop shortcut is ticked" drv wait "${WIZARD[@]}" --id 3017 --checked
check "the update search is not" drv wait "${WIZARD[@]}" --id 3015 --unchecked
shot install_settings

drv click "${WIZARD[@]}" --class Button --text 'Telepítés'
check "the installing process ends" wait_for 30 process_ended
INSTALLED="$PF/Kefelo/kefelo.exe"
check "the program is copied whole" cmp -s "$EXE" "$INSTALLED"
check "no temporary copy is left beside it" [ -z "$(ls "$PF/Kefelo" | grep -E '\.(new|old)$')" ]

link="$(wine "$READ_LINK" "$(winepath -w "$USERDIR/Desktop/Kefeló.lnk")" 2>/dev/null | tr -d '\r' | tr '\n' '|')"
expect "the Desktop shortcut leads to the installed copy" "$link" \
    "$PF_WIN\\Kefelo\\kefelo.exe||$PF_WIN\\Kefelo\\|Kefeló - A merevlemezterület karbantartója|"

check "the installed copy shows its main window" wait_main_window
check "without offering the installation again" drv wait "${WIZARD[@]}" --gone --timeout 1000
shot install_installed_copy
check "the installed copy ends when closed" drv close "${MAIN[@]}"
check "its window goes" drv wait "${MAIN[@]}" --gone --timeout 20000

restore_program_files
rm -rf "$SANDBOX"
finish
