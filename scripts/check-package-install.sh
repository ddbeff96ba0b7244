#!/usr/bin/env bash
# Installs the Debian package on a fresh Debian 12 in a chroot, uses it,
# removes it, and checks that the removal left nothing behind:
#   scripts/check-package-install.sh PACKAGE.deb CHROOT_FOLDER
# CHROOT_FOLDER is made with debootstrap (minbase, bookworm) when it does not
# exist; it must lie outside the repository. Needs root, debootstrap and the
# network. The chroot is used up: make a new one for the next check.
set -euo pipefail

if [[ $# -ne 2 || ! -f "$1" ]]; then
  echo "usage: $0 PACKAGE.deb CHROOT_FOLDER" >&2
  exit 2
fi
deb=$(realpath "$1")
root=$(realpath -m "$2")
[[ -d "$root" ]] || debootstrap --variant=minbase bookworm "$root" >/dev/null

# apt's own messages go to a log, shown when a step fails.
log="$root/tmp/check-package-install.log"
fail() {
  echo "check-package-install: $1" >&2
  [[ -s "$log" ]] && tail -n 20 "$log" >&2
  exit 1
}
inside() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"; }
# Every path of the system but those that change by themselves.
snapshot() {
  inside find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /run -o -path /tmp -o -path /root \
    -o -path /var/cache -o -path /var/log -o -path /var/lib/apt -o -path /var/lib/dpkg \) -prune -o -print | sort
}
mount -t proc proc "$root/proc"
mount -t devpts devpts "$root/dev/pts"
trap 'umount "$root/dev/pts" "$root/proc"' EXIT
cp "$deb" "$root/tmp/"
name=$(basename "$deb")

inside apt-get update -qq >"$log" 2>&1 || fail "apt-get update failed"
fresh=$(snapshot)
inside apt-get install -y "/tmp/$name" >"$log" 2>&1 || fail "apt install ./$name failed"
echo "installed ./$name on a fresh Debian $(cat "$root/etc/debian_version")"

# The programs work where the package put them.
inside purso --version | grep -q "^purso (Tolva Account Organizer) " || fail "purso --version"
inside purso-tool --version | grep -q "^purso-tool " || fail "purso-tool --version"
inside purso-tool new /tmp/check.pxf --year 1999 && inside purso-tool check /tmp/check.pxf >/dev/null ||
  fail "purso-tool cannot make and check an account"
status=0
inside sh -c 'QT_QPA_PLATFORM=offscreen timeout 3 purso /tmp/check.pxf' >/dev/null 2>&1 || status=$?
[[ $status -eq 124 ]] || fail "purso did not keep running on the offscreen platform (status $status)"
[[ -f "$root/usr/share/mime/application/x-purso-document.xml" ]] || fail "the MIME database does not know account files"
[[ -f "$root/usr/share/purso/help/main.htm" ]] || fail "no help pages"
echo "purso, purso-tool, the help pages and the MIME type work"

files=$(inside dpkg -L purso)
inside apt-get remove -y purso >"$log" 2>&1 || fail "apt remove purso failed"
for file in $files; do
  [[ -e "$root$file" && ! -d "$root$file" ]] && fail "$file is left after the removal"
done
if snapshot | grep -i purso; then fail "the paths above are left after the removal"; fi
echo "apt remove purso left no file of the package and no path naming it"

# With what the package pulled in removed as well, the system is the fresh one.
inside apt-get autoremove --purge -y >"$log" 2>&1 || fail "apt autoremove failed"
echo "after apt autoremove --purge, compared with the fresh system:"
diff <(echo "$fresh") <(snapshot) || true
