#!/bin/bash
# Exit status 0 when this machine runs 32-bit x86 code only under qemu (see setup.sh).
[ "$(cat /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null | head -1)" = enabled ]
