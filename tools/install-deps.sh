#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# and nothing when they are all there already.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-qpa-plugins qt6-wayland qt6-declarative-dev qt6-webengine-dev libxcb1-dev
  libsqlite3-dev libcurl4-openssl-dev libssl-dev openssl libcpp-httplib-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "These packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q "${missing[@]}"
