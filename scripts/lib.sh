# Shared steps of the build, test and run scripts: Debian packages, the two
# builds, and a private X display + window manager + Wine prefix that is
# always torn down again. Source this file; it sets QC_ROOT.
QC_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QC_JOBS=${QC_JOBS:-2}
QC_PACKAGES="wine wine64 fonts-wine g++-mingw-w64-x86-64 mingw-w64-tools cmake make googletest libgtest-dev xvfb openbox xdotool x11-utils imagemagick wixl msitools zip unzip xclip xserver-xorg-core xserver-xorg-video-dummy"

log() { printf '\n== %s\n' "$*"; }

qc_install_packages() {
    local missing=()
    for p in $QC_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing Debian packages: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

qc_build_host() {
    log "host build (platform-free code, unit tests, sanitizers)"
    cmake -S "$QC_ROOT" -B "$QC_ROOT/build/host" -DCMAKE_BUILD_TYPE=Debug -DQC_SANITIZE=ON >/dev/null
    cmake --build "$QC_ROOT/build/host" -j"$QC_JOBS"
}

qc_build_win() {
    log "Windows build (mingw-w64)"
    cmake -S "$QC_ROOT" -B "$QC_ROOT/build/win" -DCMAKE_TOOLCHAIN_FILE="$QC_ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$QC_ROOT/build/win" -j"$QC_JOBS"
}

# The release build (build/release: optimised -O2, stripped, debug information in
# Quillcast.exe.debug beside it) and both packages in build/dist: the
# portable zip made by CPack from the install rules, and the Windows
# Installer package made by wixl from the same installed files.
qc_package() {
    local build="$QC_ROOT/build/release" dist="$QC_ROOT/build/dist"
    log "release build and packages"
    cmake -S "$QC_ROOT" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$QC_ROOT/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQC_RELEASE=ON >/dev/null
    cmake --build "$build" --target Quillcast quillcast-setup -j"$QC_JOBS"
    QC_VERSION=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
    rm -rf "$build/stage" "$build/cpack" && mkdir -p "$dist"
    cmake --install "$build" --prefix "$build/stage" >/dev/null
    (cd "$build" && cpack -G ZIP >/dev/null)
    cp "$build/cpack/Quillcast-$QC_VERSION-win64.zip" "$dist/"
    qc_msi "$QC_VERSION" "$dist/Quillcast-$QC_VERSION-win64.msi"
    ls -l "$dist"
}

# qc_msi <version> <file>: the Windows Installer package of the staged
# release files, stamped with <version>.
qc_msi() {
    local out
    out=$(realpath -m "$2")
    # wixl takes the files' paths relative to the folder it runs in.
    (cd "$QC_ROOT/build/release" && wixl -a x64 -D Version="$1" -D SourceDir=stage -D SizeKB="$(du -sk stage | cut -f1)" \
        -D HelperExe=bin/quillcast-setup.exe -D IconFile=../../src/resources/quillcast.ico \
        -o "$out" ../../packaging/quillcast.wxs)
    local query
    # msibuild unpacks the package's streams into its working folder.
    grep -v -e '^--' -e '^$' "$QC_ROOT/packaging/custom_actions.sql" | while IFS= read -r query; do
        (cd "$QC_ROOT/build/release" && msibuild "$out" -q "$query")
    done
}

# Builds the libFuzzer targets (clang, build/fuzz) and runs each fuzz/*_fuzz.cpp
# for $1 seconds, printing the runs it made. Returns 1 when a target fails,
# 2 when the targets could not be built (clang without libFuzzer).
qc_fuzz() {
    local seconds=$1 status=0 rc src name corpus runs
    command -v clang++ >/dev/null 2>&1 || { echo "clang not found: fuzz runs skipped"; return 0; }
    if ! CC=clang CXX=clang++ cmake -S "$QC_ROOT" -B "$QC_ROOT/build/fuzz" -DQC_FUZZ=ON \
            -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || ! cmake --build "$QC_ROOT/build/fuzz" -j"$QC_JOBS"; then
        echo "fuzz targets did not build (clang's libFuzzer runtime missing?)"
        return 2
    fi
    for src in "$QC_ROOT"/fuzz/*_fuzz.cpp; do
        name=$(basename "$src" .cpp)
        corpus=("$QC_ROOT/build/fuzz/corpus-$name")
        mkdir -p "${corpus[0]}"
        [ -d "$QC_ROOT/fuzz/corpus/${name%_fuzz}" ] && corpus+=("$QC_ROOT/fuzz/corpus/${name%_fuzz}")
        log "fuzzing $name for $seconds s"
        "$QC_ROOT/build/fuzz/$name" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
            "${corpus[@]}" >"$QC_ROOT/build/fuzz/$name.log" 2>&1
        rc=$?
        runs=$(grep -o 'number_of_executed_units: [0-9]*' "$QC_ROOT/build/fuzz/$name.log" | grep -o '[0-9]*$')
        if [ $rc -eq 0 ]; then
            printf '%s: %s runs in %s s\n' "$name" "${runs:-?}" "$seconds"
        else
            printf '%s: FAILED after %s runs, see build/fuzz/%s.log\n' "$name" "${runs:-?}" "$name"
            status=1
        fi
    done
    return $status
}

QC_PIDS=()

qc_free_display() {
    local n
    for n in $(seq 91 160); do
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
