#!/usr/bin/env bash
# Installs what this machine lacks (Debian 12, as root), builds, and then either runs all
# tests (test) or starts the workbench (run).
#   scripts/bootstrap.sh test   install, build, run every test, also under the sanitizers
#   scripts/bootstrap.sh run    install, build, start the workbench
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-test}
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libfftw3-dev libmps-dev
          libgmp-dev googletest libgtest-dev libbenchmark-dev fonts-noto-cjk)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" >/dev/null
  fi
}

build() { # folder, cmake options...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j2
}

install_missing
case "$mode" in
  test)
    build build -DCMAKE_BUILD_TYPE=Release
    build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DFILTER_SANITIZE=ON -DFILTER_GUI=OFF -DFILTER_BENCH=OFF
    export QT_QPA_PLATFORM=offscreen
    status=0
    echo "== tests"
    ctest --test-dir build -j2 --output-on-failure || status=1
    echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    ctest --test-dir build-sanitize -j2 --output-on-failure || status=1
    exit $status
    ;;
  run)
    build build -DCMAKE_BUILD_TYPE=Release
    exec build/bin/filter "${@:2}"
    ;;
  *)
    echo "usage: $0 test|run" >&2
    exit 1
    ;;
esac
