#!/usr/bin/env bash
# Installs what building and testing needs on a fresh Debian 12 machine.
# Idempotent: each step checks first and does nothing when already in place.
set -euo pipefail

need_apt=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  apt_updated=0
fi

for p in cmake ninja-build g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix \
         binutils-mingw-w64-i686 wine32:i386 wine64 locales googletest clang \
         libclang-rt-14-dev xvfb zip unzip python3 imagemagick \
         xdotool fonts-ipafont-gothic fonts-wine e2fsprogs; do
  have_pkg "$p" || need_apt+=("$p")
done

if [ ${#need_apt[@]} -gt 0 ]; then
  echo "setup: installing ${need_apt[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${need_apt[@]}"
fi

if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating ja_JP.UTF-8"
  sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
