# The scripted demo of scripts/run: drives Quillcast with real input through
# the test driver (function drv, set by the caller).
run_demo() {
    # A pen stroke with the pen, the tool Quillcast starts with.
    drv drag 150 330 520 300 20
}
