#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Quindle developers
# SPDX-License-Identifier: MIT

# start: makes sure a PulseAudio server with a null sink runs for XDG_RUNTIME_DIR (private,
# mode 700), so cues have somewhere to play on a machine without sound hardware.
# stop: ends the server that start began, if it began one.
set -eu
: "${XDG_RUNTIME_DIR:?set XDG_RUNTIME_DIR to a private folder}"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
marker="$XDG_RUNTIME_DIR/quindle-started-pulseaudio"

case "${1:-}" in
start)
    if pactl info >/dev/null 2>&1; then
        echo "pulseaudio already running"
    else
        pulseaudio -D --exit-idle-time=-1 2>/dev/null
        touch "$marker"
        i=0
        until pactl info >/dev/null 2>&1; do
            i=$((i + 1))
            [ "$i" -lt 100 ] || { echo "pulseaudio did not come up" >&2; exit 1; }
            sleep 0.1
        done
    fi
    pactl list short sinks | grep -q quindle_null ||
        pactl load-module module-null-sink sink_name=quindle_null >/dev/null
    pactl set-default-sink quindle_null
    echo "pulseaudio ready with a null sink"
    ;;
stop)
    if [ -e "$marker" ]; then
        pulseaudio --kill 2>/dev/null || true
        rm -f "$marker"
    fi
    ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
