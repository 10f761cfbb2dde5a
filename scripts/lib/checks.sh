#!/usr/bin/env bash
# The checks the test command runs before it builds: C++ formatting, the shell
# scripts' shellcheck and the folder floors of src/. Each prints what is wrong
# and returns 1. Source this file; it sets QC_ROOT.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Every tracked *.cpp and *.h against the checkout's .clang-format; names the
# files that differ from it.
qc_check_format() {
    log "format check (clang-format)"
    local files=() bad=() f
    mapfile -t files < <(git -C "$QC_ROOT" ls-files -- '*.cpp' '*.h')
    if [ ${#files[@]} -eq 0 ]; then
        echo "FAILED: no C++ file found (git ls-files in $QC_ROOT)"
        return 1
    fi
    for f in "${files[@]}"; do
        clang-format --dry-run --Werror --style="file:$QC_ROOT/.clang-format" "$QC_ROOT/$f" >/dev/null 2>&1 ||
            bad+=("$f")
    done
    if [ ${#bad[@]} -gt 0 ]; then
        echo "FAILED: ${#bad[@]} file(s) differ from .clang-format (clang-format -i <file> formats one):"
        printf '  %s\n' "${bad[@]}"
        return 1
    fi
    echo "${#files[@]} files formatted"
}

# The bash scripts of scripts/ (found by their shebang) and tests/e2e/*.sh.
qc_shell_scripts() {
    local f
    while IFS= read -r f; do
        head -n 1 "$f" | grep -q -E '^#!.*[/ ]bash' && echo "$f"
    done < <(find "$QC_ROOT/scripts" -type f | sort)
    printf '%s\n' "$QC_ROOT"/tests/e2e/*.sh
}

# The scripts through shellcheck (the checkout's .shellcheckrc): every finding is printed,
# errors and warnings fail the check.
qc_check_shell() {
    log "shellcheck"
    local files=()
    mapfile -t files < <(qc_shell_scripts)
    (cd "$QC_ROOT" && shellcheck -x "${files[@]#"$QC_ROOT"/}")
    if ! (cd "$QC_ROOT" && shellcheck -x --severity=warning --format=quiet "${files[@]#"$QC_ROOT"/}"); then
        echo "FAILED: shellcheck found errors or warnings in the scripts above"
        return 1
    fi
    echo "${#files[@]} scripts checked"
}

# scripts/check-floors: each folder of src/ includes only its own floor and
# those below it.
qc_check_floors() {
    log "folder floors check"
    if ! python3 "$QC_ROOT/scripts/check-floors" "$QC_ROOT"; then
        echo "FAILED: a folder of src/ includes one that is not below it (scripts/check-floors)"
        return 1
    fi
}
