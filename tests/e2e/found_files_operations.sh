#!/usr/bin/env bash
# The found files acted on: a prepared tree is searched, every row made active and Delete
# pressed. The files go with their rows; one that another program holds open stays
# listed, is queued into the existing autodel.bat (extended, not replaced), and that batch,
# run by Wine's cmd, deletes exactly its files. Then F6 moves the active files to a second
# drive, mapped to a temporary folder: the summary reports both drives, the move log is
# written there, and the list shows the moved size. Screenshots: found_files_moved.png and
# found_files_move_question.png.
#
# Usage: WINEPREFIX=... found_files_operations.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: found_files_operations.sh path/to/kefelo.exe}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=};winemenubuilder.exe=d"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PROG=$(fresh_program_dir kefelo-ffops "$EXE")
write_settings "$PROG/beallitasok.cfg"
HOLD="$(dirname "$EXE")/hold_open.exe"
DATA=$(drive_c e2e-műveletek)
OLD=$(drive_c e2e-regi)
rm -rf "$DATA" "$OLD"
mkdir -p "$DATA/zárt" "$OLD"
printf 12345 >"$DATA/a.tmp"
printf 123 >"$DATA/b b.tmp"
printf 12 >"$DATA/zárt/zárolt.tmp"
printf x >"$DATA/levél.doc"
printf 1 >"$OLD/regi.tmp"
printf 1 >"$OLD/marad.tmp"

# The second drive M:, a temporary folder of this prefix.
MDRIVE=$(mktemp -d)
ln -sfn "$MDRIVE" "$WINEPREFIX/dosdevices/m:"
trap 'rm -rf "$MDRIVE"; rm -f "$WINEPREFIX/dosdevices/m:"' EXIT

LIST=(--id 2221)
ACTIVE=(--id 2241)
names() { drv items "${MAIN[@]}" "${LIST[@]}" --column 1 | LC_ALL=C sort | tr '\n' ' '; }
answer() { drv message-box --window "$1" --press "$2"; }

start_program found_files_operations.wine.log 'C:\e2e-műveletek'
must "the window comes up with the search's results" wait_main_window
must "the three temp files are listed" drv wait "${MAIN[@]}" "${LIST[@]}" --count 3
# An autodel.bat from another time (the program deletes any at start): one entry, then the
# closing block.
{
    printf '@ECHO OFF\r\ncls\r\n@ECHO ON\r\n'
    printf 'del "C:\\e2e-regi\\regi.tmp"\r\n'
    printf '@Echo -\r\n@Echo Az allomanyok torlesi kiserlete befejezodott!\r\n@Echo -\r\n@ECHO OFF\r\nPAUSE\r\n@ECHO ON\r\n'
} | iconv -f utf-8 -t cp1250 >"$PROG/autodel.bat"
wine "$HOLD" 'C:\e2e-műveletek\zárt\zárolt.tmp' 120 >"$ARTIFACTS/found_files_hold.out" 2>&1 &
holder=$!
must "another program holds one file open" wait_for 20 grep -q held "$ARTIFACTS/found_files_hold.out"

drv key "${MAIN[@]}" "${LIST[@]}" return
check "Mind aktív marks every row" drv menu --pick-index 0
check "the active files are counted" drv wait "${MAIN[@]}" "${ACTIVE[@]}" --text-is $'3 db\r\n10 bájt'
drv key "${MAIN[@]}" "${LIST[@]}" Delete
expect "Delete asks first" "$(answer Megerősítés '&Igen')" "Valóban törölni kívánja a kijelölt állomány(oka)t?"
case "$(answer Megerősítés '&Igen')" in
*"nem sikerült eltávolítani"*) pass "the file left behind is offered to autodel.bat" ;;
*) fail "no question about the file left behind" ;;
esac
case "$(answer Megerősítés '&Igen')" in
*"már létezik"*) pass "the existing autodel.bat is offered for extending" ;;
*) fail "no question about the existing autodel.bat" ;;
esac
check "the freed size is shown" drv wait "${MAIN[@]}" "${ACTIVE[@]}" --text-is '[ 8 bájt. ]'
expect "only the undeletable file stays listed" "$(names)" "zárolt "
if [ ! -e "$DATA/a.tmp" ] && [ ! -e "$DATA/b b.tmp" ] && [ -e "$DATA/zárt/zárolt.tmp" ]; then
    pass "the deleted files are gone from the disk"
