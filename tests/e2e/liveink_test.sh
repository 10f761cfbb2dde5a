#!/usr/bin/env bash
# Live ink over a running program, under real X input and a compositing
# manager (which blends partly transparent pixels as Windows does): a pen
# stroke and a highlighter band over Notepad, the pointer let through to
# Notepad while the ink stays, undo, twenty switches, freezing and a snapshot;
# then fading ink and the laser pointer.
source "$(dirname "$0")/e2e_lib.sh"
own_session liveink qc_start_session 1280x800x24 || exit 77
command -v xcompmgr >/dev/null || exit 77
xcompmgr </dev/null >/dev/null 2>&1 &
QC_PIDS+=($!)
NOTEPAD="Untitled - Notepad"
STROKE=400x14+200+293  # the pen stroke from x=200 to 600 on row 300
BAND=300x21+5+45       # the highlighter band over the first line of Notepad

# The global hotkeys reach Wine as real X keys.
alt() { xdotool keydown alt; sleep 0.1; xdotool key "$1"; sleep 0.1; xdotool keyup alt; sleep 1; }
same_pixels() { [ "$(pixels_differ "$1" "$2" "$3")" = 0 ]; }
differ() { [ "$(pixels_differ "$1" "$2" "$3")" -gt 0 ]; }
# A highlighter band over black text on white: the text still shows through
# it (dark pixels), and the white around it is tinted, not covered.
blended() {
    local dark tinted
    dark=$(convert "$1" -crop "$BAND" +repage -colorspace gray -threshold 30% -negate \
        -format '%[fx:int(mean*w*h+0.5)]' info:)
    tinted=$(convert "$1" -format '%[fx:p{280,55}.r>0.8 && p{280,55}.b<0.85]' info:)
    [ "$dark" -ge 20 ] && [ "$tinted" = 1 ]
}
not_blended() { ! blended "$@"; }
not_inked() { ! inked "$1" "$2" 1; }

fresh_user_data
wine notepad </dev/null >/dev/null 2>&1 &
QC_PIDS+=($!)
drv wait-front "$NOTEPAD" 30 && sleep 1 && xdotool type --delay 80 "Highlighted words in Notepad"
check "the overlay appears" start_to_draw
xclick 640 600  # the first press on the overlay gives it the keys
drv key 0x1B
drv wait-hidden "$OVERLAY" 10
shot notepad

alt F12
see live "Alt+F12 shows the running screen" same_pixels "$WORK/notepad.png" 1280x700+0+100
xstroke 200 600 300
drv key 0x48  # H: the highlighter
xstroke 5 300 45
xdotool mousemove 900 700
see drawn "a pen stroke lands over Notepad" inked "$STROKE" 300
check "the highlighter band blends with Notepad beneath" blended "$WORK/drawn.png"

alt F12
xclick 500 200
xdotool type --delay 80 " typed"
see pointer "the pointer's click and keys reach Notepad" differ "$WORK/drawn.png" 1000x30+0+40
check "the ink stays exactly as it was" same_pixels "$WORK/drawn.png" "$WORK/pointer.png" "$STROKE"
check "Notepad keeps the foreground" drv wait-front "$NOTEPAD" 3

alt F12
drv key 0x5A ctrl
sleep 2
see undone "Ctrl+Z takes the band away" not_blended
for _ in $(seq 1 20); do alt F12; done
see switched "twenty switches leave the ink exactly as it was" same_pixels "$WORK/drawn.png" "$STROKE"

save_as drawing
check "F2 in live ink saves the screen beneath with the ink" inked "$SNAP_DIR/drawing.png" "$STROKE" 300
check "and with Notepad beneath" white_at "$SNAP_DIR/drawing.png" 400 400

alt F11
see frozen "Alt+F11 freezes the ink over what lies beneath" inked "$STROKE" 300
save_as live
check "F2 saves the screen with the ink" inked "$SNAP_DIR/live.png" "$STROKE" 300

# Fading ink and the laser pointer, on the frozen overlay (fading after 3 s).
drv key 0x50  # P: the pen
xdotool keydown shift
xstroke 200 600 500
xdotool keyup shift
xstroke 200 600 560
xdotool mousemove 1200 700
sleep 4
see faded "a stroke drawn with Shift is gone within 4 s" not_inked 400x14+200+493
check "and the plain stroke stays" inked "$WORK/faded.png" 400x14+200+553 300
drv key 0x4C  # L: the laser
xdotool mousemove 300 650
sleep 0.3
xdotool mousedown 1
for x in $(seq 300 20 700); do xdotool mousemove "$x" 650; sleep 0.02; done
save_dialog laser
drv wait-gone "$SAVE_DIALOG" 20
sleep 1
check "F2 during a laser drag saves no laser pixels" same_pixels "$SNAP_DIR/laser.png" "$WORK/faded.png" 1000x300+100+400
xdotool mouseup 1
xdotool mousemove 1270 790
sleep 1
see rested "the laser leaves nothing 1 s after the pointer stops" same_pixels "$WORK/faded.png" 1000x300+100+400
finish
