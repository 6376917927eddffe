#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop program. With no
# display it says so and sizes the example project files with kestrin-size.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/release/app/kestrin
fi
echo "No display found: sizing the example projects with kestrin-size instead."
exec build/release/cli/kestrin-size examples/*.kst
