#!/usr/bin/env bash
# A searched folder's active files packed by "Betömörítés": the archive lands in "Zipped"
# of the program directory under the date's name, Python's zipfile and unzip read it (entry
# names relative with "/", accented names marked UTF-8, contents, random bytes stored rather
# than deflated, the comment counting the stored files), the hidden file stays out. Deleting the packed sources removes them; one
# that changed after it was packed no longer matches its entry, so it stays and comes back on
# the undeletable page, shown without the modal loop. A second, long run is stopped with "Megszakít" while the archive is being written:
# the window answers, and the result says the archive is incomplete.
# Screenshots: zip_name, zip_compressing, zip_result, zip_undeleted, zip_aborted,
# zip_alldeleted.
#
# Usage: WINEPREFIX=... zip_compress.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: zip_compress.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PROG=$(fresh_program_dir kefelo-zip "$EXE")
DATA=$(drive_c e2e-zip)
rm -rf "$DATA"
mkdir -p "$DATA/Mélyebb" "$DATA/módosult"
python3 - "$DATA" <<'PY'
import os, sys
root = sys.argv[1]
words = "alma körte szilva barack dió mogyoró ".encode()
open(root + "/a.tmp", "wb").write(words * 3000)
open(root + "/b.tmp", "wb").write(os.urandom(20000))
open(root + "/Mélyebb/ékezetes ő.tmp", "wb").write("árvíztűrő tükörfúrógép".encode() * 100)
open(root + "/módosult/c.tmp", "wb").write(b"locked folder")
open(root + "/rejtett.tmp", "wb").write(b"hidden")
PY
wine attrib +h 'C:\e2e-zip\rejtett.tmp' >/dev/null 2>&1
write_settings "$PROG/beallitasok.cfg"
# A file where the archives' folder should be: the folder cannot be made the first time.
touch "$PROG/Zipped"

ZIPW=(--window "Aktív átmeneti állományok tömörítése")
UNDEL=(--window "Tömörített, de nem törölhető állományok")
LIST=(--id 2221)

start_program zip_compress.wine.log 'C:\e2e-zip'
must "the window comes up with the search's results" wait_main_window
check "the five tmp files are listed" drv wait "${MAIN[@]}" "${LIST[@]}" --count 5
drv key "${MAIN[@]}" "${LIST[@]}" return
check "Mind aktív marks every row" drv menu --pick-index 0
check "Betömörítés is enabled" drv wait "${MAIN[@]}" --text 'Betömörítés' --enabled
drv click "${MAIN[@]}" --text 'Betömörítés'
must "the ZIP window opens" drv wait "${ZIPW[@]}" --id 2703
NAME=$(drv get-text "${ZIPW[@]}" --id 2703 | tr -d '\r')
case "$NAME" in
C:\\kefelo-zip\\Zipped\\20[0-9][0-9]_[01][0-9]_[0-3][0-9]_[0-2][0-9]_[0-5][0-9]_[0-5][0-9].zip)
    pass "the default name is the date in year_month_day order in Zipped ($NAME)" ;;
*) fail "unexpected default name: $NAME" ;;
esac
shot zip_name

drv click "${ZIPW[@]}" --id 2704
must "the error box comes up" drv wait --window 'Hiba!' --class Button
shot zip_error_box
expect "it names the folder that could not be made" "$(drv message-box --window 'Hiba!' --press OK | tr -d '\r')" \
    "$(printf 'Nem sikerült a következő könyvtár létrehozása:\nC:\\kefelo-zip\\Zipped\n\nA tömörítvény ezért nem készült el!')"
