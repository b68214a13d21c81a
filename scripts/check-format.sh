#!/usr/bin/env bash
# Fails when a C++ file of the repository is not as clang-format (the repository's
# .clang-format) would write it, and names the file. With --fix it formats them instead.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
# shellcheck source=scripts/setup-common.sh
source "$root/scripts/setup-common.sh"

fix=0
for argument in "$@"; do
    case $argument in
        --fix) fix=1 ;;
        *) echo "usage: scripts/check-format.sh [--fix]" >&2; exit 2 ;;
    esac
done

# Version 14, the one Debian 12 ships: another version may format the same file differently.
zelvano_install_packages clang-format-14
# Tracked files and new ones not yet added, but nothing the repository ignores (build trees).
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.h' '*.cpp')
if [ "$fix" = 1 ]; then
    clang-format-14 -i "${files[@]}"
    exit 0
fi
clang-format-14 --dry-run --Werror "${files[@]}"
