#!/usr/bin/env bash
# The web update against a loopback server: the start-up's update run finds no newer
# version, fails on a missing server, on an archive size no update has, and on a cut-off,
# wrong, overlong or endless archive (nothing of it kept, the old program untouched), and with a good archive downloads with progress, unpacks new.exe, and Wine's
# cmd runs update.bat, which replaces kefelo.exe and starts it with /update.
set -u
EXE="${1:?usage: update.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

WIZ=(--window 'Kefeló frissítése*')
# The loopback server is reached directly, never through a proxy of the machine.
unset http_proxy https_proxy HTTP_PROXY HTTPS_PROXY all_proxy ALL_PROXY
SERVED=$(mktemp -d)
# The server's cases: ROOT/<case>/update.txt and new.zip.
mkdir -p "$SERVED"/{latest,truncated,baddigest,slow,oversized,overlong,endless}
python3 "$E2E_DIR/tools/update_server.py" --root "$SERVED" --port-file "$SERVED/port" &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$SERVED"' EXIT
must "the loopback server listens" wait_for 10 test -s "$SERVED/port"
SERVER="http://127.0.0.1:$(cat "$SERVED/port")"

# The new build: the same program with a few bytes more, so the two can be told apart.
NEW_EXE="$SERVED/new.exe"
cp "$EXE" "$NEW_EXE"
printf 'NEW BUILD' >>"$NEW_EXE"
python3 - "$SERVED" "$NEW_EXE" <<'PY'
import hashlib, os, sys, zipfile
root, new_exe = sys.argv[1], sys.argv[2]
good = os.path.join(root, "slow", "new.zip")
with zipfile.ZipFile(good, "w", zipfile.ZIP_DEFLATED) as z:
    z.write(new_exe, "new.exe")
    z.writestr("olvassel_uj.txt", "not needed by the update")
    z.writestr("../kefelo.exe", "must never be unpacked")
data = open(good, "rb").read()
digest = hashlib.sha256(data).hexdigest()
newer = "2147483647"  # later than any executable's packed age
def write(case, text, archive=None):
    open(os.path.join(root, case, "update.txt"), "w", newline="").write(text)
    if archive is not None:
        open(os.path.join(root, case, "new.zip"), "wb").write(archive)
write("latest", "1\r\n100\r\n")
write("slow", "%s\r\n%d\r\n%s\r\n" % (newer, len(data), digest), data)
write("truncated", "%s\r\n%d\r\n" % (newer, len(data)), data)
write("baddigest", "%s\r\n%d\r\n%s\r\n" % (newer, len(data), "0" * 64), data)
# Sizes no update of this program has: announced, and sent without being announced.
write("oversized", "%s\r\n9000000000000000000\r\n" % newer, data)
write("overlong", "%s\r\n%d\r\n%s\r\n" % (newer, len(data), digest), data + os.urandom(4 << 20))
write("endless", "%s\r\n%d\r\n%s\r\n" % (newer, len(data), digest), data)
PY

# A blank and accents in the folder: the script and the archive reader must cope.
PROG=$(fresh_program_dir "Kefeló frissítés" "$EXE")
write_settings "$PROG/beallitasok.cfg" viewAlerts=0
ORIGINAL="$SERVED/original.exe"
cp "$PROG/kefelo.exe" "$ORIGINAL"

# update_run CASE LOG: the program started for an update run against the case.
update_run() {
    KEFELO_UPDATE_SERVER="$SERVER/$1" start_program "$2" /updaterun
}
memo_has() { drv get-text "${WIZ[@]}" --id "$1" | grep -qF -- "$2"; }

# --- no newer version ---
update_run latest update_latest.wine.log
must "the wizard appears" drv wait "${WIZ[@]}" --id 3117 --timeout 60000
expect "the latest-version caption" "$(drv get-text "${WIZ[@]}")" "Kefeló frissítése  -  Újabb változat még nem elérhető!"
expect "its status" "$(drv get-text "${WIZ[@]}" --id 3108)" "Jelenleg ez a változat a legújabb!"
expect "the back button leads to the program" "$(drv get-text "${WIZ[@]}" --id 3117)" "A program képernyője"
check "the agent is the executable's name" grep -q '^kefelo.exe /latest/update/kefelo/update.txt' "$SERVED/requests.log"
shot update_page3_latest
drv click "${WIZ[@]}" --id 3117
check "the main window follows the wizard" wait_main_window
check "the version file is gone after the wizard" test ! -e "$PROG/update.txt"
check "the program ends when closed" close_program
stop_wine

