#!/usr/bin/env bash
# Sets everything up, builds the program and starts the calculator window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
if [ -x build/bin/moneycalc ]; then
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<'MESSAGE'
Built, but there is no display: the calculator window needs a graphical session.
  From a desktop session (X11, or Wayland with XWayland) run:  build/bin/moneycalc
  On a machine without a screen, a virtual display works:     xvfb-run -a build/bin/moneycalc
The command-line calculator works anywhere, display or not:   build/bin/moneycalc-cli '(1000*3)-(100-3)*3/2'
MESSAGE
    exit 1
  fi
  exec build/bin/moneycalc
fi
echo "The window is not built; starting the command-line calculator (one expression per line, Ctrl+D ends)."
exec build/bin/moneycalc-cli
