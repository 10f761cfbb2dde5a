#!/usr/bin/env bash
# The packages of build/dist as a user gets them: the MSI installed, started,
# upgraded while Quillcast runs, and removed, all silently; then the portable
# zip unpacked into a read-only folder whose path has spaces and non-ASCII
# letters, started and drawn on.
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/../../scripts/lib/package.sh"
MSI=$(find "$QC_ROOT/build/dist" -maxdepth 1 -name 'Quillcast-*-win64.msi' 2>/dev/null | sort | head -n 1)
ZIP=${MSI%.msi}.zip
check "the packages are built ($MSI)" test -f "$MSI" -a -f "$ZIP"
[ -f "$MSI" ] || { finish; exit; }
version=$(basename "$MSI" | cut -d- -f2)
IFS=. read -r major minor patch <<<"$version"
newer=$major.$minor.$((patch + 1))
qc_msi "$newer" "$WORK/Quillcast-$newer-win64.msi" 2>/dev/null

PROGRAM="$WINEPREFIX/drive_c/Program Files/Quillcast"
# The all-users Start menu; Wine puts a per-machine package's shortcuts into
# the user's own.
shortcut() { find "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/users" -path '*Start Menu/Programs/Quillcast.lnk'; }
UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
RUN_KEY='Software\Microsoft\Windows\CurrentVersion\Run'
msiexec() { wine msiexec "$1" "$(winepath -w "$2")" /qn </dev/null >/dev/null 2>&1; }
# The values of the uninstall entry named Quillcast, one "name=value" a line.
arp_entry() {
    wine reg query "$UNINSTALL" /s </dev/null 2>/dev/null | tr -d '\r' | awk '
        /^HKEY/ { if (ours) exit; lines = ""; next }
        $2 ~ /^REG_/ { v = $0; sub(/^ *[^ ]+ +REG_[A-Z_]+ */, "", v); lines = lines $1 "=" v "\n"
                       if ($1 == "DisplayName" && v == "Quillcast") ours = 1 }
        END { if (ours) printf "%s", lines }'
}
set_run_value() { wine reg add "$1\\$RUN_KEY" /v Quillcast /d 'C:\Program Files\Quillcast\Quillcast.exe' /f </dev/null >/dev/null 2>&1; }
entries() { wine reg query "$UNINSTALL" /s </dev/null 2>/dev/null | tr -d '\r' | grep -c 'DisplayName.*Quillcast$'; }
# No debug sections, no DLL but the system's (libstdc++, libgcc, winpthread
# would be lib*.dll), and the version resource says the package's version.
release_exe() {
    ! x86_64-w64-mingw32-objdump -h "$1" | grep -q debug_ &&
        ! x86_64-w64-mingw32-objdump -p "$1" | grep -q -i 'DLL Name: lib' &&
        x86_64-w64-mingw32-strings -el "$1" | grep -A1 -x ProductVersion | grep -q -x "$2"
}

fresh_user_data
# An older Windows is refused, with the reason as the package's launch condition.
wine winecfg -v win7 </dev/null >/dev/null 2>&1
msiexec /i "$MSI"
wine winecfg -v win10 </dev/null >/dev/null 2>&1
check "Windows 7 is refused: nothing is installed" test ! -e "$PROGRAM/Quillcast.exe"
check "the refusal says why" grep -q "needs Windows 10 version 1903 or later" <(msiinfo export "$MSI" LaunchCondition)
check "the silent install succeeds" msiexec /i "$MSI"
for f in plMarkDivide.png plMarkNumberRed.bmp whisper.ttf plHighlighterIco.ICO andrew.ttf.LICENSE.txt LICENSE.txt; do
    check "$f lies beside it" test -f "$PROGRAM/$f"
done
check "the Start menu's shortcut starts the installed exe" grep -a -q -i 'Program Files.Quillcast.Quillcast.exe' "$(shortcut)"
arp=$(arp_entry)
check "one uninstall entry" test "$(entries)" = 1
for want in "DisplayVersion=$version" "Publisher=The Quillcast developers" "DisplayIcon=.*Quillcast.(exe,0|ico)" \
    "EstimatedSize=0x[1-9a-f]" "InstallLocation=C:.Program Files.Quillcast"; do
    check "the uninstall entry has $want" grep -q -E "^$want" <<<"$arp"
done
check "the exe is stripped, static, of its version" release_exe "$PROGRAM/Quillcast.exe" "$version"

# The upgrade closes the running copy (which saves its settings), replaces it
# and keeps the user's files.
mkdir -p "$DATA_DIR" "$SNAP_DIR" && printf '13=2\r\n' >"$SETTINGS"  # a pen width of the user's own
check "the installed Quillcast shows its overlay" start_quillcast "$PROGRAM"
check "a newer package installs over it" msiexec /i "$WORK/Quillcast-$newer-win64.msi"
check "the running copy was asked to end, and ended as on Exit" wait_quillcast
check "one uninstall entry is left" test "$(entries)" = 1
check "it is the newer version" grep -q -x "DisplayVersion=$newer" <<<"$(arp_entry)"
check "the program is still installed" test -f "$PROGRAM/Quillcast.exe" -a -f "$PROGRAM/lib.ttf"
check "the user's Settings.dat is kept" grep -q $'^13=2\r$' "$SETTINGS"

# Removal while Quillcast runs, with start-with-Windows values it wrote:
# afterwards no registry key or value names Quillcast.
check "the machine's Run value is set" set_run_value HKLM
check "the user's Run value is set" set_run_value HKCU
check "the installed Quillcast runs before removal" start_quillcast "$PROGRAM"
check "the silent removal succeeds" msiexec /x "$WORK/Quillcast-$newer-win64.msi"
check "the running copy was asked to end, and ended as on Exit" wait_quillcast
check "no program file is left" test ! -e "$PROGRAM"
check "no shortcut is left" test -z "$(shortcut)"
wine regedit /E "$(winepath -w "$WORK/machine.reg")" HKEY_LOCAL_MACHINE </dev/null >/dev/null 2>&1
wine regedit /E "$(winepath -w "$WORK/user.reg")" HKEY_CURRENT_USER </dev/null >/dev/null 2>&1
check "no registry key or value names Quillcast" test "$(cat "$WORK/machine.reg" "$WORK/user.reg" | iconv -f UTF-16 -t UTF-8 | grep -i -c quillcast)" = 0
check "Settings.dat and History.dat are kept" test -f "$SETTINGS" -a -f "$HISTORY"
check "the snapshot folder is kept" test -d "$SNAP_DIR"

# The portable zip, from a read-only folder with spaces and non-ASCII letters.
folder="$WORK/Präsentation für Jürgen"
mkdir -p "$folder"
unzip -q "$ZIP" -d "$folder"
chmod -R a-w "$folder"
before=$(ls -lR "$folder")
show_root_picture
check "the unpacked Quillcast shows its overlay" start_quillcast "$folder/Quillcast-$version-win64"
sleep 1
dock_tool 2          # rectangle
dock_colour 0 0      # red
drv drag 300 300 500 450 10
see drawn "it draws" rectangle_shown
check "it exits cleanly" stop_quillcast
# Root ignores the folder's missing write permission: check that nothing was
# written there.
check "it wrote nothing into its folder" test "$(ls -lR "$folder")" = "$before"
chmod -R u+w "$folder"
finish
