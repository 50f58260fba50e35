#!/usr/bin/env bash
# Sets up the machine, builds Kolvane for Windows and runs it under Wine. Its window opens on the
# current display, or on a private Xvfb when there is none.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

bash tools/setup.sh
cmake --preset win64
cmake --build --preset win64 --target kolvane

source tools/with-display.sh
trap kolvane_end_display EXIT
kolvane_start_display
echo "kolvane: starting build/win64/bin/kolvane.exe on display $DISPLAY (close its window to end)"
"$kolvane_wine" build/win64/bin/kolvane.exe "$@"
