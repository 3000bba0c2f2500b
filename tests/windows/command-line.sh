#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Quindle developers
# SPDX-License-Identifier: MIT

# The program's answers before any window opens: --help and --version without a display, Qt's
# own options accepted beside ours, the settings files under the command line, and one clear line
# with exit code 1 for a display that is not set or cannot be opened (where Qt itself would abort
# with a core dump).
#   command-line.sh QUINDLE VERSION
set -u
quindle=$1
version=$2
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
failures=0

# An X display number that nothing answers on, so that DISPLAY=:N fails at once: neither a socket
# nor a lock file of it in /tmp, no abstract socket of that name (where libxcb looks first) and
# nothing listening on its TCP port (where libxcb tries last).
listening_on_port() {
    hex=$(printf '%04X' "$1")
    grep -qs ":$hex [0-9A-F]*:[0-9A-F]* 0A " /proc/net/tcp /proc/net/tcp6
}
display=77
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] ||
    grep -qs " @/tmp/.X11-unix/X$display\$" /proc/net/unix ||
    listening_on_port $((6000 + display)); do
    display=$((display + 1))
done

# expect CODE PATTERN LINES -- ENV-ARGS... : runs quindle under env with ENV-ARGS and checks its
# exit code, that its output matches PATTERN, and (LINES > 0) that it is that many lines long.
# A run that hangs is stopped after a minute (code 124).
expect() {
    code=$1 pattern=$2 lines=$3
    shift 4
    output=$(timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL \
        -u LANGUAGE LANG=C.UTF-8 XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$runtime/user" \
        XDG_CONFIG_DIRS="$runtime/system" "$@" 2>&1)
    got=$?
    count=$(printf '%s\n' "$output" | wc -l)
    if [ "$got" -ne "$code" ] || ! printf '%s' "$output" | grep -q -- "$pattern" ||
        { [ "$lines" -gt 0 ] && [ "$count" -ne "$lines" ]; }; then
        echo "FAIL: $* gave code $got and:"
        printf '%s\n' "$output" | sed 's/^/    /'
        failures=$((failures + 1))
    else
        echo "ok: $*"
    fi
}

expect 0 '^Usage: .*quindle \[options\]' 0 -- "$quindle" --help
expect 0 '^  -v, --version' 0 -- "$quindle" --help
expect 0 '-platform' 0 -- QT_QPA_PLATFORM=offscreen "$quindle" --help-all
expect 0 "^quindle $version\$" 1 -- "$quindle" --version
expect 1 "Unknown option 'bogus'" 0 -- QT_QPA_PLATFORM=offscreen "$quindle" -style fusion --bogus
expect 1 "Unknown option 'bogus'" 0 -- "$quindle" -platform offscreen --bogus
expect 0 '--seed <N>' 0 -- "$quindle" --help
expect 1 "^quindle: --seed needs a whole number from 0 to [0-9]*, not 'x7'\$" 1 -- \
    QT_QPA_PLATFORM=offscreen "$quindle" --seed x7
# --language chooses the texts' language over the system's, and a language without a
# translation is named with the ones there are.
expect 0 'Zeigt die Texte\|Münzen' 0 -- LANG=C.UTF-8 "$quindle" --language de --help
expect 0 'Shows the texts in <CODE>' 0 -- LANG=de_DE.UTF-8 "$quindle" --language en --help
expect 0 "no translation for 'xx' (there are en, de, es, fr, ja, ko, pt_BR, zh_CN)" 0 -- \
    "$quindle" --language xx --version
# ...and the texts then follow the system's language, not English.
expect 0 'Zeigt die Texte' 0 -- LANG=de_DE.UTF-8 "$quindle" --language xx --help
# A code with a region, as LANG writes it or with a hyphen, takes its language's texts.
expect 0 'Zeigt die Texte' 0 -- "$quindle" --language de_AT --help
expect 0 'Lança duas moedas' 0 -- "$quindle" --language pt-BR --help
expect 0 'Lanza dos monedas' 0 -- "$quindle" --language es_MX --help
expect 0 '2枚のコイン' 0 -- "$quindle" --language ja_JP.UTF-8 --help
# Qt's own lines of --help in the language too, and no line of Chinese, Japanese or Korean
# (two columns a letter) wider than a terminal's 80 columns.
expect 0 '^  -h, --help  *コマンドラインオプションのヘルプ' 0 -- "$quindle" --language ja --help
expect 0 '^  --help-all  *Muestra la ayuda, incluidas' 0 -- "$quindle" --language es --help
# (Qt 6.8 brings a French line of its own, worded otherwise: either is French.)
expect 0 "^  -h, --help  *Afficher\? l'aide" 0 -- "$quindle" --language fr --help
for language in ja zh_CN ko; do
    width=$(env -u LC_ALL LANG=C.UTF-8 "$quindle" --language "$language" --help | LC_ALL=C.UTF-8 wc -L)
    if [ "$width" -gt 80 ]; then
        echo "FAIL: --language $language --help has a line $width columns wide"
        failures=$((failures + 1))
    else
        echo "ok: --language $language --help fits 80 columns"
    fi
done
# --zoom takes one of the steps; any other value is named, and the windows open at 100.
expect 0 '--zoom <PERCENT>' 0 -- "$quindle" --help
expect 124 "^quindle: --zoom: '90' is not one of 100, 125, 150, 175, 200, 250, 300" 0 -- \
    QT_QPA_PLATFORM=offscreen timeout 2 "$quindle" --zoom 90
# A --zoom for one run is not remembered: a start that changes nothing writes no user's file.
timeout 3 env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" \
    XDG_CONFIG_HOME="$runtime/user" XDG_CONFIG_DIRS="$runtime/system" QT_QPA_PLATFORM=offscreen \
    "$quindle" --zoom 200 >/dev/null 2>&1
if [ -e "$runtime/user/Quindle/Quindle.conf" ]; then
    echo "FAIL: --zoom 200 for one run was remembered:"
    sed 's/^/    /' "$runtime/user/Quindle/Quindle.conf"
    rm -r "$runtime/user"
    failures=$((failures + 1))
else
    echo "ok: --zoom 200 for one run is not remembered"
fi
# The system's settings file chooses the language, even of --help; the command line wins over it.
# A bad value in it is named in one line, in that language, and a FIFO in the user's file's place
# holds nothing up.
mkdir -p "$runtime/system/Quindle" "$runtime/user/Quindle"
printf '[display]\nlanguage=de\nzoom=90\n' >"$runtime/system/Quindle/Quindle.conf"
mkfifo "$runtime/user/Quindle/Quindle.conf"
expect 0 'Zeigt die Texte' 0 -- "$quindle" --help
expect 0 'Shows the texts in <CODE>' 0 -- "$quindle" --language en --help
expect 0 '^quindle: .*/user/Quindle/Quindle.conf: ist keine gewöhnliche Datei; ' 3 -- \
    timeout 5 "$quindle" --version
expect 0 "^quindle: .*/system/Quindle/Quindle.conf: \\[display\\] zoom: '90' ist keiner der Werte 100, " 3 -- \
    timeout 5 "$quindle" --version
# The command line's language names the files' bad values and its own.
expect 0 "^quindle: --zoom: '33' no es ninguno de los valores 100, " 4 -- \
    timeout 5 "$quindle" --language es --zoom 33 --version
rm -r "$runtime/system" "$runtime/user"
expect 1 '^quindle: needs a graphical display' 1 -- "$quindle"
expect 1 "^quindle: cannot open the X display :$display\$" 1 -- DISPLAY=:$display "$quindle"
expect 1 '^quindle: cannot open the Wayland display quindle-nowhere$' 1 -- \
    WAYLAND_DISPLAY=quindle-nowhere QT_QPA_PLATFORM=wayland "$quindle"
expect 1 "^quindle: cannot open the Wayland display quindle-nowhere or X display :$display\$" 1 -- \
    WAYLAND_DISPLAY=quindle-nowhere DISPLAY=:$display "$quindle"
exit "$failures"
