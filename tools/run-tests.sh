#!/usr/bin/env bash
# Sets up the machine, builds both targets and runs every test: the portable core natively under
# the sanitizers, then the Windows build (core, adapters, end to end) under Wine.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash tools/setup.sh

cmake --preset native
cmake --build --preset native
ctest --preset native

cmake --preset win64
cmake --build --preset win64

source tools/with-display.sh
trap kolvane_end_display EXIT
kolvane_start_display
ctest --preset win64
