#!/usr/bin/env bash
# A second copy of the same executable, started with a directory, hands the directory to
# the running copy and ends at once: the first copy comes to the front, switches to the
# search page and searches the directory, and the second writes nothing anywhere. The two copies run from
# different folders, so they are told apart by their bytes, not by their place.
#
# Usage: WINEPREFIX=... second_copy.sh path/to/kefelo.exe
# The caller provides the display (for example through xvfb-run -a). Screenshots go to
# $ARTIFACTS (default build/artifacts). Prints "N passed, M failed" last; exits non-zero
# when anything failed.
set -u
EXE="${1:?usage: second_copy.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

TITLE="Kefeló v3.2.1.0 - A merevlemezterület karbantartója  <http://kefelo.hu>"
ROOT_NAME="kefelo-e2e-second-copy"
ROOT_DIR=$(drive_c "$ROOT_NAME")

# The processes this test started, then the common report.
end_test() {
    for p in "${second_pid:-}" "${taker_pid:-}"; do
        if [ -n "$p" ] && kill -0 "$p" 2>/dev/null; then kill "$p" 2>/dev/null; fi
    done
    finish
}
ended() { ! kill -0 "$1" 2>/dev/null; }
second_ended() { ended "$second_pid"; }
foreground_is() { [ "$(drv foreground)" = "$1" ]; }

# Names, sizes and checksums of everything under a folder.
snapshot() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 -r md5sum); }

[ -f "$EXE" ] || { fail "no executable at $EXE"; end_test; }
rm -rf "$ROOT_DIR"

# Two program folders with the same executable; the first has settings, so it shows its
# pages rather than the welcome screen. An all-zero record is a valid one.
mkdir -p "$ROOT_DIR/first" "$ROOT_DIR/second" "$ROOT_DIR/Keresendő mappa"
cp "$EXE" "$ROOT_DIR/first/kefelo.exe"
cp "$EXE" "$ROOT_DIR/second/kefelo.exe"
head -c 2120 /dev/zero >"$ROOT_DIR/first/beallitasok.cfg"

wine "C:\\$ROOT_NAME\\first\\kefelo.exe" >"$ARTIFACTS/second_copy.first.log" 2>&1 &
pid=$!
must "first copy shows its main window" wait_main_window
first_window=$(drv find "${MAIN[@]}")
check "it starts on the cleaning page" drv wait "${MAIN[@]}" --id 2130  # Takarítás
shot second_copy.before

before_first=$(snapshot "$ROOT_DIR/first")
before_second=$(snapshot "$ROOT_DIR/second")

# Another window takes the foreground first, so that getting it back means something.
# (Without a window manager the X focus tells nothing; Windows' own foreground does.)
wine "$(dirname "$EXE")/sample_window.exe" 60 >/dev/null 2>&1 &
taker_pid=$!
check "another window took the foreground" wait_for 20 foreground_is "kefelo-e2e-sample"

start=$SECONDS
wine "C:\\$ROOT_NAME\\second\\kefelo.exe" "C:\\$ROOT_NAME\\Keresendő mappa" \
    >"$ARTIFACTS/second_copy.second.log" 2>&1 &
second_pid=$!
check "second copy ends by itself" wait_for 30 second_ended
echo "(the second copy ran for $((SECONDS - start)) s)"
wait "$second_pid" 2>/dev/null
second_pid=""

process_ended && { fail "the first copy ended too"; end_test; }
pass "first copy keeps running"
expect "no second main window appeared" "$(drv find "${MAIN[@]}")" "$first_window"
check "the first copy's main window is in the foreground" wait_for 10 foreground_is "$TITLE"
kill "$taker_pid" 2>/dev/null
wait "$taker_pid" 2>/dev/null
taker_pid=""

check "the first copy switches to the search page" drv wait "${MAIN[@]}" --class KefeloSearchPage
check "the cleaning page is gone" drv wait "${MAIN[@]}" --id 2130 --gone
# The folder is searched at once: the results group names it, the status line tells the end.
check "it searched the handed-over folder" \
    drv wait "${MAIN[@]}" --id 2220 --text-has '"C:\'"$ROOT_NAME"'\Keresendő mappa\" helyen'
check "its status line tells that the search ended" \
    drv wait "${MAIN[@]}" --id 1002 --text-has 'Befejeződött a keresés'
shot second_copy.after

if [ "$(snapshot "$ROOT_DIR/second")" = "$before_second" ]; then
    pass "nothing was written in the second copy's folder"
else
    fail "the second copy's folder changed: $(cd "$ROOT_DIR/second" && ls -A | tr '\n' ' ')"
fi
if [ "$(snapshot "$ROOT_DIR/first")" = "$before_first" ]; then
    pass "nothing was written in the first copy's folder"
else
    fail "the first copy's folder changed: $(cd "$ROOT_DIR/first" && ls -A | tr '\n' ' ')"
fi

check "first copy ends after its window is closed" close_program
end_test
