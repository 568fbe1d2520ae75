# Sourced by the scripts.

# usage SCRIPT: the comment block under the script's first line, which is its
# help, without the comment marks.
usage() {
  awk 'NR == 1 { next } /^#/ { sub(/^# ?/, ""); print; next } { exit }' "$1"
}

# isolated CMD...: runs a command in a fresh network namespace with only
# loopback up, so nothing it starts can reach a network.
isolated() {
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
