#!/usr/bin/env bash
# "kefelo.exe /autorun" over a hand-written list whose active lines name a whole drive (a
# Wine drive letter mapped to a scratch folder), the program's own folder by another
# spelling and by a second drive letter, the Windows directory through a link, the Fonts
# folder, a profile's Documents and a line with a trailing blank, beside one ordinary
# container; and a relative task beside one ordinary task. Only the ordinary container and
# task are emptied and walked (and the folder the trailing-blank line was judged as), every
# other line gets its red line in "utolso.log", the program ends by itself and the list
# keeps every line.
#
# Usage: WINEPREFIX=... autorun_protected.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: autorun_protected.sh path/to/kefelo.exe}"
EXE=$(realpath "$EXE")

# Wine must not reach the real home folder (trash, desktop, caches).
SANDBOX=$(mktemp -d)
export HOME="$SANDBOX/home" XDG_DATA_HOME="$SANDBOX/data"
mkdir -p "$HOME" "$XDG_DATA_HOME"
LINK=""
SECOND=""
CANARIES=()
cleanup() {
    [ -n "$LINK" ] && rm -f "$LINK"
    [ -n "$SECOND" ] && rm -f "$SECOND"
    [ "${#CANARIES[@]}" -gt 0 ] && rm -f "${CANARIES[@]}"
    rm -rf "$SANDBOX"
}
trap cleanup EXIT
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# The scratch folder behind the drive letter holds files that must survive.
DRIVE_DIR="$SANDBOX/drive"
mkdir -p "$DRIVE_DIR/folder"
echo keep >"$DRIVE_DIR/precious.txt"
echo keep >"$DRIVE_DIR/folder/inner.txt"
free_letter() {
    local l
    for l in k l m n o p q r s t u v w x y; do
        if [ ! -e "$WINEPREFIX/dosdevices/$l:" ] && [ ! -L "$WINEPREFIX/dosdevices/$l:" ]; then
            echo "$l"
            return
        fi
    done
}
letter=$(free_letter)
if [ -z "$letter" ]; then
    fail "no free drive letter in $WINEPREFIX/dosdevices"
    finish
fi
LINK="$WINEPREFIX/dosdevices/$letter:"
ln -s "$DRIVE_DIR" "$LINK"
DRIVE=$(printf '%s' "$letter" | tr a-z A-Z)
# A second letter for drive C, as subst makes on Windows.
second=$(free_letter)
if [ -z "$second" ]; then
    fail "no second free drive letter in $WINEPREFIX/dosdevices"
    finish
fi
SECOND="$WINEPREFIX/dosdevices/$second:"
ln -s "$WINEPREFIX/drive_c" "$SECOND"
SECOND_DRIVE=$(printf '%s' "$second" | tr a-z A-Z)

PROG=$(fresh_program_dir kefelo-protected "$EXE")
echo keep >"$PROG/own.txt"
DATA=$(drive_c e2e-protected)
rm -rf "$DATA"
mkdir -p "$DATA/temp/sub" "$DATA/task" "$DATA/cwd" "$DATA/x" "$DATA/elsewhere"
echo a >"$DATA/temp/a.tmp"
echo b >"$DATA/temp/sub/b.tmp"
echo t >"$DATA/task/a.TMP"
echo k >"$DATA/task/keep.txt"
echo c >"$DATA/cwd/setup.tmp"
echo x >"$DATA/x/judged.tmp"
echo e >"$DATA/elsewhere/precious.txt"
# A link above the Windows directory, and "x " (trailing blank) leading elsewhere than "x".
ln -s "$WINEPREFIX/drive_c" "$DATA/lnk"
ln -s "$DATA/elsewhere" "$DATA/x "
FONTS_CANARY=$(drive_c windows/Fonts/kefelo-canary.txt)
DOCS_CANARY=$(drive_c users/Public/Documents/kefelo-canary.txt)
mkdir -p "$(dirname "$DOCS_CANARY")"
CANARIES=("$FONTS_CANARY" "$DOCS_CANARY")
echo keep >"$FONTS_CANARY"
echo keep >"$DOCS_CANARY"

# Other spellings and other names than the plain ones: the guard must see through them.
drive_line="$DRIVE:/"
own_line='c:\KEFELO-PROTECTED\.'
odd_lines=("$own_line" "$SECOND_DRIVE:\\kefelo-protected" 'C:\e2e-protected\lnk\windows' 'C:\windows\Fonts'
    'C:\users\Public\Documents')
