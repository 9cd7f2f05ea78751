#!/usr/bin/env bash
# The program on a virtual X display, driven by real input (xdotool): with a
# text box focused Ctrl+C copies and opens nothing; after a click on the
# window's background the same keys open the Uo–αc window, whose title bar
# is empty (X11 would otherwise show the program's name there). After a
# message box the keys go where they went before it: a digit typed lands in
# the box that had the focus, and F2 opens the settings.
#   real_input.sh PROGRAM        (run under xvfb-run by CTest)
set -euo pipefail
program=$1
cd "$(mktemp -d)"
QT_QPA_PLATFORM=xcb "$program" & pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

main=$(timeout 20 xdotool search --sync --name 'Aquamere\(' | head -n 1)
xdotool windowfocus --sync "$main"

# The visible windows of the program other than the main window, by title.
others() {
  for w in $(xdotool search --onlyvisible --pid "$pid"); do
    [ "$w" = "$main" ] || xprop -id "$w" _NET_WM_NAME
  done
}
wait_for_other() {
  for _ in $(seq 50); do
    [ -n "$(others)" ] && return 0
    sleep 0.1
  done
  return 1
}

# The parameter box q0 (twips 840, 120 under the menu bar), then Ctrl+C.
xdotool mousemove --window "$main" 70 38 click 1
sleep 0.3
xdotool key ctrl+c
if wait_for_other; then
  echo "FAIL: Ctrl+C in a text box opened a window: $(others)" >&2
  exit 1
fi

# The window's background, left of every control, then Ctrl+C.
xdotool mousemove --window "$main" 5 80 click 1
sleep 0.3
xdotool key ctrl+c
if ! wait_for_other; then
  echo "FAIL: Ctrl+C after a click on the background opened no window" >&2
  exit 1
fi
title=$(others)
if [ "$title" != '_NET_WM_NAME(UTF8_STRING) = " "' ]; then
  echo "FAIL: the Uo-αc window's title bar shows $title" >&2
  exit 1
fi
echo "Ctrl+C copies in a text box, opens the Uo-αc window after a click on the background; its title is empty"

# A visible window of the program with exactly that title.
titled() {
  for w in $(xdotool search --onlyvisible --pid "$pid"); do
    [ "$(xdotool getwindowname "$w")" = "$1" ] && echo "$w"
  done
  return 0
}
source "$(dirname "$0")/../frontend/keys_after_a_message.sh"
source "$(dirname "$0")/../frontend/chain_by_keys.sh"

# 户当量 (t_Ng, twips 4560, 1440 under the menu bar) and 计  算 (twips 6120,
# 3000), the report in the current folder.
xdotool windowfocus --sync "$main"
revise_by_keys "$main" 332 126 432 233 'c:\file.txt'
keys_after_a_message "$main" 332 126
