#!/usr/bin/env bash
# Two monitors, the second one right of the primary and then left of it: the
# overlay opens on the monitor that holds the pointer, shows that monitor's
# picture, draws under the pointer, saves that monitor's picture and
# hides; shown again from the primary it covers the primary. Needs an X
# server with two monitors (Xorg with the dummy driver, as root); without
# one the test says so and is skipped.
source "$(dirname "$0")/e2e_lib.sh"
PRIMARY=1280x800 SECOND=1024x768

# One side: the whole scenario on a fresh two-monitor display.
run_side() {
    local side=$1
    if ! own_session monitors qc_start_two_monitor_session "$side" "$PRIMARY" "$SECOND"; then
        echo "SKIP - no two-monitor X server (Xorg with the dummy video driver, as root) started"
        exit 77  # skipped
    fi
    local monitors second sl st sr sb vleft
    monitors=$(drv monitors)
    second=$(sed -n 2p <<<"$monitors")
    read -r sl st sr sb <<<"$second"
    check "$side: Wine reports two monitors ($(tr '\n' ';' <<<"$monitors"))" test "$(wc -l <<<"$monitors")" -eq 2
    vleft=$((sl < 0 ? sl : 0))  # the X root's left edge in screen coordinates

    # A picture that differs along the whole desktop, so that each monitor
    # shows its own part of it.
    show_root_picture -define gradient:direction=east gradient:'#2060c0-#f0d040' \
        -fill '#30a050' -draw "rectangle $((sl - vleft + 100)),300 $((sl - vleft + 300)),500"

    fresh_user_data
    drv move $(((sl + sr) / 2)) $(((st + sb) / 2))
    check "$side: the overlay appears" start_quillcast
    sleep 1
    check "$side: the overlay covers exactly the second monitor" same "$(drv window-rect "$OVERLAY")" "$second"
    grab shot
    local w=$((sr - sl)) h=$((sb - st)) differ
    differ=$(pixels_differ "$WORK/root.png" "$WORK/shot.png" "${w}x$((h - 80))+$((sl - vleft))+80")
    check "$side: its picture is that monitor's ($differ pixels differ)" test "$differ" -lt 100

    local y=400 x1=$((sl + 300)) x2=$((sl + 600))
    drv click $((sl + 700)) 650  # gives the overlay the keys
    drv drag $x1 $y $x2 $y
    see drawn "$side: a pen drag draws under the pointer" inked "200x20+$((sl - vleft + 350))+$((y - 10))" 500
    save_as "$side second"
    check "$side: F2 saves that monitor's picture (${w}x$h)" \
        test "$(identify -format '%wx%h' "$SNAP_DIR/$side second.png" 2>/dev/null)" = "${w}x$h"
    check "$side: the saved picture holds the stroke" \
        inked "$SNAP_DIR/$side second.png" "200x20+350+$((y - st - 10))" 500
    drv key 0x1B  # Esc
    check "$side: Esc hides the overlay" drv wait-hidden "$OVERLAY" 10

    drv move 640 600
    sleep 0.3
    drv key 0x7A alt  # Alt+F11 shows it again, now on the primary
    check "$side: the hotkey shows the overlay again" drv wait-window "$OVERLAY" 10
    sleep 1
    check "$side: the overlay now covers the primary" same "$(drv window-rect "$OVERLAY")" "$(sed -n 1p <<<"$monitors")"
    drv click 700 650
    drv drag 300 $y 600 $y
    see primary "$side: a pen drag on the primary draws under the pointer" \
        inked "200x20+$((350 - vleft))+$((y - 10))" 500
    save_as "$side primary"
    check "$side: F2 saves the primary's picture ($PRIMARY)" \
        test "$(identify -format '%wx%h' "$SNAP_DIR/$side primary.png" 2>/dev/null)" = "$PRIMARY"
    stop_quillcast
    qc_stop_session
}

for side in RightOf LeftOf; do
    run_side "$side"
done
finish
