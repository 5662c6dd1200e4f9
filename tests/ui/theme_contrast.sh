#!/bin/sh
# The texts the game colours itself, measured in the widget tests' own grabs on a private X
# server under openbox: in the light theme, under the Adwaita-Dark style and under a dark
# qt6ct colour scheme, every caption, heading and the version at least 4.5:1.
# Usage: theme_contrast.sh BUILD_DIR
# Exit 77 when Xvfb, openbox, the X tools or a dark theme (adwaita-qt6, qt6ct) are missing.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
TESTS=$1/ui_tests
PLUGINS=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
need_game "$1" Xvfb openbox xprop
for plugin in styles/adwaita.so platformthemes/libqt6ct.so; do
    [ -e "$PLUGINS/$plugin" ] || { echo "SKIP: no $plugin" >&2; exit 77; }
done
WM_PID=
trap '[ -z "$WM_PID" ] || kill "$WM_PID" 2>/dev/null' EXIT
scratch_game "$1" || exit 2
start_private_x "$SCRATCH" 1280x1024x24 || { echo "Xvfb did not start" >&2; exit 2; }
start_openbox
mkdir -p "$SCRATCH/config/qt6ct"
printf '[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\n' \
    >"$SCRATCH/config/qt6ct/qt6ct.conf"

FAILURES=0
for theme in light Adwaita-Dark qt6ct; do
    case $theme in
        light) set -- ;;
        Adwaita-Dark) set -- QT_STYLE_OVERRIDE=Adwaita-Dark HUSZONEGY_DARK_THEME=1 ;;
        qt6ct) set -- QT_QPA_PLATFORMTHEME=qt6ct HUSZONEGY_DARK_THEME=1 ;;
    esac
    echo "== $theme"
    (game_env "$@" "$TESTS" --gtest_filter='*EveryTextTheGameColours*') >"$SCRATCH/$theme.log" 2>&1 ||
        FAILURES=$((FAILURES + 1))
    grep ':1$\|Failure' "$SCRATCH/$theme.log"
    grep -q '\[  PASSED  \] 1 test' "$SCRATCH/$theme.log" || cat "$SCRATCH/$theme.log"
done
[ "$FAILURES" -eq 0 ] || { echo "FAIL: $FAILURES themes with unreadable text" >&2; exit 1; }
