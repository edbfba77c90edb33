#!/bin/bash
# Installs what building and testing need, only what is missing. Debian 12; as root or with sudo.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
need=()
command -v i686-w64-mingw32-g++ >/dev/null || need+=(g++-mingw-w64-i686 binutils-mingw-w64-i686)
command -v g++ >/dev/null || need+=(g++)
command -v cmake >/dev/null || need+=(cmake)
[ -e /usr/lib/wine/wine ] || need+=(wine wine32:i386 wine64)
command -v Xvfb >/dev/null || need+=(xvfb xauth)
command -v xauth >/dev/null || need+=(xauth)
[ -e /usr/share/fonts/truetype/wqy/wqy-zenhei.ttc ] || need+=(fonts-wqy-zenhei)
command -v locale-gen >/dev/null || need+=(locales)
[ -e /usr/include/gtest/gtest.h ] || need+=(libgtest-dev)
command -v import >/dev/null || need+=(imagemagick)
command -v xwininfo >/dev/null || need+=(x11-utils)
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
if ! locale -a | grep -qi '^zh_CN\.utf8$'; then
  $SUDO sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
# Some virtual machines run no 32-bit code natively; Wine's 32-bit loader then runs under qemu.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  [ -e /proc/sys/fs/binfmt_misc/register ] || $SUDO mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  if [ ! -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      | $SUDO tee /proc/sys/fs/binfmt_misc/register >/dev/null
  fi
  /usr/lib/wine/wine --version >/dev/null || { echo "32-bit Wine cannot run on this machine" >&2; exit 1; }
fi
