#!/usr/bin/env bash
# check_install.sh DEB CACHE_DIR
# Installs DEB the way a user does, into a clean Debian root, starts the
# installed program there and takes it out again:
#   1. a minimal root (essential packages and apt) of the release this machine
#      runs, made with mmdebstrap from the Debian archive and kept as a tarball
#      in CACHE_DIR with the packages installed into it, so later runs
#      download little; delete CACHE_DIR to start afresh;
#   2. `apt-get install ./qelvane_*.deb` in it, which must bring every
#      dependency (recommended packages are left out: the program must start
#      without them);
#   3. `qelvane` started headless (offscreen) in a network namespace with no
#      interface at all, since the installed setting.ini names the router's
#      factory address: it must draw its first page;
#   4. `apt-get remove`, which must keep the conffile /etc/qelvane/setting.ini,
#      then `apt-get purge`, which must take every file of the package, the
#      conffile and /etc/qelvane among them, and leave the rest alone.
# Only steps 1 and 2 reach the network, and only Debian's archive. Needs root
# (it makes a chroot).
set -uo pipefail

deb=$(realpath "$1") cache=$(realpath -m "$2")
say() { echo "check-install: $*"; }
die() { echo "check-install: FAIL: $*" >&2; exit 1; }

((EUID == 0)) || die "needs root for the chroot: sudo scripts/package --check-install"
for tool in mmdebstrap unshare chroot; do
  command -v "$tool" >/dev/null || die "$tool is missing (scripts/deps installs it)"
done

# The package's dependencies were computed against this machine's libraries,
# so the root is of the same release.
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
[[ -n $suite ]] || die "cannot tell this machine's Debian release from /etc/os-release"
archive=http://deb.debian.org/debian
base="$cache/$suite.tar"
mkdir -p "$cache/archives/partial" || exit 1
if [[ ! -s $base ]]; then
  say "making a clean $suite root with mmdebstrap (once; kept in $base)"
  # The index files stay in the tarball: each run only refreshes them.
  mmdebstrap --quiet --variant=apt --skip=cleanup/apt/lists \
    "$suite" "$cache/$suite.partial.tar" \
    "deb $archive $suite main" "deb $archive $suite-updates main" \
    "deb $archive-security $suite-security main" </dev/null ||
    die "mmdebstrap could not make the $suite root"
  mv "$cache/$suite.partial.tar" "$base" || exit 1
fi

# A run that was killed leaves its root behind; one run at a time.
rm -rf --one-file-system "$cache"/run.*
work=$(mktemp -d "$cache/run.XXXXXX") || exit 1
trap 'rm -rf --one-file-system "$work"' EXIT
root="$work/root"
mkdir "$root" && tar -C "$root" -xf "$base" || die "cannot unpack $base"
cp "$deb" "$root/tmp/" || exit 1
# Name resolution for apt, and no service starts from maintainer scripts.
cp -L /etc/resolv.conf "$root/etc/resolv.conf" || exit 1
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d" && chmod 755 "$root/usr/sbin/policy-rc.d" || exit 1

# Everything but the system's own folders and root's home (what the program
# keeps there is the user's), to compare before and after the purge.
list_files() {
  chroot "$root" find / -xdev \( -path /proc -o -path /sys -o -path /dev -o -path /run -o -path /tmp \
    -o -path /root -o -path /var/cache -o -path /var/log -o -path /var/lib/apt -o -path /var/lib/dpkg \) \
    -prune -o -print | sort
}

# A command in the root, with a clean environment.
in_root() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LC_ALL=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}

