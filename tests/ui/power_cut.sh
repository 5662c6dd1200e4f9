#!/bin/sh
# A power cut while a save is on its way to the disk costs at most that save. The real program
# keeps its results on a disk image; gdb holds it at its first sync call of any kind after a
# settled deal (as a slow disk does), another program syncs a file on the same disk (so the
# journal commits whatever the game renamed), the file system is shut down without flushing
# its log, and after a remount the next start must show the record from before the deal or the
# new one, never the defaults. XFS after one deal and after the second of two, and ext4 mounted
# noauto_da_alloc. On XFS also: two quick deals, the first one's file synced while its folder's
# sync is slow (a preloaded library holds it) and the cut after the second, which must keep at
# least the first; a results file that is a link into another folder, which stays a link to a
# whole record; and a cut just after the next start put the kept record back.
# Usage: power_cut.sh BUILD_DIR. Exit 77 where root or a tool is missing.
set -u
HERE=$(cd "$(dirname "$0")" && pwd)
. "$HERE/../../packaging/xsession.sh"
need_game "$1" Xvfb xdotool gdb xfs_io mkfs.xfs mkfs.ext4 losetup
skip() { echo "NOTE: power cut: skipped, $*"; exit 77; }
[ "$(id -u)" -eq 0 ] && losetup -f >/dev/null 2>&1 || skip "it needs root and a free loop device"
grep -qw xfs /proc/filesystems || skip "the kernel has no XFS"
[ -f "$1/hold_folder_sync.so" ] || skip "no hold_folder_sync.so in $1"
scratch_game "$1" || exit 2
# An installed copy keeps its results in the per-user folder: the disk image, on config/.
DISK="$SCRATCH/config"
RESULTS="$DISK/huszonegy/tavrik.ini"
echo "$SCRATCH/game" >"$SCRATCH/game/installed-folder"
trap 'kill -KILL $RUNNING ${GDB:-} 2>/dev/null; umount "$DISK" 2>/dev/null; stop_private_x; rm -rf "$SCRATCH"' EXIT
start_private_x "$SCRATCH" 1024x768x24 || exit 2
FAILURES=0
fail() { echo "FAIL: $*" >&2; FAILURES=$((FAILURES + 1)); }
press() { xdotool windowfocus "$1" 2>/dev/null; xdotool key --clearmodifiers "$2"; }
appears() { timeout "$2" sh -c "until [ -e '$1' ]; do sleep 0.1; done"; }

# deal WINDOW: a deal played to its end and its winner's box closed.
deal() {
    press "$TABLE" F2 && press "$TABLE" F4
    BOX=$(wait_for_window "$RUNNING" 20 "$TABLE") && press "$BOX" Return || fail "$CASE: no box"
}

# power_off: another program's sync commits the journal with whatever the game renamed, and the
# file system goes down without writing anything more; every process on it is killed.
power_off() {
    xfs_io -f -c 'pwrite -q 0 4096' -c fsync "$DISK/another-program"
    xfs_io -x -c shutdown "$DISK" || fail "$CASE: the file system was not shut down"
    kill -KILL $RUNNING ${GDB:-}
    wait $RUNNING ${GDB:-} 2>/dev/null
    RUNNING= GDB=
}

