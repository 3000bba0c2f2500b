#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Quindle developers
# SPDX-License-Identifier: MIT

# Installs the build into a fresh temporary prefix, checks that exactly the expected files
# arrive, that the program finds its modules there, and checks what a distribution reads in
# them: the desktop entry and the AppStream metainfo valid, its screenshots among the project's
# pictures, the manual page readable and listing every option of --help, the copyright file with
# the licence's text, and the changelog, the metainfo and the program all at the same release.
#   check-install.sh BUILD_DIR EXPECTED_LIST SOURCE_DIR LIBDIR
# LIBDIR is the library folder of the build (lib, or lib/x86_64-linux-gnu where it was
# configured for /usr as a distribution does); the list names it lib.
set -eu
build=$1
expected=$2
source=$3
libdir=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix" "$prefix.list"' EXIT
fail() {
    echo "$*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
(cd "$prefix" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$prefix.list"
sed "s|^lib/|$libdir/|" "$expected" | LC_ALL=C sort | diff -u - "$prefix.list" || fail "the installed files differ from $expected"
[ -x "$prefix/bin/quindle" ] || fail "bin/quindle is not executable"
# The installed program in English, with no settings files (whose language would be --help's).
quindle() {
    env -u LANGUAGE LC_ALL=C.UTF-8 XDG_CONFIG_HOME="$prefix/none" XDG_CONFIG_DIRS="$prefix/none" \
        "$prefix/bin/quindle" "$@"
}

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
metainfo=$(echo "$prefix"/share/metainfo/*.metainfo.xml)
appstreamcli validate --no-net --pedantic "$metainfo"
for image in $(sed -n 's|.*<image[^>]*>[^<]*/docs/images/\([^<]*\)</image>.*|\1|p' "$metainfo"); do
    [ -f "$source/docs/images/$image" ] || fail "the metainfo shows docs/images/$image, which is not there"
done
[ "$(grep -c '<image' "$metainfo")" -gt 1 ] || fail "the metainfo has no screenshots from docs/images"

# The manual page: man reads it without a warning, and it lists every option --help does.
page=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/quindle.1.gz" 2>"$prefix.list") ||
    fail "man cannot read quindle.1.gz"
[ ! -s "$prefix.list" ] || fail "man warns about quindle.1.gz: $(cat "$prefix.list")"
for option in $(quindle --help | grep -o -- '--[a-z-]*' | sort -u); do
    printf '%s\n' "$page" | grep -q -- "$option" || fail "the manual page does not list $option"
done
for section in OPTIONS 'EXIT STATUS' ENVIRONMENT FILES; do
    printf '%s\n' "$page" | grep -q "^$section\$" || fail "the manual page has no $section"
done
for file in '~/.config/Quindle/Quindle.conf' /etc/xdg/Quindle/Quindle.conf pinpon.wav; do
    printf '%s\n' "$page" | grep -qF "$file" || fail "the manual page does not name $file"
done

# The copyright file in Debian's format, with the licence's text as LICENSE has it.
copyright="$prefix/share/doc/quindle/copyright"
head -n 1 "$copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' ||
    fail "the copyright file is not in Debian's machine-readable format"
licence=$(grep -n '^License: ' "$copyright" | tail -n 1 | cut -d : -f 1) # the licence's paragraph
sed -n "$licence,\$p" "$copyright" | sed -n 's/^ //p' | grep -vx '\.' >"$prefix.list"
sed '1,/^Copyright/d' "$source/LICENSE" | grep -v '^$' | diff -u - "$prefix.list" >/dev/null ||
    fail "the copyright file's licence text differs from LICENSE"

# One release everywhere: the program's version, the changelog's newest entry and the
# metainfo's newest release, with the same date.
version=$(quindle --version | sed -n 's/^quindle //p')
changelog="$prefix/share/doc/quindle/changelog.gz"
gzip -dc "$changelog" | head -n 1 | grep -q "^quindle ($version) " ||
    fail "the changelog's newest entry is not $version: $(gzip -dc "$changelog" | head -n 1)"
released=$(date -u -d "$(gzip -dc "$changelog" | sed -n 's/^ -- .*>  //p' | head -n 1)" +%F)
grep -m 1 '<release ' "$metainfo" | grep -q "version=\"$version\" date=\"$released\"" ||
    fail "the metainfo's newest release is not $version of $released: $(grep -m 1 '<release ' "$metainfo")"
echo "install into a temporary prefix: files, metadata, manual page and release $version valid"
