# Sourced by the Wine scripts: where Wine is and which prefix the project uses.
kolvane_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${KOLVANE_WINEPREFIX:-$kolvane_root/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko install prompts in a fresh prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export WINEARCH=win64
kolvane_wine=/usr/lib/wine/wine64
kolvane_wineserver=/usr/lib/wine/wineserver
