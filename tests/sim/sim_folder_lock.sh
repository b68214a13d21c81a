#!/usr/bin/env bash
# One program per league folder: while another one holds the folder (here flock(1) on the folder
# stands in for it), zelvano-sim refuses both commands on one line with status 2, before it reads
# or creates anything; once the holder has ended, the folder is free again. show is no player:
# it reads while the folder is held.
set -euo pipefail
sim="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/league" "$work/empty"
"$sim" --seed 1 --dir "$work/league" new > /dev/null
cp "$work/league/Jbball.Jdt" "$work/saved"

for dir in league empty; do
    for command in new "play 1"; do
        status=0
        # shellcheck disable=SC2086
        flock "$work/$dir" "$sim" --dir "$work/$dir" $command \
            > "$work/out" 2> "$work/err" || status=$?
        [ "$status" -eq 2 ] || fail "'$command' in a held folder ($dir) ended with status $status"
        [ "$(wc -l < "$work/err")" -eq 1 ] || fail "the refusal is not one line"
        grep -q 'another zelvano or zelvano-sim is using the league folder' "$work/err" \
            || fail "'$command' in a held folder ($dir) was refused for another reason: $(cat "$work/err")"
        [ ! -s "$work/out" ] || fail "'$command' in a held folder ($dir) wrote records"
    done
done
cmp "$work/league/Jbball.Jdt" "$work/saved" || fail "the held league was changed"
# Given a relative folder, the refusal names it in full.
(cd "$work" && flock league "$sim" --dir ./league play 1 > /dev/null 2> "$work/err") || true
grep -q "folder $work/league;" "$work/err" || fail "the refusal does not name the full path: $(cat "$work/err")"
[ -z "$(ls -A "$work/empty")" ] || fail "something was created in a held folder"

# show only reads: it works while another program holds the folder, and on a folder nobody may
# write to, and creates nothing.
listing=$(ls -A "$work/league")
flock "$work/league" "$sim" --dir "$work/league" show roster 1 > "$work/out" \
    || fail "show refused a held folder"
[ -s "$work/out" ] || fail "show printed nothing"
[ "$(ls -A "$work/league")" = "$listing" ] || fail "show changed the folder"

"$sim" --seed 1 --dir "$work/league" play 1 > /dev/null || fail "the folder stayed held"
echo "ok"
