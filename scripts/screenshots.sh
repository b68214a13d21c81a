#!/usr/bin/env bash
# Takes the README's screenshots (docs/screenshots/*.png) of the real game under Xvfb: the opening
# demo, the registration wizard, the batting order, the scoreboard during a game, the information
# window's six tabs, the league's history (a career with his games of a season, one game's page)
# and the results report at the end of a season. The game runs with a throw-away home folder, so
# the player's own league and settings are never touched.
#
#   scripts/screenshots.sh [--language CODE] [OUTPUT_FOLDER]
#
# The game speaks the language given (ja by default; en for English, whose screenshots go to
# docs/screenshots/en); the windows are found by their titles in that language, read from its
# catalogue in po/. ZELVANO_BUILD_DIR names the build folder to use (build by default).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/setup-common.sh
source "$root/scripts/setup-common.sh"

language=ja
if [ "${1:-}" = --language ]; then
    language=${2:?"screenshots: --language takes a language's code"}
    shift 2
fi
if [ "$language" != ja ] && [ ! -f "$root/po/$language.po" ]; then
    echo "screenshots: the game does not speak \"$language\" (no po/$language.po)" >&2
    exit 2
fi
if [ "$language" = ja ]; then
    out=${1:-$root/docs/screenshots}
else
    out=${1:-$root/docs/screenshots/$language}
fi
mkdir -p "$out"
out=$(cd "$out" && pwd)

zelvano_install_packages
zelvano_install_packages xvfb xdotool imagemagick
build=${ZELVANO_BUILD_DIR:-$root/build}
zelvano_configure "$root" "$build" >/dev/null
cmake --build "$build" --target zelvano zelvano-sim zelvano_data

