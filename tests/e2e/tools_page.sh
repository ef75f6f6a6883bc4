#!/usr/bin/env bash
# The tools page: every group shows; the update-uninstall store finds the dollar-enclosed
# folders of the Windows directory, lists them in its window, and, once the question is
# answered, empties them and the Recycle Bin while protected names and other folders stay.
# Wine's Recycle Bin is the Linux trash, so HOME and the XDG data folder are a temporary
# folder here and Wine makes no desktop entries.
set -u
EXE="${1:?usage: tools_page.sh path/to/kefelo.exe}"
SANDBOX=$(mktemp -d)
# Whatever happens, the prefix is left as Wine has it: no stand-in tools, no version set.
undo_versions() {
    [ -n "${DFRGUI:-}" ] || return 0
    rm -f "$DFRGUI" "$DFRGMSC"
    wine reg delete 'HKCU\Software\Wine\AppDefaults\kefelo.exe' /f >/dev/null 2>&1
    wineserver -w 2>/dev/null
}
trap 'undo_versions; rm -rf "$SANDBOX"' EXIT
export HOME="$SANDBOX/home" XDG_DATA_HOME="$SANDBOX/home/.local/share"
export WINEDLLOVERRIDES="winemenubuilder.exe=d${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
mkdir -p "$XDG_DATA_HOME"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

LIST=(--id 2341)
STATUS=(--id 1002)
UNINSTALL=(--window 'Talált "uninstall" könyvtárak:')

PROG=$(fresh_program_dir kefelo-tools "$EXE")
write_settings "$PROG/beallitasok.cfg" page=2
WINDIR=$(drive_c windows)
KB1="$WINDIR/\$NtUninstallKB1\$"
KB2="$WINDIR/\$NtUninstallKB2\$"
rm -rf "$KB1" "$KB2" "$WINDIR/\$hf_mig"
mkdir -p "$KB1/sp/deep" "$KB2" "$WINDIR/\$hf_mig"
echo x >"$KB1/spuninst.exe"
echo x >"$KB1/sp/deep/update.cat"
echo keep >"$KB1/readme.txt" # a protected name
echo x >"$KB2/hotfix.dll"
echo keep >"$WINDIR/\$hf_mig/only-leading-dollar.txt"
# Something in the sandboxed trash, for the Recycle Bin store.
mkdir -p "$XDG_DATA_HOME/Trash/files" "$XDG_DATA_HOME/Trash/info"
echo x >"$XDG_DATA_HOME/Trash/files/old.txt"
printf '[Trash Info]\nPath=/tmp/old.txt\nDeletionDate=2026-01-01T00:00:00\n' \
    >"$XDG_DATA_HOME/Trash/info/old.txt.trashinfo"

start_program tools_page.wine.log
must "main window appears" wait_main_window
must "the stores list shows the six stores" drv wait "${MAIN[@]}" "${LIST[@]}" --count 6
expect "the first store is the Recycle Bin" "$(drv items "${MAIN[@]}" "${LIST[@]}" | head -1)" "Lomtár"
shot tools_page.stores

drv click "${MAIN[@]}" "${LIST[@]}" --item 4
check "locating the uninstall store names the Windows directory" \
    drv wait "${MAIN[@]}" "${STATUS[@]}" --text-is 'C:\windows'
drv click "${MAIN[@]}" "${LIST[@]}" --item 4 --right
must "a right click lists the uninstall folders" drv wait "${UNINSTALL[@]}"
expect "only the dollar-enclosed folders are listed" \
    "$(drv items "${UNINSTALL[@]}" --class ListBox | sort | tr '\n' ' ')" '$NtUninstallKB1$ $NtUninstallKB2$ '
shot tools_page.uninstall_list
drv key "${UNINSTALL[@]}" --class ListBox escape
check "Escape closes the list" drv wait "${UNINSTALL[@]}" --gone

