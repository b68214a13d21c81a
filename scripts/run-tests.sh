#!/usr/bin/env bash
# Builds everything and runs every test. With ZELVANO_SANITIZE=1 (or --sanitize) it builds in
# build-asan with AddressSanitizer and UndefinedBehaviorSanitizer instead of build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=scripts/setup-common.sh
source "$root/scripts/setup-common.sh"

sanitize=${ZELVANO_SANITIZE:-0}
for argument in "$@"; do
    case $argument in
        --sanitize) sanitize=1 ;;
        *) echo "usage: scripts/run-tests.sh [--sanitize]" >&2; exit 2 ;;
    esac
done

build="$root/build"
options=()
if [ "$sanitize" = 1 ]; then
    build="$root/build-asan"
    # The benchmarks measure nothing useful under the sanitizers.
    options=(-DZELVANO_SANITIZE=ON -DZELVANO_BUILD_BENCH=OFF)
fi

zelvano_install_packages
zelvano_configure "$root" "$build" "${options[@]}"
cmake --build "$build"
jobs=$(nproc 2>/dev/null || echo 2)
# The ten-thousand-season soak (label "soak") is left to: ctest --test-dir build -L soak
ctest --test-dir "$build" --output-on-failure -j "$jobs" -LE soak
