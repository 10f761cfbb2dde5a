#!/usr/bin/env bash
# One session of a presenter with the real Quillcast.exe: the first run, one
# instance only, every drawing tool chosen from the dock, Ctrl+C copying the
# very picture that a snapshot through the real save dialog holds, the load
# dialog, the tray menu, and the end through its Exit, with the files checked
# on disk; then the drawing put away at the end restored after a restart, and
# a damaged one reported. (The ways a drawing is put away within one run are
# checked by the Win32 tests.)
source "$(dirname "$0")/e2e_lib.sh"
LAST_DAT="$DATA_DIR/LastDrawing.dat"

# Whether a region (WxH+X+Y) of a shot differs from the start picture.
changed() { test "$(pixels_differ "$WORK/start.png" "$1" "$2")" -gt "${3:-15}"; }
# Whether a picture is alike an earlier shot below the dock (shown or hidden).
alike() { test "$(pixels_differ "$WORK/$2.png" "$1" 1280x700+0+80)" -lt 50; }
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
retry 5 1 frozen_shown  # a loaded machine may take a moment to paint it
check "the overlay shows the frozen screen ($differ pixels differ)" test "$differ" -lt 100

(cd "$BIN" && exec wine ./Quillcast.exe </dev/null >/dev/null 2>&1) &
second=$!
check "a second copy says that one runs already" told Quillcast "Only one instance of Quillcast can run"
wait "$second"
check "the second copy ends with 0" test $? -eq 0

# Every drawing tool, chosen from the dock.
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

# Ctrl+C changes nothing on screen and offers the picture as PNG and as BMP,
# each the very snapshot saved next.
drv key 0x43 ctrl
see copied "Ctrl+C changes nothing on screen" alike drawn
xclip -selection clipboard -t image/png -o >"$WORK/clip.png" 2>/dev/null
xclip -selection clipboard -t image/bmp -o >"$WORK/clip.bmp" 2>/dev/null

saved_on=$(date +%Y%m%d)  # History.dat dates the entry with the day of saving
snap="$SNAP_DIR/e2e shot.png"
check "F2 saves a snapshot through the save dialog" save_as "e2e shot"
check "the snapshot, with the default extension, holds the rectangle" rectangle_shown "$snap"
for clip in "$WORK/clip.png" "$WORK/clip.bmp"; do
    differ=$(compare -metric AE "$clip" "$snap" null: 2>&1 | cut -d. -f1)
    check "the clipboard's ${clip##*.} is the snapshot ($differ pixels differ)" test "$differ" = 0
done

# F3 opens the load dialog, which shares its owner with the save dialog;
# cancelling it changes nothing.
drv key 0x72
check "F3 opens the load dialog over the overlay" owned_by_overlay "Load a snapshot"
drv close "Load a snapshot"
check "closing it cancels it" drv wait-gone "Load a snapshot" 10
see cancelled "and changes nothing on screen" alike drawn

# Esc hides the overlay; the tray menu dismissed with Esc leaves it hidden,
# its "Show Quillcast" (first item) shows a fresh drawing over the screen.
drv key 0x1B
check "Esc hides the overlay" drv wait-hidden "$OVERLAY" 10
tray_menu 0x1B
sleep 1
check "a dismissed tray menu leaves the overlay hidden" drv wait-hidden "$OVERLAY" 1
tray_menu 0x28 0x0D
check "the tray menu's Show Quillcast shows the overlay" drv wait-window "$OVERLAY" 10
see shown "with a fresh drawing over the screen" alike start
draw_rectangle
shot last

# The tray menu's Exit ends the program and writes the files, History.dat
# before Settings.dat, the drawing on screen into LastDrawing.dat.
rm -f "$HISTORY"
exit_from_tray
check "History.dat lists the snapshot" \
    grep -q -a -F "${saved_on}C:\\users\\$winuser\\Documents\\Quillcast Snapshots\\e2e shot.png" "$HISTORY"
check "History.dat is written before Settings.dat" \
    test "$(stat -c %.9Y "$HISTORY" 2>/dev/null || echo 9)" \< "$(stat -c %.9Y "$SETTINGS")"
check "Settings.dat keeps the tool and the snapshot folder" \
    test "$(grep -a -c -x -F -e $'7=3\r' -e "<LastPath>=C:\\users\\$winuser\\Documents\\Quillcast Snapshots\\"$'\r' "$SETTINGS")" = 2
check "LastDrawing.dat keeps the drawing on screen" grep -q '^records 1' "$LAST_DAT"
check "its record is the rectangle" grep -q '^3 300 300 200 150 ' "$LAST_DAT"

show_root_picture xc:'#406080'  # another screen
check "the overlay appears again after a restart" start_to_draw
drv click 640 780  # the keys go to the overlay; a click draws nothing
drv key 0x4C ctrl
see restored "Ctrl+L brings back the picture and the rectangle of the last run" alike last
drv drag 900 300 1000 400
stop_quillcast
check "closing the overlay keeps the drawing on screen" grep -q '^records 2' "$LAST_DAT"
head -c 60 "$LAST_DAT" >"$WORK/cut.dat" && cp "$WORK/cut.dat" "$LAST_DAT"
check "the overlay appears with a damaged records file" start_to_draw
drv click 640 780
shot damaged
drv key 0x4C ctrl
check "restoring a damaged drawing tells the user why" told "Restore Last Drawing" damaged
drv key 0x4C ctrl  # nothing is left to restore
see still "a damaged drawing changes nothing, nor does a second Ctrl+L" alike damaged
finish