drv key "${MAIN[@]}" "${LIST[@]}" space
drv click "${MAIN[@]}" "${LIST[@]}" --item 0
drv key "${MAIN[@]}" "${LIST[@]}" space
drv click "${MAIN[@]}" --class Button --text 'Aktív tárolók ürítése'
QUESTION=$(drv message-box --window Megerősítés --press '&Igen')
check "the question names the Recycle Bin" grep -q '^- Lomtár' <<<"$QUESTION"
check "the question names the uninstall store" \
    grep -q '^- Windows frissítések eltávolításához szükséges állományok könyvtárai' <<<"$QUESTION"
check "the emptying ends" \
    drv wait "${MAIN[@]}" --id 2343 --text-is 'Az aktív tárolók kiürítése befejeződött!' --timeout 30000
shot tools_page.emptied

check "the update files are gone" eval '[ ! -e "$KB1/spuninst.exe" ] && [ ! -e "$KB1/sp" ]'
check "the emptied folder of only deletable files is gone" eval '[ ! -e "$KB2" ]'
check "the protected name stays in its folder" test -f "$KB1/readme.txt"
check "a folder that only begins with a dollar is untouched" test -f "$WINDIR/\$hf_mig/only-leading-dollar.txt"
check "the Windows directory itself stays" test -d "$WINDIR/system32"
check "the Recycle Bin was emptied" eval '[ ! -e "$XDG_DATA_HOME/Trash/files/old.txt" ]'
check "the question named each uninstall folder by its path" grep -qF 'C:\windows\$NtUninstallKB1$' <<<"$QUESTION"

# The result label speaks of this emptying only: another page takes it away, and so does
# the disk table opened from the tray.
drv click "${MAIN[@]}" --class SysTabControl32 --item-text Beállítások
drv click "${MAIN[@]}" --class SysTabControl32 --item-text Műveletek
check "a page change takes the result label away" drv wait "${MAIN[@]}" --id 2343 --gone
drv key "${MAIN[@]}" "${LIST[@]}" space
drv click "${MAIN[@]}" --class Button --text 'Aktív tárolók ürítése'
drv message-box --window Megerősítés --press '&Igen' >/dev/null
check "a second emptying shows the label again" \
    drv wait "${MAIN[@]}" --id 2343 --text-is 'Az aktív tárolók kiürítése befejeződött!' --timeout 30000
drv click --window "Wine System Tray" --class __winex11_tray_icon --right
drv menu --pick-index 1 --then 2  # "Műveletek", "Lemezelemző táblázat megnyitása"
must "the disk table opens from the tray" drv wait --window 'A számítógépéhez csatlakoztatott meghajtók elemzése'
drv key --window 'A számítógépéhez csatlakoztatott meghajtók elemzése' --id 2601 escape
check "the disk table closes" drv wait --window 'A számítógépéhez csatlakoztatott meghajtók elemzése' --gone
check "the table from the tray took the result label away" drv wait "${MAIN[@]}" --id 2343 --gone

# With no uninstall folder left, the description says so once, however often the store
# is clicked.
rm -rf "$KB1"
drv click "${MAIN[@]}" "${LIST[@]}" --item 4
drv click "${MAIN[@]}" "${LIST[@]}" --item 4
eventually "the store's description says once that none is left" 1 \
    eval 'drv get-text "${MAIN[@]}" --id 2321 | grep -c "^Jelenleg nincs a frissítések"'

# The other groups, each with its own controls.
drv click "${MAIN[@]}" --class Button --text 'Lemezkezelés'
check "the disk group shows the Windows tools" drv wait "${MAIN[@]}" --text 'Töredezettség mentesítés'
shot tools_page.diskhandling
drv click "${MAIN[@]}" --class Button --text 'A kislemez-formázás ablak megnyitása' --right
check "the mouse over the floppy button describes it" \
    drv wait "${MAIN[@]}" --id 2321 --text-has 'kislemez-formázási ablak'
check "a right click saves the description for Notepad" wait_for 10 test -f "$PROG/info.txt"
check "the saved description is the floppy's, in Windows-1250" \
    grep -q 'A formázás a kislemez teljes tartalmának elvesztését vonja maga után!' \
    <(iconv -f CP1250 -t UTF-8 "$PROG/info.txt")
if drv wait --window 'info.txt - Jegyzettömb' >/dev/null; then
    shot tools_page.info_export
    drv close --window 'info.txt - Jegyzettömb'
