#!/usr/bin/env bash
# Checks the Debian package without installing it:
#   packaging/check-package.sh PACKAGE.deb
# its fields and contents, lintian (no error or warning), appstreamcli and
# desktop-file-validate, and the programs run from a scratch root the package is unpacked
# into. Prints one line a check; exits 1 when any failed.
set -euo pipefail

deb=$(realpath "$1")
docs=$(realpath "$(dirname "$0")/../docs")
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failed=0

check() { # description, command...: runs the command, says ok or FAILED
  local what=$1; shift
  if "$@" >"$root.log" 2>&1; then
    echo "ok      $what"
  else
    echo "FAILED  $what"; sed 's/^/        /' "$root.log"; failed=1
  fi
  rm -f "$root.log"
}

version=$(dpkg-deb -f "$deb" Version)
expected_files=(
  usr/bin/filter usr/bin/Zeroplot usr/bin/zsolve usr/bin/filter-cli
  usr/share/man/man1/filter.1.gz usr/share/man/man1/Zeroplot.1.gz
  usr/share/man/man1/zsolve.1.gz usr/share/man/man1/filter-cli.1.gz
  usr/share/applications/filter-workbench.desktop
  usr/share/applications/filter-workbench-zeroplot.desktop
  usr/share/icons/hicolor/scalable/apps/filter-workbench.svg
  usr/share/doc/filter-workbench/copyright usr/share/doc/filter-workbench/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
  expected_files+=("usr/share/icons/hicolor/${size}x$size/apps/filter-workbench.png")
done

# Every expected file is in the package, and nothing lies outside /usr/bin and /usr/share.
contents() {
  local listed
  listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }')
  for f in "${expected_files[@]}"; do grep -qx "$f" <<<"$listed" || { echo "missing: $f"; return 1; }; done
  ! grep -vE '^usr/(bin|share)/' <<<"$listed"
  grep -qE '^usr/share/metainfo/.+\.metainfo\.xml$' <<<"$listed"
}

# The package's dependencies were computed from the libraries the programs link.
dependencies() {
  local depends
  depends=$(dpkg-deb -f "$deb" Depends)
  echo "Depends: $depends"
  grep -q 'libqt6widgets6' <<<"$depends" && grep -q 'libfftw3-double3' <<<"$depends"
}

# Each program tells the package's version.
versions() {
  for p in filter Zeroplot zsolve filter-cli; do
    [ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/$p" --version)" = "$p $version" ] || { echo "$p"; return 1; }
  done
}

# zsolve finds the roots 1 and 2 of z^2 - 3z + 2 (coefficients 2, -3, 1 in beta.bin).
zsolve_roots() {
  local work=$root/work six='\x00\x00\x00\x00\x00\x00' roots
  mkdir -p "$work"
  # A count of 3, then 2.0, -3.0 and 1.0 (binary64 4000.., c008.., 3ff0..), imaginary parts 0.
  printf "\x03\x00$six\x00\x40$six\x00\x00$six\x08\xc0$six\x00\x00$six\xf0\x3f$six\x00\x00" >"$work/beta.bin"
  (cd "$work" && "$root/usr/bin/zsolve" beta.bin)
  roots=$(od -A n -t f8 -j 2 -v "$work/root.bin" | xargs -n 2 | sort -g)
  echo "$roots"
  awk 'NR == 1 && ($1 - 1)^2 + $2^2 < 1e-24 { a = 1 } NR == 2 && ($1 - 2)^2 + $2^2 < 1e-24 { b = 1 }
       END { exit !(a && b && NR == 2) }' <<<"$roots"
}

# filter-cli designs a filter of 15 taps and finds its 14 zeros with the zsolve beside it.
cli_zeros() {
  local work=$root/cli
  mkdir -p "$work"
  [ "$(cd "$work" && "$root/usr/bin/filter-cli" --type lowpass --length 15 --low 0.2 --design --zeros | wc -l)" = 14 ]
}

# The workbench starts and runs until it is ended.
workbench_runs() {
  local status=0
  (cd "$root" && HOME="$root" XDG_CONFIG_HOME="$root/config" QT_QPA_PLATFORM=offscreen \
     timeout 3 "$root/usr/bin/filter") || status=$?
  [ "$status" = 124 ]
}

# The metadata names screenshots that the README shows.
screenshots() {
  local images
  images=$(grep -o '<image>[^<]*</image>' "$root"/usr/share/metainfo/*.metainfo.xml | sed 's|</image>||; s|.*/||')
  [ -n "$images" ]
  for image in $images; do [ -f "$docs/$image" ] || { echo "no docs/$image"; return 1; }; done
}

echo "Package $(basename "$deb"), version $version"
check "contents (dpkg-deb -c)" contents
check "dependencies from dpkg-shlibdeps" dependencies
check "lintian: no error or warning" lintian --allow-root --fail-on error,warning "$deb"
dpkg-deb -x "$deb" "$root"
check "appstreamcli validate" appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
check "screenshots from docs/" screenshots
check "desktop-file-validate" desktop-file-validate "$root"/usr/share/applications/*.desktop
check "--version of every program: $version" versions
check "filter --help" env QT_QPA_PLATFORM=offscreen "$root/usr/bin/filter" --help
check "Zeroplot --help" env QT_QPA_PLATFORM=offscreen "$root/usr/bin/Zeroplot" --help
check "zsolve on a small beta.bin" zsolve_roots
check "filter-cli --zeros through the zsolve beside it" cli_zeros
check "filter starts (offscreen)" workbench_runs
exit $failed
