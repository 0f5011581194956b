#!/usr/bin/env bash
# Runs one step of a test run for as long as it keeps moving. Moving means: its log or a
# watched file or folder changed, or its processes used CPU time (all processes of the session
# it runs in). After IDLE seconds without either, or CAP seconds in all, the step is stopped
# and the time-out is reported: the step, how long it ran and stood still, and the last lines
# of every watched file. So a slow machine only makes a step slower, and a hang still ends.
# usage: watch-progress.sh [options] STEP -- COMMAND [ARGS...]
#   --log FILE    the command's output goes here (appended) instead of standard output
#   --watch PATH  a further file or folder whose changes count as progress (repeatable)
#   --beat FILE   touched whenever progress is seen, for a watcher further out
#   --idle S      seconds without progress before giving up (default 600)
#   --cap S       seconds in all before giving up (default 3600)
#   --no-cpu      CPU time is no progress (for an emulator, which spins even when idle)
# Exit status: the command's own, or 124 after a time-out.
set -u
idle=600 cap=3600 log= beat= cpu=1
watched=()
while [ $# -gt 0 ]; do
    case $1 in
    --log) log=$2; watched+=("$2"); shift 2 ;;
    --watch) watched+=("$2"); shift 2 ;;
    --beat) beat=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    --cap) cap=$2; shift 2 ;;
    --no-cpu) cpu=0; shift ;;
    --) shift; break ;;
    *) step=$1; shift ;;
    esac
done
[ -n "${step:-}" ] && [ $# -gt 0 ] || { echo "usage: watch-progress.sh [options] STEP -- COMMAND..." >&2; exit 2; }

# Sizes and times of everything watched, as one line that changes when any of it does.
files_state() {
    [ ${#watched[@]} -gt 0 ] && find "${watched[@]}" -printf '%s %T@\n' 2>/dev/null | cksum
}
# CPU ticks of the session's processes, their waited-for children included.
cpu_ticks() {
    [ "$cpu" = 1 ] || return 0
    cat /proc/[0-9]*/stat 2>/dev/null |
        awk -v sid="$1" '{ sub(/^.*\) /, ""); if ($4 == sid) t += $12 + $13 + $14 + $15 } END { print t + 0 }'
}

# A session of its own, so that its processes can be told apart and stopped together.
if [ -n "$log" ]; then
    setsid "$@" >>"$log" 2>&1 </dev/null &
else
    setsid "$@" </dev/null &
fi
pid=$!

start=$(date +%s) last=$start
state=$(files_state) ticks=$(cpu_ticks $pid)
timed_out=
while kill -0 $pid 2>/dev/null; do
    # Looks every 5 s, but sees the end of the command within half a second.
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        sleep 0.5
        kill -0 $pid 2>/dev/null || break 2
    done
    now=$(date +%s)
    new_state=$(files_state) new_ticks=$(cpu_ticks $pid)
    if [ "$new_state" != "$state" ] || [ "${new_ticks:-0}" != "${ticks:-0}" ]; then
        last=$now state=$new_state ticks=$new_ticks
        [ -n "$beat" ] && touch "$beat"
    fi
    if [ $((now - last)) -ge "$idle" ]; then
        timed_out="no progress for $((now - last)) s"
    elif [ $((now - start)) -ge "$cap" ]; then
        timed_out="still moving after the cap of $cap s"
    fi
    if [ -n "$timed_out" ]; then
        kill -TERM -- -$pid 2>/dev/null
        sleep 2
        kill -KILL -- -$pid 2>/dev/null
        break
    fi
done
wait $pid 2>/dev/null
rc=$?
[ -z "$timed_out" ] && exit $rc

echo "TIMEOUT $step: stopped after $(($(date +%s) - start)) s, $timed_out"
for file in "${watched[@]}"; do
    [ -f "$file" ] || continue
    echo "--- last lines of $file"
    tail -n 15 "$file" | tr -d '\r' | sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g'
done
echo "--- end of TIMEOUT $step"
exit 124
