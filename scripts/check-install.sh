#!/usr/bin/env bash
# Checks what a packager gets: installs the build into an empty tree and looks for every file a desktop
# installation needs, validates the desktop entry and the AppStream metainfo, then builds the Debian
# package, checks it with lintian (no errors, no warnings), unpacks it into a fresh tree and runs the editor
# from there as the desktop starts it.
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
                  share/man/man1/kestrelix.1.gz share/man/man1/kestrelix-cli.1.gz share/doc/kestrelix/changelog.txt
                  share/doc/kestrelix/changelog.gz share/doc/kestrelix/copyright
                  share/doc/kestrelix/LICENSE share/doc/kestrelix/NOTICE share/doc/kestrelix/manual/index.html
                  "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/apps/$id.svg"
                  share/icons/hicolor/scalable/mimetypes/application-x-c64-charset.svg)
  for f in docs/manual/*; do expected+=("share/doc/kestrelix/manual/${f#docs/manual/}"); done
  for f in "${expected[@]}"; do [[ -f $prefix/$f ]] || fail "$what: no $f"; done
  for size in 16 22 24 32 48 64 128 256 512; do
    f=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    if [[ ! -f $f ]]; then fail "$what: no ${size}px icon"; continue; fi
    [[ $(png_size "$f") == "${size}x${size}" ]] || fail "$what: the ${size}px icon is $(png_size "$f")"
    [[ $(convert "$f" -format '%[fx:int(255*p{0,0}.a)]' info: 2>/dev/null) == 0 ]] ||
      fail "$what: the ${size}px icon's corner is not transparent"
  done
  for f in "$prefix"/share/man/man1/*.gz "$prefix/share/doc/kestrelix/changelog.gz"; do
    gzip -t "$f" 2>/dev/null || fail "$what: $f is not gzipped"
  done
  check_copyright "$prefix/share/doc/kestrelix/copyright" "$what"
  check_svg_icon "$prefix/share/icons/hicolor/scalable/apps/$id.svg" "$what"
}

# The machine-readable copyright file names its format, the MIT (Expat) licence and the ROM's owners.
check_copyright() {
  local f=$1 what=$2
  [[ -f $f ]] || return 0
  head -1 "$f" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "$what: the copyright file is not in the machine-readable format"
  grep -q '^License: Expat' "$f" && grep -q 'Permission is hereby granted, free of charge' "$f" ||
    fail "$what: the copyright file does not carry the MIT licence"
  grep -q '^Files: assets/c64-chargen.bin' "$f" && grep -q 'not covered by the MIT License' "$f" ||
    fail "$what: the copyright file does not carry the ROM notice"
}

# The scalable icon is an SVG whose corners are transparent (rendered by ImageMagick).
check_svg_icon() {
  local f=$1 what=$2 corner
  [[ -f $f ]] || return 0
  xmllint --noout "$f" 2>/dev/null || fail "$what: the scalable icon is not well-formed XML"
  corner=$(convert -background none "$f" -format '%[fx:int(255*p{1,1}.a)]' info: 2>/dev/null) ||
    { fail "$what: ImageMagick cannot render the scalable icon"; return; }
  [[ $corner == 0 ]] || fail "$what: the scalable icon's background is not transparent (corner alpha $corner)"
}

# The file types: charset files map to their type and open with the editor's entry; .prg files are left
# alone (no type of ours, not in the entry). $1 is the prefix's share folder, copied so that the caches are
# built beside it.
check_file_types() {
  local share=$work/types/share
  rm -rf "$work/types"; mkdir -p "$work/types/config" "$work/types/home"
  cp -r "$1" "$share"
  update-mime-database "$share/mime" >/dev/null
  grep -qx '50:application/x-c64-charset:\*.chr' "$share/mime/globs2" || fail "*.chr does not map to the charset type"
  grep -qx '50:application/x-c64-charset:\*.64c' "$share/mime/globs2" || fail "*.64c does not map to the charset type"
  ! grep -q ':\*.prg$' "$share/mime/globs2" || fail "the package claims *.prg files"
  update-desktop-database "$share/applications"
  local type default
  default=$(env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION XDG_DATA_DIRS="$share" XDG_DATA_HOME="$work/types/home" \
            XDG_CONFIG_HOME="$work/types/config" xdg-mime query default application/x-c64-charset)
  [[ $default == "$id.desktop" ]] || fail "xdg-mime finds '$default' for application/x-c64-charset, not $id.desktop"
  grep -qx 'MimeType=application/x-c64-charset;' "$share/applications/$id.desktop" ||
    fail "the desktop entry lists other types than charset files"
  grep -qx 'StartupNotify=true' "$share/applications/$id.desktop" || fail "the desktop entry lacks StartupNotify=true"
  grep -q '^Exec=kestrelix --desktop %f$' "$share/applications/$id.desktop" || fail "the desktop entry does not pass --desktop"
}

# Started as its desktop entry starts it (in the home folder), the editor makes and fills its settings in
# the configuration folder, not in the folder it runs in. $1 is the editor.
check_desktop_start() {
  local editor=$1 home=$work/desktop-home pid i
  rm -rf "$home"; mkdir -p "$home"
  (cd "$home" && exec env -u XDG_CONFIG_HOME HOME="$home" QT_QPA_PLATFORM=offscreen "$editor" --desktop \
     >/dev/null 2>&1) &
  pid=$!
  for i in $(seq 100); do [[ -s $home/.config/kestrelix/kstr.ini ]] && break; sleep 0.1; done
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  [[ -s $home/.config/kestrelix/kstr.ini ]] || fail "a desktop start made no ~/.config/kestrelix/kstr.ini"
  [[ ! -e $home/kstr.ini ]] || fail "a desktop start wrote kstr.ini into the home folder"
}

# cmake --install into a temporary root.
DESTDIR=$work/root cmake --install "$build" --prefix /usr >/dev/null
prefix=$work/root/usr
check_tree "$prefix" "cmake --install"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate"
check_file_types "$prefix/share"
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
  # lintian's errors and warnings fail the check; its informational notes are shown.
  lintian --display-info --fail-on error,warning "$deb" || fail "lintian reports errors or warnings"
  dpkg -x "$deb" "$work/unpacked"
  check_tree "$work/unpacked/usr" "the .deb"
  for f in "$work"/unpacked/usr/bin/*; do
    file -b "$f" | grep -q ', stripped' || fail "the .deb's $(basename "$f") is not stripped"
  done
  check_desktop_start "$work/unpacked/usr/bin/kestrelix"
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
echo "check-install: the installed tree and the .deb hold every file, validate, pass lintian and run ($version)"
