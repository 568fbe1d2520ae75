#!/usr/bin/env bash
# check_package.sh CPACK BUILD_DIR SOURCE_DIR
# Makes the Debian package from BUILD_DIR into a temporary folder, unpacks it
# with dpkg-deb (it never installs the package, and never runs anything that
# is in it: the shipped setting.ini names a real router), checks what a
# user's `apt install` would get and has lintian, Debian's own checker, look
# at it. `scripts/package --check-install` is the check that installs it.
set -uo pipefail

cpack=$1 build=$2 source=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack could not make the package" >&2
  exit 1
fi
debs=("$work"/out/*.deb)
if ((${#debs[@]} != 1)) || [[ ! -f ${debs[0]} ]]; then
  echo "FAIL: expected one .deb, got: ${debs[*]}" >&2
  exit 1
fi
deb=${debs[0]}
field() { dpkg-deb -f "$deb" "$1"; }
root="$work/root"
dpkg-deb -x "$deb" "$root" || { echo "FAIL: dpkg-deb cannot unpack $deb" >&2; exit 1; }
program_dir="$root/usr/lib/qelvane"

# The file name apt and users expect, from the control fields themselves.
expected_name="$(field Package)_$(field Version)_$(field Architecture).deb"
[[ $(basename "$deb") == "$expected_name" ]] || fail "package file is $(basename "$deb"), not $expected_name"
[[ $(field Package) == qelvane && $(field Section) == net ]] || fail "package name or section wrong"
[[ -n $(field Maintainer) && -n $(field Description) ]] || fail "no maintainer or description"

# Dependencies: what the binaries link (found by dpkg-shlibdeps) and what is
# only loaded at run time. The adapter reset's NetworkManager is optional.
depends=$(field Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 'libboost-regex[^ ,]*' libglib2.0-0 libc6 \
              qt6-qpa-plugins fonts-liberation2 fonts-noto-cjk gsettings-desktop-schemas; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
grep -q network-manager <<<"$depends" && fail "network-manager must be recommended, not required"
grep -q network-manager <<<"$(field Recommends)" || fail "Recommends lacks network-manager"
grep -q qt6-wayland <<<"$(field Recommends)" || fail "Recommends lacks qt6-wayland"

# The program directory, laid out as the wizard expects it.
for file in Qelvane libTarnwick.so Language/English.ini Language/SimpChinese.ini \
            Skin/logo.ico Skin/dlgMainUI.bmp Skin/en/Setup1.bmp Skin/cn/Setup1.bmp; do
  [[ -f $program_dir/$file ]] || fail "missing /usr/lib/qelvane/$file"
done
[[ -x $program_dir/Qelvane ]] || fail "Qelvane is not executable"
# setting.ini is a conffile in /etc, read beside the program through a link.
conffile="$root/etc/qelvane/setting.ini"
cmp -s "$conffile" "$source/packaging/setting.ini" || fail "the shipped setting.ini is not the factory one"
grep -q '^LAN IP=192\.168\.0\.1$' "$conffile" || fail "setting.ini lacks the factory address"
[[ $(dpkg-deb -I "$deb" conffiles) == /etc/qelvane/setting.ini ]] || fail "setting.ini is not a conffile"
[[ $(readlink "$program_dir/setting.ini") == /etc/qelvane/setting.ini ]] ||
  fail "/usr/lib/qelvane/setting.ini does not link to /etc/qelvane/setting.ini"
# The library is private, out of the loader's path: nothing to run ldconfig for.
scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -E 'inst$|rm$')
[[ -z $scripts ]] || fail "maintainer scripts in the package: $scripts"

# Only the program and its library: no simulated router, driver, tools or tests.
mapfile -t elves < <(find "$root" -type f -exec file {} + | grep ': *ELF' | cut -d: -f1 | sed "s|^$root||" | sort)
[[ "${elves[*]}" == "/usr/lib/qelvane/Qelvane /usr/lib/qelvane/libTarnwick.so" ]] ||
  fail "unexpected programs in the package: ${elves[*]}"
for elf in Qelvane libTarnwick.so; do
  runpath=$(readelf -d "$program_dir/$elf" | sed -n 's/.*(RUNPATH).*\[\(.*\)\]/\1/p')
  [[ $runpath == '$ORIGIN' ]] || fail "$elf RUNPATH is '$runpath', not \$ORIGIN"
done

# The command on the PATH: a relative link, so it holds wherever the root is.
link=$(readlink "$root/usr/bin/qelvane")
[[ $link != /* && $(readlink -f "$root/usr/bin/qelvane") == "$program_dir/Qelvane" ]] ||
  fail "/usr/bin/qelvane is '$link', not a relative link to the program"

# Desktop integration: the menu entry, its icon at every size, the metainfo.
app_id=org.qelvane.Qelvane
desktop="$root/usr/share/applications/$app_id.desktop"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
# Hints (two main categories: Network and Settings, as intended) are not failures.
desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 ||
  { cat "$work/desktop.log" >&2; fail "desktop-file-validate rejects $app_id.desktop"; }
grep -q '^Exec=qelvane$' "$desktop" || fail "the menu entry does not start the qelvane command"
grep -q "^Icon=$app_id$" "$desktop" || fail "the menu entry's icon is not $app_id"
for size in 16 32 48 64 128 256; do
  png="$root/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  file "$png" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" || fail "icon ${size}x${size}: $(file "$png")"
done
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli rejects the metainfo"; }
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch $app_id.desktop"

# Nothing from this machine: no build path, files owned by root.
leaks=$(grep -rlF "$build" "$root")
[[ -z $leaks ]] || fail "the build path $build is in: $leaks"
owners=$(dpkg-deb -c "$deb" | awk '{ print $2 }' | sort -u)
[[ $owners == root/root ]] || fail "files not owned by root: $owners"

# Debian's rules as lintian knows them: no error and no warning; what the
# package deliberately does otherwise is overridden, with the reason, in
# packaging/lintian-overrides.
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 ||
  { cat "$work/lintian.log" >&2; fail "lintian finds errors or warnings"; }

if ((failures)); then
  echo "$failures check(s) failed for $(basename "$deb")" >&2
  exit 1
fi
echo "$(basename "$deb"): all checks passed"
