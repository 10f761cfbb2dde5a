#!/usr/bin/env bash
# Text and folders of any language on the real Quillcast.exe. Mixed-script
# text typed with real X input (xdotool types Unicode) into a filled ellipse
# is kept exactly in LastDrawing.dat at exit and comes back after a restart;
# a data folder named in Cyrillic and a snapshot folder named in Japanese
# keep the settings, the snapshot history, and save and load a snapshot.
source "$(dirname "$0")/e2e_lib.sh"

TEXT='Zoë αβ→✓ Жюль שלום 日本語 한국어'
LOAD_DIALOG="Load a snapshot"

# The text of the first record of LastDrawing.dat, its escapes decoded.
kept_text() {
    local field
    field=$(sed -n 5p "$DATA_DIR/LastDrawing.dat" | sed 's/.* "\(.*\)"$/\1/')
    printf '%b' "${field//%/\\x}"
}
like_typed() { [ "$(pixels_differ "$WORK/typed.png" "$1" 1280x700+0+80)" -lt 50 ]; }
# The user's folders as Wine names them, given back at the end.
SHELL_FOLDERS='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\User Shell Folders'
shell_folder() { wine reg "$@" </dev/null >/dev/null 2>&1; }
trap 'shell_folder delete "$SHELL_FOLDERS" /v AppData /f; shell_folder delete "$SHELL_FOLDERS" /v Personal /f' EXIT

first_run start_to_draw
drv key 0x4F  # O: ellipse
drv key 0x46  # F: filled
dock_colour 1 4  # an ink that the text's first colour shows on
drv drag 250 200 1050 520 10
xdotool mousemove 650 360 click --repeat 2 --delay 60 1
sleep 1  # the text box opens
xdotool type --delay 250 "$TEXT"
sleep 0.5
xdotool mousemove 1200 760 click 1  # commits; a click draws no ellipse
shot typed
exit_from_tray
check "LastDrawing.dat keeps the typed text exactly" same "$(kept_text)" "$TEXT"

show_root_picture xc:'#406080'
check "the overlay appears again after a restart" start_to_draw
drv click 640 780
drv key 0x4C ctrl  # Ctrl+L
see restored "Restore Last Drawing shows the text as it was typed" like_typed
stop_quillcast

# The user's folders, named in other scripts.
appdata="C:\\users\\$winuser\\Данные"
documents="C:\\users\\$winuser\\書類"
shell_folder add "$SHELL_FOLDERS" /v AppData /t REG_EXPAND_SZ /d "$appdata" /f
shell_folder add "$SHELL_FOLDERS" /v Personal /t REG_EXPAND_SZ /d "$documents" /f
DATA_DIR="$WINEPREFIX/drive_c/users/$winuser/Данные/Quillcast"
SNAP_DIR="$WINEPREFIX/drive_c/users/$winuser/書類/Quillcast Snapshots"
mkdir -p "${DATA_DIR%/*}" "${SNAP_DIR%/*}"
show_root_picture
check "the overlay appears with the folders renamed" start_to_draw
check "Settings.dat is made in the Cyrillic folder" test -s "$DATA_DIR/Settings.dat"
draw_rectangle
check "F2 saves a snapshot" save_as kept
check "the snapshot is saved in the Japanese folder" test -s "$SNAP_DIR/kept.png"
drv key 0x57  # W: a setting to keep
exit_from_tray
check "History.dat names the snapshot in its folder" grep -q -F "$documents\\Quillcast Snapshots\\kept.png" "$DATA_DIR/History.dat"
check "Settings.dat keeps the snapshot folder" grep -q -F "<LastPath>=$documents\\Quillcast Snapshots\\" "$DATA_DIR/Settings.dat"

show_root_picture xc:'#406080'
check "the overlay appears a third time" start_to_draw
drv key 0x72  # F3
check "F3 opens the load dialog" drv wait-window "$LOAD_DIALOG" 20
sleep 1
drv type "kept.png"
drv key 0x0D
check "the load dialog closes" drv wait-gone "$LOAD_DIALOG" 20
see loaded "the snapshot from the Japanese folder is loaded" rectangle_shown
finish
