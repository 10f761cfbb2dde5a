#!/usr/bin/env bash
# A 150 % display (LogPixels 144) on its own virtual screen: the dock is 1.5
# times its 100 % size with the pictures drawn for 150 %, unstretched, clicks
# on its buttons reach the right buttons, the frozen picture is pixel-exact,
# and a change of scale told by WM_DPICHANGED lays the dock out anew.
source "$(dirname "$0")/e2e_lib.sh"
BITMAPS="$QC_ROOT/src/resources/bitmaps"
own_session dpi qc_start_session
qc_set_logpixels 144

# Pixels that differ between a picture file and the best-matching place in a
# region of a screenshot: 0 when the picture is shown exactly as drawn.
picture_shown() {  # screenshot WxH+X+Y picture
    convert "$1" -crop "$2" +repage "$WORK/region.png"
    compare -metric AE -subimage-search "$WORK/region.png" "$3" null: 2>&1 | cut -d' ' -f1
}

# A click on tool button i at 150 %: the toolbar starts 11 px into the dock,
# buttons are the 27-pixel picture plus the toolbar's own 7-pixel frame.
click_tool() { drv click $((280 + 11 + 34 * $1 + 17)) 16; }
dock_is() { same "$(drv dock-rect)" "$1"; }  # "left top right bottom" of the visible dock

first_run start_quillcast
drv move 600 30  # the pointer rests on the dock, so that autohide keeps it
sleep 1
check "the dock is 1.5 times 448 x 51, centred as at 100 %" dock_is "280 0 952 77"
grab shot
differ=$(pixels_differ "$WORK/root.png" "$WORK/shot.png" 1280x700+0+100)
check "the frozen picture is pixel-exact ($differ pixels differ)" test "$differ" -eq 0
shown=$(picture_shown "$WORK/shot.png" 300x40+285+0 "$BITMAPS/tool_rectangle_150.bmp")
check "the rectangle button shows its 150 % picture as drawn ($shown pixels differ)" test "$shown" = 0

click_tool 7
sleep 0.5
check "a click on the eraser button gives the eraser's dock (492 wide)" dock_is "280 0 772 77"
click_tool 2
sleep 0.5
check "a click on the rectangle button gives the shapes' dock (896 wide)" dock_is "280 0 1176 77"

drv dpi-changed "$OVERLAY" 192
sleep 1
drv move 600 30
check "WM_DPICHANGED to 192 lays the dock out at 200 %" dock_is "160 0 1354 102"
grab shot192
shown=$(picture_shown "$WORK/shot192.png" 400x60+160+0 "$BITMAPS/tool_rectangle_200.bmp")
check "the rectangle button now shows the 200 % picture ($shown pixels differ)" test "$shown" = 0
finish
