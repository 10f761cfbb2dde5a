#!/usr/bin/env bash
# Saving a snapshot through the real save dialog of the real Quillcast.exe:
# the dock's Snapshots menu, "Take Snapshot!", a typed name, OK. The file is
# written in the snapshot folder and History.dat lists it at exit.
source "$(dirname "$0")/e2e_lib.sh"

fresh_user_data
show_root_picture
check "the overlay appears" start_quillcast
sleep 1
dock_tool 2
drv drag 300 300 500 450 10

dock_click 520 35                  # "Snapshots"
sleep 0.5
drv key 0x28                       # Down: "Take Snapshot!"
drv key 0x0D                       # Enter
check "the save dialog opens" drv wait-window "Save a snapshot of the current screen" 20
sleep 1
drv type "e2e shot"
drv key 0x0D
check "the save dialog closes" drv wait-gone "Save a snapshot of the current screen" 20
sleep 1
check "the snapshot is written as PNG with the default extension" test -s "$SNAP_DIR/e2e shot.png"
check "the file is a PNG picture" test "$(head -c 4 "$SNAP_DIR/e2e shot.png" | od -An -c | tr -d ' ')" = '211PNG'
convert "$SNAP_DIR/e2e shot.png" "$WORK/snap.png"
check "the snapshot holds the rectangle" colour_near "$WORK/snap.png" 297 303 375 375 237 28 36

stop_quillcast
today=$(date +%Y%m%d)
check "History.dat lists the snapshot" \
    grep -q -a -F "${today}C:\\users\\$winuser\\Documents\\Quillcast Snapshots\\e2e shot.png" "$HISTORY"
finish
