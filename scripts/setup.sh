#!/bin/bash
# Installs what building and testing need, only what is missing. Debian 12; as root or with sudo.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
need=()
command -v i686-w64-mingw32-g++ >/dev/null || need+=(g++-mingw-w64-i686 binutils-mingw-w64-i686)
# The 64-bit build runs the end-to-end bulk where 32-bit code is only emulated.
command -v x86_64-w64-mingw32-g++ >/dev/null || need+=(g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64)
command -v g++ >/dev/null || need+=(g++)
command -v cmake >/dev/null || need+=(cmake)
[ -e /usr/lib/wine/wine ] || need+=(wine wine32:i386 wine64)
command -v Xvfb >/dev/null || need+=(xvfb xauth)
command -v xauth >/dev/null || need+=(xauth)
[ -e /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc ] || need+=(fonts-wqy-zenhei)
# A Song face with bitmaps for small sizes: the dialog's 宋体 at 96 DPI, as a Chinese Windows draws it.
[ -e /usr/share/fonts/truetype/arphic/uming.ttc ] || need+=(fonts-arphic-uming)
command -v fc-cache >/dev/null || need+=(fontconfig)
command -v locale-gen >/dev/null || need+=(locales)
[ -e /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
command -v import >/dev/null || need+=(imagemagick)
command -v xwininfo >/dev/null || need+=(x11-utils)
# The Traditional edition is made from the Simplified texts at build time.
command -v opencc >/dev/null || need+=(opencc)
# The casting test runs with a clock eight hours from UTC.
[ -e /usr/share/zoneinfo/Asia/Taipei ] || need+=(tzdata)
# The release archive is written by Info-ZIP, which can leave out the extra fields that vary.
command -v zip >/dev/null || need+=(zip)
command -v qemu-i386-static >/dev/null || need+=(qemu-user-static)
command -v clang++ >/dev/null || need+=(clang)
# The fuzz tests' libFuzzer is in clang's runtime, only a recommendation of clang's, so named here.
compgen -G '/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a' >/dev/null || need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
  dpkg --print-foreign-architectures | grep -q i386 || $SUDO dpkg --add-architecture i386
  # A mirror in the middle of a sync fails an index now and then: try again, then go on with what
  # was fetched (the install below says so if that is not enough).
  for try in 1 2 3; do
    $SUDO apt-get update -q && break
    sleep 15
  done
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${need[@]}"
fi
# Wine takes its ANSI code page from the locale: 936, 950, 932 and 1252, one system language each.
missing=0
for loc in zh_CN zh_TW ja_JP en_US; do
  locale -a | grep -qi "^$loc\.utf8$" && continue
  missing=1
  $SUDO sed -i "s/^# *$loc.UTF-8 UTF-8/$loc.UTF-8 UTF-8/" /etc/locale.gen
  grep -q "^$loc.UTF-8 UTF-8" /etc/locale.gen || echo "$loc.UTF-8 UTF-8" | $SUDO tee -a /etc/locale.gen >/dev/null
done
[ $missing -eq 0 ] || $SUDO locale-gen >/dev/null
# Some virtual machines run no 32-bit code natively; Wine's 32-bit loader then runs under qemu.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  [ -e /proc/sys/fs/binfmt_misc/register ] || $SUDO mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      | $SUDO tee /proc/sys/fs/binfmt_misc/register >/dev/null
  fi
  /usr/lib/wine/wine --version >/dev/null || { echo "32-bit Wine cannot run on this machine" >&2; exit 1; }
fi
