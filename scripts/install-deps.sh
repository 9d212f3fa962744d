#!/usr/bin/env bash
# Installs the Debian packages the build needs, skipping those already installed. `--tests` adds what the
# tests and the package check run (the assemblers that build exported source back, the desktop-file and
# AppStream validators, dpkg-shlibdeps, lintian, the MIME and desktop databases, xdg-mime, ImageMagick for the
# scalable icon, file and xmllint); any other arguments are further packages to install. The fuzzing
# compiler is not among them: scripts/fuzz.sh, which alone needs it, asks for it.
set -euo pipefail

packages=(cmake g++ ninja-build pkg-config qt6-base-dev libpng-dev libjpeg-dev libgtest-dev)
test_packages=(acme cc65 64tass gcc desktop-file-utils appstream dpkg-dev lintian shared-mime-info xdg-utils
               imagemagick file libxml2-utils)
for arg in "$@"; do
  if [[ $arg == --tests ]]; then packages+=("${test_packages[@]}"); else packages+=("$arg"); fi
done

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
