#!/usr/bin/env bash
# Installs what KestLoad needs to build, test and run on Debian 12, and only what
# is missing. Safe to run any number of times. qt6-translations-l10n holds Qt's
# Korean texts (qtbase_ko.qm: message-box buttons, file dialogs). Open CASCADE
# reads STEP geometry and measures it; its CMake files name libtbb.so, which
# only libtbb-dev brings.
set -euo pipefail

packages=(
    cmake g++ make pkg-config binutils
    qt6-base-dev libpugixml-dev nettle-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    clang-format locales
    clang libclang-rt-14-dev
    fonts-liberation2 fonts-nanum
    qt6-translations-l10n
    xvfb poppler-utils
    dpkg-dev shared-mime-info desktop-file-utils
    libocct-data-exchange-dev libocct-modeling-algorithms-dev libocct-ocaf-dev libtbb-dev
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale with a decimal comma, for the tests that prove number text ignores it.
if ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
    echo "Generating the de_DE.UTF-8 locale"
    if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
    fi
    as_root locale-gen >/dev/null
fi