# --- the server has nothing (404) ---
update_run missing update_missing.wine.log
must "the failed page appears" drv wait "${WIZ[@]}" --id 3122 --timeout 60000
expect "the failed caption" "$(drv get-text "${WIZ[@]}")" "Kefeló frissítése  -  a letöltés meghiúsult!"
check "the failed text names the server" memo_has 3105 "( $SERVER/missing )"
shot update_page4_failed
drv click "${WIZ[@]}" --id 3121
check "reconnecting fails the same way" drv wait "${WIZ[@]}" --id 3108 --text-is "A frissítés letöltése nem sikerült!!"
drv click "${WIZ[@]}" --id 3122
check "the main window follows" wait_main_window
check "the program ends when closed" close_program
stop_wine

# --- an archive size no update has: the check fails and nothing is fetched ---
update_run oversized update_oversized.wine.log
must "oversized: the failed page appears" drv wait "${WIZ[@]}" --id 3122 --timeout 60000
expect "oversized: the failed caption" "$(drv get-text "${WIZ[@]}")" "Kefeló frissítése  -  a letöltés meghiúsult!"
check "oversized: the archive was never asked for" test -z "$(grep -F /oversized/update/kefelo/new.zip "$SERVED/requests.log")"
check "oversized: no version file kept" test ! -e "$PROG/update.txt"
drv click "${WIZ[@]}" --id 3122
check "oversized: the main window follows" wait_main_window
check "oversized: the program ends when closed" close_program
stop_wine

# Nothing of a refused download stays, not even the file it was written into.
nothing_beside() { [ -z "$(ls -A "$PROG" | grep -i '^new\.zip')" ] && [ ! -e "$PROG/new.exe" ]; }

# --- a cut-off archive, one that is not the announced one, one longer than announced and
# one without end ---
for case in truncated baddigest overlong endless; do
    update_run "$case" "update_$case.wine.log"
    must "$case: step 2 appears" drv wait "${WIZ[@]}" --id 3113 --timeout 60000
    check "$case: the size line" memo_has 3102 "A frissítést tartalmazó állomány mérete: "
    drv click "${WIZ[@]}" --id 3113
    check "$case: the failed page" drv wait "${WIZ[@]}" --id 3105 --timeout 30000
    check "$case: nothing kept" nothing_beside
    check "$case: the old program untouched" cmp -s "$PROG/kefelo.exe" "$ORIGINAL"
    if [ "$case" = endless ]; then
        # The program hangs up soon after the announced size; the cap means it never did.
        check "endless: the program hung up on the server" wait_for 30 grep -q '^hung up ' "$SERVED/endless.stopped"
    fi
    drv click "${WIZ[@]}" --id 3122
    check "$case: the main window follows" wait_main_window
    check "$case: the program ends when closed" close_program
    stop_wine
done

# --- a good archive, slowly: progress, unpacking, replacement, restart ---
update_run slow update_slow.wine.log
must "the connecting page appears" drv wait "${WIZ[@]}" --id 3106 --timeout 60000
# The server holds the version file back for 10 s; a control's text needs the window to answer.
# (the driver gives up on a window that does not answer in 2 s and reads nothing)
answers() { [ -n "$(drv get-text "${WIZ[@]}" --id 3106)" ]; }
check "the wizard answers while the server keeps it waiting" answers
shot update_page5_connecting
must "step 2 appears" drv wait "${WIZ[@]}" --id 3113 --timeout 30000
expect "step 2's caption" "$(drv get-text "${WIZ[@]}")" "Kefeló frissítése  -  2. lépés"
shot update_page1_newer
drv click "${WIZ[@]}" --id 3113
check "the download shows its progress" drv wait "${WIZ[@]}" --id 3108 --text-has "% letöltve..."
shot update_page1_progress
must "the downloaded page appears" drv wait "${WIZ[@]}" --id 3115 --timeout 30000
expect "its status" "$(drv get-text "${WIZ[@]}" --id 3108)" "Frissítés letöltve!"
shot update_page2_downloaded
drv click "${WIZ[@]}" --id 3115
check "new.exe was unpacked as it was packed" wait_for 10 cmp -s "$PROG/new.exe" "$NEW_EXE"
check "nothing outside the update's needs was unpacked" test ! -e "$PROG/olvassel_uj.txt"
check "the old program ends" wait_for 20 process_ended
check "update.bat replaces kefelo.exe" wait_for 30 cmp -s "$PROG/kefelo.exe" "$NEW_EXE"
must "the new copy starts and tells" drv wait --window 'Információ*' --timeout 60000
shot update_restarted
box=$(drv message-box --window 'Információ*' --press OK)
check "it says it was updated" grep -qF "Az Ön Kefeló példánya frissítve lett!" <<<"$box"
check "the new copy's main window" wait_main_window
check "the help shows the version history" drv wait "${MAIN[@]}" --id 3803 --text-is "Verziótörténet"
check "the update's files are gone" wait_for 10 test ! -e "$PROG/update.bat" -a ! -e "$PROG/new.zip" -a ! -e "$PROG/new.exe" -a ! -e "$PROG/update.txt"
check "the old program's copy is gone" wait_for 10 test ! -e "$PROG/update.old"
shot update_version_history
drv close "${MAIN[@]}"
finish
