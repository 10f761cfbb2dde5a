#!/usr/bin/env bash
# Drawing on the real Quillcast.exe with real input: a red rectangle chosen
# from the dock appears at the right pixels and "Erase All" takes it away.
source "$(dirname "$0")/e2e_lib.sh"

show_root_picture
check "the overlay appears" start_quillcast
sleep 1
import -window root "$WORK/before.png"

dock_tool 2          # rectangle
dock_colour 0 0      # red
drv drag 300 300 500 450 10
drv move 700 700
sleep 0.5
import -window root "$WORK/drawn.png"
check "the left edge is red" colour_near "$WORK/drawn.png" 297 303 375 375 237 28 36
check "the bottom edge is red" colour_near "$WORK/drawn.png" 400 400 447 453 237 28 36
check "nothing red inside it" no_colour_near "$WORK/drawn.png" 310 390 320 430 237 28 36
check "the inside shows the screen" test "$(pixel_at "$WORK/drawn.png" 400 375)" = "$(pixel_at "$WORK/before.png" 400 375)"

dock_tool 7                  # eraser: its controls hold "Erase All"
dock_click 685 13            # "Erase All"
drv move 700 700
sleep 0.5
import -window root "$WORK/erased.png"
check "Erase All takes the rectangle away" \
    test "$(pixel_at "$WORK/erased.png" 300 375)" = "$(pixel_at "$WORK/before.png" 300 375)"
finish
