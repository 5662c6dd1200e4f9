# Shared by the install and package checks: a scratch folder cleaned up on every exit,
# the expected installed tree, and starting the installed game on a private X server.
# Source it from sh after setting HERE to this folder.

. "$HERE/../../packaging/xsession.sh"

CARD_CODES="11 12 13 14 15 16 17 18 21 22 23 24 25 26 27 28
31 32 33 34 35 36 37 38 41 42 43 44 45 46 47 48 h"
ICON_SIZES="16 32 48 64 128 256"
APP_ID=hu.tarvesz.huszonegy
SKIP=77

GAME_PID=
SCRATCH=$(mktemp -d) || exit 1
cleanup() {
    if [ -n "$GAME_PID" ]; then
        kill -KILL "$GAME_PID" 2>/dev/null
        wait "$GAME_PID" 2>/dev/null
    fi
    stop_private_x
    chmod -R u+w "$SCRATCH" 2>/dev/null
    rm -rf "$SCRATCH"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

PROBLEMS=0
problem() {
    echo "PROBLEM: $*" >&2
    PROBLEMS=$((PROBLEMS + 1))
}

# need_tools TOOL...: skips the check when one of the tools is not installed.
need_tools() {
    for _tool in "$@"; do
        command -v "$_tool" >/dev/null 2>&1 || { echo "SKIP: $_tool is not installed"; exit $SKIP; }
    done
}

# make_deb BUILD_DIR VERSION: the Debian packages of a finished build, made with cpack in the
# scratch folder; DEB is the game's, DATA_DEB that of its card pictures.
make_deb() {
    [ -f "$1/CPackConfig.cmake" ] || fail "no $1/CPackConfig.cmake"
    cpack --config "$1/CPackConfig.cmake" -G DEB -B "$SCRATCH/out" >"$SCRATCH/cpack.log" 2>&1 ||
        fail "cpack failed: $(cat "$SCRATCH/cpack.log")"
    DEB=$SCRATCH/out/huszonegy_${2}_$(dpkg --print-architecture).deb
    DATA_DEB=$SCRATCH/out/huszonegy-data_${2}_all.deb
    [ -f "$DEB" ] && [ -f "$DATA_DEB" ] || fail "no $DEB and $DATA_DEB among: $(ls "$SCRATCH/out")"
}

# Little-endian 32-bit signed integer at byte OFFSET of FILE.
le32() { od -A n -t d4 -j "$2" -N 4 "$1" | tr -d ' '; }
# Big-endian 32-bit unsigned integer at byte OFFSET of FILE.
be32() { od -A n -t u1 -j "$2" -N 4 "$1" | awk '{ print (($1 * 256 + $2) * 256 + $3) * 256 + $4 }'; }

# check_bitmap FILE WIDTH HEIGHT: a Windows bitmap of that size (bottom-up or top-down).
check_bitmap() {
    if [ ! -f "$1" ]; then
        problem "no $1"
        return
    fi
    [ "$(head -c 2 "$1")" = BM ] || problem "$1 is not a Windows bitmap"
    _height=$(le32 "$1" 22)
    [ "$(le32 "$1" 18)" = "$2" ] && [ "${_height#-}" = "$3" ] ||
        problem "$1 is $(le32 "$1" 18) x $_height, not $2 x $3"
}

# check_png FILE SIZE: a square PNG picture of SIZE pixels.
check_png() {
    if [ ! -f "$1" ]; then
        problem "no $1"
        return
    fi
    [ "$(od -A n -c -j 1 -N 3 "$1" | tr -d ' ')" = PNG ] || problem "$1 is not a PNG picture"
    [ "$(be32 "$1" 16)x$(be32 "$1" 20)" = "${2}x$2" ] ||
        problem "$1 is $(be32 "$1" 16)x$(be32 "$1" 20), not ${2}x$2"
}

# check_tree PREFIX INSTALLED_FOLDER [package]: everything the game installs is there, nothing else is,
# and the install marker names INSTALLED_FOLDER, where the program folder will be found.
# The pictures live under share/ and the program's Images/ is a relative link to them.
check_tree() {
    _app=$1/lib/huszonegy
    _pictures=$1/share/games/huszonegy/Images
    [ -f "$_app/huszonegy" ] && [ -x "$_app/huszonegy" ] || problem "no program $_app/huszonegy"
    if [ -L "$_app/Images" ]; then
        [ "$(readlink "$_app/Images")" = ../../share/games/huszonegy/Images ] ||
            problem "$_app/Images points to $(readlink "$_app/Images")"
    else
        problem "$_app/Images is not a link to the pictures"
    fi
    for _code in $CARD_CODES; do
        check_bitmap "$_pictures/$_code.bmp" 76 124
        check_bitmap "$_pictures/$_code@2x.bmp" 152 248
    done
    # What the program opens: the pictures through the link beside it.
    cmp -s "$_app/Images/h.bmp" "$_pictures/h.bmp" || problem "the pictures cannot be read through $_app/Images"
    if [ -f "$_app/installed-folder" ]; then
        [ "$(cat "$_app/installed-folder")" = "$2" ] ||
            problem "the install marker names '$(cat "$_app/installed-folder")', not '$2'"
    else
        problem "no install marker $_app/installed-folder"
    fi
    _link=$1/games/huszonegy
    if [ -L "$_link" ]; then
        [ "$(readlink "$_link")" = ../lib/huszonegy/huszonegy ] ||
            problem "$_link points to $(readlink "$_link"), not to ../lib/huszonegy/huszonegy"
        [ "$(readlink -f "$_link")" = "$(readlink -f "$_app/huszonegy")" ] ||
            problem "$_link does not lead to the program"
    else
        problem "no link $_link"
    fi
    [ -f "$1/share/applications/huszonegy.desktop" ] || problem "no desktop entry"
    [ -f "$1/share/metainfo/$APP_ID.metainfo.xml" ] || problem "no AppStream metainfo"
    [ -f "$1/share/locale/en/LC_MESSAGES/huszonegy.qm" ] || problem "no English translation for AppStream"
    for _size in $ICON_SIZES; do
        check_png "$1/share/icons/hicolor/${_size}x$_size/apps/huszonegy.png" "$_size"
    done
    _svg=$1/share/icons/hicolor/scalable/apps/huszonegy.svg
    [ -f "$_svg" ] && grep -q '<svg' "$_svg" || problem "no scalable icon $_svg"
    for _page in share/man/man6/huszonegy.6.gz share/man/hu/man6/huszonegy.6.gz; do
        gzip -dc "$1/$_page" | sed 's/\\-/-/g' | grep -q -x -F ".I ${2%/*/*}/lib/huszonegy/" ||
            problem "$_page does not name ${2%/*/*}/lib/huszonegy/"
    done
    if [ "${3:-}" = package ]; then # only our packages carry Debian documents
        _documents='share/doc/huszonegy(-data)?/(copyright|changelog(\.Debian)?\.gz)|share/lintian/overrides/huszonegy(-data)?'
        check_package_documents "$1"
    else
        _documents=share/doc/huszonegy/LICENSE && grep -q 'GNU GENERAL PUBLIC' "$1/$_documents" || problem "no $_documents"
    fi
    _stray=$(cd "$1" && find . ! -type d | grep -v -E '^\./(lib/huszonegy/(huszonegy|installed-folder|Images)|share/games/huszonegy/Images/[^/]+\.bmp|games/huszonegy|share/applications/huszonegy\.desktop|share/metainfo/hu\.tarvesz\.huszonegy\.metainfo\.xml|share/icons/hicolor/([0-9]+x[0-9]+/apps/huszonegy\.png|scalable/apps/huszonegy\.svg)|share/man/(hu/)?man6/huszonegy\.6\.gz|share/locale/[a-zA-Z_]+/LC_MESSAGES/huszonegy\.qm|'"$_documents"')$')
    [ -z "$_stray" ] || problem "files that do not belong to the game: $_stray"
}

check_package_documents() {
    for _page in share/doc/huszonegy/changelog.gz share/doc/huszonegy/changelog.Debian.gz \
        share/doc/huszonegy-data/changelog.gz share/doc/huszonegy-data/changelog.Debian.gz; do
        gzip -t "$1/$_page" 2>/dev/null || problem "no gzip-compressed $_page"
    done
    for _package in huszonegy huszonegy-data; do
        head -n 1 "$1/share/doc/$_package/copyright" 2>/dev/null |
            grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
            problem "share/doc/$_package/copyright is not a machine-readable copyright file"
    done
    grep -q '^huszonegy: ' "$1/share/lintian/overrides/huszonegy" 2>/dev/null ||
        problem "no lintian override for huszonegy"
    ! grep -q 'image-file-in-usr-lib' "$1/share/lintian/overrides/huszonegy" 2>/dev/null ||
        problem "the package still hides pictures in /usr/lib behind an override"
}

# snapshot DIR: every name under DIR with its type, mode and content, to see that a run of
# the game changed nothing there.
snapshot() {
    (cd "$1" && find . -printf '%y %m %p\n' | sort && find . -type f -exec md5sum {} + | sort)
}

# other_player FOLDER: as root, makes FOLDER (under the scratch folder) belong to the
# unprivileged "nobody" and sets OTHER_PLAYER to the command that runs a program as "nobody".
other_player() {
    command -v setpriv >/dev/null 2>&1 || fail "setpriv is needed to play as an ordinary user"
    chmod 755 "$SCRATCH"
    mkdir -p "$1"
    chown 65534:65534 "$1"
    OTHER_PLAYER="setpriv --reuid=65534 --regid=65534 --clear-groups"
}

# need_display: skips the rest of the check when there is no X server to start the game on.
need_display() {
    for _tool in Xvfb xdotool; do
        if ! command -v "$_tool" >/dev/null 2>&1; then
            echo "SKIP: $_tool is not installed, the game is not started"
            exit $SKIP
        fi
    done
    start_private_x "$SCRATCH" 1024x768x24 || fail "Xvfb did not start: $(cat "$SCRATCH/xvfb.log")"
}

# run_game PROGRAM CONFIG_HOME [AS_USER]
# Starts PROGRAM on the private display with CONFIG_HOME as its per-user settings folder
# (made by the player, whose home is beside it), optionally through the AS_USER command,
# checks that its window appears at 512 x 516, then asks it to end as the desktop does at
# log-off.
run_game() {
    _home=$(dirname "$2")/home
    ${3:-} mkdir -p "$_home" && ${3:-} mkdir -p -m 700 "$_home/runtime" || fail "no home for the player"
    ${3:-} env -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
        QT_QPA_PLATFORM=xcb HOME="$_home" XDG_CONFIG_HOME="$2" XDG_RUNTIME_DIR="$_home/runtime" \
        "$1" >"$SCRATCH/game.log" 2>&1 &
    GAME_PID=$!
    _window=$(wait_for_window "$GAME_PID" 60)
    case $? in
    0) ;;
    2) fail "$1 ended without showing a window: $(cat "$SCRATCH/game.log")" ;;
    *) fail "$1 showed no window within 60 s: $(cat "$SCRATCH/game.log")" ;;
    esac
    _geometry=$(xdotool getwindowgeometry --shell "$_window")
    echo "$_geometry" | grep -q '^WIDTH=512$' && echo "$_geometry" | grep -q '^HEIGHT=516$' ||
        problem "the window of $1 is not 512 x 516: $_geometry"
    end_process "$GAME_PID" 30 || problem "$1 did not end when asked to"
    GAME_PID=
}

finish() {
    [ "$PROBLEMS" -eq 0 ] || fail "$PROBLEMS problem(s)"
    echo "OK"
}
