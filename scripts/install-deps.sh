#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks for building, running and testing.
# Asks apt only when a package is missing, so repeated runs cost nothing.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev libgmock-dev libbenchmark-dev
  libasan8 libubsan1   # the sanitizer build's runtimes; g++ brings them too
  clang libclang-rt-14-dev   # the fuzzer build: libFuzzer and Clang's sanitizer runtimes
  mingw-w64 g++-mingw-w64-x86-64-posix
  wine64 fonts-wine
  xvfb xdotool x11-utils imagemagick
  xserver-xephyr   # two monitors for the tests, nested in the virtual display
  python3 procps
  python3-fusepy fuse3   # a drive as slow as a share that stopped answering, for the tests
  nsis zip   # make dist: the Windows installer and the portable archive
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
