#!/usr/bin/env bash
# Building only the game's target, as scripts/run-game.sh does, also puts its opening sound where
# the game looks for it (share/zelvano beside the program's folder).
set -euo pipefail
build="$1"
game="$2"
sound="$(dirname "$game")/../share/zelvano/ORDEMO.WAV"
rm -f "$sound"
cmake --build "$build" --target zelvano > /dev/null
[ -s "$sound" ] || { echo "FAIL: building the game left no $sound" >&2; exit 1; }
echo ok
