#!/usr/bin/env bash
# The real Quillcast.exe under real X input (xdotool, paced like a person):
# keys act right after start, as Shortcuts.dat gives them, and the pointer
# draws before any menu and after every way a popup menu can close. Input sent inside Wine never passes
# through the X server, so only this kind of test sees such faults.
source "$(dirname "$0")/e2e_lib.sh"

# A click on the dock, which shows while the pointer rests on it.
xdock() { xdotool mousemove "$1" "$2"; sleep 0.8; xclick "$1" "$2"; }
OPTIONS_BUTTON=(440 35)

# A pen stroke from x=300 to x=600 on row y; passes when its ink is on screen.
stroke_lands() {
    xstroke 300 600 "$1"
    xdotool mousemove 900 700
    sleep 0.5
    retry 6 0.5 stroke_shown "$1"  # a loaded machine may take a moment to show it
}
stroke_shown() { grab "stroke$1" && inked "$WORK/stroke$1.png" "300x12+300+$(($1 - 6))" 200; }

# W twice, a stroke, and once the dock has hidden itself (4 s after the
# pointer left it), a quick click on a caption of the menu toolbar 0.2 s
# after the pointer reaches it: the menu opens, and Esc closes the menu only.
quick_caption_click() {
    xkey w w
    xstroke 200 500 400
    retry 40 0.2 dock_hidden || return 1
    xclick "$1" 35 0.2
    drv wait-menu 3 || return 1
    xkey Escape
    drv wait-window "$OVERLAY" 0.1
}
dock_hidden() { ! drv dock-rect >/dev/null; }

# A stroke on row y that changes the picture without the pen's ink.
stroke_not_pen() {
    xstroke 300 600 "$1"
    xdotool mousemove 900 700
    sleep 1
    grab "other$1"
    ! inked "$WORK/other$1.png" "300x12+300+$(($1 - 6))" 200 &&
        [ "$(pixels_differ "$WORK/root.png" "$WORK/other$1.png" "300x12+300+$(($1 - 6))")" -ge 100 ]
}
snapshots_saved_now() { [ "$(find "$SNAP_DIR" -name 'Quillcast 20*.png' | wc -l)" -eq "$1" ]; }
stroke_in_snapshot() {
    local shot
    shot=$(find "$SNAP_DIR" -name 'Quillcast 20*.png' -newer "$WORK/zoomed.png" | head -1)
    [ -n "$shot" ] && inked "$shot" 60x9+835+446 60 && ! inked "$shot" 300x12+300+294 1
}
listed_saved_now() { [ "$(grep -c 'Quillcast 20.*\.png' "$HISTORY")" -eq "$1" ]; }

# A first run whose Shortcuts.dat was written before: P chooses the
# highlighter and K the pen.
fresh_user_data
show_root_picture
mkdir -p "$DATA_DIR"
printf 'highlighter=p\r\npen=K\r\n' >"$DATA_DIR/Shortcuts.dat"
check "the overlay appears" start_to_draw
check "the first stroke draws, before any menu" stroke_lands 200
# Keys: Wine 8 cannot move the X keyboard focus to a managed window on the
# program's request; the first press on the overlay (which draws, above)
# gives it the keys.
xkey w
see white "a key acts after the first stroke (W: whiteboard)" white_at 640 600
xkey w
xkey p
check "P, the highlighter's in Shortcuts.dat, no longer chooses the pen" stroke_not_pen 620
xkey k
check "K, the pen's in Shortcuts.dat, chooses it" stroke_lands 680
xkey ctrl+s ctrl+s
check "Ctrl+S twice saves two snapshots without a dialog" retry 20 0.5 snapshots_saved_now 2
sleep 3  # the notice beside the dock goes
# Zoom: five notches of Ctrl+wheel at x=1000 on the middle row of the green
# disc (centre 900,500, radius 141: its right edge at 1041) make 4x around
# the pointer: the edge moves to 1000 + 4 * 41 = 1164 and x=705 (picture
# 926) turns green. A stroke drawn then from x=300 to 600 on row 300 lies in
# the picture at (x + 3001) / 4 on row (300 + 1501) / 4 = 450, where Ctrl+S
# saves it; Ctrl+0 shows all again.
green_at() { [ "$(convert "$1" -format "%[fx:p{$2,$3}.g>0.55 && p{$2,$3}.r<0.3]" info:)" = 1 ]; }
not_green_at() { ! green_at "$@"; }
xzoom() {  # notches, 4 in and 5 out
    local i
    xdotool mousemove 1000 500
    sleep 0.2
    xdotool keydown ctrl
    for i in $(seq "$1"); do xdotool click "$2"; sleep 0.3; done
    xdotool keyup ctrl
    sleep 0.4
}
xzoom 5 4
see zoomed "Ctrl+wheel at 4x shows the disc's edge 4 times as far from the pointer" green_at 1156 500
check "...and not beyond it" not_green_at "$WORK/zoomed.png" 1172 500
check "...and magnifies the disc to the left of the pointer" green_at "$WORK/zoomed.png" 705 500
xstroke 300 600 300
xkey ctrl+s
check "a stroke drawn at 4x is saved where it lies in the picture" retry 20 0.5 stroke_in_snapshot
xkey ctrl+0
see whole "Ctrl+0 shows the whole picture again" not_green_at 705 500

xdock "${OPTIONS_BUTTON[@]}"
xkey Escape
check "a stroke after Options dismissed with Esc" stroke_lands 260

xdock 520 35  # the Snapshots button
xclick 900 600
check "a stroke after Snapshots closed by a click beside it" stroke_lands 320

xdock "${OPTIONS_BUTTON[@]}"
xkey Down Down Return  # "Whiteboard Mode On/Off"
see chosen "the chosen menu item acted" white_at 640 600
check "a stroke after a menu item was chosen" stroke_lands 380
xkey w

xdock "${OPTIONS_BUTTON[@]}"
# The fifth item, "All Options...": Wine's menus do not skip the third,
# "Restore Last Drawing", greyed; "Laser Pointer" is the fourth.
xkey Down Down Down Down Down Return
check "All Options... opens the options dialog" drv wait-window "Quillcast Options" 10
read -r okx oky < <(drv center "Quillcast Options" 1050)
xclick "${okx:-0}" "${oky:-0}"
check "its OK, clicked with the pointer, closes it" drv wait-hidden "Quillcast Options" 10
check "a stroke after the options dialog" stroke_lands 440
for run in 1 2 3 4 5 6 7 8; do
    check "quick click on the hidden dock's Options, run $run" quick_caption_click 445
    check "quick click on the hidden dock's Snapshots, run $run" quick_caption_click 520
done

stop_quillcast
check "the snapshots saved with Ctrl+S are in the history" listed_saved_now 3
finish
