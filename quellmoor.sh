#!/usr/bin/env bash
# Quellmoor's one entry point for a fresh Debian 12 machine (run as root, or with sudo):
#   ./quellmoor.sh          installs what is missing, builds, starts Quellmoor
#   ./quellmoor.sh test     installs what is missing, builds (Release) and runs every test
#   ./quellmoor.sh sanitize the same tests under AddressSanitizer + UndefinedBehaviorSanitizer
#   ./quellmoor.sh bench    builds and runs the benchmarks
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core
  desktop-file-utils)
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

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DQUELLMOOR_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$JOBS"
}

run_tests() {  # run_tests DIR
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$JOBS"
}

case "${1:-run}" in
  run)
    install_missing
    build build
    exec ./build/quellmoor
    ;;
  test)
    install_missing
    build build
    run_tests build
    ;;
  sanitize)
    install_missing
    build build-asan -DQUELLMOOR_SANITIZE=ON -DQUELLMOOR_BENCH=OFF
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
      LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 run_tests build-asan
    ;;
  bench)
    install_missing
    build build
    for b in build/bench/bench_*; do [ -x "$b" ] && QT_QPA_PLATFORM=offscreen "$b"; done
    ;;
  *)
    echo "usage: $0 [run|test|sanitize|bench]" >&2
    exit 2
    ;;
esac
