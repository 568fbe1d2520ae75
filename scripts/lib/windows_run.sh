# Sourced by scripts/test-windows inside its network namespace.

router_port=8080    # router-sim as shipped
silent_port=8081    # router-sim --fault silent
dropped_port=8082   # every SYN dropped: a connect that is never answered
closed_port=8083    # nothing listens: refused at once
peer_pids=()

step() { echo "== scripts/test-windows: $*"; }
fail() { echo "scripts/test-windows: $*" >&2; exit 1; }

# The firewall rule below must never reach the machine's own network: go on
# only where loopback is the one interface there is.
require_private_network() {
  if ip -o link show | grep -qv ': lo:'; then
    echo "scripts/test-windows: not in a private network namespace; refusing to go on" >&2
    return 1
  fi
}

wait_listening() {
  local port=$1 tries
  for tries in $(seq 50); do
    ss -Hltn "sport = :$port" | grep -q . && return 0
    sleep 0.1
  done
  return 1
}

start_peers() {
  local router_sim=$1
  "$router_sim" --port "$router_port" >/dev/null 2>&1 & peer_pids+=($!)
  "$router_sim" --port "$silent_port" --fault silent >/dev/null 2>&1 & peer_pids+=($!)
  # Dropped on the way in, so the connecting side hears nothing at all.
  nft -f - <<RULES || return 1
table inet qelvane_test {
  chain input {
    type filter hook input priority 0;
    tcp dport $dropped_port drop
  }
}
RULES
  wait_listening "$router_port" && wait_listening "$silent_port"
}

stop_peers() {
  ((${#peer_pids[@]})) && kill "${peer_pids[@]}" 2>/dev/null
  wineserver -k 2>/dev/null
}
