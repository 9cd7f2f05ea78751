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
wait_for_title() {
  for _ in $(seq 50); do
    [ -n "$(titled "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

# 户当量 (t_Ng, twips 4560, 1440 under the menu bar), empty: F5 says so.
xdotool windowfocus --sync "$main"
xdotool mousemove --window "$main" 332 126 click 1
sleep 0.3
xdotool key F5
wait_for_title Aquamere || { echo "FAIL: F5 with 户当量 empty showed no message" >&2; exit 1; }
xdotool key Return
sleep 0.5
[ -z "$(titled Aquamere)" ] || { echo "FAIL: Enter did not close the message" >&2; exit 1; }
# The digit lands in 户当量, so that F5 now computes without a message.
xdotool type 4
xdotool key F5
if wait_for_title Aquamere; then
  echo "FAIL: the digit typed after the message did not reach 户当量" >&2
  exit 1
fi
xdotool key F2
wait_for_title 计算参数设置 || { echo "FAIL: F2 after the message opened no settings" >&2; exit 1; }
echo "After a message a digit lands in the box that had the focus and F2 opens the settings"
