#!/usr/bin/env bash
# Installs what is missing, builds and starts Zephyrdex with the sample data.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh
cmake --preset release >/dev/null
# Only the program and its sample data; the tests are ./test.sh's.
cmake --build --preset release -j "$(nproc)" --target zephyrdex sample_data
exec build/release/bin/zephyrdex "$@"
