#!/usr/bin/env bash
# The Debian packages and the two builds: host (platform-free code, unit tests,
# sanitizers) and Windows (mingw-w64). Source this file; it sets QC_ROOT.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# clang-format, shellcheck and python3 serve the checks of the test command.
QC_PACKAGES="wine wine64 fonts-wine fonts-wqy-microhei g++-mingw-w64-x86-64 mingw-w64-tools cmake make googletest libgtest-dev
    xvfb openbox xcompmgr xdotool x11-utils imagemagick wixl msitools zip unzip xclip xserver-xorg-core
    xserver-xorg-video-dummy clang-format shellcheck python3"

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
