#!/usr/bin/env bash
# Quellmoor's one entry point for a fresh Debian 12 machine. Run it as yourself: it asks for
# sudo only to install the packages that are missing.
#   ./quellmoor.sh          installs what is missing, builds the program, starts Quellmoor
#   ./quellmoor.sh test     installs what is missing, builds (Release) and runs every test
#   ./quellmoor.sh sanitize the same tests under AddressSanitizer + UndefinedBehaviorSanitizer
#   ./quellmoor.sh bench    builds and runs the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

# xdg-utils lets the About window's "Go there" open the program's page in a browser.
PACKAGES=(build-essential cmake qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
  desktop-file-utils xdg-utils)
JOBS=$(nproc 2>/dev/null || echo 4)

install_missing() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {  # build DIR TARGET [cmake options...]: configures DIR and builds only TARGET
  local dir=$1 target=$2
  shift 2
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DQUELLMOOR_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" --target "$target" -j "$JOBS"
}

run_tests() {  # run_tests DIR
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$JOBS"
}

case "${1:-run}" in
  run)
    install_missing
    build build quellmoor
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
      echo "Quellmoor is built in build/; it is a desktop program: start it from a desktop session." >&2
      exit 1
    fi
    exec ./build/quellmoor
    ;;
  test)
    install_missing
    build build quellmoor_tests
    run_tests build
    ;;
  sanitize)
    install_missing
    build build-asan quellmoor_tests -DQUELLMOOR_SANITIZE=ON -DQUELLMOOR_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_tests build-asan
    ;;
  bench)
    install_missing
    build build quellmoor_benchmarks
    for b in build/bench/bench_*; do [ -x "$b" ] && QT_QPA_PLATFORM=offscreen "$b"; done
    ;;
  *)
    echo "usage: $0 [run|test|sanitize|bench]" >&2
    exit 2
    ;;
esac
