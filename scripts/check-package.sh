#!/usr/bin/env bash
# Checks what a user of a built tree gets from `cmake --install` and from the
# Debian package, without touching the machine's own installation:
#  1. installs the build tree into a throw-away DESTDIR with the prefix /usr
#     and checks the layout, the desktop entry, the MIME types and the
#     AppStream metadata;
#  2. builds the .deb with cpack, checks its fields and runs lintian on it
#     (any error fails the check);
#  3. installs the .deb into a throw-away root with its own dpkg database
#     (dpkg --root), and runs the installed program on the installed
#     examples, comparing each report byte for byte with the reference
#     calculation's report.
# Usage: scripts/check-package.sh [BUILD_DIR]   (default: build, already built)
set -euo pipefail
cd "$(dirname "$0")/.."
SOURCE="$PWD"
BUILD="$(cd "${1:-build}" && pwd)"

WORK="$(mktemp -d "${TMPDIR:-/tmp}/vellacore-package.XXXXXX")"
trap 'rm -rf "$WORK"' EXIT

fail() {
  echo "check-package: $*" >&2
  exit 1
}

cache_value() {
  sed -n "s/^$1:[A-Z]*=//p" "$BUILD/CMakeCache.txt"
}
MODULE_DIR="$(cache_value VC_MODULE_INSTALL_DIR)"
[ -n "$MODULE_DIR" ] || fail "no VC_MODULE_INSTALL_DIR in $BUILD/CMakeCache.txt"

# The files that every installed tree has, relative to the prefix.
expected_files() {
  echo bin/vellacore
  if [ -e "$BUILD/vellacore-desktop.so" ]; then
    echo "$MODULE_DIR/vellacore-desktop.so"
  fi
  for f in vellacore.qch vellacore.qhc; do
    if [ -e "$BUILD/$f" ]; then echo "share/vellacore/$f"; fi
  done
  for f in "$SOURCE"/examples/*.vcl; do
    echo "share/doc/vellacore/examples/$(basename "$f")"
  done
  echo share/doc/vellacore/copyright
  echo share/applications/vellacore.desktop
  echo share/mime/packages/vellacore.xml
  echo share/icons/hicolor/scalable/apps/vellacore.svg
  for size in 16 22 24 32 48 64 128 256; do
    echo "share/icons/hicolor/${size}x${size}/apps/vellacore.png"
  done
  echo share/metainfo/org.vellacore.Vellacore.metainfo.xml
  echo share/man/man1/vellacore.1.gz
  echo share/man/man5/vellacore-vcl.5.gz
}

check_tree() {  # check_tree ROOT WHAT
  local root="$1" what="$2" f
  while read -r f; do
    [ -e "$root/usr/$f" ] || fail "$what lacks /usr/$f"
  done < <(expected_files)
  for size in 16 22 24 32 48 64 128 256; do
    file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/vellacore.png" |
      grep -q "PNG image data, $size x $size," || fail "$what: the ${size}px icon is not ${size}x${size}"
  done
  # Hints count too: a hint such as a missing main category hides the entry
  # in some menus.
  local said
  said="$(desktop-file-validate "$root/usr/share/applications/vellacore.desktop" 2>&1)" &&
    [ -z "$said" ] || fail "$what: desktop-file-validate reports: $said"
  said="$(appstreamcli validate --no-net "$root/usr/share/metainfo/org.vellacore.Vellacore.metainfo.xml" 2>&1)" &&
    ! grep -q '^[EWI]:' <<<"$said" || fail "$what: appstreamcli validate reports: $said"
  # The MIME types that the desktop entry offers to open are the ones the
  # package defines, and the database tools accept the definition.
  local types t mime="$WORK/mime-$what"
  types="$(sed -n 's/^MimeType=//p' "$root/usr/share/applications/vellacore.desktop" | tr ';' ' ')"
  [ -n "$types" ] || fail "$what: the desktop entry names no MIME type"
  # --open reads laminate data files only; a user material library is
  # imported from the File menu, so the entry must not claim it.
  ! grep -q 'x-vellacore-materials' <<<"$types" ||
    fail "$what: the desktop entry offers to open user material libraries"
  mkdir -p "$mime/packages"
  cp "$root/usr/share/mime/packages/vellacore.xml" "$mime/packages/"
  update-mime-database "$mime" > "$mime.log" 2>&1 ||
    { cat "$mime.log" >&2; fail "$what: update-mime-database refuses the MIME types"; }
  for t in $types; do
    grep -q "^$t:" "$mime/globs" || fail "$what: MIME type $t has no file name pattern"
  done
  grep -q ':\*\.vcl$' "$mime/globs" || fail "$what: *.vcl is not a known file name"
  grep -q ':\*\.usr$' "$mime/globs" || fail "$what: *.usr is not a known file name"
  for f in "$root"/usr/share/man/man*/*.gz; do
    [ -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$f" 2>&1 >/dev/null)" ] ||
      fail "$what: $(basename "$f") gives formatter warnings"
  done
}

