# An X display for Wine: the user's, or an Xvfb of our own that stop_display ends. Sourced.

ORVEDAN_XVFB_PID=

# start_display: uses $DISPLAY when set, else starts Xvfb on a free display number.
start_display() {
    [ -n "${DISPLAY:-}" ] && return 0
    local number
    for number in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        ORVEDAN_XVFB_PID=$!
        local waited
        for waited in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$number" ] && break
            kill -0 "$ORVEDAN_XVFB_PID" 2>/dev/null || break
            sleep 0.1
        done
        if [ -e "/tmp/.X11-unix/X$number" ]; then
            export DISPLAY=":$number"
            return 0
        fi
    done
    echo "could not start Xvfb" >&2
    exit 1
}

stop_display() {
    if [ -n "$ORVEDAN_XVFB_PID" ]; then
        kill "$ORVEDAN_XVFB_PID" 2>/dev/null || true
        wait "$ORVEDAN_XVFB_PID" 2>/dev/null || true
        ORVEDAN_XVFB_PID=
    fi
}
