#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need (run as root). Packages that are
# already installed are skipped, so a warm machine pays nothing.
set -euo pipefail
packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgtest-dev libgmock-dev
          libbenchmark-dev libpcre2-dev pkg-config clang libclang-rt-14-dev poppler-utils time
          desktop-file-utils shared-mime-info man-db dpkg-dev "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
