#!/usr/bin/env bash
# Installs what is missing, builds and starts Zephyrdex with the sample data.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
# Where ./test.sh has built already, its build is reused; otherwise an
# optimised build of only the program and its sample data is made.
preset=release
if [ -f build/dev/build.ninja ]; then
    preset=dev
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" --target zephyrdex sample_data
exec "build/$preset/bin/zephyrdex" "$@"
