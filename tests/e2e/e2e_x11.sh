#!/usr/bin/env bash
# The real game in a real X server: a new league through the wizard, a whole season through the
# batting-order window, "次へ", the results report and the season end, the year question, and
# the files it leaves. On the way it measures the processor time the game takes while it waits
# for the player, and keeps screenshots. Skips (77) where Xvfb and its tools are not installed.
set -uo pipefail
game=$(realpath "$1")
# The window titles are UTF-8, whatever locale the caller runs in.
export LC_ALL=C.UTF-8
unset LANGUAGE
# In the sanitizer build the desktop platform's own libraries hold memory until the end.
export LSAN_OPTIONS="suppressions=$(dirname "$(realpath "$0")")/lsan-system-libraries.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
for tool in Xvfb openbox xdotool import; do
    command -v "$tool" > /dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
shots="${ZELVANO_E2E_SHOTS:-$work/shots}"
mkdir -p "$shots" "$work/home/.config/Orvane" "$work/league"
# No pause between plate appearances; no automatic advance.
printf '[ZelvanoSim]\nZWait=0\nZNext=OFF\n' > "$work/home/.config/Orvane/Orvane.ini"
pids=()
cleanup() { kill "${pids[@]}" 2> /dev/null; wait 2> /dev/null; rm -rf "$work"; }
trap cleanup EXIT
trap "exit 1" TERM
fail() {
    echo "FAIL: $*" >&2
    import -window root "$shots/failure.png" 2> /dev/null
    cat "$work/game.log" >&2 2> /dev/null
    kill -TERM $$  # also from inside $(...)
    exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 3> "$work/display" 2> /dev/null &
pids+=($!)
# Every wait polls for what it waits for, up to a generous limit: a busy machine is slow, not broken.
deadline=$((SECONDS + 60))
while [ $SECONDS -lt $deadline ] && [ ! -s "$work/display" ]; do sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
openbox > /dev/null 2>&1 &
pids+=($!)

cd "$work/league"
# On this X server, whatever platform or desktop the caller's own session would choose; its
# settings and caches in the test's home alone.
env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" XDG_CACHE_HOME="$work/home/.cache" \
    "$game" > "$work/game.log" 2>&1 &
game_pid=$!
pids+=($game_pid)

# The newest visible window whose title is exactly $1, waited for up to $2 seconds.
window() {
    local deadline=$((SECONDS + ${2:-120})) id
    while [ $SECONDS -lt $deadline ]; do
        kill -0 $game_pid 2> /dev/null || fail "the game ended while waiting for '$1'"
        id=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | tail -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    fail "no window '$1' within ${2:-120} s"
}
focused() { xdotool getactivewindow getwindowname 2> /dev/null; }
# The width of a window, to tell the batting-order window from a dialog of the same title.
width() { xdotool getwindowgeometry "$1" | awk '/Geometry/ { split($2, a, "x"); print a[1] }'; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.05; }
shot() { import -window root "$shots/$1.png" 2> /dev/null; }
# After acting on window $1, waits until it has gone, so that no key reaches the next one.
gone() {
    local deadline=$((SECONDS + 60))
    while [ $SECONDS -lt $deadline ]; do
        xdotool getwindowname "$1" > /dev/null 2>&1 || return 0
        [ "$(xdotool getactivewindow 2> /dev/null)" != "$1" ] && return 0
        sleep 0.05
    done
    fail "window '$(xdotool getwindowname "$1" 2> /dev/null)' did not go"
}
# Processor time of the game in clock ticks (user + system).
ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
idle_check() {
    local before after hz
    hz=$(getconf CLK_TCK)
    before=$(ticks); sleep 10; after=$(ticks)
    # Under 1 % of one core over 10 seconds: less than a tenth of a second of processor time.
    [ $(((after - before) * 100)) -lt $((hz * 10)) ] || fail "$1: $((after - before)) ticks in 10 s"
    echo "idle at $1: $((after - before)) of $((hz * 10)) ticks allowed"
}

# The demo, then the wizard's greeting.
wizard_title="Zelvano 2004　選手登録ウィザード"
id=$(window "$wizard_title" 180)
shot 01-greeting
xdotool windowactivate --sync "$id"; xdotool key Return
form=$(window "Zelvano 2002　選手登録ウィザード")
shot 02-wizard
for entry in $(seq 0 89); do
    team=$((entry / 30 + 1))
    xdotool windowactivate --sync "$form" 2> /dev/null
    click "$form" 200 20; xdotool key ctrl+a; xdotool type "Team$team"
    click "$form" 200 60; xdotool key ctrl+a; xdotool type "P$((entry + 1))"
    click "$form" 380 100
done
# The closing message of the wizard.
deadline=$((SECONDS + 120))
while [ $SECONDS -lt $deadline ]; do
    [ "$(focused)" = "$wizard_title" ] && break
    sleep 0.1
done
[ "$(focused)" = "$wizard_title" ] || fail "the wizard did not end with its message"
xdotool key Return
[ -e Jbball.Jdt ] || fail "the new league was not saved"

orders=0; idle_order=0; idle_next=0
deadline=$((SECONDS + 900))
while [ $SECONDS -lt $deadline ]; do
    kill -0 $game_pid 2> /dev/null || fail "the game ended in the season"
    name=$(focused)
    id=$(xdotool getactivewindow 2> /dev/null)
    case "$name" in
        打者選考)
            orders=$((orders + 1))
            if [ $idle_order = 0 ]; then shot 03-batting-order; idle_check "the batting order"; idle_order=1; fi
            click "$id" 500 375; click "$id" 390 375  # sort, then the best order
            gone "$id" ;;
        "Zelvano 2004")
            shot 06-year-question
            xdotool key alt+n
            gone "$id"
            break ;;
        年間結果報告) shot 05-report; xdotool key Return; gone "$id" ;;
        Zelvano／新人登録)
            if [ "$(width "$id")" -gt 500 ]; then click "$id" 20 90; else xdotool type "Rookie"; xdotool key Return; fi
            gone "$id" ;;
        "") xdotool windowactivate "$(xdotool search --onlyvisible --class zelvano | tail -n 1)" 2> /dev/null ;;
        *)
            if [ "$(width "$id")" -lt 500 ]; then
                xdotool key Return  # a message of the season end
                gone "$id"
            else
                # The scoreboard: Enter presses "次へ", which takes the focus when the game is over.
                if [ $idle_next = 0 ]; then sleep 1; shot 04-scoreboard; idle_check "次へ"; idle_next=1; fi
                xdotool key Return
                sleep 0.2
            fi ;;
    esac
    sleep 0.1
done
[ $orders -ge 8 ] || fail "only $orders batting orders"

# The hall of fame (if any) and the goodbye; then the game ends by itself.
deadline=$((SECONDS + 120))
while [ $SECONDS -lt $deadline ]; do
    kill -0 $game_pid 2> /dev/null || break
    id=$(xdotool getactivewindow 2> /dev/null) && { xdotool key Return; gone "$id"; }
    sleep 0.2
done
kill -0 $game_pid 2> /dev/null && fail "the game did not end after the goodbye"
wait $game_pid || fail "the game ended with status $?"

# The files: the league of year 1, its history, and nothing a save left behind (the history's
# log goes when the game ends).
head -c 3 Jbball.Jdt | grep -q '^ 1 ' || fail "the saved league is not in year 1"
[ -s history.sqlite ] || fail "the season's history was not kept"
leftovers=$(ls -A | grep -v -x -e Jbball.Jdt -e JBBall.Mei -e history.sqlite || true)
[ -z "$leftovers" ] || fail "left in the league folder: $leftovers"
echo "ok: $orders batting orders, the season end and the year question"
