#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks what a user gets from
# `apt-get install ./wellenlabor_*.deb`: the programs and their menu data and
# nothing else of the build, the runtime dependencies, and menu data that the
# desktop's own validators accept.
#
# Usage: check-package.sh BUILD_DIR VERSION PROGRAM:ID...
set -euo pipefail

fail() {
  echo "check-package: FAIL: $*" >&2
  exit 1
}

[ $# -ge 3 ] || fail "usage: check-package.sh BUILD_DIR VERSION PROGRAM:ID..."
build=$1
version=$2
shift 2

# Its own folder, so that a parallel test or `make package` cannot mix in.
work=$(mktemp -d "${TMPDIR:-/tmp}/wellenlabor-package.XXXXXX")
trap 'rm -rf "$work"' EXIT

if ! (cd "$build" && cpack -G DEB -B "$work/out") >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack could not build the package"
fi
debs=("$work"/out/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  fail "expected one .deb from cpack, found: ${debs[*]}"
fi
deb=${debs[0]}

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
expect_field() {
  local actual
  actual=$(field "$1")
  [ "$actual" = "$2" ] || fail "$1 is '$actual', expected '$2'"
}
expect_field Package wellenlabor
expect_field Version "$version"
expect_field Section education
depends=$(field Depends)
for dep in libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n fonts-liberation; do
  [[ ", $depends," == *", $dep"[\ ,]* ]] || fail "Depends lacks $dep: $depends"
done
expect_field Recommends qt6-wayland

# Contents: exactly the programs, their menu data and the copyright file.
expected=(usr/share/doc/wellenlabor/copyright)
for entry in "$@"; do
  program=${entry%%:*}
  id=${entry#*:}
  expected+=(
    "usr/bin/$program"
    "usr/share/applications/$id.desktop"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
    "usr/share/metainfo/$id.metainfo.xml"
  )
done
printf '%s\n' "${expected[@]}" | sort >"$work/expected"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort >"$work/actual"
if ! diff -u "$work/expected" "$work/actual" >"$work/contents.diff"; then
  cat "$work/contents.diff" >&2
  fail "package contents differ from the expected files (- missing, + unexpected)"
fi

# The files as installed. desktop-file-validate prints hints next to errors
# and warnings, and appstreamcli infos; only errors and warnings fail.
root=$work/root
dpkg-deb -x "$deb" "$root"
for entry in "$@"; do
  program=${entry%%:*}
  id=${entry#*:}
  bin=$root/usr/bin/$program
  desktop=$root/usr/share/applications/$id.desktop
  icon=$root/usr/share/icons/hicolor/scalable/apps/$id.svg
  metainfo=$root/usr/share/metainfo/$id.metainfo.xml

  [ -x "$bin" ] || fail "$program is not executable"
  case $(file -b --mime-type "$bin") in
    application/x-pie-executable | application/x-executable) ;;
    *) fail "$program is not an executable: $(file -b "$bin")" ;;
  esac
  if readelf -d "$bin" | grep -E 'RPATH|RUNPATH' >&2; then
    fail "$program carries a runpath"
  fi
  [ "$(file -b --mime-type "$icon")" = image/svg+xml ] || fail "$id.svg is not an SVG image"

  grep -qx "Exec=$program" "$desktop" || fail "$id.desktop does not start $program"
  grep -qx "Icon=$id" "$desktop" || fail "$id.desktop does not name the icon $id"
  if ! out=$(desktop-file-validate "$desktop" 2>&1) || grep -qE ': (error|warning): ' <<<"$out"; then
    echo "$out" >&2
    fail "desktop-file-validate rejects $id.desktop"
  fi

  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "$id.metainfo.xml does not launch $id.desktop"
  if ! out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || grep -qE '^\s*[EW]: ' <<<"$out"; then
    echo "$out" >&2
    fail "appstreamcli rejects $id.metainfo.xml"
  fi
done

echo "check-package: $(basename "$deb") holds $(wc -l <"$work/actual") files as expected; Depends: $depends"
