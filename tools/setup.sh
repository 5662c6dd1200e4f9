#!/bin/sh
# Installs the Debian 12 packages the game needs to build, run and test, when missing.
# When nothing is missing it only reads dpkg's status: no apt-get, no package lock.
set -eu
PACKAGES="cmake g++ make clang libclang-rt-14-dev qt6-base-dev qt6-translations-l10n \
qt6-l10n-tools qt6-tools-dev locales \
libgtest-dev xvfb xauth xdotool imagemagick openbox x11-utils x11-session-utils x11-xserver-utils \
fonts-comic-neue fonts-wine fonts-liberation fonts-dejavu-core desktop-file-utils appstream appstream-compose \
dpkg-dev file valgrind libxcb1-dev lintian groff-base man-db dbus-daemon at-spi2-core \
python3-pyatspi orca speech-dispatcher qt6-wayland weston sway mutter adwaita-qt6 qt6ct qt6-gtk-platformtheme xwayland \
libwayland-dev wayland-protocols pkg-config gdb xfsprogs e2fsprogs mount bubblewrap xsettingsd"
missing=""
for p in $PACKAGES; do
    # Installed is installed, also when the package is held at its version.
    dpkg-query -W -f='${db:Status-Status}\n' "$p" 2>/dev/null | grep -qx installed ||
        missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    apt-get install -y -q --no-install-recommends $missing
fi
# The tests also run as a Hungarian or German sponsor's build runs them; Debian ships the
# locales' sources but makes only those chosen with debconf.
for locale in hu_HU de_DE; do
    locale -a 2>/dev/null | grep -qix "$locale.utf8" || localedef -i $locale -f UTF-8 "$locale.UTF-8"
done
