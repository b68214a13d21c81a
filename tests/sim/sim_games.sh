#!/usr/bin/env bash
# zelvano-sim's views of the games the history kept: every game's box score is the game play
# printed and adds up; a player's games of a season add up to his season in show career; the
# single-game records and the milestones are those of the games shown; a wrong argument is a
# usage error, and what the history does not hold prints nothing.
set -euo pipefail
sim="$1"
old_history="$(dirname "$0")/../data/history-v1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
show() { "$sim" --dir "$work/a" show "$@"; }

seasons=12
mkdir "$work/a"
"$sim" --seed 5 --dir "$work/a" new > /dev/null
"$sim" --seed 5 --dir "$work/a" play "$seasons" > "$work/play"
for year in $(seq 1 "$seasons"); do
    for game in $(seq 1 12); do show game "$year" "$game"; done
done > "$work/games"

# The game line, without the hits and the end the box adds, is the one play printed.
cmp <(grep $'^game\t' "$work/play") <(grep $'^game\t' "$work/games" | cut -f 1-7,10,11) \
    || fail "show game differs from the games play printed"

# Each side's runs are its innings', its hits its batters'; side 1 batted every inning.
awk -F '\t' '
function bad(what) { print "FAIL: game " year " " number ": " what > "/dev/stderr"; failed = 1 }
function check(   side) {
    if (year == "") return
    if (lines != 2 || batters != 18) bad(lines " line and " batters " batter records")
    for (side = 1; side <= 2; side++) {
        if (inningRuns[side] != runs[side]) bad("side " side " innings do not add to its runs")
        if (batterHits[side] != hits[side]) bad("side " side " batters do not add to its hits")
    }
    if (inningsOf[1] != innings || inningsOf[2] < innings - 1 || inningsOf[2] > innings)
        bad("the line scores do not span " innings " innings")
}
$1 == "game" {
    check()
    year = $2; number = $3; team[1] = $4; team[2] = $5; runs[1] = $6; runs[2] = $7
    hits[1] = $8; hits[2] = $9; innings = $10; lines = batters = 0
    split("", inningRuns); split("", batterHits); split("", inningsOf)
    if ($12 !~ /^(decided|limit|nohitters)$/) bad("ended \"" $12 "\"")
}
$1 == "line" {
    lines++
    inningsOf[$2] = NF - 4
    if ($3 != team[$2]) bad("side " $2 " is team " $3 ", not " team[$2])
    for (i = 5; i <= NF; i++) inningRuns[$2] += $i
}
$1 == "batter" {
    batters++
    batterHits[$2] += $8
    if ($8 > $7) bad("a batter with more hits than at-bats")
}
END { check(); exit failed }' "$work/games" || fail "a box score does not add up"

# The latest season's games (no year given) and an earlier season's add up to the season lines.
for team in 1 2 3; do
    for slot in $(seq 1 30); do
        show career "$team" "$slot" > "$work/career"
        for year in "" 7; do
            # shellcheck disable=SC2086  # no year: the latest season
            show gamelog "$team" "$slot" $year > "$work/log"
            summed=$(awk -F '\t' '{ h += $8; ab += $7 } END { print h + 0, ab + 0 }' "$work/log")
            season=$(awk -F '\t' -v year="${year:-$seasons}" \
                '$1 == "season" && $2 == year { h += $4; ab += $5 } END { print h + 0, ab + 0 }' \
                "$work/career")
            [ "$summed" = "$season" ] || fail "gamelog $team $slot $year adds to $summed, not $season"
            cat "$work/log" >> "$work/logs"
        done
    done
done
# Each line is the game's: the teams, their runs, who won.
awk -F '\t' '
FNR == NR && $1 == "game" { game[$2, $3] = $4 FS $5 FS $6 FS $7; next }
FNR == NR { next }
{
    split(game[$2, $3], g, FS)
    side = $4 == g[1] ? 1 : 2
    if ($4 != g[side] || $5 != g[3 - side] || $9 != g[2 + side] || $10 != g[5 - side] ||
        ($9 != $10 && $11 != ($9 > $10))) {
        print "FAIL: gamelog line " $0 " is not game " game[$2, $3] > "/dev/stderr"; exit 1
    }
}' "$work/games" "$work/logs" || fail "a gamelog line differs from its game"

