#!/usr/bin/env bash
# "kefelo.exe /autorun" in a prepared program directory: the active container is emptied,
# the inactive one kept, the active task run, protected and busy files kept; the log and
# "autodel.bat" are written, the history counts an automatic run, and the program ends
# by itself with today as the last-cleaning date in its settings.
#
# Usage: WINEPREFIX=... autorun_clean.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: autorun_clean.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
HOLD="$(dirname "$EXE")/hold_open.exe"

PROG=$(drive_c kefelo-autorun)
DATA=$(drive_c e2e-autorun)
rm -rf "$PROG" "$DATA"
mkdir -p "$PROG" "$DATA/active/sub/deeper" "$DATA/inactive" "$DATA/task/nested"
cp "$EXE" "$PROG/kefelo.exe"

echo a >"$DATA/active/a.tmp"
echo b >"$DATA/active/sub/b.txt"
echo c >"$DATA/active/sub/deeper/c.txt"
echo keep >"$DATA/active/data.bak"        # a default protected name
echo busy >"$DATA/active/busy file.txt"   # held open below
echo keep >"$DATA/inactive/keep.tmp"
echo x >"$DATA/task/x.tmp"
echo y >"$DATA/task/nested/y.BAK"
echo z >"$DATA/task/z.txt"

# Settings: alerts on, recursive search on, empty folders removed, no beep, never cleaned.
write_settings "$PROG/beallitasok.cfg"
printf '|C:\\e2e-autorun\\active\r\nC:\\e2e-autorun\\inactive\r\n*\r\n|C:\\e2e-autorun\\task>*.TMP|*.BAK\r\n' \
    >"$PROG/konyvtarak.lst"

wine "$HOLD" 'C:\e2e-autorun\active\busy file.txt' 120 >"$ARTIFACTS/autorun_hold.out" 2>&1 &
holder=$!
check "another program holds the busy file" wait_for 20 grep -q held "$ARTIFACTS/autorun_hold.out"

start=$SECONDS
start_program autorun_clean.wine.log /autorun
if wait_for 120 process_ended; then
    pass "the program ends by itself ($((SECONDS - start)) s)"
else
    import -window root "$ARTIFACTS/autorun_stuck.png" 2>/dev/null
    fail "the program still runs 120 s after /autorun"
    kill "$pid" 2>/dev/null
fi
kill "$holder" 2>/dev/null

check_gone() { if [ ! -e "$DATA/$1" ]; then pass "$1 deleted"; else fail "$1 still there"; fi; }
check_kept() { if [ -e "$DATA/$1" ]; then pass "$1 kept"; else fail "$1 was deleted"; fi; }
check_gone active/a.tmp
check_gone active/sub
check_kept active
check_kept active/data.bak
check_kept "active/busy file.txt"
check_kept inactive/keep.tmp
check_gone task/x.tmp
check_gone task/nested/y.BAK
check_kept task/z.txt

if [ -f "$PROG/utolso.log" ]; then
    pass "utolso.log written"
    cp "$PROG/utolso.log" "$ARTIFACTS/autorun_utolso.log"
    log=$(iconv -f CP1250 -t UTF-8 "$PROG/utolso.log")
    grep -q "Összegzés:" <<<"$log" && pass "the log has its summary" || fail "no summary in utolso.log"
    grep -q "1 állományt pillanatnyilag nem sikerült törölni:" <<<"$log" \
        && pass "the busy file is reported undeletable" || fail "the log does not report the busy file"
else
    fail "no utolso.log"
fi

if [ -f "$PROG/autodel.bat" ]; then
    pass "autodel.bat written"
    cp "$PROG/autodel.bat" "$ARTIFACTS/autorun_autodel.bat"
    grep -qi '^del .*busy' <<<"$(tr -d '\r' <"$PROG/autodel.bat")" \
        || grep -qi '^del .*BUSY' "$PROG/autodel.bat" \
        && pass "autodel.bat deletes the busy file" || fail "autodel.bat has no line for the busy file"
else
    fail "no autodel.bat"
fi

# The run is in the history as an automatic one, with the busy file left undeletable.
expect "the history holds the automatic run" \
    "$(iconv -f cp1250 -t utf-8 "$PROG/takaritasok.csv" 2>/dev/null | tr -d '\r' | sed -n '2,$p' | cut -d';' -f2,5)" \
    'automatikus;1'

today=$(python3 -c 'import datetime; print((datetime.date.today() - datetime.date(1899, 12, 30)).days)')
last=$(python3 -c 'import struct,sys; print(int(struct.unpack_from("<d", open(sys.argv[1],"rb").read(), 8)[0]))' \
    "$PROG/beallitasok.cfg" 2>/dev/null)
if [ "$last" = "$today" ]; then
    pass "the settings carry today as the last-cleaning date"
else
    fail "last-cleaning date is '$last', expected $today"
fi

finish
