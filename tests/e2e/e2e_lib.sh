# Helpers of the end-to-end tests. They run inside the Wine session that the
# test command started (DISPLAY and WINEPREFIX set); $1 of each test is the
# folder holding Quillcast.exe and the driver.
set -uo pipefail
BIN=${1:?folder of Quillcast.exe}
WORK=$(mktemp -d "${TMPDIR:-/tmp}/qc-e2e.XXXXXX")
QC_PID=""
FAILURES=0

winuser=$(ls "$WINEPREFIX/drive_c/users" | grep -v -x -E 'Public|public' | head -n 1)
DATA_DIR="$WINEPREFIX/drive_c/users/$winuser/AppData/Roaming/Quillcast"
SNAP_DIR="$WINEPREFIX/drive_c/users/$winuser/Documents/Quillcast Snapshots"
SETTINGS="$DATA_DIR/Settings.dat"
HISTORY="$DATA_DIR/History.dat"

drv() { wine "$BIN/qcdriver.exe" "$@" </dev/null 2>/dev/null | tr -d '\r'; return "${PIPESTATUS[0]}"; }

check() {  # check <description> <command...>
    local what=$1
    shift
    if "$@"; then
        echo "ok   - $what"
    else
        echo "FAIL - $what"
        FAILURES=$((FAILURES + 1))
    fi
}

fresh_user_data() { rm -rf "$DATA_DIR" "$SNAP_DIR"; }

# Starts Quillcast from a folder (default: $BIN) and waits for the overlay.
start_quillcast() {
    local dir=${1:-$BIN}
    (cd "$dir" && exec wine ./Quillcast.exe </dev/null >/dev/null 2>&1) &
    QC_PID=$!
    drv wait-window "Quillcast Mainwindow" 30
}
# The same, and then waits until the overlay takes the keys and the X server
# shows it: a loaded machine shows it a moment before it comes to the front,
# and the window manager maps it a moment later still.
start_to_draw() {
    start_quillcast "$@" && drv wait-front "Quillcast Mainwindow" 20 || return 1
    local i
    for i in $(seq 1 100); do
        xdotool search --onlyvisible --name '^Quillcast Mainwindow$' >/dev/null 2>&1 && sleep 0.5 && return 0
        sleep 0.2
    done
    return 1
}

# Waits for the Quillcast process started above to end; its exit code goes
# to QC_EXIT ("timeout" when it did not end).
QC_EXIT=""
wait_quillcast() {
    local i
    for i in $(seq 1 150); do
        kill -0 "$QC_PID" 2>/dev/null || break
        sleep 0.2
    done
    if kill -0 "$QC_PID" 2>/dev/null; then
        QC_EXIT=timeout
        return 1
    fi
    wait "$QC_PID"
    QC_EXIT=$?
    QC_PID=""
}

stop_quillcast() {
    [ -n "$QC_PID" ] && kill -0 "$QC_PID" 2>/dev/null || return 0
    drv close "Quillcast Mainwindow"
    wait_quillcast
}

# Number of pixels that differ between two pictures in a region (WxH+X+Y).
pixels_differ() {
    convert "$1" -crop "$3" +repage "$WORK/a.png"
    convert "$2" -crop "$3" +repage "$WORK/b.png"
    compare -metric AE -fuzz 2% "$WORK/a.png" "$WORK/b.png" null: 2>&1 | cut -d. -f1
}

# Puts a picture on the X root window, so that the screen has something to
# capture.
show_root_picture() {
    local geometry
    geometry=$(xdpyinfo | awk '/dimensions:/ {print $2}')
    convert -size "$geometry" gradient:'#2060c0-#f0d040' \
        -fill '#c03030' -draw 'rectangle 100,200 400,500' \
        -fill '#30a050' -draw 'circle 900,500 1000,600' "$WORK/root.png"
    display -window root "$WORK/root.png"
}

finish() {
    stop_quillcast
    # QC_E2E_KEEP=<folder> keeps the screenshots of a run for a look.
    [ -n "${QC_E2E_KEEP:-}" ] && mkdir -p "$QC_E2E_KEEP" && cp "$WORK"/*.png "$QC_E2E_KEEP"/
    rm -rf "$WORK"
    if [ "$FAILURES" -eq 0 ]; then
        echo "all checks passed"
        exit 0
    fi
    echo "$FAILURES check(s) failed"
    exit 1
}

# "r,g,b" of one pixel of a picture.
pixel_at() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }

# True when some pixel of the box x1..x2, y1..y2 has the colour r,g,b (each
# channel within 8).
colour_near() {  # picture x1 x2 y1 y2 r g b
    local found
    found=$(convert "$1" -crop "$(($3 - $2 + 1))x$(($5 - $4 + 1))+$2+$4" +repage txt:- |
        awk -v r="$6" -v g="$7" -v b="$8" -F'[(),]' 'NR > 1 {
            if ($3 - r <= 8 && r - $3 <= 8 && $4 - g <= 8 && g - $4 <= 8 && $5 - b <= 8 && b - $5 <= 8) n++
        } END { print n + 0 }')
    [ "$found" -gt 0 ]
}
no_colour_near() { ! colour_near "$@"; }

# Clicks on the dock. The dock hides itself while the pointer is away;
# resting on it brings it back within a timer tick.
dock_click() {
    drv move "$1" "$2"
    sleep 0.7
    drv click "$1" "$2"
    sleep 0.3
}
dock_tool() { dock_click $((420 + 25 * $1)) 12; }                       # tool button 0..7
dock_colour() { dock_click $((652 + 14 * $2)) $((9 + 14 * $1)); }      # swatch row, column

# F2, a name typed into the real save dialog, Enter.
save_snapshot_as() {
    drv key 0x71
    check "F2 opens the save dialog" drv wait-window "Save a snapshot of the current screen" 20
    sleep 1
    drv type "$1"
    drv key 0x0D
    check "the save dialog closes" drv wait-gone "Save a snapshot of the current screen" 20
    sleep 1
}
