#!/usr/bin/env bash
# Restore Last Drawing on the real Quillcast.exe: a drawing put away by Esc
# and a new showing, by Ctrl+E, and by the tray menu's "Exit" comes back with
# Ctrl+L, picture and records; a second Ctrl+L returns to the drawing it
# replaced; closing the overlay keeps its drawing; a damaged records file is
# reported and changes nothing.
source "$(dirname "$0")/e2e_lib.sh"

LAST_DAT="$DATA_DIR/LastDrawing.dat"
BELOW_DOCK=1280x700+0+80  # the dock may be shown or hidden; compare below it
WM_LBUTTONDBLCLK=0x203

alike() { [ "$(pixels_differ "$1" "$WORK/$2.png" $BELOW_DOCK)" -lt 50 ]; }  # picture, name of a shot
unlike() { ! alike "$@"; }
ctrl_l() { drv key 0x4C ctrl; }
focus_overlay() { drv click 640 780; sleep 0.3; }  # a plain click with the rectangle tool draws nothing
message_says() { drv dialog-text "Restore Last Drawing" | grep -q "$1"; }

first_run start_to_draw
focus_overlay
shot first
ctrl_l
see first_restored "with nothing to restore Ctrl+L changes nothing" alike first
drv key 0x52  # R
drv drag 600 300 800 450
shot drawn
drv key 0x1B  # Esc
check "Esc hides the overlay" drv wait-hidden "$OVERLAY" 10
sleep 1
check "hiding writes the drawing to the data folder" grep -q '^records 1' "$LAST_DAT"
check "its record is the rectangle" grep -q '^3 600 300 200 150 ' "$LAST_DAT"

show_root_picture xc:'#406080'  # a second picture
sleep 0.5
drv tray "$OVERLAY" $WM_LBUTTONDBLCLK  # show again: a new picture, an empty drawing
check "the overlay shows again" drv wait-window "$OVERLAY" 10
focus_overlay
see empty "showing again starts an empty drawing" unlike drawn
ctrl_l
see restored "Ctrl+L brings back the picture and the rectangle" alike drawn
ctrl_l
see restored_twice "a second Ctrl+L returns to the empty drawing" alike empty

drv drag 300 300 450 400
shot drawn2
drv key 0x45 ctrl  # Ctrl+E
see erased "Ctrl+E erases the drawing" alike empty
ctrl_l
see restored2 "Ctrl+L brings back what Ctrl+E erased" alike drawn2

exit_from_tray
check "the drawing on screen at exit is kept" grep -q '^records 1' "$LAST_DAT"

show_root_picture
check "the overlay appears again after a restart" start_to_draw
focus_overlay
ctrl_l
see after_restart "after a restart Ctrl+L brings back the drawing of the last run" alike drawn2

drv drag 900 300 1000 400
stop_quillcast
check "closing the overlay keeps the drawing on screen" grep -q '^records 2' "$LAST_DAT"
head -c 60 "$LAST_DAT" >"$WORK/cut.dat" && cp "$WORK/cut.dat" "$LAST_DAT"
check "the overlay appears with a damaged records file" start_to_draw
focus_overlay
shot before_damaged
ctrl_l
check "restoring a damaged drawing tells the user" drv wait-window "Restore Last Drawing" 10
check "the message says why" message_says damaged
drv press-ok "Restore Last Drawing"
see after_damaged "a damaged drawing changes nothing" alike before_damaged
finish
