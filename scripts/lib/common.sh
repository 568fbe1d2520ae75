# Sourced by the scripts.

# usage SCRIPT: the comment block under the script's first line, which is its
# help, without the comment marks.
usage() {
  awk 'NR == 1 { next } /^#/ { sub(/^# ?/, ""); print; next } { exit }' "$1"
}

# isolated CMD...: runs a command in a fresh network namespace with only
# loopback up, so nothing it starts can reach a network. The system bus is
# out of reach too: a namespace does not hide its socket, and the adapter
# reset would change the machine's own network profiles through it.
isolated() {
  export DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent/qelvane-isolated-has-no-system-bus
  local ns=(unshare -n)
  [[ $(id -u) -eq 0 ]] || ns=(unshare -rn)
  if "${ns[@]}" true 2>/dev/null; then
    "${ns[@]}" bash -c 'PATH="$PATH:/usr/sbin:/sbin"; ip link set lo up && exec "$@"' isolated "$@"
  else
    {
      echo "##################################################################"
      echo "## WARNING: no network namespace could be made here.            ##"
      echo "## This runs WITHOUT network isolation.                          ##"
      echo "##################################################################"
    } >&2
    "$@"
  fi
}
