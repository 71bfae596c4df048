#!/usr/bin/env bash
# What the Orca screen reader says while a blind player meets the game: its
# speech, step by step, from a run with nothing on screen or speaker (an Xvfb
# of its own, private session and accessibility buses, a speech server whose
# voice writes to a file, and a home directory of its own).
#
# Usage: tools/orca_transcript.sh <path to jolvane> [directory to keep the logs in]
# Prints the transcript; fails, saying why, when Orca or the game does not start.
# Needs (Debian 12): orca at-spi2-core dbus-daemon speech-dispatcher
#   python3-speechd python3-pyatspi xvfb xdotool x11-xkb-utils
# Orca runs with its desktop layout and Insert as its modifier key. Not run by
# the tests.
set -euo pipefail
src=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:?usage: orca_transcript.sh <path to jolvane> [directory to keep the logs in]}
keep=${2:-}
[ -x "$exe" ] && [ -f "$exe" ] || { echo "orca_transcript: $exe is not an executable" >&2; exit 2; }
exe=$(cd "$(dirname "$exe")" && pwd)/$(basename "$exe")

missing=()
for c in orca Xvfb xdotool dbus-run-session dbus-daemon dbus-send speech-dispatcher xkbcomp setsid; do
  command -v "$c" >/dev/null || missing+=("$c")
