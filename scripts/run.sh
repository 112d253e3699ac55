#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
if [ -x build/default/app/velomark ]; then
    exec build/default/app/velomark "$@"
fi
echo "The desktop program is not built yet; run scripts/test.sh for the calculators' tests."