# Each single-game record is its game's; which games are the best is the reader's to test.
show records > "$work/records"
awk -F '\t' '
FNR == NR && $1 == "game" {
    y = $2; n = $3; innings[y, n] = $10
    score[y, n, $4] = $6 FS $7; score[y, n, $5] = $7 FS $6; hits[y, n, $4] = $8; hits[y, n, $5] = $9
    next
}
FNR == NR && $1 == "batter" { batter[y, n, $4, $8] = 1 }
FNR == NR { next }
$1 !~ /^(gamehits|gameruns|margin|innings|nohitter|shutouts|shutout)$/ { next }
{ ok = $1 == "shutouts" }
$1 == "gamehits" { ok = ($3, $4, $6, $8) in batter }
$1 == "gameruns" { ok = score[$3, $4, $5] == $7 FS $8 }
$1 == "margin" { ok = score[$3, $4, $5] == $8 FS $9 && $7 == $8 - $9 }
$1 == "innings" { ok = score[$3, $4, $5] == $8 FS $9 && $7 == innings[$3, $4] }
$1 == "nohitter" { ok = score[$2, $3, $4] == $6 FS $7 && hits[$2, $3, $4] == 0 }
$1 == "shutout" { ok = score[$2, $3, $4] == $6 FS $7 && $6 == 0 }
!ok { print "FAIL: " $0 " is not its game" > "/dev/stderr"; failed = 1 }
END { exit failed || FNR < 40 }' "$work/games" "$work/records" \
    || fail "show records' single games differ from the games"

# A year's milestones are its part of all of them; a player's is reached in a game he hit in.
show milestones > "$work/milestones"
for year in $(seq 1 "$seasons"); do
    cmp <(show milestones "$year") <(awk -F '\t' -v year="$year" '$2 == year' "$work/milestones") \
        || fail "show milestones $year is not that year's part of all of them"
done
grep -q $'\thits\t' "$work/milestones" || fail "no career hit milestone in $seasons seasons"
awk -F '\t' '
FNR == NR && $1 == "game" { game = $2 FS $3 }
FNR == NR && $1 == "batter" && $8 > 0 { hitIn[game, $4] = 1 }
FNR == NR { next }
$4 != "title_run" && !(($2 FS $3, $6) in hitIn) { print "FAIL: " $0 > "/dev/stderr"; exit 1 }
' "$work/games" "$work/milestones" || fail "a milestone is told of a game the player had no hit in"

# Wrong arguments are usage errors.
for arguments in "game 0 1" "game 1 13" "game 1" "game 1 1 1" "gamelog 4 1" "gamelog 1 31" \
    "gamelog 1 1 0" "gamelog 1" "milestones 0" "milestones 1 2"; do
    # shellcheck disable=SC2086  # the arguments' words
    if show $arguments > /dev/null 2> "$work/error"; then fail "show $arguments was taken"; fi
    grep -q '^usage:' "$work/error" || fail "show $arguments printed no usage"
done

# A year the history does not hold: nothing. No history at all: nothing.
after=$((seasons + 1))
for view in "game $after 1" "gamelog 1 1 $after" "milestones $after"; do
    # shellcheck disable=SC2086  # the view's words
    [ -z "$(show $view)" ] || fail "show $view printed a year beyond the league"
done
mkdir "$work/b"
cp "$work/a/Jbball.Jdt" "$work/b/"
for view in "game 1 1" "gamelog 1 1" records milestones; do
    # shellcheck disable=SC2086  # the view's words
    [ -z "$("$sim" --dir "$work/b" show $view)" ] || fail "show $view printed without a history"
done

# A game kept before box scores: what is known, and the mark that there is no box.
mkdir "$work/old"
cp "$old_history/Jbball.Jdt" "$old_history/JBBall.Mei" "$old_history/history.sqlite" "$work/old/"
"$sim" --dir "$work/old" show game 14 3 > "$work/old-game"
[ "$(cut -f 1-3,8,9,12 "$work/old-game" | head -n 1)" = $'game\t14\t3\t\t\t' ] \
    || fail "an old game shows hits or an end"
[ "$(tail -n +2 "$work/old-game")" = $'nobox\t14\t3' ] || fail "an old game is not marked nobox"
echo "ok"
