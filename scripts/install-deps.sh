#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the package check need, skipping those already
# installed; packages named as arguments are installed too. The fuzzing compiler is not among them:
# scripts/fuzz.sh, which alone needs it, asks for it.
set -euo pipefail

packages=(cmake g++ ninja-build pkg-config qt6-base-dev libpng-dev libjpeg-dev libgtest-dev
          xvfb xauth desktop-file-utils appstream dpkg-dev
          acme cc65 64tass gcc)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi
