#!/usr/bin/env bash
# Runs a Windows executable under Wine in the project's prefix. Without a display it runs on a
# private Xvfb, since windows cannot exist without one. CTest runs the Windows tests through here.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

"$kolvane_root/tools/wine-prefix.sh"
if [[ -n ${DISPLAY:-} ]]; then
  exec "$kolvane_wine" "$@"
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" "$kolvane_wine" "$@"
