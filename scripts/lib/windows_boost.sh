# Sourced by scripts/deps.

# Boost 1.76 made Regex header-only, which is what the MinGW build needs: the
# system's 1.74 has only a Linux-built regex library. Debian's 1.81 headers are
# unpacked into the build folder, never installed, so the Linux builds keep 1.74.
windows_boost_root() {
  echo "$1/build/third_party/boost1.81"
}

# unpack_windows_boost ROOT: idempotent; only downloads while the headers are missing.
unpack_windows_boost() {
  local target marker work
  target=$(windows_boost_root "$1")
  marker="$target/usr/lib/x86_64-linux-gnu/cmake/Boost-1.81.0/BoostConfig.cmake"
  [[ -f "$marker" ]] && return 0
  echo "scripts/deps: unpacking libboost1.81-dev into $target"
  mkdir -p "$(dirname "$target")" && work=$(mktemp -d "$(dirname "$target")/.unpack.XXXXXX") || return 1
  # apt's own download user cannot write into a private temporary folder.
  chmod 755 "$work"
  if ! (cd "$work" && apt-get download -qq libboost1.81-dev 2>/dev/null); then
    apt-get update -qq && (cd "$work" && apt-get download -qq libboost1.81-dev 2>/dev/null) ||
      { rm -rf "$work"; return 1; }
  fi
  # Unpacked aside and moved in whole, so an interrupted or concurrent run
  # never leaves a half tree that looks complete.
  dpkg-deb -x "$work"/libboost1.81-dev_*.deb "$work/tree" &&
    rm -rf "$target" && mv "$work/tree" "$target"
  rm -rf "$work"
  [[ -f "$marker" ]]
}
