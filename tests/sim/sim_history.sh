#!/usr/bin/env bash
# zelvano-sim's history: show history gives back the season and report records play printed;
# every season has its three trades; show reads without creating or changing a file, also while
# a league is being played in the folder; a folder without a history shows nothing.
set -euo pipefail
sim="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir "$work/a"
"$sim" --seed 3 --dir "$work/a" new > /dev/null
"$sim" --seed 3 --dir "$work/a" play 30 > "$work/play"
grep -E $'^(season|report)\t' "$work/play" > "$work/expected"
listing() { (cd "$1" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing "$work/a")
"$sim" --dir "$work/a" show history > "$work/shown"
cmp "$work/expected" "$work/shown" || fail "show history differs from the records play printed"
[ "$(grep -c $'^trade\t' <("$sim" --dir "$work/a" show transactions))" -eq 90 ] \
    || fail "not three trades a season"
[ "$(grep -c $'^trade\t7\t' <("$sim" --dir "$work/a" show transactions 7))" -eq 3 ] \
    || fail "show transactions 7 is not the three trades of year 7"
"$sim" --dir "$work/a" show career 2 5 > "$work/career"
head -n 1 "$work/career" | grep -q $'^start\t0\t' || fail "a founding player's career does not start at year 0"
"$sim" --dir "$work/a" show records > "$work/records"
[ "$(grep -c $'^titles\t' "$work/records")" -eq 3 ] || fail "show records has no titles of each team"
[ "$before" = "$(listing "$work/a")" ] || fail "show changed the folder"

# While a league is played in the folder, show still reads whole seasons.
"$sim" --seed 4 --dir "$work/a" play 300 > /dev/null &
player=$!
for _ in 1 2 3 4 5 6 7 8 9 10; do
    "$sim" --dir "$work/a" show history > "$work/shown" || fail "show failed while a game played"
    [ $(( $(wc -l < "$work/shown") % 2 )) -eq 0 ] || fail "show read half a season"
done
wait "$player"

# No history: nothing shown, nothing created.
mkdir "$work/b"
cp "$work/a/Jbball.Jdt" "$work/b/"
for view in history transactions records "career 1 1"; do
    # shellcheck disable=SC2086  # the view's words
    [ -z "$("$sim" --dir "$work/b" show $view)" ] || fail "show $view printed something without a history"
done
[ "$(ls -A "$work/b")" = "Jbball.Jdt" ] || fail "show created a file"
echo "ok"
