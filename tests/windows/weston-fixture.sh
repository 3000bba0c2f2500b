#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Quindle developers
# SPDX-License-Identifier: MIT

# start: starts a weston compositor on its headless backend (no screen, no seat, so no window
# ever gets the keyboard focus) at WAYLAND_DISPLAY in XDG_RUNTIME_DIR (private, mode 700).
# stop: ends it.
set -eu
: "${XDG_RUNTIME_DIR:?set XDG_RUNTIME_DIR to a private folder}"
: "${WAYLAND_DISPLAY:?set WAYLAND_DISPLAY to the socket name to use}"
mkdir -p "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
pidfile="$XDG_RUNTIME_DIR/weston.pid"

stop() {
    if [ -e "$pidfile" ]; then
        kill "$(cat "$pidfile")" 2>/dev/null || true
        rm -f "$pidfile"
    fi
}

case "${1:-}" in
start)
    stop
    weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
        --width=1280 --height=800 >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
    echo $! >"$pidfile"
    i=0
    until [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; do
        i=$((i + 1))
        [ "$i" -lt 100 ] || { cat "$XDG_RUNTIME_DIR/weston.log" >&2; exit 1; }
        sleep 0.1
    done
    echo "weston ready at $WAYLAND_DISPLAY"
    ;;
stop) stop ;;
*)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
