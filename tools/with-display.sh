# Sourced by the scripts that run Windows programs: gives them a display and one Wine server for
# the whole run. With no display a private Xvfb is started; both are ended by kolvane_end_display.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

kolvane_xvfb_pid=""

kolvane_start_display() {
  if [[ -z ${DISPLAY:-} ]]; then
    local number
    for number in $(seq 90 130); do
      [[ -e /tmp/.X$number-lock || -e /tmp/.X11-unix/X$number ]] && continue
      Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
      kolvane_xvfb_pid=$!
      export DISPLAY=":$number"
      local tries
      for tries in $(seq 50); do
        [[ -e /tmp/.X11-unix/X$number ]] && break
        sleep 0.1
      done
      echo "display: no display found, using a private Xvfb on $DISPLAY"
      break
    done
  fi
  "$kolvane_root/tools/wine-prefix.sh"
  # One persistent Wine server for the run: each Windows program then starts in milliseconds.
  "$kolvane_wineserver" -p
  # Start Wine's own services and desktop now, detached from our output: started later by a test,
  # they would inherit its output pipe and keep CTest waiting after the test ended.
  "$kolvane_wine" wineboot </dev/null >/dev/null 2>&1
  # A private Xvfb has no window manager, and Wine waits two seconds for one whenever a managed
  # window closes; unmanaged windows close at once. On a real desktop the manager answers.
  if [[ -n $kolvane_xvfb_pid ]]; then
    "$kolvane_wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  else
    "$kolvane_wine" reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f </dev/null >/dev/null 2>&1 || true
  fi
}

kolvane_end_display() {
  "$kolvane_wineserver" -k 2>/dev/null || true
  if [[ -n $kolvane_xvfb_pid ]]; then
    kill "$kolvane_xvfb_pid" 2>/dev/null || true
    wait "$kolvane_xvfb_pid" 2>/dev/null || true
  fi
}
