#!/usr/bin/env bash
# show transactions, run again and again while one-season runs follow each other in the folder
# of a long league, never fails and never prints half of a change: every output is a beginning
# of the log as it stands at the end.
set -euo pipefail
sim="$1"
reads=${2:-400}
work=$(mktemp -d)
trap 'touch "$work/stop"; wait; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/league"
"$sim" --seed 5 --dir "$work/league" new > /dev/null
"$sim" --seed 5 --dir "$work/league" play 1500 > /dev/null

(
    seed=6
    while [ ! -e "$work/stop" ]; do
        "$sim" --seed "$seed" --dir "$work/league" play 1 > /dev/null 2>&1 || true
        seed=$((seed + 1))
    done
) &

mkdir "$work/shown"
for ((read = 0; read < reads; read++)); do
    "$sim" --dir "$work/league" show transactions > "$work/shown/$read" 2> "$work/error" \
        || fail "show failed beside a game: $(cat "$work/error")"
    [ ! -s "$work/error" ] || fail "show complained beside a game: $(cat "$work/error")"
done
touch "$work/stop"
wait

"$sim" --dir "$work/league" show transactions > "$work/final"
for shown in "$work/shown"/*; do
    cmp -s -n "$(stat -c %s "$shown")" "$shown" "$work/final" \
        || fail "output $(basename "$shown") is not a beginning of the final log"
done
echo "ok"
