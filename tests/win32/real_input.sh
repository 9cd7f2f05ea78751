#!/usr/bin/env bash
# aquamere.exe under Wine on the virtual display of the Windows tests,
# driven by real X input (xdotool), as a user's keyboard drives it: with
# 户当量 empty F5 shows "请先给出户当量(节点当量)"; Enter closes it, and the
# keys go where they went before it: a digit lands in 户当量 (F5 then
# computes without a message) and F2 opens 计算参数设置.
#   real_input.sh AQUAMERE.EXE WINE-RUN     (run alone by CTest)
set -euo pipefail
program=$(realpath "$1") wine_run=$(realpath "$2")
cd "$(mktemp -d)"
# In a Wine desktop of its own, one X window that keeps the X server's
# focus while the program's windows come and go inside it: without a
# window manager, the X server's focus could otherwise fall back to the
# root window when a box goes, by the order in which Wine unmaps the box
# and focuses its owner, and Wine would then take the foreground from the
# program. That is the virtual display's doing, not the program's. The
# output goes to a file: the test ends when this script does, not when the
# last program holding the test's output lets go of it.
"$wine_run" explorer /desktop=aquamere-real-input,800x600 "$program" >program.log 2>&1 &
trap 'pkill -x aquamere.exe 2>/dev/null; pkill -f "desktop=aquamere-real-input" 2>/dev/null || true' EXIT

# A visible window with exactly that title.
titled() {
  for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do echo "$w"; done
  return 0
}
wait_for_title() {
  for _ in $(seq 50); do
    [ -n "$(titled "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

# Asked again while windows still come and go: a window that goes while
# xdotool walks the tree fails the walk.
main=
for _ in $(seq 600); do
  main=$(xdotool search --onlyvisible --name '^Aquamere\(' 2>/dev/null | head -n 1 || true)
  [ -n "$main" ] && break
  sleep 0.1
done
[ -n "$main" ] || { echo "FAIL: the main window did not open" >&2; exit 1; }
# The client area is the layout's 481 × 240 pixels at 96 dots an inch,
# under the caption and menu bar Wine draws itself.
eval "$(xdotool getwindowgeometry --shell "$main")"
border=$(((WIDTH - 481) / 2))
top=$((HEIGHT - 240 - border))
xdotool windowfocus --sync "$main"


# 户当量 (t_Ng, twips 4560, 1440 of the client area), empty: F5 says so.
xdotool mousemove --window "$main" $((border + 332)) $((top + 105)) click 1
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
