#!/usr/bin/env bash
# What every part of the shell library uses: QC_ROOT (the checkout), QC_JOBS
# (parallel build jobs) and log. Sourced by the other files of scripts/lib.
# shellcheck disable=SC2034  # QC_ROOT is for the files and scripts that source this one
QC_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QC_JOBS=${QC_JOBS:-2}

log() { printf '\n== %s\n' "$*"; }
