#!/usr/bin/env bash
# The release build with its two packages (zip and Windows Installer) and the
# fuzz runner. Source this file; it sets QC_ROOT.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

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
