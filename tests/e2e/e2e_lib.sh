#!/usr/bin/env bash
# Helpers of the end-to-end tests. They run inside the Wine session that the
# test command started (DISPLAY and WINEPREFIX set), or in one of their own
# (own_session); $1 of each test is the folder holding Quillcast.exe and the
# driver.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/drive.sh"
BIN=${1:?folder of Quillcast.exe}
INK='#ED1C24'  # the first ink colour of a first run
QC_EXIT=""  # the exit code of the last Quillcast waited for, "timeout" when it did not end
FAILURES=0

# A fresh work folder (the last one is removed) and the user's folders and
# files in the session's prefix.
session_paths() {
    [ -n "${WORK:-}" ] && rm -rf "$WORK"
    WORK=$(mktemp -d "${TMPDIR:-/tmp}/qc-e2e.XXXXXX")
    winuser=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort |
        grep -v -x -E 'Public|public' | head -n 1)
    DATA_DIR="$WINEPREFIX/drive_c/users/$winuser/AppData/Roaming/Quillcast"
    SNAP_DIR="$WINEPREFIX/drive_c/users/$winuser/Documents/Quillcast Snapshots"
    # shellcheck disable=SC2034  # for the tests that source this file
    SETTINGS="$DATA_DIR/Settings.dat" HISTORY="$DATA_DIR/History.dat"
}
[ -n "${WINEPREFIX:-}" ] && session_paths

# A session of the test's own, stopped when it exits: the session function
# of scripts/lib/session.sh given (qc_start_session, ...) starts it with the
# prefix prefix-<name> beside the folder of Quillcast.exe and the arguments
# that follow; false when it could not start.
#   own_session <name> <session function> [arguments...]
own_session() {
    trap qc_stop_session EXIT
    "$2" "$(cd "$BIN/.." && pwd)/prefix-$1" "${@:3}" && session_paths
}

check() {  # check <description> <command...>
    if "${@:2}"; then
        echo "ok   - $1"
    else
        echo "FAIL - $1"
        FAILURES=$((FAILURES + 1))
    fi
}

same() { [ -n "$1" ] && [ "$1" = "$2" ]; }

fresh_user_data() { rm -rf "$DATA_DIR" "$SNAP_DIR"; }

# Starts Quillcast (start_quillcast) and waits until the overlay takes the
# keys and the X server shows it: a loaded machine shows it a moment before
# it comes to the front, and the window manager maps it a moment later still.
start_to_draw() {
    start_quillcast "$BIN" && drv wait-front "$OVERLAY" 20 && retry 100 0.2 mapped "$OVERLAY" && sleep 0.5
}
mapped() { xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; }

# A first run over the root picture: no user data, the overlay checked as it
# appears.   first_run <start_to_draw|start_quillcast>
first_run() {
    fresh_user_data
    show_root_picture
    check "the overlay appears" "$1"
}

# Waits for the Quillcast process started above to end (QC_EXIT); true when
# it ended with 0, as on Exit.
wait_quillcast() {
    retry 150 0.2 ended "$QC_PID" || { QC_EXIT=timeout; return 1; }
    wait "$QC_PID"
    QC_EXIT=$?
    QC_PID=""
    [ "$QC_EXIT" = 0 ]
}

stop_quillcast() {
    [ -n "$QC_PID" ] && kill -0 "$QC_PID" 2>/dev/null || return 0
    drv close "$OVERLAY"
    wait_quillcast
}

# A right click on the tray icon, then keys for its menu.
tray_menu() {
    drv tray "$OVERLAY" 0x204
    sleep 1
    local key
    for key; do drv key "$key"; done
}
# The tray menu's Exit (its fifth item: Show Quillcast, Live Ink, Restore
# Last Drawing, Options..., Exit) ends the program with 0.
exit_from_tray() {
    tray_menu 0x28 0x28 0x28 0x28 0x28 0x0D
    check "Exit in the tray menu ends the program with 0" wait_quillcast
}

# A screenshot of the whole X screen: $WORK/<name>.png; shot takes it once
# the screen has settled.
grab() { import -window root "$WORK/$1.png"; }
shot() { sleep 0.6; grab "$1"; }
# A shot checked by a command that is given its file first.
#   see <name> <description> <command> [args...]
see() { shot "$1"; check "$2" "$3" "$WORK/$1.png" "${@:4}"; }

