#!/usr/bin/env bash
# Builds the game if needed and starts it in the league folder,
# $XDG_DATA_HOME/zelvano (~/.local/share/zelvano by default).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/setup-common.sh
source "$root/scripts/setup-common.sh"

zelvano_install_packages
zelvano_configure "$root" "$root/build" >/dev/null
cmake --build "$root/build" --target zelvano

league_folder="${XDG_DATA_HOME:-$HOME/.local/share}/zelvano"
mkdir -p "$league_folder"
cd "$league_folder"
exec "$root/build/src/app/zelvano" "$@"
