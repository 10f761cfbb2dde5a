#!/usr/bin/env bash
# One session of a presenter with the real Quillcast.exe: the first run, one
# instance only, every tool chosen from the dock, the keys (undo, redo, fill,
# whiteboard), the eraser, a snapshot through the real save dialog, and the
# end through the tray menu's Exit, with both files checked on disk.
source "$(dirname "$0")/e2e_lib.sh"

# Whether a region (WxH+X+Y) of the screen differs from the start picture.
changed() { test "$(pixels_differ "$WORK/start.png" "$1" "$2")" -gt "${3:-15}"; }
unchanged() { test "$(pixels_differ "$WORK/start.png" "$1" "$2")" -lt 5; }
# Screenshots here (shot, see) are taken with the pointer away from the drawing.
shot() { drv move 640 760; sleep 0.6; grab "$1"; }
# The overlay shows the frozen screen ($differ pixels differ from it).
frozen_shown() {
    grab start
    differ=$(pixels_differ "$WORK/root.png" "$WORK/start.png" 1280x700+0+80)
    [ "$differ" -lt 100 ]
}

first_run start_quillcast
sleep 1
check "the first run makes the data and snapshot folders" test -d "$DATA_DIR" -a -d "$SNAP_DIR"
check "the first run writes Settings.dat" test -s "$SETTINGS"
retry 5 1 frozen_shown  # a loaded machine may take a moment to paint it
check "the overlay shows the frozen screen ($differ pixels differ)" test "$differ" -lt 100

(cd "$BIN" && exec wine ./Quillcast.exe </dev/null >/dev/null 2>&1) &
second=$!
check "a second copy says that one runs already" drv wait-window Quillcast 20
check "with the program's words" test "$(drv dialog-text Quillcast)" = "Only one instance of Quillcast can run at a time"
drv press-ok Quillcast
wait "$second"
check "the second copy ends with 0" test $? -eq 0

# Every tool, chosen from the dock.
dock_tool 0; drv drag 100 150 250 190
dock_tool 1; drv drag 100 240 250 240
dock_tool 2; drv drag 300 300 500 450 10
dock_tool 3; drv drag 550 300 700 400
dock_tool 4; drv drag 750 300 900 400
dock_tool 5; drv drag 950 300 1150 400
dock_tool 6; drv click 200 620; drv click 260 620
shot drawn
for region in pen:150x40+100+150 highlighter:150x20+100+235 rounded:10x60+545+320 ellipse:10x40+745+330 \
    arrow:200x60+950+320 marks:100x40+180+600; do
    check "the ${region%%:*} is drawn" changed "$WORK/drawn.png" "${region#*:}"
done
check "the rectangle's edge is red" rectangle_shown "$WORK/drawn.png"
check "the rectangle is not filled" unchanged "$WORK/drawn.png" 150x100+325+325

# Keys: R, Ctrl+Z, Ctrl+Y, F, W.
drv key 0x52
drv drag 300 500 450 600
drv key 0x5A ctrl
see undone "Ctrl+Z takes the new rectangle back" unchanged 10x80+296+510
drv key 0x59 ctrl
see redone "Ctrl+Y brings it back" colour_near 297 303 550 550 237 28 36
drv key 0x46
drv drag 600 500 700 600
see filled "after F a rectangle is filled" colour_near 640 660 540 560 237 28 36
drv key 0x57
see whiteboard "W shows the whiteboard" white_at 1000 700
drv key 0x57
see picture "W again shows the picture" unchanged 100x50+1000+650

# The eraser takes the first rectangle away where it is touched.
dock_tool 7
drv click 300 375
see erased "the eraser takes the rectangle away" unchanged 10x100+296+320

saved_on=$(date +%Y%m%d)  # History.dat dates the entry with the day of saving
save_snapshot_as "e2e shot"
check "the snapshot is a PNG with the default extension" \
    test "$(head -c 4 "$SNAP_DIR/e2e shot.png" 2>/dev/null | od -An -c | tr -d ' ')" = '211PNG'
convert "$SNAP_DIR/e2e shot.png" "$WORK/snap.png" 2>/dev/null
check "the snapshot holds the filled rectangle" colour_near "$WORK/snap.png" 640 660 540 560 237 28 36

# Esc hides the overlay; the tray menu dismissed with Esc leaves it hidden,
# its "Show Quillcast" (first item) shows a fresh drawing over the screen.
drv key 0x1B
check "Esc hides the overlay" drv wait-hidden "$OVERLAY" 10
tray_menu 0x1B
sleep 1
check "a dismissed tray menu leaves the overlay hidden" drv wait-hidden "$OVERLAY" 1
tray_menu 0x28 0x0D
check "the tray menu's Show Quillcast shows the overlay" drv wait-window "$OVERLAY" 10
see shown "with a fresh drawing over the screen" unchanged 200x150+600+480

# The tray menu's Exit (fourth item) ends the program and writes both files,
# History.dat first.
rm -f "$HISTORY"
exit_from_tray
check "History.dat lists the snapshot" \
    grep -q -a -F "${saved_on}C:\\users\\$winuser\\Documents\\Quillcast Snapshots\\e2e shot.png" "$HISTORY"
check "History.dat is written before Settings.dat" \
    test "$(stat -c %.9Y "$HISTORY" 2>/dev/null || echo 9)" \< "$(stat -c %.9Y "$SETTINGS")"
check "Settings.dat keeps the tool and the snapshot folder" \
    test "$(grep -a -c -x -F -e $'7=8\r' -e "<LastPath>=C:\\users\\$winuser\\Documents\\Quillcast Snapshots\\"$'\r' "$SETTINGS")" = 2

# A missing mark picture does not stop the program.
copy_bin
rm -f "$WORK/bin/plMarkCheck.png"
check "starts without plMarkCheck.png" start_quillcast "$WORK/bin"
finish
