# Sourced by scripts/demo. A NetworkManager of the demo's own (python3-dbusmock
# on a private bus) with one wired adapter on a fixed address, so the wizard's
# first step has something to switch to DHCP, and says so, without the
# machine's own network profiles ever being in reach.

source "$(dirname "${BASH_SOURCE[0]}")/private_bus.sh"

# start_simulated_network_manager DIR: starts the bus and the mock, exports
# DBUS_SYSTEM_BUS_ADDRESS for what follows; returns non-zero (having started
# nothing that keeps running) when dbusmock is not there.
start_simulated_network_manager() {
  local dir=$1
  /usr/bin/python3 -c 'import dbusmock' 2>/dev/null || return 1
  private_bus_config "$dir/system_bus_socket" >"$dir/bus.conf"
  dbus-daemon --config-file="$dir/bus.conf" --nofork --print-address=3 3>"$dir/address" 2>"$dir/bus.log" &
  nm_bus_pid=$!
  local address=
  for _ in $(seq 50); do
    address=$(head -n1 "$dir/address" 2>/dev/null || true)
    [[ -n "$address" ]] && break
    sleep 0.1
  done
  [[ "$address" == "unix:path=$dir/system_bus_socket"* ]] || { stop_simulated_network_manager; return 1; }
  export DBUS_SYSTEM_BUS_ADDRESS=$address
  /usr/bin/python3 -m dbusmock --system --template networkmanager >"$dir/mock.log" 2>&1 &
  nm_mock_pid=$!
  local nm=(gdbus call --system --dest org.freedesktop.NetworkManager)
  for _ in $(seq 100); do
    "${nm[@]}" --object-path /org/freedesktop/NetworkManager \
      --method org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 && break
    sleep 0.1
  done
  local device profile
  device=$("${nm[@]}" --object-path /org/freedesktop/NetworkManager \
    --method org.freedesktop.DBus.Mock.AddEthernetDevice eth0Dev eth0 100) || { stop_simulated_network_manager; return 1; }
  profile=$("${nm[@]}" --object-path /org/freedesktop/NetworkManager/Settings \
    --method org.freedesktop.NetworkManager.Settings.AddConnection \
    "{'connection': {'id': <'Wired connection 1'>, 'type': <'802-3-ethernet'>,
                     'uuid': <'5f1c3a2e-7d4b-4c1a-9e0f-2b6d8a4c7e31'>},
      'ipv4': {'method': <'manual'>, 'gateway': <'10.1.1.1'>,
               'address-data': <[{'address': <'10.1.1.23'>, 'prefix': <uint32 24>}]>}}") ||
    { stop_simulated_network_manager; return 1; }
  device=${device#\(\'}; device=${device%\',\)}
  profile=${profile#\(objectpath \'}; profile=${profile%\',\)}
  "${nm[@]}" --object-path /org/freedesktop/NetworkManager \
    --method org.freedesktop.DBus.Mock.AddActiveConnection "['$device']" "$profile" / demo 2 >/dev/null ||
    { stop_simulated_network_manager; return 1; }
}

stop_simulated_network_manager() {
  local pid
  for pid in ${nm_mock_pid:-} ${nm_bus_pid:-}; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  nm_mock_pid= nm_bus_pid=
}
