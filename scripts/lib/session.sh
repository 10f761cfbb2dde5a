#!/usr/bin/env bash
# A private X display (Xvfb, or Xorg with two monitors), window manager and
# Wine prefix that is always torn down again. Source this file; it sets
# QC_ROOT.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

QC_PIDS=()

# The first free X display number from 91 to 160, or from QC_DISPLAY_FIRST to
# QC_DISPLAY_LAST when set (to keep clear of displays that others use).
qc_free_display() {
    local n
    for n in $(seq "${QC_DISPLAY_FIRST:-91}" "${QC_DISPLAY_LAST:-160}"); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then echo "$n"; return; fi
    done
    echo 99
}

# Starts Xvfb + openbox on a free display and a fresh Wine prefix inside the
# build folder. Exports DISPLAY, WINEPREFIX and the Wine settings.
qc_start_session() {
    local prefix=$1 geometry=${2:-1280x800x24}
    local n
    n=$(qc_free_display)
    Xvfb ":$n" -screen 0 "$geometry" -nolisten tcp </dev/null >/dev/null 2>&1 &
    QC_PIDS+=($!)
    qc_start_wine_on_display "$n" "$prefix"
}

# Writes an Xorg configuration of two monitors side by side: the dummy video
# driver, one device, monitor and screen each, joined by Xinerama into one
# desktop. Xvfb cannot do this: its screens either overlap at 0,0 or reach
# Wine as one output.  qc_two_monitor_conf <file> <RightOf|LeftOf> <WxH> <WxH>
qc_two_monitor_conf() {
    local file=$1 side=$2 i w h
    {
        printf 'Section "ServerFlags"\n  Option "Xinerama" "true"\n  Option "AutoAddDevices" "false"\n'
        printf '  Option "AutoEnableDevices" "false"\nEndSection\n'
        for i in 0 1; do
            w=${3%x*} h=${3#*x}
            [ "$i" = 1 ] && w=${4%x*} h=${4#*x}
            printf 'Section "Device"\n  Identifier "dev%s"\n  Driver "dummy"\n  VideoRam 65536\nEndSection\n' "$i"
            printf 'Section "Monitor"\n  Identifier "mon%s"\n  HorizSync 5.0-1000.0\n  VertRefresh 5.0-200.0\n' "$i"
            # A mode of that size at 60 Hz; the dummy driver only needs it to fit.
            printf '  Modeline "%sx%s" %s %s %s %s %s %s %s %s %s\nEndSection\n' "$w" "$h" \
                "$(((w + 160) * (h + 30) * 60 / 10000 / 100)).00" "$w" $((w + 48)) $((w + 112)) $((w + 160)) \
                "$h" $((h + 3)) $((h + 9)) $((h + 30))
            printf 'Section "Screen"\n  Identifier "scr%s"\n  Device "dev%s"\n  Monitor "mon%s"\n' "$i" "$i" "$i"
            printf '  DefaultDepth 24\n  SubSection "Display"\n    Depth 24\n    Modes "%sx%s"\n' "$w" "$h"
            printf '    Virtual %s %s\n  EndSubSection\nEndSection\n' "$w" "$h"
        done
        printf 'Section "ServerLayout"\n  Identifier "two"\n  Screen 0 "scr0"\n'
        printf '  Screen 1 "scr1" %s "scr0"\nEndSection\n' "$side"
    } >"$file"
}

# Starts Xorg with two monitors (the primary first, then the second one to
# its right or left), openbox and a fresh Wine prefix that reports both
# monitors. Needs root (Xorg) and the dummy driver; returns 1 without
# leaving anything running when the X server does not come up.
#   qc_start_two_monitor_session <prefix> <RightOf|LeftOf> [primary WxH] [second WxH]
qc_start_two_monitor_session() {
    local prefix=$1 side=$2 first=${3:-1280x800} second=${4:-1024x768}
    local n dir
    n=$(qc_free_display)
    dir="$prefix.xorg"
    rm -rf "$dir"
    mkdir -p "$dir/conf.d"
    qc_two_monitor_conf "$dir/two.conf" "$side" "$first" "$second"
    command -v Xorg >/dev/null 2>&1 || return 1
    Xorg ":$n" -config "$dir/two.conf" -configdir "$dir/conf.d" -noreset -nolisten tcp -novtswitch -sharevts \
        -logfile "$dir/Xorg.log" </dev/null >/dev/null 2>&1 &
    local pid=$! i
    for i in $(seq 1 100); do
        DISPLAY=":$n" xdpyinfo >/dev/null 2>&1 && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    if ! DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        return 1
    fi
    QC_PIDS+=("$pid")
    # Without this Wine's desktop process fails on the dummy driver's video
    # modes and reports one monitor only.
    QC_PREFIX_SETUP='wine reg add "HKCU\Software\Wine\X11 Driver" /v UseXVidMode /t REG_SZ /d N /f'
    qc_start_wine_on_display "$n" "$prefix"
    QC_PREFIX_SETUP=""
}

# Sets the display scale every monitor reports (96 is 100 %, 144 is 150 %)
# in the session's prefix; programs started afterwards see it.
qc_set_logpixels() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
}

# Openbox and a fresh Wine prefix on the X display :<n>.
QC_PREFIX_SETUP=""
qc_start_wine_on_display() {
    local n=$1 prefix=$2
    export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    export WINEPREFIX=$prefix
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    # Wine shows the tray icon in a small window of its own. The window
    # manager would give it the keyboard as it appears (taking it from the
    # overlay a moment after start) and again whenever a dialog closes. The
    # notification area of Windows never takes the keyboard, so this window
    # is kept on a desktop of its own, never focused.
    local config=()
    if sed 's#<applications>#&<application title="Wine System Tray"><desktop>2</desktop><focus>no</focus></application>#' \
        /etc/xdg/openbox/rc.xml >"$prefix.openbox.xml" 2>/dev/null; then
        config=(--config-file "$prefix.openbox.xml")
    fi
    openbox --sm-disable "${config[@]}" </dev/null >/dev/null 2>&1 &
    QC_PIDS+=($!)
    log "Wine prefix $WINEPREFIX on display $DISPLAY"
    rm -rf "$WINEPREFIX" "$WINEPREFIX.home"
    # Wine links the user's Documents and Desktop folders to the home
    # folder; a home of its own keeps every file the tests write inside the
    # build folder.
    mkdir -p "$WINEPREFIX.home"
    export HOME="$WINEPREFIX.home"
    wine wineboot -i </dev/null >/dev/null 2>&1 || true
    # Quillcast needs Windows 10 version 1903 or later; Wine 8 presents
    # Windows 7 unless told otherwise.
    wine winecfg -v win10 </dev/null >/dev/null 2>&1 || true
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/*.ttf /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    wine reg add 'HKCU\Software\Wine\Explorer' /v ShowSystray /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 || true
    [ -n "$QC_PREFIX_SETUP" ] && { eval "$QC_PREFIX_SETUP" </dev/null >/dev/null 2>&1 || true; }
    wineserver -w
    # A long-lived server and one idle Wine process keep Wine's helper
    # processes from holding on to the output of the first test.
    wineserver -p </dev/null >/dev/null 2>&1
    if [ -n "${QC_IDLE_EXE:-}" ] && [ -f "$QC_IDLE_EXE" ]; then
        wine "$QC_IDLE_EXE" </dev/null >/dev/null 2>&1 &
        QC_PIDS+=($!)
    fi
    # One short program run to its end: the session's services are up before
    # the first test starts its clock.
    timeout 120 wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

qc_stop_session() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "${WINEPREFIX}" ]; then
        wineserver -k >/dev/null 2>&1 || true
        timeout 30 wineserver -w >/dev/null 2>&1 || true
    fi
    local pid
    for pid in "${QC_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${QC_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    QC_PIDS=()
}
