#!/usr/bin/env bash
# Driving the real Quillcast.exe with the test driver (qcdriver.exe, real
# input through SendInput) inside a Wine session: the demo of scripts/run
# and the end-to-end tests. $BIN is the folder of both exes.
OVERLAY="Quillcast Mainwindow"
SAVE_DIALOG="Save a snapshot of the current screen"
QC_PID=""

drv() { wine "$BIN/qcdriver.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

# Runs a command until it succeeds, at most <times> times, <pause> seconds
# apart.   retry <times> <pause> <command...>
retry() {
    local times=$1 pause=$2 i
    shift 2
    for ((i = 1; i < times; i++)); do
        "$@" && return 0
        sleep "$pause"
    done
    "$@"
}
ended() { ! kill -0 "$1" 2>/dev/null; }  # process id

# Starts Quillcast from a folder (default: $BIN) and waits for the overlay.
start_quillcast() {
    local dir=${1:-$BIN}
    (cd "$dir" && exec wine ./Quillcast.exe </dev/null >/dev/null 2>&1) &
    # shellcheck disable=SC2034  # QC_PID is for the scripts that source this file
    QC_PID=$!
    drv wait-window "$OVERLAY" 30
}

# Clicks on the dock. The dock hides itself while the pointer is away;
# resting on it brings it back within a timer tick. Positions are those of
# a 1280-pixel-wide screen at 100 %.
dock_click() {
    drv move "$1" "$2"
    sleep 0.7
    drv click "$1" "$2"
    sleep 0.3
}
# Tool buttons 0..7: pen, highlighter, rectangle, rounded rectangle, ellipse,
# arrow, stamp, eraser.
dock_tool() { dock_click $((420 + 25 * $1)) 12; }
dock_colour() { dock_click $((652 + 14 * $2)) $((9 + 14 * $1)); }  # row, column of the swatch

# F2 and a name typed into the real save dialog, then Enter; false when the
# dialog does not open.
save_dialog() {
    drv key 0x71
    drv wait-window "$SAVE_DIALOG" 20 || return 1
    sleep 1
    drv type "$1"
    drv key 0x0D
}
# The same, and waits until the dialog has closed.
save_as() { save_dialog "$1" && drv wait-gone "$SAVE_DIALOG" 20 && sleep 1; }
