#!/usr/bin/env bash
# The scripted demo of scripts/run: drives Quillcast with real input through
# the test driver (lib/drive.sh). Screen positions are those of a
# 1280-pixel-wide screen, with the dock at the top.
source "$(dirname "${BASH_SOURCE[0]}")/lib/drive.sh"

run_demo() {
    dock_tool 0; dock_colour 0 0
    drv drag 150 330 520 300 20                     # a red pen stroke under the title
    dock_tool 1
    drv drag 120 240 640 240 20                     # highlight the first line
    dock_tool 2; dock_colour 0 4
    drv drag 100 150 790 215 10                     # a blue frame around the title
    dock_tool 4; dock_colour 0 1
    dock_click 865 20                               # the "filled" box
    drv drag 300 420 500 520 10                     # a filled orange ellipse
    dock_tool 5; dock_colour 1 3
    drv drag 560 470 960 390 10                     # an arrow to the tallest bar
    dock_tool 6
    for x in 850 930 1010; do drv click "$x" 540; sleep 0.2; done   # numbered marks 1, 2, 3
    dock_tool 0
    drv dblclick 400 470   # text in the filled ellipse
    sleep 0.5
    drv type "Focus here"
    drv click 640 600      # clicking away keeps the text; the overlay takes the keys

    # F2 saves what the overlay shows as a snapshot in the snapshot folder.
    save_as "Quillcast demo"
}
