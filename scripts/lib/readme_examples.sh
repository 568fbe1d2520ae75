#!/usr/bin/env bash
# Runs, or accounts for, every example in README.md, so none can rot. Each
# ```sh or ```ini block must sit right under a mark saying how it is checked:
#   <!-- example: demo -->         the two commands: the demo's window walk and
#                                  its headless run (scripts/test is the caller)
#   <!-- example: run -->          run as it stands from the repository root
#   <!-- example: ini -->          a setting.ini: copied as it stands beside a copy
#                                  of the program, which must log in with it
#   <!-- example: ci COMMAND -->   run by .ci/run as COMMAND (checked to be there)
#   <!-- example: manual WHY -->   not run here; WHY says when it is
# Runs inside the caller's network namespace (scripts/test --readme makes one):
# the examples start simulated routers on 127.0.0.1:80.
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build="${QELVANE_BUILD_DIR:-$root/build/default}"
cd "$root" || exit 1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Splits the README into blocks: work/N.kind (the mark) and work/N.text.
awk -v dir="$work" '
  /^<!-- example: .* -->$/ { mark = $0; sub(/^<!-- example: /, "", mark); sub(/ -->$/, "", mark); next }
  /^```(sh|ini)$/ && !inside {
    inside = 1; n++; printf "%s", mark > (dir "/" n ".kind"); close(dir "/" n ".kind")
    printf "" > (dir "/" n ".text"); mark = ""; next
  }
  /^```/ && inside { inside = 0; close(dir "/" n ".text"); next }
  inside { print >> (dir "/" n ".text") }
  /./ && !inside { mark = "" }
' README.md

# A simulated router on 127.0.0.1:80 for the ini check; its pid in sim_pid.
start_router() {
  "$build/bin/router-sim" --address 127.0.0.1 --port 80 >"$work/sim.log" 2>&1 &
  sim_pid=$!
  for _ in $(seq 100); do
    grep -q '^router-sim listening on ' "$work/sim.log" && return 0
    sleep 0.1
  done
  return 1
}

check_ini() {
  local program="$work/program"
  rm -rf "$program"
  cp -a "$build/bin" "$program"
  cp "$1" "$program/setting.ini"
  start_router || { echo "the simulated router did not start"; return 1; }
  local status=0
  timeout 300 "$program/setup-driver" --type dynamic || status=$?
  kill "$sim_pid" 2>/dev/null; wait "$sim_pid" 2>/dev/null
  return $status
}

passed=0 failed=0
for kind_file in $(ls "$work"/*.kind 2>/dev/null | sort -V); do
  n=$(basename "$kind_file" .kind)
  kind=$(cat "$kind_file")
  text="$work/$n.text"
  first=$(head -n1 "$text")
  echo "== README example $n ($kind): $first"
  status=0
  case "$kind" in
    demo)
      timeout 900 scripts/demo || status=$?
      ((status == 0)) && { timeout 600 scripts/demo --headless || status=$?; } ;;
    run) timeout 600 bash -euo pipefail "$text" || status=$? ;;
    ini) check_ini "$text" || status=$? ;;
    ci\ *)
      grep -qF -- "${kind#ci }" .ci/run || { echo ".ci/run does not run ${kind#ci }"; status=1; } ;;
    manual\ *) echo "   not run here: ${kind#manual }" ;;
    *) echo "   no mark says how this example is checked (see scripts/lib/readme_examples.sh)"; status=1 ;;
  esac
  if ((status == 0)); then passed=$((passed + 1)); else failed=$((failed + 1)); echo "   FAILED ($status)"; fi
done
echo "README: $passed passed, $failed failed"
((failed == 0))
