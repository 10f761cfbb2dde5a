#!/usr/bin/env bash
# Ctrl+C on the real Quillcast.exe puts exactly the picture a snapshot saves
# on the clipboard, read back here from the X clipboard as PNG and as BMP.
source "$(dirname "$0")/e2e_lib.sh"

first_run start_to_draw
draw_rectangle
drv key 0x4F  # O: ellipse
drv drag 600 200 900 500 10
drv move 700 700
shot before
drv key 0x43 ctrl
sleep 1
grab after
check "Ctrl+C changes nothing on screen" test "$(pixels_differ "$WORK/before.png" "$WORK/after.png" 1280x720+0+80)" -eq 0
targets=$(xclip -selection clipboard -t TARGETS -o 2>/dev/null)
check "the clipboard offers PNG" grep -q -x image/png <<<"$targets"
check "the clipboard offers a bitmap" grep -q -x image/bmp <<<"$targets"
xclip -selection clipboard -t image/png -o >"$WORK/clip.png" 2>/dev/null
xclip -selection clipboard -t image/bmp -o >"$WORK/clip.bmp" 2>/dev/null

save_snapshot_as "same drawing"
snap="$SNAP_DIR/same drawing.png"
for clip in "$WORK/clip.png" "$WORK/clip.bmp"; do
    differ=$(compare -metric AE "$clip" "$snap" null: 2>&1 | cut -d. -f1)
    check "the clipboard's ${clip##*.} equals the snapshot ($differ pixels differ)" test "$differ" = 0
done
finish
