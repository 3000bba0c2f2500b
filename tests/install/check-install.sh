#!/bin/sh
# Installs the build into a fresh temporary prefix, checks that exactly the expected files
# arrive, and validates the desktop entry and the AppStream metainfo as installed.
#   check-install.sh BUILD_DIR EXPECTED_LIST
set -eu
build=$1
expected=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$prefix.list"
if ! LC_ALL=C sort "$expected" | diff -u - "$prefix.list"; then
    echo "the installed files differ from $expected" >&2
    rm -f "$prefix.list"
    exit 1
fi
rm -f "$prefix.list"
[ -x "$prefix/bin/quindle" ] || { echo "bin/quindle is not executable" >&2; exit 1; }

desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$prefix"/share/metainfo/*.metainfo.xml
echo "install into a temporary prefix: files and metadata valid"
