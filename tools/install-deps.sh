#!/usr/bin/env bash
# Installs what building and testing Firmlook needs on Debian 12, if it is missing.
set -eu
packages=(cmake make g++ python3 libgtest-dev googletest clang libclang-rt-14-dev
          g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686
          wine64 xvfb xauth x11-utils imagemagick
          cups cups-client printer-driver-cups-pdf poppler-utils fonts-liberation dmidecode
          wine32:i386 libcups2:i386 qemu-system-x86 linux-image-amd64 busybox-static cpio iproute2
          openssl efitools tpm2-tools
          ovmf swtpm swtpm-tools mtools shim-signed grub-efi-amd64-signed)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
sudo=; [ "$(id -u)" -eq 0 ] || sudo=sudo
# Wine names files in the character set of the Unix locale: the Russian pass of the Wine tests
# needs its locale made, or Cyrillic file names cannot be written.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then
  dpkg-query -W -f='${Status}' locales 2>/dev/null | grep -q 'install ok installed' ||
    { $sudo apt-get update -qq; DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq locales; }
  $sudo localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
# The 32-bit Wine for the emulated guest comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
