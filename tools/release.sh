#!/bin/sh
# Makes the source tarball of the commit checked out: OUT/huszonegy-VERSION.tar.xz, holding
# the tracked files only under huszonegy-VERSION/. git archive fixes the order, the owner
# (root), the modes (0644 and 0755) and the times (the commit's), and xz on one thread packs
# the same bytes every time, so two runs on one commit give one tarball.
# Usage: sh tools/release.sh OUT
set -eu
[ $# -eq 1 ] || { echo "usage: $0 OUT" >&2; exit 2; }
cd "$(dirname "$0")/.."
command -v git >/dev/null 2>&1 && git rev-parse --verify -q HEAD >/dev/null ||
    { echo "release.sh: needs git and a checkout with a commit" >&2; exit 1; }
command -v xz >/dev/null 2>&1 || { echo "release.sh: needs xz" >&2; exit 1; }
version=$(sed -n 's/^project(huszonegy VERSION \([0-9.]*\) .*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "release.sh: no version in CMakeLists.txt" >&2; exit 1; }
case $(head -n 1 NEWS) in
"Huszonegy $version, "*) ;;
*) echo "release.sh: NEWS does not begin with an entry for $version" >&2; exit 1 ;;
esac
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "release.sh: note: uncommitted changes are not in the tarball" >&2
fi
mkdir -p "$1"
name=huszonegy-$version
git -c tar.umask=0022 archive --format=tar --prefix="$name/" HEAD |
    xz -9 -T1 -c >"$1/$name.tar.xz.new"
mv "$1/$name.tar.xz.new" "$1/$name.tar.xz"
echo "$1/$name.tar.xz"