echo "-- cmake --install into a throw-away DESTDIR"
DESTDIR="$WORK/stage" cmake --install "$BUILD" --prefix /usr >/dev/null
check_tree "$WORK/stage" install
[ ! -e "$WORK/stage/usr/share/doc/vellacore/changelog.Debian.gz" ] ||
  fail "a plain install carries the Debian changelog"

echo "-- cpack -G DEB"
(cd "$WORK" && cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$WORK/deb" >/dev/null)
DEB="$(ls "$WORK"/deb/vellacore_*.deb)"
[ -f "$DEB" ] || fail "cpack made no vellacore_*.deb"
echo "$(basename "$DEB")"
DEPENDS="$(dpkg-deb --field "$DEB" Depends)"
echo "Depends: $DEPENDS"
for p in libqt6core6 libc6 fonts-liberation; do
  grep -Eq "(^|, )$p( |,|$)" <<<"$DEPENDS" || fail "the package does not depend on $p"
done
# Every dependency names a package that this machine has installed, so the
# names and versions that dpkg-shlibdeps wrote are real ones.
while read -r dep; do
  name="${dep%% *}"
  dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q "install ok installed" ||
    fail "dependency $dep is not an installed package"
done < <(tr ',' '\n' <<<"$DEPENDS" | sed 's/^ *//')
[ "$(dpkg-deb --field "$DEB" Section)" = science ] || fail "the package's section is not science"

echo "-- lintian"
lintian --fail-on error --tag-display-limit 0 "$DEB" | tee "$WORK/lintian.txt" ||
  fail "lintian reports errors"

echo "-- dpkg --root into a throw-away root"
ROOT="$WORK/root"
mkdir -p "$ROOT/var/lib/dpkg/info" "$ROOT/var/lib/dpkg/updates" "$ROOT/var/log"
touch "$ROOT/var/lib/dpkg/status"
# The throw-away database knows none of the dependencies; the program uses
# this machine's libraries, which the dependency check above vouches for.
dpkg --root="$ROOT" --log="$ROOT/var/log/dpkg.log" --force-depends --install "$DEB" \
  > "$WORK/dpkg.txt" 2>&1 || { cat "$WORK/dpkg.txt" >&2; fail "dpkg --root --install failed"; }
dpkg --root="$ROOT" --status vellacore | grep -q '^Status: install ok installed' ||
  fail "dpkg does not list vellacore as installed in the throw-away root"
check_tree "$ROOT" package
[ -e "$ROOT/usr/share/doc/vellacore/changelog.Debian.gz" ] || fail "the package lacks its changelog"
if [ -e "$ROOT/usr/$MODULE_DIR/vellacore-desktop.so" ]; then
  ! ldd "$ROOT/usr/$MODULE_DIR/vellacore-desktop.so" | grep -q "not found" ||
    fail "the installed desktop module needs a library that is not there"
fi

echo "-- the installed program on the installed examples"
HOME_DIR="$WORK/home"
mkdir -p "$HOME_DIR/config" "$HOME_DIR/data" "$WORK/out"
compared=0
for input in "$ROOT"/usr/share/doc/vellacore/examples/*.vcl; do
  name="$(basename "$input" .vcl)"
  expected="$SOURCE/tests/reference/expected/$name.txt"
  [ -f "$expected" ] || continue
  # The expected reports already end with the batch run's closing CR LF.
  status=0
  env -u APPDATA HOME="$HOME_DIR" XDG_CONFIG_HOME="$HOME_DIR/config" \
    XDG_DATA_HOME="$HOME_DIR/data" QT_QPA_PLATFORM=offscreen \
    "$ROOT/usr/bin/vellacore" "$input" "$WORK/out/$name.txt" 2> "$WORK/out/$name.err" || status=$?
  [ "$status" -eq 0 ] || fail "the installed program ended with $status on $name.vcl: $(cat "$WORK/out/$name.err")"
  cmp -s "$WORK/out/$name.txt" "$expected" || fail "the installed program's report of $name.vcl differs from $expected"
  compared=$((compared + 1))
done
[ -f "$ROOT/usr/share/doc/vellacore/examples/sample.vcl" ] || fail "the package lacks the sample laminate"

# --help and --version print on standard output and need no display.
for option in --help --version; do
  status=0
  said="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$HOME_DIR" \
    XDG_CONFIG_HOME="$HOME_DIR/config" XDG_DATA_HOME="$HOME_DIR/data" \
    "$ROOT/usr/bin/vellacore" "$option" 2> "$WORK/out/option.err")" || status=$?
  [ "$status" -eq 0 ] && [ ! -s "$WORK/out/option.err" ] ||
    fail "the installed program's $option ended with $status: $(cat "$WORK/out/option.err")"
  case "$option:$said" in
    --help:"Usage: vellacore input_file output_file"*) ;;
    --version:"vellacore $(cache_value CMAKE_PROJECT_VERSION)") ;;
    *) fail "the installed program's $option said: $said" ;;
  esac
done
[ "$compared" -gt 0 ] || fail "no installed example has a reference report"
echo "check-package: $compared installed example reports equal the reference reports"
