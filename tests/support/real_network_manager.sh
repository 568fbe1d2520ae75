#!/usr/bin/env bash
# The real NetworkManager as a test peer, run by the RealNetworkManager fixture
# as  unshare --mount --net --propagation private --kill-child bash THIS DIR
# so that everything below lives in a network and mount namespace of the
# test's own and dies with it. DIR holds the test's inputs and our outputs:
#   DIR/adapters      one line per adapter: NAME FAR-NAME FAR-ADDRESS/PREFIX dhcp|none
#                     connected|disconnected (the state it starts in)
#   DIR/auth-polkit   "false" or "root-only"
#   DIR/profiles/     keyfiles for /etc/NetworkManager/system-connections
#   DIR/memory/       keyfiles kept only in memory (/run/NetworkManager/...)
#   DIR/pid           written once all is up: this shell's pid, then the daemon's
#   DIR/*.log         what the bus, the daemon and the DHCP servers said
# The machine's own bus, resolv.conf and profiles are out of reach: /run,
# /etc/NetworkManager and /var/lib/NetworkManager are fresh tmpfs here, and
# resolv.conf is a scratch file.
set -euo pipefail
dir=$1
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/private_bus.sh"
PATH="$PATH:/usr/sbin:/sbin"

# Every helper dies with this shell, however the shell ends.
keep() { exec setpriv --pdeathsig KILL -- "$@"; }

mount --make-rprivate /
for m in /run /etc/NetworkManager /var/lib/NetworkManager /usr/lib/NetworkManager/conf.d; do
  mount -t tmpfs -o mode=0755 qelvane-test "$m"
done
: >"$dir/resolv.conf"
mount --bind "$dir/resolv.conf" /etc/resolv.conf
# A sysfs of this namespace, read-only: with a writable one the daemon waits
# for udev, which never answers here, and leaves the adapters unmanaged.
mount -t sysfs -o ro sysfs /sys
ip link set lo up

names=()
declare -A start_state
while read -r name far address dhcp state; do
  [[ -n "$name" ]] || continue
  names+=("$name")
  start_state[$name]=$state
  ip link add "$name" type veth peer name "$far"
  ip addr add "$address" dev "$far"
  ip link set "$far" up
  if [[ "$dhcp" == dhcp ]]; then
    base=${address%.*}
    # As root: a change of user would clear the signal that ends it with us.
    keep dnsmasq --user=root --group=root --keep-in-foreground --no-resolv --no-hosts --port=0 --no-ping --bind-interfaces \
      --interface="$far" --except-interface=lo --dhcp-range="$base.100,$base.150,255.255.255.0,1h" \
      --dhcp-leasefile="$dir/$far.leases" --pid-file= --log-dhcp --log-facility="$dir/$far.log" &
  fi
done <"$dir/adapters"

mkdir -p /etc/NetworkManager/system-connections /run/NetworkManager/system-connections
for f in "$dir"/profiles/*.nmconnection; do
  [[ -e "$f" ]] && install -m 0600 "$f" /etc/NetworkManager/system-connections/
done
for f in "$dir"/memory/*.nmconnection; do
  [[ -e "$f" ]] && install -m 0600 "$f" /run/NetworkManager/system-connections/
done

managed=$(printf 'except:interface-name:%s,' "${names[@]}")
cat >/etc/NetworkManager/NetworkManager.conf <<CONF
[main]
plugins=keyfile
dns=none
rc-manager=unmanaged
no-auto-default=*
auth-polkit=$(cat "$dir/auth-polkit")
dhcp=internal
[keyfile]
unmanaged-devices=${managed%,}
[connectivity]
enabled=false
[logging]
level=INFO
CONF

private_bus_config "$dir/system_bus_socket" >"$dir/bus.conf"
keep dbus-daemon --config-file="$dir/bus.conf" --nofork 2>"$dir/bus.log" &
for _ in $(seq 100); do [[ -S "$dir/system_bus_socket" ]] && break; sleep 0.05; done
chmod 0755 "$dir"
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$dir/system_bus_socket"

keep NetworkManager --debug --config=/etc/NetworkManager/NetworkManager.conf \
  --state-file=/var/lib/NetworkManager/NetworkManager.state >"$dir/NetworkManager.log" 2>&1 &
daemon=$!
# Up when the daemon answers and every adapter is in the state it starts in.
for _ in $(seq 300); do
  if out=$(nmcli -t -f DEVICE,STATE device 2>/dev/null); then
    ready=1
    for n in "${names[@]}"; do
      grep -qx "$n:${start_state[$n]}" <<<"$out" || ready=0
    done
    ((ready)) && break
  fi
  sleep 0.1
done
printf '%s\n%s\n' "$$" "$daemon" >"$dir/pid.tmp"
mv "$dir/pid.tmp" "$dir/pid"
wait
