#!/usr/bin/env bash
# Installs what this machine lacks (Debian 12, as root), builds, and then either runs all
# tests (test), starts the workbench (run) or makes the Debian package (package).
#   scripts/bootstrap.sh test     install, build, run every test, also under the sanitizers,
#                                 run every fuzz target for FUZZ_SECONDS (default 30), and
#                                 make and check the package
#   scripts/bootstrap.sh run      install, build, start the workbench
#   scripts/bootstrap.sh package  install, build, make build/filter-workbench_VERSION_ARCH.deb
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-test}
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libfftw3-dev libmps-dev
          libgmp-dev googletest libgtest-dev libbenchmark-dev fonts-noto-cjk clang libclang-rt-14-dev
          qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
          dpkg-dev file lintian appstream desktop-file-utils python3-numpy python3-jsonschema)
fuzz_targets=(fuzz_document fuzz_zsolve fuzz_root_file fuzz_coefficient_text fuzz_coefficient_files fuzz_dialog_numbers
              fuzz_requirements_file)

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

build() { # folder, target, cmake options...
  local dir=$1 target=$2; shift 2
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir" -j2 --target "$target"
}

# Runs one fuzz target for $FUZZ_SECONDS on its seed corpus; new inputs go to a scratch
# folder and a finding to build-fuzz/findings. Prints libFuzzer's last lines.
fuzz_one() { # target
  local target=$1 scratch log
  scratch=$(mktemp -d)
  log="$scratch/log"
  mkdir -p build-fuzz/findings "$scratch/corpus"
  if build-fuzz/bin/"$target" -max_total_time="$FUZZ_SECONDS" -timeout=25 -rss_limit_mb=3072 \
       -artifact_prefix="build-fuzz/findings/$target-" "$scratch/corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
    echo "$target: $(grep -E '^Done [0-9]+ runs' "$log")"
    rm -rf "$scratch"
  else
    echo "$target: FINDING (input saved under build-fuzz/findings)"
    tail -n 40 "$log"
    rm -rf "$scratch"
    return 1
  fi
}

# Runs every fuzz target, two at a time (one per core); fails when any has a finding.
fuzz_all() {
  local status=0 i
  for ((i = 0; i < ${#fuzz_targets[@]}; i += 2)); do
    fuzz_one "${fuzz_targets[i]}" & local first=$!
    if ((i + 1 < ${#fuzz_targets[@]})); then
      fuzz_one "${fuzz_targets[i + 1]}" || status=1
    fi
    wait "$first" || status=1
  done
  return $status
}

# Makes the Debian package from the Release build in build/ (CPack, dependencies from
# dpkg-shlibdeps) and prints its path.
make_package() {
  rm -f build/filter-workbench_*.deb
  (cd build && cpack -G DEB) >build/cpack.log 2>&1 || { cat build/cpack.log >&2; return 1; }
  ls build/filter-workbench_*.deb
}

install_missing
case "$mode" in
  test)
    FUZZ_SECONDS=${FUZZ_SECONDS:-30}
    build build all -DCMAKE_BUILD_TYPE=Release
    build build-sanitize all -DCMAKE_BUILD_TYPE=Debug -DFILTER_SANITIZE=ON -DFILTER_GUI=OFF -DFILTER_BENCH=OFF
    build build-fuzz fuzzers -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DFILTER_FUZZ=ON \
      -DFILTER_BENCH=OFF
    export QT_QPA_PLATFORM=offscreen
    status=0
    echo "== tests"
    ctest --test-dir build -j2 --output-on-failure || status=1
    echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    ctest --test-dir build-sanitize -j2 --output-on-failure || status=1
    echo "== fuzz targets, ${FUZZ_SECONDS}s each (clang, AddressSanitizer, UndefinedBehaviorSanitizer)"
    fuzz_all || status=1
    echo "== package: contents, lintian, appstreamcli, desktop-file-validate, programs from a scratch root"
    if deb=$(make_package); then bash packaging/check-package.sh "$deb" || status=1; else status=1; fi
    echo "== wall time: ${SECONDS}s"
    exit $status
    ;;
  run)
    build build all -DCMAKE_BUILD_TYPE=Release
    exec build/bin/filter "${@:2}"
    ;;
  package)
    build build package-contents -DCMAKE_BUILD_TYPE=Release
    deb=$(make_package)
    echo "Made $deb; install it with: apt install ./$deb"
    ;;
  *)
    echo "usage: $0 test|run|package" >&2
    exit 1
    ;;
esac
