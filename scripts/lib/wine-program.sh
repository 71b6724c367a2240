#!/usr/bin/env bash
# Starts the Windows program under wine in place of the Linux program, for
# scripts/run-windows.sh and the program-level tests (TALLOWICK_PROGRAM): the
# process keeps this script's id, its standard streams and its exit status.
# Needs WINEPREFIX and TALLOWICK_WINE (scripts/lib/wine.sh) and
# TALLOWICK_WINDOWS_EXE.
exec "${TALLOWICK_WINE:?the wine loader}" "${TALLOWICK_WINDOWS_EXE:?the path of tallowick.exe}"
