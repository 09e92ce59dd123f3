#!/usr/bin/env bash
# full-drive.sh setup|cleanup: a full disk for the Windows tests.  Setup
# mounts a tmpfs of 1 MiB and maps it as drive Q: of the Wine prefix (the one
# scripts/wine-run.sh uses); the tests find it through NUVEX_FULL_DRIVE=Q:.
# Where the machine does not allow the mount (not root, no tmpfs), setup exits
# 77 with the reason, which CTest counts as a skip, and so does the full-disk
# case that finds no drive; nothing else depends on the drive.
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
prefix=${WINEPREFIX:-$root/build/wineprefix}
mnt="$prefix/nuvex-full-drive"
link="$prefix/dosdevices/q:"
case "${1:-}" in
  setup)
    mkdir -p "$mnt" "$prefix/dosdevices"
    if ! mountpoint -q "$mnt"; then
      if ! err=$(mount -t tmpfs -o size=1m,mode=0777 nuvex-full-drive "$mnt" 2>&1); then
        echo "full-drive: no tmpfs could be mounted at $mnt ($err); the full-disk test will skip"
        rmdir "$mnt" 2>/dev/null
        rm -f "$link"
        exit 77
      fi
    fi
    find "$mnt" -mindepth 1 -delete
    ln -sfn "$mnt" "$link"
    echo "full-drive: drive Q: is a 1 MiB tmpfs at $mnt"
    ;;
  cleanup)
    rm -f "$link"
    if mountpoint -q "$mnt"; then umount "$mnt" || umount -l "$mnt"; fi
    rmdir "$mnt" 2>/dev/null
    exit 0
    ;;
  *)
    echo "usage: full-drive.sh setup|cleanup" >&2
    exit 2
    ;;
esac
