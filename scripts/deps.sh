#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the program need and the
# machine lacks. Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config python3
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libcli11-dev
    qt6-base-dev qt6-translations-l10n
    clang libclang-rt-14-dev
    libreoffice-writer-nogui poppler-utils
    fonts-noto-core fonts-farsiweb fonts-liberation
    xvfb xauth imagemagick
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
        echo "missing packages: ${missing[*]} (run as root, or install them with apt-get)" >&2
        exit 1
    fi
    echo "installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
