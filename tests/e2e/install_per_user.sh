#!/usr/bin/env bash
# A user who cannot write the system's program-files folder is offered his own programs
# folder (under the local application data) with the reason beside it, and the
# installation goes there, making that folder when it is missing; the program-files folder
# stays untouched. Screenshot of the settings page with the reason.
#
# Wine runs as root here, so file modes stop nothing: the program-files folder is made
# immutable on the Linux side (chattr +i, ext4 and the like), which Wine cannot get round.
#
# Usage: WINEPREFIX=... install_per_user.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: install_per_user.sh path/to/kefelo.exe}"
# Wine's shell would put desktop files and menu entries into the Linux home.
SANDBOX=$(mktemp -d)
export HOME="$SANDBOX" XDG_DATA_HOME="$SANDBOX/share" XDG_CONFIG_HOME="$SANDBOX/config"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

WIZARD=(--window 'A Kefeló Telepítője')
ROOT="Telepitesi proba zart"
PF_WIN="C:\\$ROOT\\Program Files"
PF=$(drive_c "$ROOT/Program Files")
[ -d "$PF" ] && chattr -i "$PF" 2>/dev/null
rm -rf "$(drive_c "$ROOT")"
mkdir -p "$PF"

KEY='HKLM\Software\Microsoft\Windows\CurrentVersion'
OLD_PF=$(wine reg query "$KEY" /v ProgramFilesDir 2>/dev/null | sed -n 's/.*REG_SZ *//p' | tr -d '\r')
# Whatever happens, the folder becomes deletable again and the setting comes back.
cleanup() {
    chattr -i "$PF" 2>/dev/null
    rm -rf "$(drive_c "$ROOT")" "$SANDBOX"
    WINEDEBUG=-all wine reg add "$KEY" /v ProgramFilesDir /d "${OLD_PF:-C:\\Program Files}" /f >/dev/null 2>&1
    wineserver -k 2>/dev/null
}
trap cleanup EXIT
wine reg add "$KEY" /v ProgramFilesDir /d "$PF_WIN" /f >/dev/null 2>&1

must "the program-files folder can be made immutable (chattr +i on this file system)" chattr +i "$PF"
wine cmd /c mkdir "$PF_WIN\\proba" >/dev/null 2>&1
must "Wine cannot make a folder in it either" [ ! -e "$PF/proba" ]

# The user's own programs folder is missing until the installation makes it.
LOCAL=$(drive_c "users/$(whoami)/AppData/Local")
LOCAL_WIN=$(winepath -w "$LOCAL" 2>/dev/null | tr -d '\r')
rm -rf "$LOCAL/Programs/Kefelo"
rmdir "$LOCAL/Programs" 2>/dev/null
local_data_known() { [ -d "$LOCAL" ] && [ -n "$LOCAL_WIN" ]; }
must "the local application data folder is known" local_data_known

PROG=$(fresh_program_dir kefelo-install-per-user "$EXE")
start_program install_per_user.wine.log
must "the install wizard comes first" drv wait "${WIZARD[@]}" --timeout 60000
drv click "${WIZARD[@]}" --class Button --text 'Tovább'
check "the settings page shows" drv wait "${WIZARD[@]}" --text 'Telepítés'
expect "the default target is the user's own programs folder" "$(drv get-text "${WIZARD[@]}" --id 3012)" \
    "$LOCAL_WIN\\Programs\\Kefelo"
expect "the wizard says why" "$(drv get-text "${WIZARD[@]}" --id 3023)" \
    "Nincs írási jogosultsága a programok közös könyvtárába ($PF_WIN), ezért az alapértelmezett telepítési hely az Ön saját programkönyvtára, ahová rendszergazdai jog nélkül is telepíthet."
shot install_per_user_settings

# No shortcut: install.sh looks after those, and the Desktop may lead into a Linux home.
drv set-check "${WIZARD[@]}" --id 3017 0
drv click "${WIZARD[@]}" --class Button --text 'Telepítés'
check "the installing process ends" wait_for 30 process_ended
check "the program is copied whole into the user's programs folder" \
    cmp -s "$EXE" "$LOCAL/Programs/Kefelo/kefelo.exe"
check "nothing went into the program-files folder" [ -z "$(ls -A "$PF")" ]
check "the installed copy shows its main window" wait_main_window
check "without offering the installation again" drv wait "${WIZARD[@]}" --gone --timeout 1000
# Its first start saves the documentation beside it, as it will its settings.
own_files_written() { [ -s "$LOCAL/Programs/Kefelo/olvassel.txt" ]; }
check "and writes its own files beside itself" wait_for 10 own_files_written
check "the installed copy closes" drv close "${MAIN[@]}"
check "its window goes" drv wait "${MAIN[@]}" --gone --timeout 20000

rm -rf "$LOCAL/Programs/Kefelo"
finish