check "page 0 stays" drv wait "${ZIPW[@]}" --id 2704
rm -f "$PROG/Zipped"
drv click "${ZIPW[@]}" --id 2704
check "the result page says the archive is made" drv wait "${ZIPW[@]}" --id 2710 --text-has 'A tömörítvény elkészült.'
shot zip_result
ARCHIVE="$PROG/Zipped/${NAME##*\\}"
check "the archive is in Zipped" test -f "$ARCHIVE"
check "unzip tests the archive clean" unzip -tq "$ARCHIVE"
check "Python's zipfile reads names, contents, flags and comment" python3 - "$ARCHIVE" <<'PY'
import sys, zipfile
z = zipfile.ZipFile(sys.argv[1])
names = sorted(z.namelist())
want = sorted(["e2e-zip/a.tmp", "e2e-zip/b.tmp", "e2e-zip/Mélyebb/ékezetes ő.tmp", "e2e-zip/módosult/c.tmp"])
assert names == want, names
assert z.testzip() is None
words = "alma körte szilva barack dió mogyoró ".encode()
assert z.read("e2e-zip/a.tmp") == words * 3000
assert z.read("e2e-zip/Mélyebb/ékezetes ő.tmp") == "árvíztűrő tükörfúrógép".encode() * 100
info = z.getinfo("e2e-zip/Mélyebb/ékezetes ő.tmp")
assert info.flag_bits & 0x800, "accented name without the UTF-8 flag"
assert z.getinfo("e2e-zip/a.tmp").compress_type == zipfile.ZIP_DEFLATED
assert z.getinfo("e2e-zip/b.tmp").compress_type == zipfile.ZIP_STORED, "random bytes not stored as they are"
assert b"Allomanyok szama: 4 db." in z.comment, z.comment
PY

printf ' and more' >>"$DATA/módosult/c.tmp"
drv click "${ZIPW[@]}" --id 2713
must "the file that could not go comes back on its own page" drv wait "${UNDEL[@]}" --id 2741 --count 1
expect "it is the one changed since it was packed" "$(drv items "${UNDEL[@]}" --id 2741 | tr -d '\r')" 'C:\e2e-zip\módosult\c.tmp'
check "the balance is told" drv wait "${UNDEL[@]}" --id 2742 --text-has 'A folyamat által'
shot zip_undeleted
check "the packed sources are gone" test ! -e "$DATA/a.tmp" -a ! -e "$DATA/b.tmp" -a ! -e "$DATA/Mélyebb/ékezetes ő.tmp"
check "the hidden and the changed file stay" test -e "$DATA/rejtett.tmp" -a -e "$DATA/módosult/c.tmp"
check "the found list lost the deleted rows" drv wait "${MAIN[@]}" "${LIST[@]}" --count 2
drv close "${UNDEL[@]}"
check "the undeletable page closes" drv wait "${UNDEL[@]}" --gone

# A long run, stopped while the archive is written.
python3 - "$DATA" <<'PY'
import base64, os, sys
for i in range(3):
    with open(os.path.join(sys.argv[1], "nagy%d.tmp" % i), "wb") as f:
        f.write(base64.b64encode(os.urandom(30 * 1024 * 1024)))
PY
drv click "${MAIN[@]}" --id 2225
drv click "${MAIN[@]}" --id 2216
check "the new search lists the big files" drv wait "${MAIN[@]}" "${LIST[@]}" --count 5
drv key "${MAIN[@]}" "${LIST[@]}" return
drv menu --pick-index 0
drv click "${MAIN[@]}" --text 'Betömörítés'
must "the ZIP window opens again" drv wait "${ZIPW[@]}" --id 2703
drv click "${ZIPW[@]}" --id 2704
check "the progress page shows while writing" drv wait "${ZIPW[@]}" --id 2724
check "the progress names a file being packed" drv wait "${ZIPW[@]}" --id 2721 --text-has 'Tömörítés alatt ('
shot zip_compressing
drv click "${ZIPW[@]}" --id 2724
check "the abort is answered: the archive is reported incomplete" \
    drv wait "${ZIPW[@]}" --id 2710 --text-has 'félbe lett szakítva' --timeout 60000
shot zip_aborted
LAST=$(ls -t "$PROG"/Zipped/*.zip | head -1)
check "the cut archive still tests clean" unzip -tq "$LAST"
# The cut archive's one file is deleted: every packed source went.
drv click "${ZIPW[@]}" --id 2713
check "the all-deleted page tells the balance" drv wait "${ZIPW[@]}" --id 2751 --text-has 'A folyamat által'
shot zip_alldeleted
drv click "${ZIPW[@]}" --id 2752
check "Vissza closes it" drv wait "${ZIPW[@]}" --gone
rm -f "$DATA"/nagy*.tmp

check "the program ends when closed" close_program
check "the settings keep the folder of the last archive" python3 - "$PROG/beallitasok.cfg" <<'PY'
import sys
record = open(sys.argv[1], "rb").read()
length = record[1584]
folder = record[1585:1585 + length].decode("cp1250")
assert folder == "C:\\kefelo-zip\\Zipped", folder
PY
finish
