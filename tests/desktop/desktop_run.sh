#!/bin/bash
# Runs desktop_host on a window system of its own and checks what it and the
# window system report.
#   desktop_run.sh HOST wayland   weston, headless with pixman, on a private
#                                 runtime folder; the wizard on Qt's Wayland
#                                 platform. Its boxes and progress window must
#                                 be given the wizard as parent (the protocol
#                                 log shows xdg_toplevel.set_parent).
#   desktop_run.sh HOST wayland-seat
#                                 weston nested on a bare Xvfb, which gives it
#                                 a seat: with the Exit question up, a real
#                                 click (xdotool) on the wizard beside it must
#                                 leave the question above the wizard.
#   desktop_run.sh HOST x11       Xvfb without a window manager or compositor:
#                                 the shapes still cut the windows, and the Exit
#                                 question is centred on a wizard that moved.
# Arguments after the window system go to the host (--chinese). Shots go to
# QELVANE_SHOT_DIR when set. Exit code 77: not possible here.
set -u
host=$1
mode=$2
shift 2  # the rest goes to the host (--chinese)
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }

work=$(mktemp -d)
cleanup() {
  [[ -n ${server:-} ]] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
shots=${QELVANE_SHOT_DIR:-$work/shots}
# The window-system client libraries are not built for ThreadSanitizer, and
# it takes their mutex hooks (Xlib's, the Wayland client's locking) for
# misuse; races are still reported.
[[ -n ${TSAN_OPTIONS:-} ]] && export TSAN_OPTIONS="$TSAN_OPTIONS:report_mutex_bugs=0"
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)

wait_for_socket() {
  for _ in $(seq 200); do [[ -S $1 ]] && return; sleep 0.05; done
  cat "$2"
  fail "the window system did not start"
}
# A bare X server (no window manager, no compositor) as DISPLAY.
start_xvfb() {
  local display=:$((200 + RANDOM % 600))
  Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
  server=$!
  wait_for_socket "/tmp/.X11-unix/X${display#:}" "$work/xvfb.log"
  export DISPLAY=$display
}

need_weston() {
  command -v weston >/dev/null || skip "no weston (Debian package weston)"
  command -v weston-screenshooter >/dev/null || skip "no weston-screenshooter (Debian package weston)"
  compgen -G "$plugins/platforms/libqwayland*.so" >/dev/null || skip "no Qt Wayland platform (qt6-wayland)"
}
# weston with BACKEND WIDTH HEIGHT on a private runtime folder, the wizard on
# Qt's Wayland platform; --debug lets the screenshooter client in.
start_weston() {
  export XDG_RUNTIME_DIR=$work/runtime
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  weston --backend="$1" --use-pixman --socket=qelvane-test --width="$2" --height="$3" \
    --idle-time=0 --debug >"$work/weston.log" 2>&1 &
  wait_for_socket "$XDG_RUNTIME_DIR/qelvane-test" "$work/weston.log"
  export WAYLAND_DISPLAY=qelvane-test QT_QPA_PLATFORM=wayland
}

case $mode in
  wayland)
    need_weston
    start_weston headless-backend.so 1280 800
    server=$!
    export WAYLAND_DEBUG=client
    unset DISPLAY
    "$host" --shots "$shots" "$@" >"$work/host.out" 2>"$work/host.err"
    status=$?
    ;;
  wayland-seat)
    need_weston
    command -v Xvfb >/dev/null || skip "no Xvfb (Debian package xvfb)"
    command -v xdotool >/dev/null || skip "no xdotool (Debian package xdotool)"
    start_xvfb
    # weston's window takes the X screen's top-left corner, so a point of
    # its output is the same point of the X screen for xdotool.
    start_weston x11-backend.so 1200 760
    nested=$!
    "$host" --shots "$shots" --click-wizard "$@" >"$work/host.out" 2>"$work/host.err"
    status=$?
    kill "$nested" 2>/dev/null && wait "$nested" 2>/dev/null
    ;;
  x11)
    command -v Xvfb >/dev/null || skip "no Xvfb (Debian package xvfb)"
    start_xvfb
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
    "$host" --shots "$shots" --move 180,-60 "$@" >"$work/host.out" 2>"$work/host.err"
    status=$?
    ;;
  *) fail "unknown window system $mode" ;;
esac

cat "$work/host.out"
if ((status != 0)); then
  grep -v '^\[' "$work/host.err" | tail -40
  fail "the wizard's walk ended with $status"
fi
grep -q '^shot progress ' "$work/host.out" || fail "the progress window was not shot"
case $mode in
  wayland-seat)
    grep -q '^box-above-after-click=yes' "$work/host.out" || fail "a click on the wizard hid its Exit question"
    ;;
  wayland)
    # Qt writes the protocol log to standard error: a box and the progress
    # window each name the wizard's toplevel as their parent.
    parents=$(grep -cE 'xdg_toplevel@[0-9]+\.set_parent\(xdg_toplevel@[0-9]+\)' "$work/host.err")
    echo "set_parent with a parent: $parents"
    ((parents >= 2)) || fail "the question and the progress window were not given the wizard as parent"
    ;;
  x11)
    offset=$(sed -n 's/^box-offset=//p' "$work/host.out")
    dx=${offset%,*} dy=${offset#*,}
    ((${dx#-} <= 1 && ${dy#-} <= 1)) || fail "the Exit question is not centred on the moved wizard ($offset)"
    ;;
esac
echo "PASSED"
