#!/usr/bin/env bash
# Faults injected into the real Quillcast.exe: full file systems under the
# data and snapshot folders (small tmpfs mounts), a read-only data folder, a
# mark picture that is not a picture and a missing font file. Each time the
# user is told, the program runs on, and Settings.dat and History.dat keep
# their earlier contents. The mounts need root; without them those parts are
# skipped.
source "$(dirname "$0")/e2e_lib.sh"

MOUNTS=()
unmount_all() { local m; for m in "${MOUNTS[@]}"; do umount -l "$m" 2>/dev/null; done; MOUNTS=(); }
trap unmount_all EXIT

# A full tmpfs over a folder, holding a copy of what the folder held.
mount_full() {
    local dir=$1
    cp -a "$dir" "$WORK/keep" || return 1
    mount -t tmpfs -o size=256k tmpfs "$dir" 2>/dev/null || return 1
    MOUNTS+=("$dir")
    cp -a "$WORK/keep/." "$dir/" && rm -rf "$WORK/keep"
    dd if=/dev/zero of="$dir/filler" bs=4k 2>/dev/null
    return 0
}
mount_read_only() {
    mount --bind "$1" "$1" 2>/dev/null || return 1
    MOUNTS+=("$1")
    mount -o remount,bind,ro "$1" 2>/dev/null
}

files_kept() { cmp -s "$SETTINGS" "$WORK/Settings.dat" && cmp -s "$HISTORY" "$WORK/History.dat"; }

# A first run makes the files; one history entry makes History.dat non-empty.
fresh_user_data
start_quillcast
stop_quillcast
printf '20260101C:\\earlier.png\r\n' >"$HISTORY"
cp "$SETTINGS" "$HISTORY" "$WORK/"
show_root_picture

for fault in full read-only; do
    if ! "mount_${fault/-/_}" "$DATA_DIR"; then
        echo "skip - the data folder cannot be mounted $fault here"
        unmount_all
        continue
    fi
    start_to_draw
    drv key 0x57  # W: a change the settings would keep
    drv close "$OVERLAY"
    check "$fault data folder: History.dat not written is told" told Quillcast "snapshot history"
    check "$fault data folder: Settings.dat not written is told" told Quillcast "options file"
    wait_quillcast
    check "$fault data folder: both files keep their contents" files_kept
    unmount_all
done

if mount_full "$SNAP_DIR"; then
    start_to_draw
    draw_rectangle
    save_dialog "no room"
    check "full snapshot folder: a message opens over the overlay" owned_by_overlay "Snapshot not saved"
    check "full snapshot folder: it says why" told "Snapshot not saved" "could not be written"
    check "full snapshot folder: no file is left behind" test "$(ls -A "$SNAP_DIR")" = filler
    see kept "full snapshot folder: the program runs on with the drawing" rectangle_shown
    stop_quillcast
    unmount_all
else
    echo "skip - the snapshot folder cannot be mounted here"
fi

mkdir -p "$WORK/bin" && cp -r "$BIN"/. "$WORK/bin/"
echo "no picture" >"$WORK/bin/plMarkCheck.png"
rm -f "$WORK/bin/lib.ttf"
check "broken mark and missing font: the overlay appears" start_quillcast "$WORK/bin"
check "the message opens over the overlay" owned_by_overlay Quillcast
check "the user is told which files" told Quillcast "lib.ttf, plMarkCheck.png"
draw_rectangle
see drawn "the program runs on and draws" rectangle_shown
stop_quillcast
finish