work=$(mktemp -d)
game_pid=""
xvfb_pid=""
cleanup() {
    if [ -n "$game_pid" ]; then kill "$game_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own: Xvfb takes a free number itself and reports it when it is ready, so two
# runs side by side never share (and never end) one display.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
ready=0
for _ in $(seq 200); do
    if grep -q '^[0-9][0-9]*$' "$work/display" 2>/dev/null; then
        DISPLAY=":$(cat "$work/display")"
        export DISPLAY
        if xdotool getmouselocation >/dev/null 2>&1; then
            ready=1
            break
        fi
    fi
    if ! kill -0 "$xvfb_pid" 2>/dev/null; then break; fi
    sleep 0.1
done
if [ "$ready" != 1 ]; then
    echo "screenshots: Xvfb did not start" >&2
    exit 1
fi

# xdotool matches the Japanese titles only in a UTF-8 locale.
export LC_ALL=C.UTF-8
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/Orvane" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# A slow game (about 0.4 s a plate appearance), so that the scoreboard is caught in the middle
# of one; in the language asked for, whatever the desktop's.
printf '[ZelvanoSim]\nZWait=8\nZNext=OFF\nLanguage=%s\n' "$language" >"$XDG_CONFIG_HOME/Orvane/Orvane.ini"

# title TEXT: a window's title as the game shows it in the language: the Japanese itself, or its
# translation in the language's catalogue.
title() {
    if [ "$language" = ja ]; then
        printf '%s' "$1"
        return
    fi
    local translation
    translation=$(msggrep --no-wrap --msgid --regexp="^$1\$" "$root/po/$language.po" |
        sed -n 's/^msgstr "\(..*\)"$/\1/p' | head -n 1)
    printf '%s' "${translation:-$1}"
}
demo_title=$(title "Orvane Opening Demo")
greeting_title=$(title "Zelvano 2004　選手登録ウィザード")
wizard_title=$(title "Zelvano 2002　選手登録ウィザード")
order_title=$(title "打者選考")
info_title=$(title "Zelvano -情報ウィンドウ")
history_title=$(title "Zelvano -リーグの歴史")
report_title=$(title "年間結果報告")

# start_game FOLDER: the game started in FOLDER, as the launcher does.
start_game() {
    (cd "$1" && exec "$build/src/app/zelvano") >"$work/game.log" 2>&1 &
    game_pid=$!
}

stop_game() {
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=""
}

# window TITLE: the id of the visible window with exactly that title, waiting up to 30 s for it.
window() {
    local id
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "screenshots: no window \"$1\" appeared; see $work/game.log" >&2
    cat "$work/game.log" >&2
    return 1
}

# press TITLE KEY: gives the window the keyboard focus and presses the key there.
press() {
    local id
    id=$(window "$1")
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    xdotool key "$2"
}

# shoot WINDOW_ID NAME
shoot() {
    import -window "$1" "$out/$2.png"
    echo "screenshots: $out/$2.png"
}

# 1. The opening demo, with the logo complete and the mascot's last pose; 2. the wizard of a
# first start.
mkdir -p "$work/new-league"
start_game "$work/new-league"
demo=$(window "$demo_title")
sleep 4
shoot "$demo" demo
# The registration greets the player first; Enter answers it.
window "$greeting_title" >/dev/null
sleep 0.5
press "$greeting_title" Return
wizard=$(window "$wizard_title")
sleep 0.5
shoot "$wizard" wizard
stop_game

# 3. The batting order before the first game; 4. the scoreboard during that game.
mkdir -p "$work/league"
# Two seasons played beforehand give the players averages of their own.
"$build/src/app/zelvano-sim" --seed 2004 --dir "$work/league" new >/dev/null
"$build/src/app/zelvano-sim" --seed 2004 --dir "$work/league" play 2 >/dev/null
start_game "$work/league"
order=$(window "$order_title")
sleep 0.5
shoot "$order" batting-order
# Enter presses the suggested, focused player, nine times over.
for _ in $(seq 9); do
    press "$order_title" Return
    sleep 0.3
done
# The scoreboard's caption changes with the game: it is the one window of the game left.
sleep 5
board=$(xdotool search --onlyvisible --class zelvano | head -n 1)
shoot "$board" scoreboard
stop_game

# 5. The information window's six tabs, on a league with a history: twenty seasons give the
# rankings, the hall of fame and the major leagues something to show.
mkdir -p "$work/veteran"
"$build/src/app/zelvano-sim" --seed 1998 --dir "$work/veteran" new >/dev/null
"$build/src/app/zelvano-sim" --seed 1998 --dir "$work/veteran" play 30 >/dev/null
start_game "$work/veteran"
window "$order_title" >/dev/null
for _ in $(seq 9); do
    press "$order_title" Return
    sleep 0.3
done
sleep 2
board=$(xdotool search --onlyvisible --class zelvano | head -n 1)
# The baseball button at the bottom right of the scoreboard (twips 7200, 5040, 615 × 600).
xdotool mousemove --window "$board" 500 356 click 1
info=$(window "$info_title")
sleep 1
for tab in 0 1 2 3 4 5; do
    if [ "$tab" = 1 ]; then
        # The rankings list is built when its button is pressed: 「打率５０傑」.
        xdotool mousemove --window "$info" 74 340 click 1
        sleep 4
    fi
    shoot "$info" "info-tab-$tab"
    press "$info_title" ctrl+Tab
    sleep 1
done
# The league's history, thirty seasons old: the best average's career (the first line of
# 「打率５０傑」, then 「この選手の歩み」) with his games of a season and one of those games, the
# chart of the three team averages, the champions.
press "$info_title" ctrl+Tab
sleep 1
xdotool mousemove --window "$info" 100 104 click 1
sleep 0.5
xdotool mousemove --window "$info" 450 72 click 1
history=$(window "$history_title")
sleep 1
shoot "$history" history-career
# His games of his first season, when he played every game (later he sat out most): Alt+Y
# reaches the year box, Home picks the first year. Tab goes on to his games and Enter opens the
# first; Backspace comes back to the career.
press "$history_title" alt+y
sleep 0.5
press "$history_title" Home
sleep 1
press "$history_title" Tab
sleep 0.5
shoot "$history" history-game-log
press "$history_title" Return
sleep 1
shoot "$history" history-game
press "$history_title" BackSpace
sleep 0.5
for name in history-records history-chart history-champions; do
    press "$history_title" ctrl+Tab
    sleep 1
    [ "$name" = history-records ] || shoot "$history" "$name"
done
stop_game

# 6. The results report at the end of a season, played without a pause between plate
# appearances: Enter picks the batters and presses 「次へ」 after every game.
printf '[ZelvanoSim]\nZNext=OFF\nLanguage=%s\n' "$language" >"$XDG_CONFIG_HOME/Orvane/Orvane.ini"
start_game "$work/league"
report=""
for _ in $(seq 600); do
    report=$(xdotool search --onlyvisible --name "^$report_title\$" 2>/dev/null | head -n 1 || true)
    [ -n "$report" ] && break
    order=$(xdotool search --onlyvisible --name "^$order_title\$" 2>/dev/null | head -n 1 || true)
    target=${order:-$(xdotool search --onlyvisible --class zelvano 2>/dev/null | head -n 1 || true)}
    if [ -n "$target" ]; then
        xdotool windowfocus "$target" 2>/dev/null || true
        xdotool key Return 2>/dev/null || true
    fi
    sleep 0.3
done
if [ -z "$report" ]; then
    echo "screenshots: the season did not end; see $work/game.log" >&2
    exit 1
fi
sleep 1
shoot "$report" report
stop_game
