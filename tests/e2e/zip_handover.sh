#!/usr/bin/env bash
# A second copy hands a folder over while the ZIP window packs the found files: the second
# copy is answered and ends, the first one does not search that folder, and the archive
# holds every active file and is reported made. Once the window is closed, the next
# hand-over is taken: the program is idle again.
# Screenshots: zip_handover_running, zip_handover_result, zip_handover_after.
#
# Usage: WINEPREFIX=... zip_handover.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: zip_handover.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

FILES=8
PROG=$(fresh_program_dir kefelo-ziphand "$EXE")
SECOND=$(fresh_program_dir kefelo-ziphand-second "$EXE")
DATA=$(drive_c e2e-ziphand)
OTHER=$(drive_c e2e-ziphand-masik)
rm -rf "$DATA" "$OTHER"
mkdir -p "$DATA" "$OTHER"
# Text that deflates slowly enough for the run to outlast a second copy's start.
python3 - "$DATA" "$FILES" <<'PY'
import base64, os, sys
for i in range(int(sys.argv[2])):
    with open(os.path.join(sys.argv[1], "nagy%d.tmp" % i), "wb") as f:
        f.write(base64.b64encode(os.urandom(24 * 1024 * 1024)))
PY
printf 'other' >"$OTHER/masik.tmp"
write_settings "$PROG/beallitasok.cfg"

ZIPW=(--window "Aktív átmeneti állományok tömörítése")
LIST=(--id 2221)

second_pid=""
end_test() {
    if [ -n "$second_pid" ] && kill -0 "$second_pid" 2>/dev/null; then kill "$second_pid" 2>/dev/null; fi
    # The archive is as big as the sources: nothing of it is kept.
    rm -rf "$DATA" "$OTHER" "$PROG/Zipped"
    finish
}
second_ended() { ! kill -0 "$second_pid" 2>/dev/null; }
# hand_over LOGNAME: a second copy of the same executable, from another folder, with the folder.
hand_over() {
    wine "$SECOND/kefelo.exe" 'C:\e2e-ziphand-masik' >"$ARTIFACTS/$1" 2>&1 &
    second_pid=$!
}
snapshot() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 -r md5sum); }

start_program zip_handover.wine.log 'C:\e2e-ziphand'
must "the window comes up with the search's results" wait_main_window
must "the big files are listed" drv wait "${MAIN[@]}" "${LIST[@]}" --count "$FILES" --timeout 30000
drv key "${MAIN[@]}" "${LIST[@]}" return
check "Mind aktív marks every row" drv menu --pick-index 0
must "Betömörítés is enabled" drv wait "${MAIN[@]}" --text 'Betömörítés' --enabled
drv click "${MAIN[@]}" --text 'Betömörítés'
must "the ZIP window opens" drv wait "${ZIPW[@]}" --id 2703
NAME=$(drv get-text "${ZIPW[@]}" --id 2703 | tr -d '\r')
ARCHIVE="$PROG/Zipped/${NAME##*\\}"
before_second=$(snapshot "$SECOND")

drv click "${ZIPW[@]}" --id 2704
must "the packing runs" drv wait "${ZIPW[@]}" --id 2721 --text-has 'Tömörítés alatt ('
start=$SECONDS
hand_over zip_handover.second.log
must "the second copy ends by itself" wait_for 60 second_ended
echo "(the second copy ran for $((SECONDS - start)) s)"
# Answered inside the packing's own message queue: the packing has not ended yet.
must "the packing still ran when the second copy was answered" drv wait "${ZIPW[@]}" --id 2724 --timeout 1000
wait "$second_pid" 2>/dev/null
second_pid=""
shot zip_handover_running

check "the archive is reported made" \
    drv wait "${ZIPW[@]}" --id 2710 --text-has 'A tömörítvény elkészült.' --timeout 180000
shot zip_handover_result
check "the archive holds every active file and tests clean" python3 - "$ARCHIVE" "$FILES" <<'PY'
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
count = int(sys.argv[2])
names = sorted(z.namelist())
assert names == sorted("e2e-ziphand/nagy%d.tmp" % i for i in range(count)), names
assert z.testzip() is None
assert ("Allomanyok szama: %d db." % count).encode() in z.comment, z.comment
PY
expect "the found list still holds the packed files" "$(drv count "${MAIN[@]}" "${LIST[@]}")" "$FILES"
check "the handed-over folder was not searched" \
    drv wait "${MAIN[@]}" --id 2220 --text-has '"C:\e2e-ziphand\" helyen'
check "the handed-over folder's file is where it was" test -f "$OTHER/masik.tmp"
expect "nothing was written in the second copy's folder" "$(snapshot "$SECOND")" "$before_second"

# The run is over: a hand-over now starts its search.
drv click "${ZIPW[@]}" --id 2714
must "the ZIP window closes" drv wait "${ZIPW[@]}" --gone
hand_over zip_handover.third.log
check "the next second copy ends by itself" wait_for 60 second_ended
second_pid=""
check "this time the folder is searched" \
    drv wait "${MAIN[@]}" --id 2220 --text-has '"C:\e2e-ziphand-masik\" helyen' --timeout 30000
check "its one file is listed" drv wait "${MAIN[@]}" "${LIST[@]}" --count 1
shot zip_handover_after

check "the program ends when closed" close_program
end_test
