# The scripted demo of scripts/run: drives Quillcast with real input through
# the test driver (function drv, set by the caller). Screen positions are
# those of a 1280-pixel-wide screen, with the dock at the top.

# The dock hides itself while the pointer is away; resting on it brings it
# back within a timer tick.
dock_click() {
    drv move "$1" "$2"
    sleep 0.7
    drv click "$1" "$2"
    sleep 0.3
}

# Tool buttons of the dock: pen, highlighter, rectangle, rounded rectangle,
# ellipse, arrow, stamp, eraser.
tool() { dock_click $((420 + 25 * $1)) 12; }
colour() { dock_click $((652 + 14 * $2)) $((9 + 14 * $1)); }  # row, column of the swatch

run_demo() {
    tool 0; colour 0 0
    drv drag 150 330 520 300 20                     # a red pen stroke under the title
    tool 1
    drv drag 120 240 640 240 20                     # highlight the first line
    tool 2; colour 0 4
    drv drag 100 150 790 215 10                     # a blue frame around the title
    tool 4; colour 0 1
    dock_click 865 20                               # the "filled" box
    drv drag 300 420 500 520 10                     # a filled orange ellipse
    tool 5; colour 1 3
    drv drag 560 470 960 390 10                     # an arrow to the tallest bar
    tool 6
    for x in 850 930 1010; do drv click "$x" 540; sleep 0.2; done   # numbered marks 1, 2, 3
    tool 0
    drv dblclick 400 470   # text in the filled ellipse
    sleep 0.5
    drv type "Focus here"
    drv click 640 600      # clicking away keeps the text; the overlay takes the keys

    # F2 saves what the overlay shows as a snapshot in the snapshot folder.
    drv key 0x71
    drv wait-window "Save a snapshot of the current screen" 20
    sleep 1
    drv type "Quillcast demo"
    drv key 0x0D
    drv wait-gone "Save a snapshot of the current screen" 20
    sleep 1
}
