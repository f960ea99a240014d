# Shared by the end-to-end scripts (sourced, not run): the tools they need and a display of
# their own.

# Every TOOL on the PATH, or the run is skipped (exit 77); where the README's test command
# runs (LATIFLEX_E2E_REQUIRED), which installs them all, a missing tool is a failure.
require_tools() {
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "$tool is missing"
            [ -n "${LATIFLEX_E2E_REQUIRED:-}" ] && exit 1
            exit 77
        fi
    done
}

# start_xvfb DIR SIZE: an Xvfb of SIZE (WxHxD) on a free display, its number in DIR/display
# and its messages in DIR/xvfb.log; sets `xvfb` to its process and exports DISPLAY.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "$2" -nolisten tcp -noreset 3>"$1/display" 2>"$1/xvfb.log" &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
    [ -s "$1/display" ] || { echo "Xvfb did not start"; cat "$1/xvfb.log"; exit 1; }
    DISPLAY=:$(cat "$1/display")
    export DISPLAY
}

# Waiting on the windows of the program under xdotool: `window NAME` prints the id of the
# visible window named exactly NAME, `gone NAME` waits until none is, `reply NAME [TEXT]`
# types TEXT into that dialog and presses Enter. Each gives up after 10 seconds.
window() {
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    echo "no window named \"$1\"" >&2
    exit 1
}
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    echo "\"$1\" stays" >&2
    exit 1
}
reply() {
    xdotool windowfocus --sync "$(window "$1")"
    [ -n "${2:-}" ] && xdotool type --delay 1 "$2"
    xdotool key Return
    gone "$1"
}
