#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Quindle developers
# SPDX-License-Identifier: MIT

# Every text of the program is in every translation, translated, and no translation holds a text
# the program no longer has: lupdate, run over the sources with the options the
# update_translations target gives it, must leave every .ts file as it is, with nothing
# unfinished (plural forms included) and a note for the translator on every message.
#   check-translations.sh LUPDATE SOURCE_DIR TS_DIR [LUPDATE_OPTIONS...]
set -u
lupdate=$1 sources=$2 tsdir=$3
shift 3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$tsdir"/*.ts "$scratch"/
if ! "$lupdate" "$sources" -I "$sources" "$@" -ts "$scratch"/*.ts >"$scratch/log" 2>&1; then
    cat "$scratch/log"
    exit 1
fi
grep -q 'Found [1-9][0-9][0-9]* source text' "$scratch/log" || { cat "$scratch/log"; exit 1; }
failures=0
for ts in "$tsdir"/*.ts; do
    name=$(basename "$ts")
    if ! cmp -s "$ts" "$scratch/$name"; then
        echo "FAIL: $name does not follow the sources (cmake --build build --target update_translations):"
        diff -u "$ts" "$scratch/$name" | head -n 40
        failures=$((failures + 1))
    fi
    # Each message carries its translator's note: where it stands and how much room it has.
    bare=$(awk '/<message/ { note = 0; source = "" }
                /<source>/ { source = $0 }
                /<extracomment>/ { note = 1 }
                /<\/message>/ && !note { print source }' "$scratch/$name")
    if [ -n "$bare" ]; then
        echo "FAIL: $name has messages without a note for the translator (//: in the sources):"
        printf '%s\n' "$bare" | head -n 10
        failures=$((failures + 1))
    fi
    left=$(grep -c 'type="\(unfinished\|vanished\|obsolete\)"' "$scratch/$name")
    if [ "$left" -ne 0 ]; then
        echo "FAIL: $name leaves $left messages unfinished"
        grep -B 3 'type="unfinished"' "$scratch/$name" | grep '<source>' | head -n 10
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] && echo "every translation follows the sources and is complete"
exit "$failures"