# cut CASE TYPE MOUNT_OPTIONS DEALS [HOW]: DEALS deals on a fresh disk, the last one cut at its
# flush. HOW: "quick", the deals in a row, the first one's folder sync held until the cut (two
# deals); "linked", the results file a link into another folder; "repair", then a second cut
# just after the next start put the kept record back.
cut() {
    CASE=$1 IMAGE="$SCRATCH/disk.img" HOW=${5:-}
    rm -f "$IMAGE" && truncate -s 320M "$IMAGE" && "mkfs.$2" -q "$IMAGE" &&
        mount -o "loop,$3" "$IMAGE" "$DISK" || skip "$CASE: no disk image"
    # 18 games won before the check, "Proba" playing.
    mkdir -m 700 "$DISK/huszonegy"
    FILE=$RESULTS
    if [ "$HOW" = linked ]; then # as a dotfile manager links it
        mkdir -m 700 "$DISK/dotfiles" && FILE="$DISK/dotfiles/tavrik.ini"
        ln -s "$FILE" "$RESULTS"
    fi
    printf '[Screen]\r\nLeft=10\r\nTop=10\r\n[Results]\r\nMoney1=2000\r\nMoney2=2000\r\n' >"$FILE"
    printf 'Money3=2000\r\nWin1=5\r\nWin2=6\r\nWin3=7\r\nPot=50\r\n[Game]\r\nName=Proba\r\n' >>"$FILE"
    sync -f "$FILE"
    if [ "$HOW" = quick ]; then
        launch_game env LD_PRELOAD="$BUILD/hold_folder_sync.so" HOLD_FOLDER_SYNC="$SCRATCH/gate" \
            ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0"
        rm -f "$SCRATCH/gate.held" && touch "$SCRATCH/gate"
        deal
        appears "$SCRATCH/gate.held" 20 || fail "$CASE: the first deal's folder sync never came"
        deal
        power_off
        rm -f "$SCRATCH/gate"
    else
        launch_game
        for _ in $(seq 2 "$4"); do
            deal
            # Its flush done: the record kept until then is gone.
            timeout 20 sh -c "while [ -e '${FILE%/*}/.tavrik.ini.kept' ]; do sleep 0.1; done"
        done
        rm -f "$SCRATCH/ready" "$SCRATCH/held"
        gdb -p "$RUNNING" -batch -nx -ex 'break fsync' -ex 'break fdatasync' -ex 'break syncfs' \
            -ex 'break sync_file_range' -ex "shell touch $SCRATCH/ready" -ex continue \
            -ex "shell touch $SCRATCH/held" -ex 'shell sleep 600' >"$SCRATCH/gdb.log" 2>&1 &
        GDB=$!
        appears "$SCRATCH/ready" 120 || fail "$CASE: gdb did not attach"
        press "$TABLE" F2 && press "$TABLE" F4
        appears "$SCRATCH/held" 60 || fail "$CASE: no sync call after the deal"
        power_off
    fi
    remount "$3" || return
    AFTER="$(stat -c %s "$FILE") bytes$(ls -A "${FILE%/*}" | grep -q kept && echo ' and a kept record')"
    if [ "$HOW" = repair ]; then
        # The next start puts the kept record back by a rename, then runs on: cut just after.
        rm -f "$SCRATCH/held"
        (game_env gdb -batch -nx -ex 'break rename' -ex run -ex finish \
            -ex "shell touch $SCRATCH/held" -ex 'shell sleep 600' \
            --args "$SCRATCH/game/huszonegy") >"$SCRATCH/gdb.log" 2>&1 &
        GDB=$!
        appears "$SCRATCH/held" 60 || fail "$CASE: the start made no rename"
        power_off
        pkill -KILL -f "^$SCRATCH/game/huszonegy" 2>/dev/null
        remount "$3" || return
        AFTER="$AFTER, after the cut in the repair $(stat -c %s "$FILE") bytes"
    fi
    # The next start reads the record, and its ending writes back what it read.
    launch_game
    end_process "$RUNNING" 20 || fail "$CASE: the next start did not end on SIGTERM"
    RUNNING=
    HELD=$(awk -F= '/^Win[123]=/ { won += $2 } END { print won - 18 }' "$FILE")
    if grep -q '^Name=Proba' "$FILE" && [ "$HELD" -ge $(($4 - 1)) ] && [ "$HELD" -le "$4" ]; then
        echo "$CASE: after the cut $AFTER; the next start shows $HELD of the $4 deals"
    else
        fail "$CASE: after the cut $AFTER; the next start shows $(tr '\r\n' '  ' <"$FILE")"
    fi
    [ "$HOW" != linked ] || [ -L "$RESULTS" ] || fail "$CASE: the link was replaced by a file"
    umount "$DISK"
}

# remount MOUNT_OPTIONS: the disk as the next boot finds it.
remount() {
    umount "$DISK" && mount -o "loop,$1" "$IMAGE" "$DISK" || { fail "$CASE: no remount"; return 1; }
}

BUILD=$1
cut "XFS, one deal" xfs defaults 1
cut "XFS, the second of two deals" xfs defaults 2
cut "XFS, two quick deals, the first one's data synced" xfs defaults 2 quick
cut "XFS, one deal, the results a link" xfs defaults 1 linked
cut "XFS, one deal, then a cut in the start's repair" xfs defaults 1 repair
cut "ext4 noauto_da_alloc, one deal" ext4 noauto_da_alloc 1
[ "$FAILURES" -eq 0 ] && echo "every cut kept a whole record"