# Number of pixels that differ between two pictures in a region (WxH+X+Y).
pixels_differ() {
    convert "$1" -crop "$3" +repage "$WORK/a.png"
    convert "$2" -crop "$3" +repage "$WORK/b.png"
    compare -metric AE -fuzz 2% "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d. -f1
}

# Puts a picture on the X root window, so that the screen has something to
# capture: $WORK/root.png, the size of the screen, drawn by convert with the
# arguments given (by default a gradient with a red square and a green disc).
show_root_picture() {
    [ $# -gt 0 ] || set -- gradient:'#2060c0-#f0d040' \
        -fill '#c03030' -draw 'rectangle 100,200 400,500' -fill '#30a050' -draw 'circle 900,500 1000,600'
    convert -size "$(xdpyinfo | awk '/dimensions:/ {print $2}')" "$@" "$WORK/root.png"
    display -window root "$WORK/root.png"
}

# The end of a test, its last command: its status is the test's.
finish() {
    stop_quillcast
    # QC_E2E_KEEP=<folder> keeps the screenshots of a run for a look.
    [ -n "${QC_E2E_KEEP:-}" ] && mkdir -p "$QC_E2E_KEEP" && cp "$WORK"/*.png "$QC_E2E_KEEP"/
    rm -rf "$WORK"
    echo "$FAILURES check(s) failed"
    [ "$FAILURES" -eq 0 ]
}

# Whether the pixel x, y of a picture is white.   white_at <picture> <x> <y>
white_at() { [ "$(convert "$1" -format "%[fx:p{$2,$3}.r*p{$2,$3}.g*p{$2,$3}.b]" info:)" = 1 ]; }

# Whether a region of a picture holds at least <least> pixels of the first
# ink.   inked <picture> <WxH+X+Y> <least>
inked() {
    [ "$(convert "$1" -crop "$2" +repage -fuzz 8% -fill black +opaque "$INK" -fill white -opaque "$INK" \
        -format '%[fx:int(mean*w*h+0.5)]' info:)" -ge "$3" ]
}

# The rectangle most tests draw: R, a drag from 300,300 to 500,450. A picture
# shows it when its left edge is in the first ink.
draw_rectangle() { drv key 0x52; drv drag 300 300 500 450 10; }
rectangle_shown() { inked "$1" 7x1+297+375 1; }

# Waits for a window that the overlay owns: X keeps it above the overlay
# (WM_TRANSIENT_FOR).
owned_by_overlay() {
    local box overlay
    drv wait-window "$1" 20 || return 1
    box=$(xdotool search --name "^$1\$" | head -n 1)
    overlay=$(xdotool search --name "^$OVERLAY\$" | head -n 1)
    [ -n "$box" ] && [ -n "$overlay" ] && xprop -id "$box" WM_TRANSIENT_FOR | grep -q -i "$(printf '0x%x' "$overlay")\$"
}
# Waits for a message box, checks its title and text, clicks its OK.
told() {  # title text-fragment; the next box may have the same title
    drv wait-window "$1" 20 && drv dialog-text "$1" | grep -q -F "$2" && drv press-ok "$1" && retry 20 0.5 box_gone "$@"
}
box_gone() { ! drv dialog-text "$1" | grep -q -F "$2"; }

# Real X input, paced like a person: keys one after the other; a click at
# x y, [seconds] after the pointer arrives there (0.1 by default); a pen
# stroke from x1 to x2 on row y, the button held over a series of moves.
xkey() { local k; for k; do xdotool keydown "$k"; sleep 0.15; xdotool keyup "$k"; sleep 0.4; done; }
xclick() { xdotool mousemove "$1" "$2"; sleep "${3:-0.1}"; xdotool mousedown 1; sleep 0.15; xdotool mouseup 1; sleep 0.4; }
xstroke() {  # x1 x2 y
    local x
    xdotool mousemove "$1" "$3"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.15
    for x in $(seq $(($1 + 20)) 20 "$2"); do xdotool mousemove "$x" "$3"; sleep 0.02; done
    sleep 0.15
    xdotool mouseup 1
}
