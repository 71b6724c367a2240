# Running the Windows program under wine. Sourced by scripts/run-windows.sh and
# scripts/test-windows.sh, which run from the repository's root.

# One wine prefix, made once (the first start of wine in a new prefix takes
# about 12 s), in the Windows build folder. Mono and Gecko are not wanted.
wine_setup() {
  export WINEPREFIX="${WINEPREFIX:-$PWD/${WINDOWS_BUILD_DIR:-build-windows}/wineprefix}"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  export TALLOWICK_WINE="${TALLOWICK_WINE:-/usr/lib/wine/wine64}"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    step "Making the wine prefix $WINEPREFIX (once; about 12 s)"
    run_logged "making the wine prefix" "$(log_path wine.log)" "$TALLOWICK_WINE" wineboot --init
    # wineboot returns while the prefix is still being filled in; a program
    # started before that ends gets no window (GLFW cannot make its helper
    # window) or none for well over 20 s.
    "$(dirname "$TALLOWICK_WINE")/wineserver" -w
  fi
}

# Keeps one wine server running for the caller's runs, so that each start of
# the program does not start it again; wine_stop_server ends it.
# Wine's own services and its desktop start with the first program and stay
# with the server: started here, apart from any program, they hold none of its
# pipes open. Called with DISPLAY set: the desktop takes the screen's size then.
wine_start_server() {
  "$(dirname "$TALLOWICK_WINE")/wineserver" -p </dev/null >/dev/null 2>&1
  "$TALLOWICK_WINE" wineboot </dev/null >/dev/null 2>&1
}
wine_stop_server() {
  "$(dirname "$TALLOWICK_WINE")/wineserver" -k 2>/dev/null || true
}
