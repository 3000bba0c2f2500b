#!/bin/sh
# Every text of the program is in every translation, translated, and no translation holds a text
# the program no longer has: lupdate, run over the sources exactly as the update_translations
# target runs it, must leave every .ts file as it is, with nothing unfinished.
#   check-translations.sh PROJECT_CMAKE GENERATOR_SCRIPT LUPDATE TS_DIR [LUPDATE_OPTIONS...]
set -u
project=$1 generator=$2 lupdate=$3 tsdir=$4
shift 4
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake -DIN_FILE="$project" -DOUT_FILE="$scratch/project.json" -P "$generator" || exit 1
cp "$tsdir"/*.ts "$scratch"/
if ! "$lupdate" -project "$scratch/project.json" "$@" -ts "$scratch"/*.ts >"$scratch/log" 2>&1; then
    cat "$scratch/log"
    exit 1
fi
grep -q 'Found [1-9][0-9] source text' "$scratch/log" || { cat "$scratch/log"; exit 1; }
failures=0
for ts in "$tsdir"/*.ts; do
    name=$(basename "$ts")
    if ! cmp -s "$ts" "$scratch/$name"; then
        echo "FAIL: $name does not follow the sources (cmake --build build --target update_translations):"
        diff -u "$ts" "$scratch/$name" | head -n 40
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
