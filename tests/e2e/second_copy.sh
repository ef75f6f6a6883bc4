#!/usr/bin/env bash
# A second copy of the same executable, started with a directory, hands the directory to
# the running copy and ends at once: the first copy comes to the front and switches to
# the search page, and the second writes nothing anywhere. The two copies run from
# different folders, so they are told apart by their bytes, not by their place.
#
# Usage: WINEPREFIX=... second_copy.sh path/to/kefelo.exe
# The caller provides the display (for example through xvfb-run -a). Screenshots go to
# $ARTIFACTS (default build/artifacts). Prints "N passed, M failed" last; exits non-zero
# when anything failed.
set -u

EXE="${1:?usage: second_copy.sh path/to/kefelo.exe}"
: "${DISPLAY:?DISPLAY must be set (run under xvfb-run -a)}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
START_TIMEOUT="${START_TIMEOUT:-60}"
SECOND_TIMEOUT="${SECOND_TIMEOUT:-30}"
EXIT_TIMEOUT="${EXIT_TIMEOUT:-20}"

TITLE="Kefeló v3.2.1.0 - A merevlemezterület karbantartója  <http://kefelo.hu>"
FOREGROUND="$(dirname "$EXE")/foreground.exe"

ROOT_NAME="kefelo-e2e-second-copy"
ROOT_DIR=$(drive_c "$ROOT_NAME")

# The processes this test started, then the common report.
end_test() {
    for p in "${first_pid:-}" "${second_pid:-}" "${taker_pid:-}"; do
        if [ -n "$p" ] && kill -0 "$p" 2>/dev/null; then kill "$p" 2>/dev/null; fi
    done
    finish
}

find_window() {
    window=$(xdotool search --onlyvisible --name "$(title_pattern "$TITLE")" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

ended() { ! kill -0 "$1" 2>/dev/null; }
first_ended() { ended "$first_pid"; }
second_ended() { ended "$second_pid"; }

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
first_pid=$!

window=""
if wait_for "$START_TIMEOUT" find_window; then
    pass "first copy shows its main window"
else
    fail "no visible window titled \"$TITLE\" within ${START_TIMEOUT}s"
    end_test
fi
first_window=$window
sleep 1
import -window "$first_window" "$ARTIFACTS/second_copy.before.png" 2>/dev/null

before_first=$(snapshot "$ROOT_DIR/first")
before_second=$(snapshot "$ROOT_DIR/second")

# Another window takes the foreground first, so that getting it back means something.
# (Without a window manager the X focus tells nothing; Windows' own foreground does.)
foreground() { wine "$FOREGROUND" 2>/dev/null | tr -d '\r'; }
foreground_is() { [ "$(foreground)" = "$1" ]; }
[ -f "$FOREGROUND" ] || { fail "no foreground tool at $FOREGROUND"; end_test; }
wine "$FOREGROUND" take 60 >/dev/null 2>&1 &
taker_pid=$!
if wait_for 20 foreground_is "kefelo-e2e-foreground"; then
    pass "another window took the foreground"
else
    fail "the foreground stayed on \"$(foreground)\""
fi

start=$SECONDS
wine "C:\\$ROOT_NAME\\second\\kefelo.exe" "C:\\$ROOT_NAME\\Keresendő mappa" \
    >"$ARTIFACTS/second_copy.second.log" 2>&1 &
second_pid=$!
if wait_for "$SECOND_TIMEOUT" second_ended; then
    pass "second copy ends by itself ($((SECONDS - start)) s)"
else
    fail "second copy still running after ${SECOND_TIMEOUT}s"
fi
wait "$second_pid" 2>/dev/null
second_pid=""

if first_ended; then
    fail "the first copy ended too"
    end_test
fi
pass "first copy keeps running"

if find_window && [ "$window" = "$first_window" ]; then
    pass "no second main window appeared"
else
    fail "the visible main window is now \"$window\", not \"$first_window\""
fi

if foreground_is "$TITLE"; then
    pass "the first copy's main window is in the foreground"
else
    fail "the foreground window is \"$(foreground)\""
fi
kill "$taker_pid" 2>/dev/null
wait "$taker_pid" 2>/dev/null
taker_pid=""

# The hand-over switched the first copy to the search page: its window looks different.
sleep 1
import -window "$first_window" "$ARTIFACTS/second_copy.after.png" 2>/dev/null
difference=$(compare -metric AE "$ARTIFACTS/second_copy.before.png" "$ARTIFACTS/second_copy.after.png" null: 2>&1)
if [ -n "$difference" ] && [ "${difference%%.*}" -gt 0 ] 2>/dev/null; then
    pass "the first copy changed its page ($difference pixels differ)"
else
    fail "the first copy's window did not change (compare: \"$difference\")"
fi

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

xdotool windowfocus --sync "$first_window" 2>/dev/null
xdotool key --clearmodifiers alt+F4 2>/dev/null
if wait_for "$EXIT_TIMEOUT" first_ended; then
    pass "first copy ends after its window is closed"
else
    fail "first copy still running ${EXIT_TIMEOUT}s after Alt+F4"
fi

end_test
