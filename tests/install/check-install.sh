#!/bin/sh
# Installs the build into a fresh temporary prefix, checks that exactly the expected files
# arrive, that the program finds its modules there, and validates the desktop entry and the
# AppStream metainfo as installed.
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

# The installed program loads its modules (sound output, printing and SVG) once its first
# window is up: nothing is said about them. Without them it still runs, and names each one and
# why it could not be loaded.
run() {
    code=0
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$prefix" \
        timeout 3 "$prefix/bin/quindle" >/dev/null 2>"$prefix.err" || code=$?
    said=$(cat "$prefix.err")
    rm -f "$prefix.err"
    [ "$code" -eq 124 ] || { echo "the installed program ended with $code: $said" >&2; exit 1; }
}
run
if printf '%s' "$said" | grep -q 'libquindle_'; then
    echo "the installed program did not load its modules: $said" >&2
    exit 1
fi
rm -f "$prefix"/lib*/quindle/libquindle_*.so "$prefix"/lib/*/quindle/libquindle_*.so
run
for module in libquindle_sound_output.so libquindle_paper_output.so; do
    if ! printf '%s' "$said" | grep -q "$module: cannot open shared object file"; then
        echo "without $module, the program did not say so: $said" >&2
        exit 1
    fi
done

desktop-file-validate "$prefix"/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$prefix"/share/metainfo/*.metainfo.xml
echo "install into a temporary prefix: files and metadata valid"