# The steps in the root. They run in a mount namespace of their own: /proc,
# /dev and the package cache are mounted there and vanish with it.
check_in_root() {
  mount -t proc proc "$root/proc"
  mount --rbind /dev "$root/dev"
  mount --bind "$cache/archives" "$root/var/cache/apt/archives"

  say "apt-get install ./$deb_name"
  in_root apt-get update -qq || die "apt-get update failed"
  in_root sh -c "cd /tmp && apt-get install -y -qq --no-install-recommends ./$deb_name" >"$root/tmp/install.log" 2>&1 ||
    { cat "$root/tmp/install.log" >&2; die "apt-get install failed"; }

  { in_root dpkg-query -L qelvane; echo /etc/qelvane; } >"$root/tmp/owned.list"

  # setting.ini: a conffile in /etc, which the program directory links to.
  in_root dpkg-query -W -f="\${Conffiles}\n" qelvane | grep -q "^ /etc/qelvane/setting.ini " ||
    die "/etc/qelvane/setting.ini is not a conffile"
  [[ $(readlink "$root/usr/lib/qelvane/setting.ini") == /etc/qelvane/setting.ini ]] ||
    die "/usr/lib/qelvane/setting.ini does not link to /etc/qelvane/setting.ini"

  # No network interface at all, not even loopback, and no system bus: the
  # factory address in setting.ini cannot be reached. Qt logs each widget it
  # paints; the first page is drawn once the welcome page is painted and
  # the window flushed.
  say "starting qelvane (offscreen, no network)"
  log="$root/tmp/qelvane.log"
  mkdir -m 700 "$root/tmp/runtime"
  unshare --net chroot "$root" env -i PATH=/usr/bin:/bin HOME=/root XDG_RUNTIME_DIR=/tmp/runtime \
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="qt.widgets.painting=true" \
    DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent/no-system-bus qelvane >"$log" 2>&1 &
  program=$!
  drawn=0
  for _ in $(seq 600); do
    if grep -q "Drawing .* of CWelcomeDlg(" "$log" && grep -q "Flushing .* of CQelvaneDlg(" "$log"; then
      drawn=1; break
    fi
    kill -0 $program 2>/dev/null || break
    sleep 0.1
  done
  if ! kill $program 2>/dev/null; then
    grep -v "^qt.widgets.painting" "$log" >&2; die "qelvane exited before drawing its first page"
  fi
  wait $program || true
  ((drawn)) || { grep -v "^qt.widgets.painting" "$log" >&2; die "qelvane drew no first page within 60 s"; }
  say "qelvane drew its first page"

  say "apt-get remove, then purge"
  in_root apt-get remove -y -qq qelvane >"$root/tmp/remove.log" 2>&1 || { cat "$root/tmp/remove.log" >&2; die "apt-get remove failed"; }
  [[ ! -e $root/usr/lib/qelvane && ! -e $root/usr/bin/qelvane ]] || die "apt-get remove left the program"
  [[ -f $root/etc/qelvane/setting.ini ]] || die "apt-get remove took the conffile /etc/qelvane/setting.ini"
  list_files >"$root/tmp/removed.list"
  in_root apt-get purge -y -qq qelvane >>"$root/tmp/remove.log" 2>&1 || { cat "$root/tmp/remove.log" >&2; die "apt-get purge failed"; }
  [[ ! -e $root/etc/qelvane ]] || die "apt-get purge left /etc/qelvane"
  [[ -z $(in_root dpkg-query -W -f="\${db:Status-Status}" qelvane 2>/dev/null) ]] || die "dpkg still knows qelvane"
  # The purge takes every file of the package and creates none; a folder of
  # the package may stay only while another package owns it.
  list_files >"$root/tmp/purged.list"
  created=$(comm -13 "$root/tmp/removed.list" "$root/tmp/purged.list")
  [[ -z $created ]] || die "the purge created: $created"
  left=()
  while read -r path; do
    [[ $path != /. ]] || continue
    [[ -e $root$path || -L $root$path ]] || continue
    [[ -d $root$path && ! -L $root$path ]] && in_root dpkg-query -S "$path" >/dev/null 2>&1 && continue
    left+=("$path")
  done < <(sort -u "$root/tmp/owned.list")
  ((${#left[@]} == 0)) || die "the purge left: ${left[*]}"
  in_root apt-get autoclean -qq
}

deb_name=$(basename "$deb")
export root deb_name cache
export -f say die list_files in_root check_in_root
unshare --mount --propagation private bash -euo pipefail -c check_in_root || exit 1
say "$(basename "$deb"): installed, started, removed and purged cleanly"
