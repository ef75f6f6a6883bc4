#!/usr/bin/env bash
# The category and type lists of the search page at the smallest window size: ticking
# categories fills the types, the selection popup of the type list ticks them all, and
# its "Saját típusaim" opens the own-types editor. Screenshot: $ARTIFACTS/search_lists.png.
#
# Clicks are placed for Wine's own fonts at 96 DPI; without them the clicks are skipped.
#
# Usage: WINEPREFIX=... search_lists.sh path/to/kefelo.exe  (under a display)
set -u
EXE="${1:?usage: search_lists.sh path/to/kefelo.exe}"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

install_wine_fonts
PROG=$(fresh_program_dir kefelo-slist "$EXE")
write_settings "$PROG/beallitasok.cfg"

start_program search_lists.wine.log
if wait_for 60 find_main_window; then
    pass "main window appears"
else
    fail "no main window within 60 s"
    finish
fi
sleep 2
xdotool windowsize "$window" 649 400
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
click() {
    xdotool mousemove $((X + $1)) $((Y + $2))
    sleep 0.4
    xdotool click "${3:-1}"
    sleep 1
}
box_visible() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }
editor_gone() { ! box_visible 'Saját állomány-típusok kezelése'; }

if [ "$fonts" = no ]; then
    echo "SKIP: Wine's fonts are not installed (fonts-wine); no clicks"
else
    # The search page's tab, then the tick boxes of the first two categories.
    click 286 12
    click 21 58
    click 21 74
    # The type list's popup: "Mindet" is its first item.
    click 500 200 3
    xdotool key Down Return
    sleep 1
    import -window root "$ARTIFACTS/search_lists.png" 2>/dev/null
    # Again, now "Saját típusaim", the last item.
    click 500 200 3
    xdotool key Up Return
    if wait_for 5 box_visible 'Saját állomány-típusok kezelése'; then
        pass "Saját típusaim opens the own-types editor"
        editor=$(xdotool search --onlyvisible --name '^Saját állomány-típusok kezelése$' | head -n 1)
        sleep 2
        eval "$(xdotool getwindowgeometry --shell --prefix E "$editor")"
        # "Mégse", at the right of the editor's button column.
        xdotool mousemove $((EX + EWIDTH - 52)) $((EY + 148))
        sleep 0.4
        xdotool click 1
        sleep 1
    else
        fail "the own-types editor did not open"
    fi
    if wait_for 5 editor_gone; then
        pass "the own-types editor closes with Mégse"
    else
        fail "the own-types editor is still open"
    fi
fi

finish
