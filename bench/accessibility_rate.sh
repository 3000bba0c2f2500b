#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Quindle developers
# SPDX-License-Identifier: MIT

# Trials per second on screen with a screen reader's accessibility bus attached, next to the
# same run without it: the run must keep its speed (target: within 10 %).
#   bench/accessibility_rate.sh [BUILD_DIR] [SECONDS]
set -eu
build=${1:-build}
seconds=${2:-3}
bench="$build/bench/trial_rate_bench"

rate() { sed -n 's/^trials_per_second=//p'; }

plain=$(xvfb-run -a -s "-screen 0 1280x800x24" "$bench" "$seconds" 2>/dev/null | rate)
# A private session bus with the AT-SPI bus and registry on it; Qt's bridge always on.
with=$(xvfb-run -a -s "-screen 0 1280x800x24" dbus-run-session -- sh -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    sleep 1
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$0" "$1"' "$bench" "$seconds" \
    2>/dev/null | rate)

echo "trials/s without accessibility  $plain"
echo "trials/s with AT-SPI bridge     $with"
awk -v a="$plain" -v b="$with" 'BEGIN { printf "ratio with/without             %.3f   (target >= 0.90)\n", b / a }'
