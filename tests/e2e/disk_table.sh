#!/usr/bin/env bash
# The disk analysis table opens from the tray menu's actions over the main window, lists
# drive C: with its size and fill share, scans again when it is activated after another
# program's window, widens to every drive with its box, and Escape closes it.
set -u
EXE="${1:?usage: disk_table.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

TABLE=(--window "A számítógépéhez csatlakoztatott meghajtók elemzése")
GRID=(--id 2601)

PROG=$(fresh_program_dir kefelo-disktable "$EXE")
write_settings "$PROG/beallitasok.cfg"
start_program disk_table.wine.log
must "main window appears" wait_main_window
must "the tray icon shows" drv wait --window "Wine System Tray" --class __winex11_tray_icon
drv click --window "Wine System Tray" --class __winex11_tray_icon --right
drv menu --pick-index 1 --then 2  # "Műveletek", "Lemezelemző táblázat megnyitása"
must "the table opens" drv wait "${TABLE[@]}"
check "the scan ends with the grid enabled" drv wait "${TABLE[@]}" "${GRID[@]}" --enabled
expect "drive C: is the first row" "$(drv items "${TABLE[@]}" "${GRID[@]}" | head -1)" C
SHARE=$(drv items "${TABLE[@]}" "${GRID[@]}" --column 5 | head -1)
check "its share is a percentage with the Hungarian comma ($SHARE)" eval '[[ "$SHARE" =~ ^[0-9]{1,2},[0-9]{1,2}$|^[0-9]{1,3}$ ]]'
# C: is the prefix's drive_c: its size, as Linux reports it, in units of 1000 bytes.
TOTAL=$(python3 -c 'import shutil, sys; print(shutil.disk_usage(sys.argv[1]).total // 1000)' "$(drive_c "")")
expect "C: size in thousands of bytes" "$(drv items "${TABLE[@]}" "${GRID[@]}" --column 2 | head -1 | tr -d .)" "$TOTAL"
shot disk_table

# Another program takes the foreground while 300 MB of C: is taken; back at the table the
# free space is measured again.
free_of_c() { drv items "${TABLE[@]}" "${GRID[@]}" --column 4 | head -1 | tr -d .; }
FREE=$(free_of_c)
SPACE=$(drive_c e2e-disk-table-space.bin)
wine "$(dirname "$EXE")/sample_window.exe" 60 >/dev/null 2>&1 &
taker_pid=$!
check "another window took the foreground" wait_for 20 eval '[ "$(drv foreground)" = kefelo-e2e-sample ]'
fallocate -l 300M "$SPACE"
drv key "${TABLE[@]}" "${GRID[@]}" Home
less_free() { local now; now=$(free_of_c); [ -n "$now" ] && [ "$now" -le $((FREE - 250000)) ]; }
check "back at the table, C: shows 300 MB less free" wait_for 15 less_free
rm -f "$SPACE"
kill "$taker_pid" 2>/dev/null
wait "$taker_pid" 2>/dev/null
drv click "${TABLE[@]}" --id 2602
check "the all-drives box is ticked" drv wait "${TABLE[@]}" --id 2602 --checked
check "the rescan ends" drv wait "${TABLE[@]}" "${GRID[@]}" --enabled
drv key "${TABLE[@]}" "${GRID[@]}" Escape
check "Escape closes the table" drv wait "${TABLE[@]}" --gone
check "the program ends when closed" close_program
finish
