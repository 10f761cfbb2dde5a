#!/usr/bin/env bash
# The whole shell library of the build, test and run scripts. Its files, by
# concern, can each be sourced alone:
#   lib/common.sh   QC_ROOT (the checkout), QC_JOBS, log
#   lib/build.sh    Debian packages, host and Windows builds
#   lib/package.sh  release build, zip and MSI packages, fuzz runner
#   lib/session.sh  Xvfb or two-monitor Xorg, openbox, Wine prefix, clean-up
#   lib/drive.sh    driving Quillcast with the test driver (demo, end-to-end tests)
#   lib/checks.sh   format, shellcheck and folder floors checks
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/build.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/package.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/session.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/drive.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/checks.sh"
