#!/usr/bin/env bash
# The real Quillcast.exe driven by real keys: R chooses the rectangle, a drag
# draws one, Ctrl+Z takes it back, Esc puts the overlay away.
source "$(dirname "$0")/e2e_lib.sh"

INK='#ED1C24'  # the first ink colour of a first run

# Pixels of the ink colour in a region (WxH+X+Y) of a picture.
ink_pixels() {
    convert "$1" -crop "$2" +repage -fuzz 8% -fill black +opaque "$INK" -fill white -opaque "$INK" \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}

fresh_user_data
show_root_picture
check "the overlay appears" start_quillcast
sleep 1
drv click 700 650  # a click draws nothing with the pen, but gives the overlay the keys
sleep 0.3

LEFT_EDGE=12x100+594+330  # around the left side of the rectangle drawn below
import -window root "$WORK/before.png"
check "no ink before drawing" test "$(ink_pixels "$WORK/before.png" $LEFT_EDGE)" -eq 0

drv key 0x52  # R
sleep 0.3
drv drag 600 300 800 450
sleep 0.5
import -window root "$WORK/drawn.png"
drawn=$(ink_pixels "$WORK/drawn.png" $LEFT_EDGE)
check "R and a drag draw a rectangle ($drawn ink pixels on its left side)" test "$drawn" -ge 100
inside=$(ink_pixels "$WORK/drawn.png" 150x100+625+325)
check "the rectangle is not filled ($inside ink pixels inside)" test "$inside" -eq 0

drv key 0x5A ctrl  # Ctrl+Z
sleep 0.5
import -window root "$WORK/undone.png"
undone=$(ink_pixels "$WORK/undone.png" $LEFT_EDGE)
check "Ctrl+Z takes the rectangle back ($undone ink pixels left)" test "$undone" -eq 0
differ=$(pixels_differ "$WORK/before.png" "$WORK/undone.png" 300x200+550+280)
check "the picture is as before the drawing ($differ pixels differ)" test "$differ" -lt 10

drv key 0x1B  # Esc
check "Esc hides the overlay" drv wait-hidden "Quillcast Mainwindow" 10
check "the program runs on" kill -0 "$QC_PID"
finish
