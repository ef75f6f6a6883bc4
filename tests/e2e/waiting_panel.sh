#!/usr/bin/env bash
# A start with "/a" that only sits in the tray: the waiting panel covers the container
# grid, which stays disabled, until the one-shot timer ends both five seconds later.
set -u
EXE="${1:?usage: waiting_panel.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

PANEL=(--hidden --text "Felkészülés az automatikus ürítésre. Kis türelmet!")
GRID=(--hidden --id 2111)

PROG=$(fresh_program_dir kefelo-varj "$EXE")
write_settings "$PROG/beallitasok.cfg" startWithWindows=1 autoClean=0
start_program waiting_panel.wine.log /a
must "the waiting panel shows while the start prepares" drv wait "${MAIN[@]}" "${PANEL[@]}" --timeout 30000
check "the container grid is disabled meanwhile" drv wait "${MAIN[@]}" "${GRID[@]}" --disabled --timeout 1000
check "the panel goes when the timer fires" drv wait "${MAIN[@]}" "${PANEL[@]}" --gone --timeout 15000
check "the container grid takes input again" drv wait "${MAIN[@]}" "${GRID[@]}" --enabled --timeout 2000
finish
