#!/usr/bin/env bash
# Creates the project's Wine prefix once (about ten seconds); later calls return at once.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

[[ -f $WINEPREFIX/system.reg ]] && exit 0
mkdir -p "$(dirname "$WINEPREFIX")"
exec 9>"$WINEPREFIX.lock"
flock 9
[[ -f $WINEPREFIX/system.reg ]] && exit 0

echo "setup: creating the Wine prefix $WINEPREFIX"
rm -rf "$WINEPREFIX"
if [[ -n ${DISPLAY:-} ]]; then
  "$kolvane_wine" wineboot -i >/dev/null 2>&1
else
  xvfb-run -a "$kolvane_wine" wineboot -i >/dev/null 2>&1
fi
"$kolvane_wineserver" -w
[[ -f $WINEPREFIX/system.reg ]] || { echo "setup: wineboot did not create $WINEPREFIX" >&2; exit 1; }
