#!/usr/bin/env bash
# Runs `make test` as a new user would: in a clone of the committed HEAD inside a minimal
# Debian 12 (debootstrap's minbase with only git, make and ca-certificates), in a chroot.
# This machine has many packages such a machine lacks, so only this run shows that
# scripts/install-deps.sh lists everything the build and the tests need.
#
# The minimal root is kept as a tarball under out/fresh/, so a second run skips debootstrap.
# Needs root (debootstrap, mount, chroot). Exits with the status of `make test` in the chroot.
set -euo pipefail

top=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
fresh=$top/out/fresh
cache=$fresh/debian12-minbase.tar.gz
suite=bookworm

if [[ $(id -u) -ne 0 ]]; then
    echo "test-fresh: needs root for debootstrap, mount and chroot" >&2
    exit 1
fi
"$top/scripts/install-deps.sh" fresh

# The package mirror this machine's apt uses for Debian itself, read from its sources
# (one-line or deb822 format), so nothing names a mirror in the repository.
mirror() {
    local line
    line=$(grep -hs -E '^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?[a-z]+://' \
        /etc/apt/sources.list /etc/apt/sources.list.d/*.list | grep -v -- '-security' | head -n 1)
    if [[ -n $line ]]; then
        sed -E 's/^[[:space:]]*deb[[:space:]]+(\[[^]]*\][[:space:]]+)?([^[:space:]]+).*/\2/' <<<"$line"
        return
    fi
    grep -hs -E '^URIs:' /etc/apt/sources.list.d/*.sources | grep -v -- '-security' |
        head -n 1 | awk '{print $2}'
}

mkdir -p "$fresh"
root=$(mktemp -d "$fresh/root.XXXXXX")
mounted=no

# Every mount under the root (ours and those the tests make) goes with the root's own bind
# mount; the tree is removed only when nothing is mounted under it any more, so a failed
# unmount can never let rm reach the host's /dev or /proc.
cleanup() {
    trap - EXIT INT TERM
    if [[ $mounted == yes ]]; then
        umount -R "$root" 2>/dev/null || umount -R -l "$root" 2>/dev/null || true
    fi
    if grep -q " $root[ /]" /proc/self/mounts; then
        echo "test-fresh: mounts remain under $root; left in place" >&2
    else
        rm -rf --one-file-system "$root"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [[ ! -f $cache ]]; then
    url=$(mirror)
    [[ -n $url ]] || { echo "test-fresh: no Debian mirror in /etc/apt/sources*" >&2; exit 1; }
    echo "test-fresh: making a minimal Debian 12 root from $url (cached in $cache)"
    start=$SECONDS
    debootstrap --variant=minbase --include=git,make,ca-certificates "$suite" "$root" "$url" \
        >"$fresh/debootstrap.log" 2>&1 ||
        { tail -n 20 "$fresh/debootstrap.log" >&2; exit 1; }
    # A new machine has no package lists or downloaded packages yet.
    rm -f "$root"/var/cache/apt/archives/*.deb
    find "$root/var/lib/apt/lists" -maxdepth 1 -type f -delete
    tar -C "$root" -czf "$cache.part" . && mv "$cache.part" "$cache"
    echo "test-fresh: root made in $((SECONDS - start)) s"
else
    echo "test-fresh: using the cached root $cache"
    tar -C "$root" -xzf "$cache"
fi

# The new machine's / is open to every user; mktemp made it 0700, and tar restores that.
chmod 755 "$root"

# The new machine reaches the same archive as this one: its apt sources and name server.
rm -f "$root"/etc/apt/sources.list "$root"/etc/apt/sources.list.d/*
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [[ -f $f ]] && cp "$f" "$root$f"
done
cp -L /etc/resolv.conf "$root/etc/resolv.conf"

mount --bind "$root" "$root"
mounted=yes
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"

git clone -q "$top" "$root/root/wendle"
echo "test-fresh: make test in a clone of $(git -C "$top" rev-parse --short HEAD)"

start=$SECONDS
set +e
chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/wendle && make test' >"$fresh/make-test.log" 2>&1
status=$?
set -e

# The summary: each ctest run's count and any failures, then the end of the log.
grep -E 'tests passed|tests failed|\*\*\*Failed|\(Failed\)|Error [0-9]+' "$fresh/make-test.log" || true
if [[ $status -ne 0 ]]; then
    echo "--- last lines of $fresh/make-test.log"
    tail -n 30 "$fresh/make-test.log"
fi
echo "test-fresh: make test exited $status after $((SECONDS - start)) s (log: $fresh/make-test.log)"
exit "$status"
