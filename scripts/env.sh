# Shared settings of the build, test and run scripts (sourced, not run).
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${KEFELO_BUILD:-$ROOT/build}"
NATIVE_BUILD="$BUILD/native"
# The native suites once more with GCC, the compiler of kefelo.exe, under the sanitizers.
GCC_BUILD="$BUILD/native-gcc"
MINGW_BUILD="$BUILD/mingw"
ARTIFACTS="${ARTIFACTS:-$BUILD/artifacts}"
export WINEPREFIX="${WINEPREFIX:-$BUILD/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

# Wine needs its prefix created once (about 15 s).
ensure_wineprefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "wine: creating prefix $WINEPREFIX"
        LC_ALL=hu_HU.UTF-8 wineboot -i >/dev/null 2>&1 || true
        wineserver -w || true
    fi
    # Wine's own Tahoma and Wingdings (the grids draw their marks in Wingdings) reach a
    # prefix only when copied into it.
    if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/wingding.ttf" ] && [ -d /usr/share/wine/fonts ]; then
        mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
        cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
}
