#!/bin/sh
# The AppStream metainfo passes appstreamcli without the network and carries the build's version.
# Usage: validate_metainfo.sh FILE VERSION
set -u
command -v appstreamcli >/dev/null 2>&1 || { echo "SKIP: no appstreamcli"; exit 77; }
appstreamcli validate --no-net --pedantic "$1" || exit 1
grep -q -F "<release version=\"$2\"" "$1" || { echo "FAIL: no release $2 in $1" >&2; exit 1; }
grep -q '<launchable type="desktop-id">huszonegy.desktop</launchable>' "$1" ||
    { echo "FAIL: $1 does not launch huszonegy.desktop" >&2; exit 1; }
# A distribution's software centre shows these: a game that bets money on a stake, a place
# to report faults, and the language a player will meet.
grep -q '<content_attribute id="money-gambling">moderate</content_attribute>' "$1" ||
    { echo "FAIL: $1 does not rate the play-money betting" >&2; exit 1; }
grep -q '<url type="bugtracker">https://' "$1" || { echo "FAIL: no bug tracker in $1" >&2; exit 1; }
grep -q '<p>The interface is in Hungarian and English' "$1" ||
    { echo "FAIL: $1 does not say the interface is Hungarian and English" >&2; exit 1; }
