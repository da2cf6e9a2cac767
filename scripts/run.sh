#!/usr/bin/env bash
# Installs, builds and starts the program on its embedded default database.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/build.sh"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "没有图形显示 (no display). The embedded database:"
  "$top/build/src/zokamo-cli" info
  echo
  echo "启动窗口 / to open the window without a display:"
  echo "  xvfb-run -a -s '-screen 0 1280x800x24' $top/build/src/zokamo"
  exit 0
fi
exec "$top/build/src/zokamo"
