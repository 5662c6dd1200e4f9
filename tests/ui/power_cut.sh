#!/bin/sh
# A power cut while a save is on its way to the disk costs at most that save, measured on the
# real program with its results on a disk image of their own: the game is held by gdb at its
# first sync call of any kind after a settled deal (as a slow disk holds it), another program
# syncs a file of its own on the same disk (so the journal commits whatever the game renamed),
# the file system is shut down without flushing its log (the usual stand-in for a cut), and
# after a remount the next start must show the record from before the deal or the new one,
# never the defaults. On XFS after one deal and after the second of two, and on ext4 mounted
# noauto_da_alloc.
# Usage: power_cut.sh BUILD_DIR
# Exit 77, with a NOTE, where root, loop devices, a file system or a tool is missing.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
BUILD=$1
need_game "$BUILD" Xvfb xdotool gdb xfs_io mkfs.xfs mkfs.ext4 losetup mount
skip() { echo "NOTE: power cut: skipped, $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "loop devices need root"
losetup -f >/dev/null 2>&1 || skip "no free loop device"
for fs in xfs ext4; do grep -qw "$fs" /proc/filesystems || skip "the kernel has no $fs"; done

FAILURES=0
scratch_game "$BUILD" || exit 2
# The results live in the per-user folder, which is the disk image mounted on config/: an
# installed copy keeps them there whatever its own folder allows.
DISK="$SCRATCH/config"
RESULTS="$DISK/huszonegy/tavrik.ini"
echo "$SCRATCH/game" >"$SCRATCH/game/installed-folder"
trap '[ -z "$RUNNING" ] || kill -KILL "$RUNNING" 2>/dev/null; [ -z "${GDB:-}" ] || kill -KILL "$GDB";
      umount "$DISK" 2>/dev/null; stop_private_x; rm -rf "$SCRATCH"' EXIT
start_private_x "$SCRATCH" 1024x768x24 || { echo "Xvfb did not start" >&2; exit 2; }

fail() {
    echo "FAIL: $*" >&2
    FAILURES=$((FAILURES + 1))
}

press() { xdotool windowfocus "$TABLE" 2>/dev/null; xdotool key --clearmodifiers "$@"; }

# wait_for_file FILE SECONDS
wait_for_file() {
    _tries=0
    until [ -e "$1" ]; do
        _tries=$((_tries + 1))
        [ "$_tries" -le $(($2 * 10)) ] || return 1
        sleep 0.1
    done
}

# deal: one deal settled and its winner's box closed.
deal() {
    press F2 F4
    _box=$(wait_for_window "$RUNNING" 20 "$TABLE") || { fail "$CASE: no winner's box"; return 1; }
    xdotool windowfocus "$_box" 2>/dev/null
    xdotool key --clearmodifiers Return
    sleep 1 # its flush, on an idle disk
}

value() { sed -n "s/^$1=\([-0-9A-Za-z]*\).*/\1/p" "$RESULTS" | head -n 1; }

# The record before any deal of the check: 5, 6 and 7 games won, 2000 each, stake 50, "Proba".
seed() {
    mkdir -m 700 "$DISK/huszonegy"
    printf '[Screen]\r\nLeft=10\r\nTop=10\r\n[Results]\r\nMoney1=2000\r\nMoney2=2000\r\n' >"$RESULTS"
    printf 'Money3=2000\r\nWin1=5\r\nWin2=6\r\nWin3=7\r\nPot=50\r\n[Game]\r\nName=Proba\r\n' >>"$RESULTS"
    sync -f "$RESULTS"
}
won_since_seed() { echo $(($(value "Win$1") - $1 - 4)); }

# deals_held: how many deals after the seed the results file holds, when it is a whole record
# of them; nothing otherwise.
deals_held() {
    [ "$(value Name)" = Proba ] || return
    _deals=$(($(won_since_seed 1) + $(won_since_seed 2) + $(won_since_seed 3)))
    for _seat in 1 2 3; do
        [ "$(value "Money$_seat")" = $((2000 + 50 * (3 * $(won_since_seed "$_seat") - _deals))) ] ||
            return
    done
    echo "$_deals"
}

# cut CASE TYPE MOUNT_OPTIONS DEALS: DEALS deals, the last one held at its first sync call and
# cut there.
cut() {
    CASE=$1
    _image="$SCRATCH/disk.img"
    rm -f "$_image"
    truncate -s 320M "$_image"
    if [ "$2" = xfs ]; then mkfs.xfs -q "$_image"; else mkfs.ext4 -q -F "$_image"; fi ||
        { fail "$CASE: no file system made"; return; }
    mount -o "loop,$3" "$_image" "$DISK" || skip "$CASE: the disk image does not mount"
    chmod 700 "$DISK"
    seed
    launch_game
    _deal=1
    while [ "$_deal" -lt "$4" ]; do
        deal || return
        _deal=$((_deal + 1))
    done
    rm -f "$SCRATCH/ready" "$SCRATCH/held"
    gdb -p "$RUNNING" -batch -nx -ex 'set pagination off' -ex 'break fsync' \
        -ex 'break fdatasync' -ex 'break sync_file_range' -ex 'break syncfs' \
        -ex "shell touch $SCRATCH/ready" -ex continue -ex "shell touch $SCRATCH/held" \
        -ex 'shell sleep 600' >"$SCRATCH/gdb.log" 2>&1 &
    GDB=$!
    wait_for_file "$SCRATCH/ready" 120 || { fail "$CASE: gdb did not attach"; return; }
    press F2 F4
    if wait_for_file "$SCRATCH/held" 60; then
        xfs_io -f -c 'pwrite -q 0 4096' -c fsync "$DISK/another-program" ||
            fail "$CASE: another program's fsync failed"
        xfs_io -x -c shutdown "$DISK" || fail "$CASE: the file system was not shut down"
    else
        fail "$CASE: no sync call after the deal"
    fi
    kill -KILL "$RUNNING" "$GDB" 2>/dev/null
    wait "$RUNNING" "$GDB" 2>/dev/null
    RUNNING= GDB=
    umount "$DISK" && mount -o "loop,$3" "$_image" "$DISK" || { fail "$CASE: no remount"; return; }
    _after="$(stat -c %s "$RESULTS") bytes$(ls -a "$DISK/huszonegy" | grep -q kept && echo ', a kept record')"

    # The next start reads the record, and its close writes back what it read.
    launch_game
    end_process "$RUNNING" 20 || fail "$CASE: the next start did not end on SIGTERM"
    RUNNING=
    _held=$(deals_held)
    case "$_held" in
    $(($4 - 1)) | "$4") echo "$CASE: after the cut $_after; the next start shows $_held of $4 deals" ;;
    *) fail "$CASE: after the cut $_after; the next start shows $(tr '\r\n' ' ' <"$RESULTS")" ;;
    esac
    umount "$DISK"
}

cut "XFS, one deal" xfs defaults 1
cut "XFS, the second of two deals" xfs defaults 2
cut "ext4 noauto_da_alloc, one deal" ext4 noauto_da_alloc 1

[ "$FAILURES" -eq 0 ] || exit 1
echo "every cut kept a whole record"
