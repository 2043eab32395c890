#!/usr/bin/env bash
# Installs what building, testing and running need on a fresh Debian machine.
set -euo pipefail
packages=(
  g++ cmake ninja-build
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev
  python3 python3-ezdxf python3-vtk9
  libopenblas-dev liblapack-dev
  xvfb xauth
  dpkg-dev file desktop-file-utils
  locales-all
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo_cmd=(); [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
