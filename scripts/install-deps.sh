#!/usr/bin/env bash
# Installs what building, running and testing Kestrin needs on Debian 12,
# only where it is missing.
set -euo pipefail
packages=(build-essential cmake ccache qt6-base-dev qt6-pdf-dev qt6-svg-dev libgl-dev
          libgif-dev libgtest-dev libgmock-dev libbenchmark-dev clang-format clang-tidy
          xvfb xauth poppler-utils)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