else
    fail "the disk does not match the list: $(cd "$DATA" && find . -type f | tr '\n' ' ')"
fi

batch=$(iconv -f cp1250 -t utf-8 "$PROG/autodel.bat" | tr -d '\r')
expect "the batch keeps its entry, gains one, and ends with its closing block and the code page put back" \
    "$(printf '%s\n' "$batch" | grep -ci '^del ') $(printf '%s\n' "$batch" | tail -n 2 | tr '\n' '|')" \
    "2 @ECHO ON|@if defined kefelo_cp chcp %kefelo_cp% >nul 2>&1|"
kill "$holder" 2>/dev/null
wait_for 10 sh -c "! kill -0 $holder 2>/dev/null"
out="$(cd "$ARTIFACTS" && pwd)/found_files_autodel.out"
(cd "$PROG" && wine cmd /c autodel.bat </dev/null >"$out" 2>&1)
if [ ! -e "$DATA/zárt/zárolt.tmp" ] && [ ! -e "$OLD/regi.tmp" ] && [ -e "$OLD/marad.tmp" ] &&
    [ -e "$DATA/levél.doc" ]; then
    pass "cmd runs the extended batch and it deletes exactly its files"
else
    fail "after the batch: $(find "$DATA" "$OLD" -type f | tr '\n' ' ')"
fi

# The move: new files, searched again from the location field.
head -c 1234567 /dev/zero >"$DATA/c.tmp"
printf 12 >"$DATA/d.tmp"
drv click "${MAIN[@]}" --id 2225
drv set-text "${MAIN[@]}" --id 2215 'C:\e2e-műveletek'
drv click "${MAIN[@]}" --id 2216
must "the new files are listed" drv wait "${MAIN[@]}" "${LIST[@]}" --count 2
drv key "${MAIN[@]}" "${LIST[@]}" return
drv menu --pick-index 0
check "both are active" drv wait "${MAIN[@]}" "${ACTIVE[@]}" --text-is $'2 db\r\n1.234.569 bájt'
drv key "${MAIN[@]}" "${LIST[@]}" F6
# The picker opens at the searched folder; up to C:, closed, and down to the next drive, M:.
must "the folder picker opens" drv wait --window-class '#32770' --class SysTreeView32
drv key --window-class '#32770' --class SysTreeView32 Left Left Down
drv click --window-class '#32770' --text OK
drv wait --window-class '#32770' --window Információ >/dev/null && shot found_files_move_question
question=$(answer Információ '&Igen')
case "$question" in
*"A forrásmeghajtó ( C: )"*"A célmeghajtó ( M: )"*) pass "the summary reports the source and the target drive" ;;
*) fail "the summary does not report both drives: \"$question\"" ;;
esac
check "the moved size is shown" drv wait "${MAIN[@]}" "${ACTIVE[@]}" --text-is '[ 1.234.569 bájt ]'
expect "the files are on M:" "$(cd "$MDRIVE" && ls *.tmp | tr '\n' ' ')" "c.tmp d.tmp "
log=$(ls "$MDRIVE"/*.log 2>/dev/null | head -n 1)
case "$(basename "${log:-none}")" in
[0-9][0-9][0-9][0-9]_[0-9][0-9]_[0-9][0-9]_\ [0-9][0-9]_[0-9][0-9]_[0-9][0-9].log)
    pass "the move log is named by the date's numbers" ;;
*) fail "no move log named by the date on M: ($(ls "$MDRIVE" | tr '\n' ' '))" ;;
esac
if [ -n "$log" ] && iconv -f cp1250 -t utf-8 "$log" | tr -d '\r' | grep -qx 'C:\\e2e-műveletek\\c.tmp'; then
    pass "the log names the moved files"
else
    fail "the log does not name the moved files"
fi
drv wait --window-class Notepad --timeout 10000 >/dev/null && drv close --window-class Notepad
shot found_files_moved

check "the program ends when closed" close_program
finish
