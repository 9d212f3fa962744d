#!/usr/bin/env bash
# Checks what a packager gets: installs the build into an empty tree and looks for every file a desktop
# installation needs, validates the desktop entry and the AppStream metainfo, then builds the Debian
# package, unpacks it into a fresh tree and runs the editor from there.
#   scripts/check-install.sh [BUILD_DIR]     default build/, which must be configured
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
id=io.github.kestrelix.Kestrelix
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "check-install: FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --build "$build" >/dev/null

# The width and height a PNG file's header gives, as "WxH".
png_size() {
  local w h
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$1")
  echo "${w}x${h}"
}

# Every file the installed tree under $1 (the prefix) must hold.
check_tree() {
  local prefix=$1 what=$2 f
  local expected=(bin/kestrelix bin/kestrelix-cli "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
                  share/man/man1/kestrelix.1 share/man/man1/kestrelix-cli.1 share/doc/kestrelix/changelog.txt
                  share/doc/kestrelix/LICENSE share/doc/kestrelix/NOTICE share/doc/kestrelix/manual/index.html)
  for f in docs/manual/*; do expected+=("share/doc/kestrelix/manual/${f#docs/manual/}"); done
  for f in "${expected[@]}"; do [[ -f $prefix/$f ]] || fail "$what: no $f"; done
  for size in 16 32 48 64 128 256; do
    f=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [[ ! -f $f ]]; then fail "$what: no ${size}px icon"; continue; fi
    [[ $(png_size "$f") == "${size}x${size}" ]] || fail "$what: the ${size}px icon is $(png_size "$f")"
  done
}

# cmake --install into a temporary root.
DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
prefix=$work/root/usr
check_tree "$prefix" "cmake --install"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
version=$("$prefix/bin/kestrelix" --version) || fail "the installed kestrelix --version"
release=$(grep -o '<release version="[^"]*"' "$prefix/share/metainfo/$id.metainfo.xml" | cut -d'"' -f2)
[[ $version == "kestrelix $release" ]] || fail "the metainfo names release '$release', the program says '$version'"

# The Debian package, unpacked as dpkg would place it, without installing it.
cpack -G DEB -B "$work/deb" --config "$build/CPackConfig.cmake" >/dev/null || fail "cpack -G DEB"
debs=("$work"/deb/*.deb)
if [[ -f ${debs[0]} ]]; then
  deb=${debs[0]}
  depends=$(dpkg-deb -f "$deb" Depends)
  for lib in libqt6widgets6 libqt6gui6 libqt6core6 libpng16-16 libjpeg62-turbo libc6 libstdc++6; do
    [[ $depends == *"$lib"* ]] || fail "the package does not depend on $lib: $depends"
  done
  dpkg -x "$deb" "$work/unpacked"
  check_tree "$work/unpacked/usr" "the .deb"
  unpacked_version=$("$work/unpacked/usr/bin/kestrelix" --version) || fail "kestrelix --version from the .deb"
  [[ $unpacked_version == "$version" ]] || fail "the .deb's kestrelix says '$unpacked_version'"
  cli_version=$("$work/unpacked/usr/bin/kestrelix-cli" --version) || fail "kestrelix-cli --version from the .deb"
  [[ $cli_version == "kestrelix-cli ${version#kestrelix }" ]] || fail "the .deb's kestrelix-cli says '$cli_version'"
  echo "check-install: $(basename "$deb"), Depends: $depends"
else
  fail "cpack made no .deb"
fi

if ((failures)); then
  echo "check-install: $failures failures" >&2
  exit 1
fi
echo "check-install: the installed tree and the .deb hold every file, validate and run ($version)"
