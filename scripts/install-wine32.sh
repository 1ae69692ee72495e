#!/usr/bin/env bash
# 32-bit Wine beside the 64-bit one, so the shipped 32-bit exe can be run by the tests.
# Where the kernel cannot execute 32-bit code, qemu's i386 user-mode emulator is registered
# for i386 programs. The 64-bit loader and /usr/bin/wine stay exactly as they were: the
# 32-bit loader is installed under another name (see WINE32 below).
# Idempotent; quiet when everything is in place. Needs root (or sudo).
set -euo pipefail

WINE32=/usr/lib/wine/wine32             # the 32-bit loader, moved aside from /usr/lib/wine/wine
QEMU=/usr/bin/qemu-i386                 # a static build from qemu 9.1 on
BINFMT=/proc/sys/fs/binfmt_misc
BACKPORTS=/etc/apt/sources.list.d/bookworm-backports.sources

sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"

apt() { DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=900 -qq "$@"; }

installed() { [[ $(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null || true) == installed ]]; }

# Runs a tiny static i386 program that exits with 42: true when this machine runs 32-bit
# x86 code, natively or through a registered emulator. The bytes: ELF header, one loadable
# segment at 0x08048000, then mov ebx,42; mov eax,1 (exit); int 0x80.
runs_i386() {
  local elf status=0
  elf=$(mktemp)
  printf '%b' \
    '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00' \
    '\x54\x80\x04\x08\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00' \
    '\x01\x00\x00\x00\x00\x00\x00\x00' \
    '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x60\x00\x00\x00' \
    '\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\xbb\x2a\x00\x00\x00\xb8\x01\x00\x00\x00\xcd\x80' >"$elf"
  chmod +x "$elf"
  "$elf" 2>/dev/null || status=$?
  rm -f "$elf"
  [[ $status -eq 42 ]]
}

# qemu's user-mode emulator for i386 ELF programs. F opens the emulator now, so it also
# serves processes in other mount namespaces; the registration is lost on reboot.
register_emulator() {
  [[ -e $BINFMT/register ]] || $sudo mount -t binfmt_misc binfmt_misc "$BINFMT"
  [[ -e $BINFMT/qemu-i386 ]] && echo -1 | $sudo tee "$BINFMT/qemu-i386" >/dev/null
  local magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
  local mask='\xff\xff\xff\xff\xff\xfe\xfe\xfc\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
  echo ":qemu-i386:M::$magic:$mask:$QEMU:F" | $sudo tee "$BINFMT/register" >/dev/null
}

# qemu 7.2 from Debian 12 needs about a minute per Wine process; the backported 10 under a second.
install_emulator() {
  if [[ ! -e $BACKPORTS ]]; then
    . /etc/os-release
    [[ ${VERSION_CODENAME:-} == bookworm ]] || { echo "install-wine32: no emulator known for ${VERSION_CODENAME:-this system}" >&2; return 1; }
    echo "install-wine32: adding bookworm-backports to apt's sources"
    printf '%s\n' 'Types: deb' 'URIs: http://deb.debian.org/debian' 'Suites: bookworm-backports' \
      'Components: main' 'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' | $sudo tee "$BACKPORTS" >/dev/null
    apt update
  fi
  echo "install-wine32: installing qemu-user from bookworm-backports"
  apt install -y --no-install-recommends -t bookworm-backports qemu-user >/dev/null
}

install_wine32() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "install-wine32: enabling the i386 architecture"
    $sudo dpkg --add-architecture i386
    apt update
  fi
  # Before the package lands, so that /usr/bin/wine keeps choosing the 64-bit loader.
  if ! dpkg-divert --list /usr/lib/wine/wine | grep -q .; then
    $sudo dpkg-divert --local --rename --divert "$WINE32" --add /usr/lib/wine/wine >/dev/null
  fi
  echo "install-wine32: installing wine32:i386 (also brings 64-bit libraries to matching versions)"
  apt install -y wine32:i386 >/dev/null
}

# Native 32-bit first; an emulator only where the kernel refuses.
if ! runs_i386; then
  [[ -x $QEMU ]] && "$QEMU" --version | grep -qE 'version [1-9][0-9]\.' || install_emulator
  register_emulator
  runs_i386 || { echo "install-wine32: i386 programs still do not run after registering $QEMU" >&2; exit 1; }
fi

installed wine32:i386 && [[ -x $WINE32 ]] || install_wine32
[[ -x $WINE32 ]] || { echo "install-wine32: $WINE32 missing after the install" >&2; exit 1; }
