#!/usr/bin/env bash
# Builds the calculator for Windows and runs it under Wine. On a machine
# without a display it runs on a private X display and saves a screenshot.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
build=$root/build

bash scripts/setup.sh
mkdir -p "$build"
cmake --preset win32 >"$build/configure-win32.log"
cmake --build --preset win32 --target velorin-calc >"$build/build-win32.log"

# The bundled copy of the maker's web site, on the address the program is
# built for, so that the program works offline.
python3 -m http.server 8936 --bind 127.0.0.1 --directory site >/dev/null 2>&1 &
site_pid=$!
trap 'kill $site_pid 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  (exec 3<>/dev/tcp/127.0.0.1/8936) 2>/dev/null && break
  sleep 0.1
done

source tests/wine/session.sh
if [ -n "${DISPLAY:-}" ]; then
  wine_environment "$build/wine"
  wine_prefix_create
  wine build/win32/app/velorin-calc.exe
else
  wine_session_start "$build/wine"
  trap 'wine_session_stop; kill $site_pid 2>/dev/null || true' EXIT
  echo "No display: running on the private display $DISPLAY."
  wine build/win32/app/velorin-calc.exe &
  app_pid=$!
  sleep 8
  wine_screenshot "$build/run.png"
  echo "Screenshot saved to build/run.png; close the program or press Ctrl+C to end."
  wait "$app_pid"
fi
