#!/bin/sh
# The table on desktops people set up, under openbox on a 1366x768 X server with a 32-px panel:
# the contrast check of the widget tests in a light and three dark themes (GTK's among them); at
# Xft.dpi 120 to 192 (1.25x to 2x) the table brought back from off the screen in the free area's
# corner to the pixel, a deal played by clicks, the winner's box beside; the desktop portal's
# dark choice followed by the settings while they are open; a text size changed while the game
# runs followed at once. Usage: $0 BUILD
# Exit 77 when Xvfb, openbox, the X tools, the panel helper or a dark theme are missing.
set -u
# Under the sanitizers: what the desktop's D-Bus library keeps at exit is not the game's leak.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
export ASAN_OPTIONS
. "$(dirname "$0")/../../packaging/xsession.sh"
need_game "$1" Xvfb openbox xdotool xwininfo xprop xrdb
[ -x "$1/panel_window" ] || { echo "SKIP: no panel helper" >&2; exit 77; }
PLUGINS=$(qtpaths6 --query QT_INSTALL_PLUGINS)
[ -e "$PLUGINS/styles/adwaita.so" ] && [ -e "$PLUGINS/platformthemes/libqt6ct.so" ] &&
    [ -e "$PLUGINS/platformthemes/libqgtk3.so" ] || { echo "SKIP: no adwaita-qt6, qt6ct, qt6-gtk-platformtheme" >&2; exit 77; }
WM_PID=
trap '[ -z "$WM_PID" ] || kill "$WM_PID" 2>/dev/null' EXIT
scratch_game "$1" && start_private_x "$SCRATCH" 1366x768x24 || exit 2
start_openbox
"$1/panel_window" 1366 32 >/dev/null 2>&1 &
mkdir -p "$SCRATCH/config/qt6ct"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n' \
    >"$SCRATCH/config/qt6ct/qt6ct.conf"
FAILURES=0
fail() { echo "FAIL: $*" >&2; FAILURES=$((FAILURES + 1)); }
for theme in LIGHT=1 "QT_STYLE_OVERRIDE=Adwaita-Dark HUSZONEGY_DARK_THEME=1" \
    "QT_QPA_PLATFORMTHEME=qt6ct HUSZONEGY_DARK_THEME=1" \
    "QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark HUSZONEGY_DARK_THEME=1"; do
    (game_env $theme "$1/ui_tests" --gtest_filter='*EveryTextTheGameColours*') >"$SCRATCH/log" 2>&1 ||
        { fail "unreadable under $theme"; cat "$SCRATCH/log"; }
    echo "== $theme:" $(grep ':1$' "$SCRATCH/log" | tr '\n' ',')
done
# click X Y: clicks the table where X,Y of its layout at its own size lies at its zoom.
click() { xdotool mousemove --window "$TABLE" $(($1 * W / 512)) $(($2 * H / 516)) click 1 && sleep 0.5; }
for dpi in 120 144 168 192; do
    echo "Xft.dpi: $dpi" | xrdb -merge
    printf '[Screen]\r\nLeft=3000\r\nTop=2000\r\n' >"$SCRATCH/game/tavrik.ini"
    launch_game && sleep 1
    set -- $(frame_rect "$TABLE")
    L=$1 T=$2 R=$3 B=$4 W=$(($3 - $1)) H=$(($4 - $2))
    echo "Xft.dpi $dpi: the table is ${W}x$H at $L,$T to $R,$B; the free area is 0,32 to 1366,768"
    [ "$L" -ge 0 ] && [ "$T" -ge 32 ] && [ "$R" -le 1366 ] && [ "$B" -le 768 ] || fail "$dpi dpi: table off the free area"
    # In the corner: the rounding to logical pixels costs at most two device pixels.
    [ "$R" -ge 1364 ] && [ "$B" -ge 766 ] || fail "$dpi dpi: table not in the corner"
    click 422 84 && click 422 440 # Új leosztás, Megállok
    BOX=$(wait_for_window "$RUNNING" 10 "$TABLE") || { fail "$dpi dpi: the clicks ended no deal"; continue; }
    sleep 1
    set -- $(frame_rect "$BOX")
    [ "$1" -ge "$R" ] || [ "$3" -le "$L" ] || [ "$2" -ge "$B" ] || [ "$4" -le "$T" ] || fail "$dpi dpi: box $* over the table"
    [ "$1" -ge 0 ] && [ "$2" -ge 0 ] && [ "$3" -le 1366 ] && [ "$4" -le 768 ] || fail "$dpi dpi: box off the screen"
    WINS=$((0 $(sed -n 's/^Win[123]=\([0-9]*\).*/+\1/p' "$SCRATCH/game/tavrik.ini" | tr -d '\r\n')))
    [ "$WINS" = 1 ] || fail "$dpi dpi: the deal was not settled ($WINS games won)"
    end_process "$RUNNING" 10; RUNNING=
