#!/usr/bin/env bash
# "kefelo.exe /autorun" over a hand-written container list whose active lines name a whole
# drive (a Wine drive letter mapped to a scratch folder), the program's own folder and an
# ordinary temporary folder: only the ordinary folder is emptied, the program ends by
# itself, "utolso.log" names both protected locations and the list keeps all three lines.
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
cleanup() {
    [ -n "$LINK" ] && rm -f "$LINK"
    rm -rf "$SANDBOX"
}
trap cleanup EXIT
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# The scratch folder behind the drive letter holds files that must survive.
DRIVE_DIR="$SANDBOX/drive"
mkdir -p "$DRIVE_DIR/folder"
echo keep >"$DRIVE_DIR/precious.txt"
echo keep >"$DRIVE_DIR/folder/inner.txt"
letter=""
for l in k l m n o p q r s t u v w x y; do
    if [ ! -e "$WINEPREFIX/dosdevices/$l:" ] && [ ! -L "$WINEPREFIX/dosdevices/$l:" ]; then
        letter=$l
        break
    fi
done
if [ -z "$letter" ]; then
    fail "no free drive letter in $WINEPREFIX/dosdevices"
    finish
fi
LINK="$WINEPREFIX/dosdevices/$letter:"
ln -s "$DRIVE_DIR" "$LINK"
DRIVE=$(printf '%s' "$letter" | tr a-z A-Z)

PROG=$(fresh_program_dir kefelo-protected "$EXE")
echo keep >"$PROG/own.txt"
DATA=$(drive_c e2e-protected)
rm -rf "$DATA"
mkdir -p "$DATA/temp/sub"
echo a >"$DATA/temp/a.tmp"
echo b >"$DATA/temp/sub/b.tmp"

# Other spellings than the plain ones: the guard must see through them.
drive_line="$DRIVE:/"
own_line='c:\KEFELO-PROTECTED\.'
write_settings "$PROG/beallitasok.cfg"
printf '|%s\r\n|%s\r\n|C:\\e2e-protected\\temp\r\n' "$drive_line" "$own_line" >"$PROG/konyvtarak.lst"

start=$SECONDS
start_program autorun_protected.wine.log /autorun
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
if [ ! -e "$DATA/temp/a.tmp" ] && [ ! -e "$DATA/temp/sub" ]; then
    pass "the ordinary container is emptied"
else
    fail "the ordinary container still holds files"
fi

if [ -f "$PROG/utolso.log" ]; then
    cp "$PROG/utolso.log" "$ARTIFACTS/autorun_protected_utolso.log"
    log=$(iconv -f CP1250 -t UTF-8 "$PROG/utolso.log")
    for location in "$drive_line" "$own_line"; do
        if grep -qF "A(z) $location könyvtár védett helyre mutat, ezért kimaradt az ürítésből!" <<<"$log"; then
            pass "utolso.log names $location as protected"
        else
            fail "utolso.log does not name $location as protected"
        fi
    done
    grep -qF 'C:\e2e-protected\temp ürítése kész.' <<<"$log" \
        && pass "utolso.log reports the ordinary container done" || fail "no done line for the ordinary container"
else
    fail "no utolso.log"
fi

# The skipped rows stay in the list for the user to see and remove.
list=$(iconv -f CP1250 -t UTF-8 "$PROG/konyvtarak.lst" 2>/dev/null | tr -d '\r')
for line in "|$drive_line" "|$own_line" '|C:\e2e-protected\temp'; do
    if grep -qxF -- "$line" <<<"$list"; then pass "konyvtarak.lst keeps $line"; else fail "konyvtarak.lst lost $line"; fi
done

finish
