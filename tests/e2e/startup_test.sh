#!/usr/bin/env bash
# The real Quillcast.exe: first run, one instance only, the frozen screen,
# and both files written at exit, History.dat first.
source "$(dirname "$0")/e2e_lib.sh"

fresh_user_data
show_root_picture
check "the overlay appears" start_quillcast
sleep 1

check "first run creates the data folder" test -d "$DATA_DIR"
check "first run creates the snapshot folder" test -d "$SNAP_DIR"
expected=$(printf '%s\r\n' 0=0 7=1 8=0 9=0 10=0 11=0 12=5 13=3 14=1 16=10 17=2 18=2366701 19=32511 \
    21=62207 22=48896 23=12870402 24=16777215 25=0 26=153999 27=9974127 28=14726254 39=0 40=14 42=0 43=0 \
    44=4647423 45=3403363 46=2921727 47=11949567 48=16496976 49=0 50=0 53=0 54=1 55=122 56=0 1009=1 \
    1010=1 1052=1 1055=1 1064=0 1066=1 '<LastPath>=' | od -c)
check "first run writes the default Settings.dat" test "$(od -c <"$SETTINGS")" = "$expected"

# The overlay shows the screen as it was: compare below the dock's strip.
import -window root "$WORK/shot.png"
diff_pixels=$(pixels_differ "$WORK/root.png" "$WORK/shot.png" 1280x700+0+80)
check "the overlay shows the frozen screen ($diff_pixels pixels differ)" test "$diff_pixels" -lt 100

# A second copy says so and exits with 0 while the first runs on.
(cd "$BIN" && exec wine ./Quillcast.exe </dev/null >/dev/null 2>&1) &
second=$!
check "a second copy shows the one-instance message" drv wait-window Tablorix 20
check "the message text" test "$(drv dialog-text Tablorix)" = "Only one instance of Quillcast can run at a time"
drv press-ok Tablorix
wait "$second"
check "the second copy exits with 0" test $? -eq 0
check "the first copy runs on" kill -0 "$QC_PID"

# Closing the overlay writes History.dat, then Settings.dat with the snapshot folder.
rm -f "$HISTORY"
drv close "Quillcast Mainwindow"
wait_quillcast
check "closing the overlay ends the program (exit $QC_EXIT)" test "$QC_EXIT" = 0
check "History.dat is written at exit" test -f "$HISTORY"
check "History.dat is written before Settings.dat" \
    test "$(stat -c %.9Y "$HISTORY" 2>/dev/null || echo 9)" \< "$(stat -c %.9Y "$SETTINGS")"
lastpath=$(grep -a '^<LastPath>=' "$SETTINGS" | tr -d '\r')
check "lastPath is saved as the snapshot folder ($lastpath)" \
    test "$lastpath" = "<LastPath>=C:\\users\\$winuser\\Documents\\Quillcast Snapshots\\"

# A missing mark picture does not stop the program.
mkdir -p "$WORK/bin"
cp -r "$BIN"/. "$WORK/bin/"
rm -f "$WORK/bin/plMarkCheck.png"
check "starts without plMarkCheck.png" start_quillcast "$WORK/bin"
stop_quillcast
finish
