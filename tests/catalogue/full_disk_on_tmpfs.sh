#!/bin/sh
# Runs the installation run's full-disk case on a real tmpfs of 64 KB, mounted in a mount
# namespace of its own so the machine's mounts are left alone. Where the namespace or the mount
# is refused (no root, no CAP_SYS_ADMIN), the case runs without it and reports a skip.
# Usage: full_disk_on_tmpfs.sh <tst_install_run>
test_binary=$1
case_name=fullDiskOnTmpfs

small=$(mktemp -d "${TMPDIR:-/tmp}/korvane-small-disk.XXXXXX") || exit 1
trap 'rmdir "$small"' EXIT

if unshare -m true 2>/dev/null; then
    # 77: the mount was refused inside the namespace. The inner shell expands its arguments.
    # shellcheck disable=SC2016
    unshare -m sh -c '
        mount -t tmpfs -o size=64k tmpfs "$1" 2>/dev/null || exit 77
        KORVANE_SMALL_TMPFS=$1 "$2" "$3"' sh "$small" "$test_binary" "$case_name"
    status=$?
    [ "$status" -ne 77 ] && exit "$status"
fi
echo "No tmpfs could be mounted here: running $case_name without one."
"$test_binary" "$case_name"
