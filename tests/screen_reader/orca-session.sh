#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Quindle developers
# SPDX-License-Identifier: MIT

# A blind pupil's keyboard session with the real Orca screen reader, judged by what Orca hands
# to speech. It starts a private desktop: Xvfb, a D-Bus session, the AT-SPI bus, openbox (without
# a window manager the focus is lost when a window closes), speech-dispatcher with its dummy
# output module and ALSA sent to a null device (without PulseAudio it would load no module), and
# Orca with its debug log written line by line. Then it drives the program with xdotool and
# checks the "SPEECH OUTPUT" lines of the log.
#   orca-session.sh QUINDLE WORKDIR
set -u
quindle=$1
work=$2
rm -rf "$work"
mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/home/.config
export LANG=C.UTF-8 NO_AT_BRIDGE=0
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
log=$work/orca.log
pids=()
finish() {
    exec 2>/dev/null # no job reports of what is killed here
    # Orca ignores SIGTERM; speech-dispatcher and the AT-SPI registry are started on demand and
    # name this session's folder on their command lines.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill -9 "${pids[i]}" 2>/dev/null; done
    pkill -9 -f -- "$work/runtime" 2>/dev/null
    [[ -n "${DBUS_SESSION_BUS_PID:-}" ]] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
    wait 2>/dev/null
}
trap finish EXIT
fail() {
    echo "FAIL: $1"
    echo "--- the end of Orca's log:"
    tail -n 40 "$log"
    echo "--- what Orca said:"
    grep -a "SPEECH OUTPUT" "$log" | sed 's/^[0-9:.]* - SPEECH OUTPUT: //'
    exit 1
}
# heard PATTERN SECONDS: whether a speech line after the mark matches the extended regex within
# that time; said: the same, or the test fails.
mark=0
heard() {
    local deadline=$((SECONDS + $2))
    while ((SECONDS <= deadline)); do
        tail -n +"$((mark + 1))" "$log" 2>/dev/null | grep -a "SPEECH OUTPUT" | grep -aqE -- "$1" &&
            return 0
        sleep 0.2
    done
    return 1
}
said() { heard "$1" "$2" || fail "nothing like /$1/ within $2 s"; }
speech_lines() { tail -n +"$((mark + 1))" "$log" | grep -ac "SPEECH OUTPUT"; }
next() { mark=$(wc -l <"$log"); }
key() { xdotool key --delay 150 "$@"; }

exec 3<> <(:)
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
read -r -t 10 display <&3 || fail "Xvfb did not start"
export DISPLAY=:$display
eval "$(dbus-launch --sh-syntax)"
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/at-spi.log" 2>&1 &
pids+=($!)
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
mkdir -p "$XDG_CONFIG_HOME/speech-dispatcher"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AudioOutputMethod "alsa"
AddModule "dummy" "sd_dummy" "dummy.conf"
DefaultModule dummy
CONF
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
sleep 1
# Orca opens its debug file fully buffered: open it line-buffered instead, so that each
# utterance is in the log as soon as Orca hands it to speech.
orca=$(command -v orca)
read -r interpreter <"$orca"
${interpreter#\#!} -u - "$log" "$orca" >"$work/orca.out" 2>&1 <<'PY' &
import builtins, runpy, sys
log, orca, real_open = sys.argv[1], sys.argv[2], builtins.open
def open_line_buffered(file, mode="r", *args, **kwargs):
    if file == log:
        kwargs["buffering"] = 1
    return real_open(file, mode, *args, **kwargs)
builtins.open = open_line_buffered
sys.argv = ["orca", "--debug-file", log]
runpy.run_path(orca, run_name="__main__")
PY
pids+=($!)
said "Screen reader on" 30

next
"$quindle" >"$work/quindle.log" 2>&1 &
pids+=($!)
said "Start (push )?button" 30

# A short run, stopped: one sentence with the number of trials and every count and ratio.
ratios="Head Head [0-9]+, 0\.[0-9]{3}\. Head Tail [0-9]+, 0\.[0-9]{3}\. Tail Head [0-9]+, 0\.[0-9]{3}\. Tail Tail [0-9]+, 0\.[0-9]{3}\."
key space
sleep 2
next
key Return
said "Stopped after [0-9]+ trials\. $ratios" 1

# The table, after the buttons: an arrow key speaks a cell with its header.
next
key Tab Tab Tab Tab Tab
said "table" 5
key Right # the first move in a row reads the whole row
said "frequency [0-9]+" 5
sleep 0.5
next
key Right
said "Tail Head.*frequency [0-9]+" 5

# The graph's words: the legend labels after Close.
next
key shift+Tab shift+Tab Return
said "Graph" 10
next
key Tab Tab
said "Head Head: ratio 0\.[0-9]{3} after [0-9]+ times" 5
# The number of heads: Read results says the three rows and the third many expect.
next
key ctrl+h ctrl+r
said "Two heads: 0\.[0-9]{3} \([0-9,]+ of [0-9,]+ trials\), a quarter expected" 5
said "One head: 0\.[0-9]{3} \([0-9,]+ of [0-9,]+ trials\), a half expected" 5
said "If the three were equally likely, each would be 0\.333\." 5
key ctrl+h
# The run's streaks (Ctrl+K): a cell of the first table with its header, and Read streaks.
next
key ctrl+k
said "Streaks in the run" 10
next
key Right # the first move in a row reads the whole row, the next ones each cell with its header
said "Head Head" 5
sleep 0.5
next
key Right
said "Usual \(median\).* [0-9]+" 5
next
key ctrl+r
said "Longest streak: [A-Za-z ]+ [0-9]+ times in a row, [0-9]+ to [0-9]+ expected in [0-9,]+ trials\." 5
next
key Escape
heard "Graph" 3 || xdotool search --name " Graph " windowfocus
next
key Escape
# openbox does not always give the focus back when a window closes; a pupil would then bring
# the window back with the window manager's keys.
heard "Graph display (push )?button" 3 ||
    xdotool search --name "Quindle \(C\)" windowfocus
said "Graph display (push )?button" 10

# The help text, line by line.
next
key F1
said "Close (push )?button" 10
next
key Tab
said "Help text" 5
next
key Down
said "Throw two coins at the same time" 5
next
key Up
said "Problem" 5
next
key Escape
said "Start (push )?button" 10

# Init says the counts were cleared.
next
key Tab Tab Return
said "Counts cleared" 5

# A run from zero to the run limit, which it reaches by itself after about five seconds (longer
# on a busy machine): at most a few phrases in its first five seconds, never a stream, then one
# sentence with the results, and the focus on Exit. A Stop key near the fifth second would race
# the run's own end and might press Exit instead.
key shift+Tab shift+Tab
next
key space
sleep 5
during=$(speech_lines)
((during <= 5)) || fail "$during phrases in the first five seconds of a run"
said "Run finished after [0-9]+ trials\. $ratios" 120

# Exit: its message, and the program ends.
next
key Return
said "This software will exit" 10
key Return
for _ in $(seq 50); do kill -0 "${pids[-1]}" 2>/dev/null || break; sleep 0.2; done
kill -0 "${pids[-1]}" 2>/dev/null && fail "the program is still running after Exit"
echo "--- what Orca said:"
grep -a "SPEECH OUTPUT" "$log" | sed 's/^[0-9:.]* - SPEECH OUTPUT: //'
echo "screen reader session passed"
