#!/usr/bin/env bash
# A 150 % display (LogPixels 144) on its own virtual screen: the dock is 1.5
# times its 100 % size with the pictures drawn for 150 %, unstretched, clicks
# on its buttons reach the right buttons, the frozen picture is pixel-exact,
# and a change of scale told by WM_DPICHANGED lays the dock out anew.
BIN=${1:?folder of Quillcast.exe}
source "$(dirname "$0")/../../scripts/lib.sh"
trap qc_stop_session EXIT
BITMAPS="$(dirname "$0")/../../src/resources/bitmaps"
qc_start_session "$(cd "$BIN/.." && pwd)/prefix-dpi"
qc_set_logpixels 144
source "$(dirname "$0")/e2e_lib.sh" "$BIN"

same() { [ -n "$1" ] && [ "$1" = "$2" ]; }

# Pixels that differ between a picture file and the best-matching place in a
# region of a screenshot: 0 when the picture is shown exactly as drawn.
picture_shown() {  # screenshot WxH+X+Y picture
    convert "$1" -crop "$2" +repage "$WORK/region.png"
    compare -metric AE -subimage-search "$WORK/region.png" "$3" null: 2>&1 | cut -d' ' -f1
}

# Tool button i at 150 %: the toolbar starts 11 px into the dock, buttons are
# the 27-pixel picture plus the toolbar's own 7-pixel frame.
tool_at() { echo $((280 + 11 + 34 * $1 + 17)) 16; }

fresh_user_data
show_root_picture
check "the overlay appears" start_quillcast
drv move 600 30  # the pointer rests on the dock, so that autohide keeps it
sleep 1
check "the dock is 1.5 times 448 x 51, centred as at 100 %" same "$(drv dock-rect)" "280 0 952 77"
import -window root "$WORK/shot.png"
differ=$(pixels_differ "$WORK/root.png" "$WORK/shot.png" 1280x700+0+100)
check "the frozen picture is pixel-exact ($differ pixels differ)" test "$differ" -eq 0
shown=$(picture_shown "$WORK/shot.png" 300x40+285+0 "$BITMAPS/tool_rectangle_150.bmp")
check "the rectangle button shows the 150 % picture unstretched ($shown pixels differ)" test "$shown" = 0

drv click $(tool_at 7)
sleep 0.5
check "a click on the eraser button gives the eraser's dock (492 wide)" same "$(drv dock-rect)" "280 0 772 77"
drv click $(tool_at 2)
sleep 0.5
check "a click on the rectangle button gives the shapes' dock (896 wide)" same "$(drv dock-rect)" "280 0 1176 77"

drv dpi-changed "Quillcast Mainwindow" 192
sleep 1
drv move 600 30
check "WM_DPICHANGED to 192 lays the dock out at 200 %" same "$(drv dock-rect)" "160 0 1354 102"
import -window root "$WORK/shot192.png"
shown=$(picture_shown "$WORK/shot192.png" 400x60+160+0 "$BITMAPS/tool_rectangle_200.bmp")
check "the rectangle button now shows the 200 % picture ($shown pixels differ)" test "$shown" = 0
drv dpi-changed "Quillcast Mainwindow" 96
sleep 1
check "WM_DPICHANGED to 96 gives back the 100 % dock" same "$(drv dock-rect)" "400 0 997 51"
finish