done

# A text size changed on the desktop while the game runs reaches X11 programs through the
# XSETTINGS manager's Xft/DPI: within a second, with no focus change, the table grows or shrinks
# and stays whole in the free area, however far down the screen it stood.
if command -v xsettingsd >/dev/null; then
    echo "Xft.dpi: 96" | xrdb -merge
    echo 'Xft/DPI 98304' >"$SCRATCH/xsettings"
    xsettingsd -c "$SCRATCH/xsettings" >"$SCRATCH/xsettingsd.log" 2>&1 &
    XSETTINGS=$!
    sleep 1
    printf '[Screen]\r\nLeft=800\r\nTop=240\r\n' >"$SCRATCH/game/tavrik.ini"
    launch_game && sleep 1
    for dpi in 144 192 96; do
        echo "Xft/DPI $((dpi * 1024))" >"$SCRATCH/xsettings"
        kill -HUP "$XSETTINGS"
        sleep 1
        set -- $(frame_rect "$TABLE")
        echo "Xft/DPI $dpi while running: the table is $(($3 - $1))x$(($4 - $2)) at $1,$2 to $3,$4"
        [ "$1" -ge 0 ] && [ "$2" -ge 32 ] && [ "$3" -le 1366 ] && [ "$4" -le 768 ] ||
            fail "$dpi dpi while running: table off the free area"
        [ "$dpi" = 96 ] || [ "$(($3 - $1))" -gt 512 ] || fail "$dpi dpi while running: the table kept its size"
    done
    [ "$(($3 - $1))" = 512 ] || fail "back at 96 dpi the table is not at its own size"
    end_process "$RUNNING" 10; RUNNING=
    kill "$XSETTINGS" 2>/dev/null
else
    echo "live text size: skipped, no xsettingsd"
fi

# The desktop's dark choice through the portal, followed while the game runs: the settings
# dialog's ground is dark while the portal says 1, and light again once it says 0.
if command -v dbus-daemon >/dev/null && command -v import >/dev/null &&
    /usr/bin/python3 -c 'import dbus, gi' 2>/dev/null; then
    echo "Xft.dpi: 96" | xrdb -merge
    BUS="unix:path=$SCRATCH/bus"
    dbus-daemon --session --nofork --address="$BUS" >"$SCRATCH/bus.log" 2>&1 &
    BUS_PID=$!
    for _ in $(seq 50); do [ -S "$SCRATCH/bus" ] && break; sleep 0.1; done
    mkfifo "$SCRATCH/scheme"
    DBUS_SESSION_BUS_ADDRESS=$BUS /usr/bin/python3 "$(dirname "$0")/portal_standin.py" 1 \
        <"$SCRATCH/scheme" >"$SCRATCH/portal.log" 2>&1 &
    PORTAL=$!
    exec 7>"$SCRATCH/scheme"
    for _ in $(seq 50); do grep -q ready "$SCRATCH/portal.log" && break; sleep 0.1; done
    printf '[Screen]\r\nLeft=100\r\nTop=100\r\n' >"$SCRATCH/game/tavrik.ini"
    launch_game env DBUS_SESSION_BUS_ADDRESS="$BUS"
    sleep 1
    xdotool windowfocus "$TABLE" 2>/dev/null
    xdotool key --clearmodifiers alt+Return
    DIALOG=$(wait_for_window "$RUNNING" 10 "$TABLE") || fail "portal: the settings did not open"
    # ground: the dialog's mean brightness, 0 to 100, raised first: what another window covers
    # of it is not drawn on Xvfb.
    ground() { xdotool windowraise "$DIALOG" && sleep 0.3 &&
        import -window "$DIALOG" "$SCRATCH/dialog.png" &&
        convert "$SCRATCH/dialog.png" -colorspace Gray -format '%[fx:int(100*mean)]' info:; }
    sleep 0.5
    DARK=$(ground)
    echo 0 >&7
    for _ in $(seq 10); do
        sleep 0.5
        LIGHT=$(ground)
        [ "${LIGHT:-0}" -lt 55 ] || break
    done
    echo "portal: the settings' ground $DARK with color-scheme 1, $LIGHT after it changed to 0"
    [ "${DARK:-100}" -le 35 ] || fail "portal: the settings are not dark under color-scheme 1"
    [ "${LIGHT:-0}" -ge 55 ] || fail "portal: the settings did not turn light at color-scheme 0"
    end_process "$RUNNING" 10; RUNNING=
    exec 7>&-
    kill "$PORTAL" "$BUS_PID" 2>/dev/null
else
    echo "portal: skipped, no dbus-daemon, ImageMagick or Python's D-Bus"
fi
[ "$FAILURES" -eq 0 ] || { echo "$FAILURES failures" >&2; exit 1; }