done
[ -x /usr/libexec/at-spi-bus-launcher ] || missing+=(at-spi-bus-launcher)
[ -x /usr/lib/speech-dispatcher-modules/sd_generic ] || missing+=(sd_generic)
# Orca runs on the system's Python, whatever python3 comes first on PATH.
/usr/bin/python3 -c 'import pyatspi, speechd' 2>/dev/null || missing+=(python3-pyatspi/python3-speechd)
if [ ${#missing[@]} -gt 0 ]; then
  echo "orca_transcript: missing ${missing[*]}; install them with:" >&2
  echo "  apt-get install orca at-spi2-core dbus-daemon speech-dispatcher python3-speechd python3-pyatspi xvfb xdotool x11-xkb-utils" >&2
  exit 2
fi
# Orca refuses to start next to another Orca of the same user.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
  echo "orca_transcript: another Orca of this user is running; it will not start a second" >&2
  exit 3
fi

# Everything the run writes lives here, so the user's own Orca, speech and
# desktop settings are neither read nor changed.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/runtime" "$work/config" "$work/data" "$work/cache" "$work/sd-log"
chmod 700 "$work/runtime"

# A speech server whose one voice appends each utterance to a file: no sound
# device is needed, and a second record of the speech is kept.
sd="$work/config/speech-dispatcher"
mkdir -p "$sd/modules"
cat >"$sd/speechd.conf" <<EOF
LogLevel 3
LogDir "$work/sd-log"
DefaultModule transcript
DefaultLanguage "en"
AddModule "transcript" "sd_generic" "transcript.conf"
AudioOutputMethod "libao"
EOF
cat >"$sd/modules/transcript.conf" <<EOF
Debug 0
GenericExecuteSynth "printf '%s\\\\n' \\'\$DATA\\' >> '$work/spoken.txt'"
GenericLanguage "en" "en" "utf-8"
AddVoice "en" "MALE1" "transcript"
DefaultVoice "transcript"
EOF
# The speech modules open a sound device even when they never play; libao's
# null driver always opens.
printf 'default_driver=null\n' >"$work/home/.libao"

# Orca's settings: desktop keyboard layout, Insert and keypad Insert as the
# Orca key, no braille or sounds, no first-run questions.
mkdir -p "$work/orca"
cat >"$work/orca/user-settings.conf" <<'EOF'
{
  "general": {
    "firstStart": false,
    "keyboardLayout": 1,
    "orcaModifierKeys": ["Insert", "KP_Insert"],
    "enableBraille": false,
    "enableSound": false,
    "enableSpeech": true,
    "speechServerFactory": "speechdispatcherfactory",
    "startingProfile": ["Default", "default"],
    "activeProfile": ["Default", "default"]
  },
  "profiles": {
    "default": {
      "profile": ["Default", "default"],
      "keyboardLayout": 1,
      "orcaModifierKeys": ["Insert", "KP_Insert"],
      "enableBraille": false,
      "enableSound": false
    }
  },
  "pronunciations": {},
  "keybindings": {}
}
EOF

inner="$work/inner.sh"
cat >"$inner" <<'INNER'
set -u
exe=$1 work=$2
source "$3"
log="$work/orca-debug.txt"
marks="$work/marks.txt"
: >"$log"
: >"$marks"
pids=()

# Each helper runs in a process group of its own, so that it and whatever it
# starts (the accessibility bus's daemon and registry, the speech module)
# end together.
spawn() {
  local out=$1; shift
  setsid "$@" >"$out" 2>&1 &
  pids+=($!)
}

stop_all() {
  local p i
  # Orca first and gently, so that it ends its log and lets go of speech.
  if [ -n "${orca_pid:-}" ]; then
    kill -TERM "$orca_pid" 2>/dev/null
    for ((i = 0; i < 50; i++)); do
      kill -0 "$orca_pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill -TERM -- "-${pids[i]}" 2>/dev/null
  done
  sleep 0.3
  for p in "${pids[@]}"; do kill -KILL -- "-$p" 2>/dev/null; done
  wait 2>/dev/null
}
trap stop_all EXIT

# The transcript is cut into steps at lines of Orca's log: a marker holds the
# number of lines the log had when its step began.
log_lines() { wc -l <"$log"; }
mark() {
  step_start=$(log_lines)
  printf '%s\tstep\t%s\n' "$step_start" "$1" >>"$marks"
  printf '=== %s\n' "$1" >>"$work/spoken.txt"
}
# note TEXT: a line of this script's own in the transcript, not Orca's.
note() { printf '%s\tnote\t%s\n' "$(log_lines)" "$1" >>"$marks"; }
# What Orca has said since the current step began, one utterance a line.
said_in_step() {
  tail -n +"$((step_start + 1))" "$log" | grep -o "SPEECH OUTPUT: .*" || true
}
# Whether Orca said more in this step than the names of the keys pressed
# (it writes a key's name with a space before the voice, "'tab' {...}").
said_more_than_keys() { said_in_step | grep -v "' {" | grep -q .; }
orca_alive() { kill -0 "$orca_pid" 2>/dev/null; }
# step NAME SECONDS XDOTOOL-ARGS...: a marker, the input, then time to speak.
step() {
  local name=$1 wait=$2; shift 2
  mark "$name"
  xdotool "$@"
  sleep "$wait"
}
focus_note() {
  local w name=""
  w=$(xdotool getwindowfocus 2>/dev/null) || w=""
  [ -n "$w" ] && name=$(xdotool getwindowname "$w" 2>/dev/null || true)
  if [ -n "$name" ]; then
    note "keyboard focus (X): \"$name\""
  else
    note "keyboard focus (X): window ${w:-none}"
  fi
}
visible_windows() {
  local w list="" X Y WIDTH HEIGHT WINDOW SCREEN
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)"
    list+="${list:+, }\"$(xdotool getwindowname "$w" 2>/dev/null)\" ${WIDTH}x${HEIGHT}+${X}+${Y}"
  done
  note "windows shown: ${list:-none}"
}
# There is no window manager: a new window opens at the top left, over the
# game's menu bar. One still shown after its step is moved to the right so
# that the next step can reach the menu bar.
move_other_windows_aside() {
  local w
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    [ "$w" = "$game_window" ] && continue
    note "\"$(xdotool getwindowname "$w" 2>/dev/null)\" is still shown; moved aside, not closed"
    xdotool windowmove "$w" 560 0 2>/dev/null || true
  done
}
# Opens the menu "Check for Update": with keys first, as a player would, and
# with a click on the menu bar if no key opens it. The keys are tried once;
# later the menu is opened the way that worked.
menu_keys=untried
open_update_menu() {
  local n=$1 key
  if [ "$menu_keys" = untried ]; then
    menu_keys=none
    for key in F10 Alt; do
      # Held a moment, as a hand does.
      step "$n $key (does it open the menu bar?)" 2 keydown "$key" sleep 0.15 keyup "$key"
      if said_more_than_keys; then
        menu_keys=$key
        break
      fi
      step "$n Escape" 1 key Escape
    done
  elif [ "$menu_keys" != none ]; then
    step "$n $menu_keys" 2 keydown "$menu_keys" sleep 0.15 keyup "$menu_keys"
  fi
  if [ "$menu_keys" != none ]; then
    step "$n Right x4 to \"Check for Update\"" 2 key Right Right Right Right
    step "$n Down (open it)" 1.5 key Down
    return
  fi
  note "no key opens the menu bar; clicking \"Check for Update\" on it"
  step "$n click on \"Check for Update\" in the menu bar" 2 mousemove --window "$game_window" 226 8 click 1
}
# Steps 5 and 6: Down to the menu item $2 (until Orca says its name),
# Return, listen, Escape, listen.
menu_window_steps() {
  local n=$1 label=$2 i
  open_update_menu "$n"
  for ((i = 1; i <= 4; i++)); do
    said_in_step | grep -qF "'$label" && break
    step "$n Down" 1.5 key Down
  done
  step "$n Return (choose $label)" 3 key Return
  focus_note
  visible_windows
  step "$n Escape (does it close the window?)" 2.5 key Escape
  focus_note
  visible_windows
  move_other_windows_aside
  if [ "$(xdotool getwindowfocus 2>/dev/null)" != "$game_window" ]; then
    note "focus is not on the game window; the script gives it back"
    focus_game_window "$game_window" 5 >/dev/null 2>&1 || true
    sleep 1.5
  fi
}

spawn "$work/atspi.log" /usr/libexec/at-spi-bus-launcher --launch-immediately
# Asked without activating it, so that the session bus starts no second one.
for ((i = 0; i < 100; i++)); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.1
done
spawn "$work/speechd.log" speech-dispatcher -s -t 0

# Orca, its debug log written line by line instead of in blocks, so that the
# log can be read while it runs and nothing is lost if it has to be killed.
mark "0 Orca starts"
spawn "$work/orca.log" /usr/bin/python3 -c '
import builtins, runpy, sys
log = sys.argv[2]
real_open = builtins.open
def line_buffered_open(file, mode="r", buffering=-1, *args, **kwargs):
    if file == log and "w" in mode:
        buffering = 1
    return real_open(file, mode, buffering, *args, **kwargs)
builtins.open = line_buffered_open
sys.argv = ["orca", "-u", sys.argv[1], "--debug-file", log]
runpy.run_path("/usr/bin/orca", run_name="__main__")
' "$work/orca" "$log"
orca_pid=${pids[-1]}
# Up once it has said it is on.
for ((i = 0; i < 300; i++)); do
  grep -q 'SPEECH OUTPUT' "$log" && break
  orca_alive || break
  sleep 0.1
done
if ! orca_alive || ! grep -q 'SPEECH OUTPUT' "$log"; then
  echo "orca_transcript: Orca did not start (or said nothing within 30 s); its output:" >&2
  cat "$work/orca.log" >&2
  tail -n 20 "$log" >&2
  exit 3
fi
sleep 1

mark "1 start: the game window is shown and focused"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
unset QT_QPA_PLATFORM
spawn "$work/game.log" "$exe"
game_pid=${pids[-1]}
if ! wait_for_game_window "$game_pid" 60 2>"$work/wait.log"; then
  echo "orca_transcript: the game did not start: $(cat "$work/wait.log")" >&2
  cat "$work/game.log" >&2
  exit 4
fi
if ! focus_game_window "$game_window" 20 2>"$work/wait.log"; then
  echo "orca_transcript: $(cat "$work/wait.log")" >&2
  exit 4
fi
sleep 3
focus_note
if ! grep -qi "application | jolvane" "$log"; then
  note "Orca's log never names the game: it is not on the accessibility bus, Orca cannot see it"
fi

# Tab until a wager button has the focus, unless one has it already.
for ((i = 1; i <= 8; i++)); do
  if said_in_step | grep -q 'radio button'; then
    [ "$i" -eq 1 ] && note "a wager button has the focus already; no Tab needed"
    break
  fi
  step "2 Tab ($i)" 2 key Tab
done
step "2 Where Am I (KP_Enter)" 2.5 key KP_Enter
step "2 Tab (where focus goes from the wager button)" 2 key Tab
step "2 Shift+Tab (back)" 2 key shift+Tab
step "2 Right arrow (next wager)" 2 key Right
step "2 Left arrow (back)" 2 key Left

# A player holds the key for a moment; a press already released when the
# game reads it does not pull.
step "3 pull: space held 0.15 s, then 6 s for the reels and the outcome" 6.5 keydown space sleep 0.15 keyup space

# Orca+KP_Enter once is the window's title, twice quickly the status bar.
step "4 status bar (Orca+KP_Enter twice)" 2.5 keydown Insert key KP_Enter sleep 0.15 key KP_Enter keyup Insert

note "5: the About window, menu \"Check for Update\" > \"About...\""
menu_window_steps 5 "About..."
note "6: the Self Test window, menu \"Check for Update\" > \"Check Now\""
menu_window_steps 6 "Check Now"

orca_alive || { echo "orca_transcript: Orca ended during the run" >&2; exit 3; }
kill -0 "$game_pid" 2>/dev/null || note "the game is no longer running"
mark "end: Orca is stopped"
INNER

source "$src/tools/x_window.sh"
status=0
HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" \
  XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache" GSETTINGS_BACKEND=memory \
  run_in_new_x_server dbus-run-session -- bash "$inner" "$exe" "$work" "$src/tools/x_window.sh" \
  2> >(grep -v 'Failed to set fd limit' >&2) || status=$?

if [ -n "$keep" ]; then
  mkdir -p "$keep"
  cp "$work"/*.txt "$work"/*.log "$keep"/ 2>/dev/null || true
fi
[ "$status" -eq 0 ] || exit "$status"

# The transcript: each step's name, then what Orca said during it, cleaned to
# the spoken text; key names Orca echoes are marked as such.
/usr/bin/python3 - "$work/orca-debug.txt" "$work/marks.txt" "$work/spoken.txt" <<'PY'
import re, sys

log_path, marks_path, spoken_path = sys.argv[1:4]
lines = open(log_path, encoding="utf-8", errors="replace").read().split("\n")
marks = []
for row in open(marks_path, encoding="utf-8"):
    at, kind, text = row.rstrip("\n").split("\t", 2)
    marks.append((int(at), kind, text))

stamp = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ")
# Orca writes the utterance, then (for a key echo) a space, then the voice.
speech = re.compile(r"SPEECH OUTPUT: '(.*)'( ?)(?: voice=\S+)?(\{.*\}|None)?\s*$", re.S)
utterances = []  # (line index, text)
i = 0
while i < len(lines):
    line = lines[i]
    if stamp.match(line) and "SPEECH OUTPUT: '" in line:
        start = i
        parts = [line]
        # A spoken text with line breaks goes on over indented lines.
        while i + 1 < len(lines) and lines[i + 1].startswith(" " * 18) and not stamp.match(lines[i + 1]):
            i += 1
            parts.append(lines[i].strip())
        m = speech.search(" ".join(parts))
        if m:
            text = m.group(1).strip()
            if m.group(2):
                text = "[key] " + text
            utterances.append((start, text))
    i += 1

events = [(at, 0, n, kind, text) for n, (at, kind, text) in enumerate(marks)]
events += [(at, 1, n, "said", text) for n, (at, text) in enumerate(utterances)]
out = []
for at, _, _, kind, text in sorted(events):
    if kind == "step":
        if out:
            out.append("")
        out.append("== " + text)
    elif kind == "note":
        out.append("   # " + text)
    else:
        out.append("   " + text)
print("\n".join(out).lstrip("\n"))
try:
    received = sum(1 for l in open(spoken_path, encoding="utf-8", errors="replace")
                   if l.strip() and not l.startswith("=== "))
except OSError:
    received = 0
print("\n(Orca said %d utterances; the speech server received %d lines.)" % (len(utterances), received))
PY
