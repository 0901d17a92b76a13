#!/usr/bin/env bash
# Kills a program that saves client records, the settings file and the report file in a loop with
# SIGKILL at random moments, and after every kill checks that each file holds, for everything saved,
# its old or its new value, whole, and that no save that returned success was lost. Temporary files of
# killed writers never pile up: after a last writer has saved each file once, only its own may be left.
# Usage: crash_safety.sh BUILD [KILLS] - KILLS kills (default 50) in a tmpfs and as many on the disk.
set -euo pipefail
build=$(cd "${1:?usage: crash_safety.sh BUILD [KILLS]}" && pwd)
kills=${2:-50}
driver=$build/tests/crash_writer
[ -x "$driver" ] || { echo "skipped: $driver is not built"; exit 77; }

places=()
[ -d /dev/shm ] && [ -w /dev/shm ] && places+=("/dev/shm")
places+=("$build")
work=()
trap 'rm -rf "${work[@]}"' EXIT

for place in "${places[@]}"; do
    dir=$(mktemp -d "$place/crash_safety.XXXXXX")
    work+=("$dir")
    fs=$(stat -f -c %T "$dir")
    "$driver" init "$dir/files" "$build"
    saves=0
    declare -A during=([C]=0 [S]=0 [R]=0 [-]=0)
    for ((i = 1; i <= kills; i++)); do
        from=$(($(wc -l <"$dir/files/journal") + 1))
        "$driver" run "$dir/files" "$build" 2>"$dir/run.err" &
        pid=$!
        if ((i < kills)); then
            # Anywhere from start-up to some hundred saves in.
            sleep "$(printf '0.%03d' $((RANDOM % 80)))"
        else
            # The last writer once it has saved the client file, the settings and the report.
            for kind in C S R; do
                until tail -n "+$from" "$dir/files/journal" | grep -q "^K $kind "; do
                    kill -0 "$pid" 2>/dev/null || break 2
                    sleep 0.01
                done
            done
        fi
        kill -KILL "$pid" 2>/dev/null || true
        status=0
        { wait "$pid"; } 2>/dev/null || status=$?
        if [ "$status" -ne 137 ]; then
            echo "FAIL: the writer ended by itself (status $status) before kill $i:" >&2
            cat "$dir/run.err" >&2
            exit 1
        fi
        result=$("$driver" check "$dir/files" "$build") || {
            echo "FAIL: after kill $i of $kills ($fs)" >&2
            exit 1
        }
        read -r _ n pending left <<<"$result"
        saves=$((saves + n))
        during[$pending]=$((during[$pending] + 1))
    done
    if [ -n "$(find "$dir/files" -name '*.tmp*' ! -name "*.tmp$pid-*")" ]; then
        echo "FAIL: temporary files of earlier writers left behind ($fs):" >&2
        ls "$dir/files" >&2
        exit 1
    fi
    echo "$fs ($place): $kills kills, $saves saves returned success, none lost or torn;" \
        "killed during a client save ${during[C]}, settings ${during[S]}, report ${during[R]}," \
        "between saves ${during[-]}; temporary files left at the end $left (the last writer's)"
done
