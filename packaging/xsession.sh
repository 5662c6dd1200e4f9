# A private X server, a scratch copy of the game and a wait for a program's first window,
# shared by the packaging checks, the start-up benchmark and the screenshot script.
# Source it from sh.

# start_private_x SCRATCH GEOMETRY
# Starts Xvfb without TCP on a free display number drawn at random from a high range (where
# other people's fixed numbers and their clean-ups do not reach) and exports DISPLAY;
# XVFB_PID is its process. -noreset keeps the server up when its last client leaves, so a
# check that starts the game twice finds it still there. Fails when Xvfb is missing or does
# not come up.
start_private_x() {
    command -v Xvfb >/dev/null 2>&1 || return 1
    _attempt=0
    while [ "$_attempt" -lt 10 ]; do
        _attempt=$((_attempt + 1))
        _number=$((200 + $(od -A n -N 2 -t u2 /dev/urandom) % 700))
        [ ! -e "/tmp/.X$_number-lock" ] && [ ! -e "/tmp/.X11-unix/X$_number" ] || continue
        : >"$1/display"
        Xvfb ":$_number" -displayfd 3 -nolisten tcp -noreset -screen 0 "$2" \
            3>"$1/display" 2>"$1/xvfb.log" &
        XVFB_PID=$!
        _tries=0
        until grep -q '[0-9]' "$1/display"; do
            process_alive "$XVFB_PID" || break
            _tries=$((_tries + 1))
            [ "$_tries" -le 300 ] || break
            sleep 0.1
        done
        if grep -q '[0-9]' "$1/display"; then
            DISPLAY=:$_number
            export DISPLAY
            return 0
        fi
        stop_private_x
    done
    return 1
}

# scratch_game BUILD_DIR
# Makes SCRATCH, a folder with a copy of the built game (game/huszonegy beside its Images/)
# and empty home/, config/ and runtime/ folders, so a run reads no settings file and leaves
# none behind. On exit the process whose id is in RUNNING is killed, the private X server
# stopped and the folder removed.
scratch_game() {
    SCRATCH=$(mktemp -d) || return 1
    RUNNING=
    trap '[ -z "$RUNNING" ] || kill -KILL "$RUNNING" 2>/dev/null; stop_private_x; rm -rf "$SCRATCH"' EXIT
    trap 'exit 130' INT TERM HUP
    mkdir -p "$SCRATCH/game" "$SCRATCH/home" &&
        mkdir -m 700 "$SCRATCH/runtime" "$SCRATCH/config" &&
        cp "$1/huszonegy" "$SCRATCH/game/" && cp -R "$1/Images" "$SCRATCH/game/"
}

# process_alive PID: true while the process runs (an unreaped zombie counts as ended).
process_alive() {
    _state=$(sed -n 's/^State:[[:space:]]*\([A-Z]\).*/\1/p' "/proc/$1/status" 2>/dev/null)
    [ -n "$_state" ] && [ "$_state" != Z ] && [ "$_state" != X ]
}

stop_private_x() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=
    fi
}

# wait_for_window PID SECONDS [OTHER_THAN]
# Prints the id of the first visible window of process PID, leaving out the window
# OTHER_THAN (a dialog opened over the main window). Returns 2 when the process ended before
# showing one, 1 when SECONDS pass without one.
wait_for_window() {
    _tries=0
    while [ "$_tries" -lt $(($2 * 10)) ]; do
        process_alive "$1" || return 2
        _window=$(xdotool search --onlyvisible --pid "$1" 2>/dev/null |
            grep -v -x "${3:-none}" | head -n 1)
        if [ -n "$_window" ]; then
            echo "$_window"
            return 0
        fi
        _tries=$((_tries + 1))
        sleep 0.1
    done
    return 1
}

# end_process PID SECONDS
# Asks the process to end, and kills it when it has not ended within SECONDS. Returns 0
# when it ended on its own.
end_process() {
    kill -TERM "$1" 2>/dev/null || return 0
    _tries=0
    while process_alive "$1"; do
        _tries=$((_tries + 1))
        if [ "$_tries" -gt $(($2 * 10)) ]; then
            kill -KILL "$1" 2>/dev/null
            wait "$1" 2>/dev/null
            return 1
        fi
        sleep 0.1
    done
    wait "$1" 2>/dev/null
    return 0
}
