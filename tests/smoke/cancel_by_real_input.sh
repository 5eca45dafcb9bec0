#!/usr/bin/env bash
# Starts the real program on a virtual X server, starts a long run, and stops it the way
# a student does: a mouse click on the progress dialog's Cancel button, then Esc. Each
# must bring the cancelled error line within 2 s.
#   usage: xvfb-run -a -s "-screen 0 1280x1024x24" cancel_by_real_input.sh CDMA_SIM
# Positions are in pixels from the main window's top left corner, as the window lays
# itself out with Qt's own style and the Liberation fonts.
set -euo pipefail

program=$1
out=$(mktemp)
err=$(mktemp)
pid=
trap 'kill "$pid" 2>/dev/null || true; rm -f "$out" "$err"' EXIT

fail() {
    echo "FAILED: $*"
    echo "program output:"; cat "$out"
    echo "program errors:"; cat "$err"
    exit 1
}
command -v xdotool >/dev/null || fail "xdotool is not installed (make deps installs it)"
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }
lines_with() { grep -c "$1" "$out" || true; }

# Waits up to 2 s for a further line with the text.
expect_line() {
    local before=$1 text=$2 start=$(date +%s%N)
    while [ "$(lines_with "$text")" -le "$before" ]; do
        (( ($(date +%s%N) - start) / 1000000 < 2000 )) || fail "no '$text' within 2 s"
        sleep 0.02
    done
    echo "'$text' after $(( ($(date +%s%N) - start) / 1000000 )) ms"
}

# Analog parameters: Nyquist pulses 9999, so that a run of the 3 default bytes takes
# many seconds; "use these parameters".
long_pulses() {
    click "$main" "$1" "$2"
    click "$main" 588 426
    xdotool key ctrl+a
    xdotool type 9999
    click "$main" 454 585
}

# Starts a run and waits for its progress dialog.
start_run() {
    click "$main" 953 162
    dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^running the chain' | head -1) ||
        fail "no progress dialog: the run did not take long or did not start"
}

"$program" --echo-lines >"$out" 2>"$err" &
pid=$!
main=$(timeout 10 xdotool search --sync --onlyvisible --name '^Simulation of the digital' | head -1) ||
    fail "no main window"

long_pulses 254 133     # the start menu's "analog modulation"
click "$main" 855 120   # "setup"
start_run
cancelled=$(lines_with "run cancelled")
click "$dialog" 148 72  # "Cancel", near the dialog's bottom right corner
expect_line "$cancelled" "run cancelled"

start_run
# The dialog takes the keyboard focus once it is shown; a key before that goes elsewhere.
for _ in $(seq 100); do
    [ "$(xdotool getwindowfocus)" = "$dialog" ] && break
    sleep 0.02
done
[ "$(xdotool getwindowfocus)" = "$dialog" ] || fail "the progress dialog did not take the focus"
cancelled=$(lines_with "run cancelled")
xdotool key Escape
expect_line "$cancelled" "run cancelled"
