# A private X server, a scratch copy of the game and a wait for a program's first window,
# shared by the packaging checks, the start-up benchmark and the screenshot script.
# Source it from sh.

# start_private_x SCRATCH GEOMETRY
# Starts Xvfb without TCP on a free display number drawn at random from a high range (where
# other people's fixed numbers and their clean-ups do not reach), or from the range
# HUSZONEGY_TEST_DISPLAYS names ("300-349"), so the checks can run beside other jobs that
# take displays, and exports DISPLAY;
# XVFB_PID is its process. -noreset keeps the server up when its last client leaves, so a
# check that starts the game twice finds it still there. Fails when Xvfb is missing or does
# not come up.
start_private_x() {
    command -v Xvfb >/dev/null 2>&1 || return 1
    _first=200 _last=899
    case ${HUSZONEGY_TEST_DISPLAYS:-} in
    "") ;;
    *[!0-9-]* | -* | *- | *-*-*) echo "HUSZONEGY_TEST_DISPLAYS is not FIRST-LAST" >&2; return 1 ;;
    *-*) _first=${HUSZONEGY_TEST_DISPLAYS%-*} _last=${HUSZONEGY_TEST_DISPLAYS#*-} ;;
    *) _first=$HUSZONEGY_TEST_DISPLAYS _last=$HUSZONEGY_TEST_DISPLAYS ;;
    esac
    [ "$_first" -le "$_last" ] || { echo "HUSZONEGY_TEST_DISPLAYS runs backwards" >&2; return 1; }
    _attempt=0
    while [ "$_attempt" -lt 10 ]; do
        _attempt=$((_attempt + 1))
        _number=$((_first + $(od -A n -N 2 -t u2 /dev/urandom) % (_last - _first + 1)))
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

# need_game BUILD_DIR TOOL...: exits 77 (skipped), naming what is missing, unless every TOOL
# and a built game in BUILD_DIR are there.
need_game() {
    _build=$1
    shift
    for _tool in "$@"; do
        command -v "$_tool" >/dev/null 2>&1 || { echo "SKIP: no $_tool" >&2; exit 77; }
    done
    [ -x "$_build/huszonegy" ] && [ -d "$_build/Images" ] || { echo "SKIP: no built game" >&2; exit 77; }
}

# game_env COMMAND...: runs COMMAND in place of the shell, in the environment of the game on
# the private X server: X11, no session manager, no session bus but one the check names, and
# its home, runtime and config folders in SCRATCH, so nothing outside it is read or written.
game_env() {
    exec env -u WAYLAND_DISPLAY -u SESSION_MANAGER -u QT_SCREEN_SCALE_FACTORS -u QT_SCALE_FACTOR \
        -u DBUS_SESSION_BUS_ADDRESS \
        QT_QPA_PLATFORM=xcb HOME="$SCRATCH/home" XDG_RUNTIME_DIR="$SCRATCH/runtime" \
        XDG_CONFIG_HOME="$SCRATCH/config" "$@"
}

# launch_game [COMMAND...]: starts the scratch copy of the game (through COMMAND, which must
# end by exec'ing its last argument, when given); RUNNING is the game's process and TABLE its
# window. Exits 1 when no window comes within a minute.
launch_game() {
    (game_env "$@" "$SCRATCH/game/huszonegy") >>"$SCRATCH/game.log" 2>&1 &
    RUNNING=$!
    TABLE=$(wait_for_window "$RUNNING" 60) || {
        echo "the table did not open" >&2
        cat "$SCRATCH/game.log" >&2
        exit 1
    }
}

# start_openbox: starts openbox on DISPLAY with its home in SCRATCH; WM_PID is its process.
# Exits 2 when it does not come up within half a minute.
start_openbox() {
    HOME="$SCRATCH/home" openbox --sm-disable >"$SCRATCH/openbox.log" 2>&1 &
    WM_PID=$!
    _tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
        _tries=$((_tries + 1))
        [ "$_tries" -le 300 ] || { echo "openbox did not start" >&2; cat "$SCRATCH/openbox.log" >&2; exit 2; }
        sleep 0.1
    done
}

# frame_centre WINDOW: twice the centre of the window's frame, "X2 Y2", from its client area
# and the frame extents the window manager declares (none without one).
frame_centre() {
    _info=$(xwininfo -id "$1")
    _x=$(echo "$_info" | sed -n 's/.*Absolute upper-left X: *\(-*[0-9]*\).*/\1/p')
    _y=$(echo "$_info" | sed -n 's/.*Absolute upper-left Y: *\(-*[0-9]*\).*/\1/p')
    _w=$(echo "$_info" | sed -n 's/.*Width: *\([0-9]*\).*/\1/p')
    _h=$(echo "$_info" | sed -n 's/.*Height: *\([0-9]*\).*/\1/p')
    _extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p' | tr -d ' ')
    _l=0 _r=0 _t=0 _b=0
    if [ -n "$_extents" ]; then
        IFS=, read -r _l _r _t _b <<EOF
$_extents
EOF
    fi
    echo "$((2 * _x - 2 * _l + _w + _l + _r)) $((2 * _y - 2 * _t + _h + _t + _b))"
}

# frame_rect WINDOW: "LEFT TOP RIGHT BOTTOM" of the window's frame (right and bottom outside).
frame_rect() {
    set -- $(frame_centre "$1") "$1"
    _info=$(xwininfo -id "$3")
    _w=$(echo "$_info" | sed -n 's/.*Width: *\([0-9]*\).*/\1/p')
    _h=$(echo "$_info" | sed -n 's/.*Height: *\([0-9]*\).*/\1/p')
    _fw=$((_w + _l + _r)) _fh=$((_h + _t + _b))
    echo "$((($1 - _fw) / 2)) $((($2 - _fh) / 2)) $((($1 + _fw) / 2)) $((($2 + _fh) / 2))"
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
# Prints the id of the first visible window of process PID; given OTHER_THAN (the main
# window), the first dialog or box opened over it, told from the main window's native children
# by the window it is transient for. Returns 2 when the process ended before showing one, 1
# when SECONDS pass without one.
wait_for_window() {
    _tries=0
    while [ "$_tries" -lt $(($2 * 10)) ]; do
        process_alive "$1" || return 2
        for _window in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null |
            grep -v -x "${3:-none}"); do
            if [ $# -lt 3 ] || xprop -id "$_window" WM_TRANSIENT_FOR 2>/dev/null |
                grep -q 'window id'; then
                echo "$_window"
                return 0
            fi
        done
        _tries=$((_tries + 1))
        sleep 0.1
    done
    return 1
}

# wait_for_end PID SECONDS: waits until the process has ended; false when SECONDS pass first.
wait_for_end() {
    _tries=0
    while process_alive "$1"; do
        _tries=$((_tries + 1))
        [ "$_tries" -le $(($2 * 10)) ] || return 1
        sleep 0.1
    done
}

# end_process PID SECONDS
# Asks the process to end, and kills it when it has not ended within SECONDS. Returns 0
# when it ended on its own.
end_process() {
    kill -TERM "$1" 2>/dev/null || return 0
    if ! wait_for_end "$1" "$2"; then
        kill -KILL "$1" 2>/dev/null
        wait "$1" 2>/dev/null
        return 1
    fi
    wait "$1" 2>/dev/null
    return 0
}