fi
# Wine has neither Windows tool nor a floppy drive: each button says so when clicked.
drv click "${MAIN[@]}" --class Button --text 'Töredezettség mentesítés'
NODEFRAG=$(drv message-box --window Információ --press OK)
check "a missing defragmenter is told" grep -q '^A lemeztöredezedettség-mentesítő segédprogram' <<<"$NODEFRAG"
drv click "${MAIN[@]}" --class Button --text 'A kislemez-formázás ablak megnyitása'
NOFLOPPY=$(drv message-box --window Információ --press OK)
expect "a missing floppy drive is told" "$NOFLOPPY" 'A kislemez-meghajtó (A:) nem található!'
drv click "${MAIN[@]}" --class Button --text 'Lemezelemző táblázat megnyitása'
must "the disk table opens" drv wait --window 'A számítógépéhez csatlakoztatott meghajtók elemzése'
drv key --window 'A számítógépéhez csatlakoztatott meghajtók elemzése' --id 2601 escape
check "the disk table closes" drv wait --window 'A számítógépéhez csatlakoztatott meghajtók elemzése' --gone

drv click "${MAIN[@]}" --class Button --text 'Naplózás'
must "the log group shows" drv wait "${MAIN[@]}" --text 'A legutolsó takarítási napló megjelenítése'
shot tools_page.logging
drv click "${MAIN[@]}" --class Button --text 'A legutolsó takarítási napló megjelenítése'
NOLOG=$(drv message-box --window Információ --press OK)
check "a missing log names where it was looked for" grep -qF 'C:\kefelo-tools\utolso.log )' <<<"$NOLOG"

drv click "${MAIN[@]}" --class Button --text 'Kefeló'
must "the program group shows" drv wait "${MAIN[@]}" --text 'A tömörítvények könyvtára'
shot tools_page.kefelo
drv click "${MAIN[@]}" --class Button --text 'A Kefeló program frissítése'
must "the update button opens the wizard" drv wait --window 'Kefeló frissítése  -  1. lépés'
drv click --window 'Kefeló frissítése  -  1. lépés' --class Button --text 'Mégse'
check "the wizard closes again" drv wait --window 'Kefeló frissítése  -  1. lépés' --gone
drv click "${MAIN[@]}" --class Button --text 'A tömörítvények könyvtára'
NOZIP=$(drv message-box --window Információ --press OK)
check "a missing archive folder is told" grep -q '^A könyvtár nem található!' <<<"$NOZIP"

drv click "${MAIN[@]}" --class Button --text 'Törölhetetlenek'
check "the undeletables group shows" drv wait "${MAIN[@]}" --text 'autodel.bat megtekintése'
shot tools_page.undeletables
drv click "${MAIN[@]}" --class Button --text 'Hasznos programok'
check "the useful programs group shows" drv wait "${MAIN[@]}" --text 'jv16 PowerTools honlapja'
shot tools_page.usefulprograms

check "the program ends when closed" close_program
stop_wine

# Each version's defragmenter, when System32 holds it: Windows 7's window, Vista's console.
DFRGUI=$(drive_c windows/system32/dfrgui.exe)
DFRGMSC=$(drive_c windows/system32/dfrg.msc)
cp "$(dirname "$EXE")/hold_open.exe" "$DFRGUI"
echo '<MMC_ConsoleFile/>' >"$DFRGMSC"
for version in win7:dfrgui.exe vista:dfrg.msc; do
    wine reg add 'HKCU\Software\Wine\AppDefaults\kefelo.exe' /v Version /d "${version%%:*}" /f >/dev/null 2>&1
    write_settings "$PROG/beallitasok.cfg" page=2
    start_program "tools_page_${version%%:*}.wine.log"
    must "main window appears as ${version%%:*}" wait_main_window
    drv click "${MAIN[@]}" --class Button --text 'Lemezkezelés'
    drv click "${MAIN[@]}" --class Button --text 'Töredezettség mentesítés' --right
    check "${version%%:*}: the defragmenter's command is ${version#*:}" \
        drv wait "${MAIN[@]}" "${STATUS[@]}" --text-is "${version#*:}"
    check "${version%%:*}: the program ends when closed" close_program
    stop_wine
done
finish