write_settings "$PROG/beallitasok.cfg"
{
    printf '|%s\r\n' "$drive_line" "${odd_lines[@]}" 'C:\e2e-protected\x ' 'C:\e2e-protected\temp'
    printf '*\r\n|.>*.TMP\r\n|C:\\e2e-protected\\task>*.TMP\r\n'
} >"$PROG/konyvtarak.lst"

# Started in a folder of its own: the relative task would be walked there.
start=$SECONDS
cd "$DATA/cwd" || exit 1
start_program autorun_protected.wine.log /autorun
cd - >/dev/null || exit 1
if wait_for 120 process_ended; then
    pass "the program ends by itself ($((SECONDS - start)) s)"
else
    import -window root "$ARTIFACTS/autorun_protected_stuck.png" 2>/dev/null
    fail "the program still runs 120 s after /autorun"
    kill "$pid" 2>/dev/null
fi

kept() { if [ -e "$1" ]; then pass "$2 kept"; else fail "$2 was deleted"; fi; }
kept "$DRIVE_DIR/precious.txt" "$DRIVE: precious.txt"
kept "$DRIVE_DIR/folder/inner.txt" "$DRIVE: folder/inner.txt"
kept "$PROG/own.txt" "own.txt in the program folder"
kept "$PROG/kefelo.exe" "kefelo.exe"
kept "$FONTS_CANARY" "the canary in the Fonts folder"
kept "$(drive_c windows/win.ini)" "win.ini"
kept "$DOCS_CANARY" "the canary in Public\Documents"
kept "$DATA/cwd/setup.tmp" "setup.tmp in the current folder"
kept "$DATA/elsewhere/precious.txt" "the file behind the trailing-blank name"
kept "$DATA/task/keep.txt" "keep.txt of the ordinary task"
if [ ! -e "$DATA/temp/a.tmp" ] && [ ! -e "$DATA/temp/sub" ]; then
    pass "the ordinary container is emptied"
else
    fail "the ordinary container still holds files"
fi
[ ! -e "$DATA/task/a.TMP" ] && pass "the ordinary task deleted its match" || fail "the ordinary task left a.TMP"
# Windows reads the trailing blank away: the line names "x", which is what gets judged and emptied.
[ ! -e "$DATA/x/judged.tmp" ] && pass "the trailing-blank line empties the folder it was judged as" \
    || fail "the folder judged for the trailing-blank line was not emptied"

if [ -f "$PROG/utolso.log" ]; then
    cp "$PROG/utolso.log" "$ARTIFACTS/autorun_protected_utolso.log"
    log=$(iconv -f CP1250 -t UTF-8 "$PROG/utolso.log")
    grep -qF "A(z) $drive_line teljes meghajtó, amelynek ürítése nincs engedélyezve, ezért kimaradt az ürítésből!" \
        <<<"$log" && pass "utolso.log names the whole drive" || fail "utolso.log does not name $drive_line"
    for location in "${odd_lines[@]}"; do
        if grep -F "A(z) $location " <<<"$log" | grep -qF ", ezért kimaradt az ürítésből!"; then
            pass "utolso.log has the red line of $location"
        else
            fail "utolso.log has no red line for $location"
        fi
    done
    grep -qF 'A(z) C:\e2e-protected\lnk\windows könyvtár útvonalában csatolási pont vagy hivatkozás van' <<<"$log" \
        && pass "the link above the Windows directory is named as a link" || fail "the link line is not a link line"
    grep -qF 'A(z) . helyű feladat kimaradt, mert a hely nem teljes elérési út!' <<<"$log" \
        && pass "utolso.log names the relative task" || fail "no red line for the relative task"
    grep -qF 'C:\e2e-protected\temp ürítése kész.' <<<"$log" \
        && pass "utolso.log reports the ordinary container done" || fail "no done line for the ordinary container"
else
    fail "no utolso.log"
fi

# The skipped rows stay in the list for the user to see and remove.
list=$(iconv -f CP1250 -t UTF-8 "$PROG/konyvtarak.lst" 2>/dev/null | tr -d '\r')
for line in "|$drive_line" "${odd_lines[@]/#/|}" '|C:\e2e-protected\x ' '|C:\e2e-protected\temp' '|.>*.TMP' \
    '|C:\e2e-protected\task>*.TMP'; do
    if grep -qxF -- "$line" <<<"$list"; then pass "konyvtarak.lst keeps $line"; else fail "konyvtarak.lst lost $line"; fi
done

finish
