#!/usr/bin/env bash
# zelvano-sim with a seed is reproducible: the same files, seed and build give the same output and
# the same league file. Also checks the records of a hundred seasons and the refusals.
set -euo pipefail
sim="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for run in a b; do
    mkdir "$work/$run"
    "$sim" --seed 1 --dir "$work/$run" new > "$work/$run.new"
    "$sim" --seed 1 --dir "$work/$run" play 100 > "$work/$run.out"
done
cmp "$work/a.out" "$work/b.out"
cmp "$work/a/Jbball.Jdt" "$work/b/Jbball.Jdt"

fail() { echo "FAIL: $*" >&2; exit 1; }
games=$(grep -c '^game	' "$work/a.out")
seasons=$(grep -c '^season	' "$work/a.out")
[ "$games" -eq 1200 ] || fail "expected 1200 game records, got $games"
[ "$seasons" -eq 100 ] || fail "expected 100 season records, got $seasons"
# Every game record: year, 1..12, two different teams, runs that differ, at least nine innings.
awk -F'\t' '$1 == "game" {
    if (NF != 9 || $3 < 1 || $3 > 12 || $4 == $5 || $6 == $7 || $8 < 9) { print "bad record: " $0; exit 1 }
}' "$work/a.out" || fail "malformed game record"
# The last question is the one answered no, then the hall of fame's pages, then the goodbye.
grep '^question' "$work/a.out" | tail -n 1 | grep -q $'^question\tZelvano 2004\t101年目に進みますか？\tno$' \
    || fail "the 100th season did not end with the year question answered no"
sed -n '/101年目に進みますか/,$p' "$work/a.out" | sed '1d;$d' | grep -qv $'^message\tZelvano／名球会会員一覧\t' \
    && fail "something other than the hall of fame between the last question and the goodbye"
tail -n 1 "$work/a.out" | grep -q $'^message\tZelvano／終了\t' || fail "no goodbye"
# Year 1 of the saved league file is 100 now.
head -c 7 "$work/a/Jbball.Jdt" | grep -q '^ 100 ' || fail "the saved year is not 100"

# Refusals: an existing league is never overwritten, play needs a league, bad arguments.
if "$sim" --dir "$work/a" new > /dev/null 2> "$work/err"; then fail "new overwrote a league"; fi
[ "$(wc -l < "$work/err")" -eq 1 ] || fail "the error is not one line"
mkdir "$work/empty"
if "$sim" --dir "$work/empty" play 1 > /dev/null 2>&1; then fail "play without a league succeeded"; fi
if "$sim" --seed x play 1 > /dev/null 2>&1; then fail "a bad seed was accepted"; fi
head -c 100 "$work/a/Jbball.Jdt" > "$work/empty/JBBALL.JDT"
if "$sim" --dir "$work/empty" play 1 > /dev/null 2> "$work/err"; then fail "a damaged league was played"; fi
grep -q 'line' "$work/err" || fail "the damage report does not name the line"
# The information window's views, and the usage.
[ "$("$sim" --dir "$work/a" show roster 2 | wc -l)" -eq 31 ] || fail "show roster is not a title and 30 lines"
# (Into a file first: a reader that stops early would cut the program off with SIGPIPE.)
"$sim" --dir "$work/a" show ranking 1 > "$work/view"
head -n 1 "$work/view" | grep -qx '安打５０傑' || fail "show ranking has no title"
"$sim" --dir "$work/a" show halloffame | tail -n 1 | grep -q '^現在' || fail "show halloffame has no count"
"$sim" --help > "$work/view"
grep -q 'show personal' "$work/view" || fail "--help does not list every command"
if "$sim" show nothing > /dev/null 2> "$work/err"; then fail "a wrong view was accepted"; fi
grep -q '^usage:' "$work/err" || fail "a wrong argument does not print the usage"
echo "ok"
