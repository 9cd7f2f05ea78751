#!/usr/bin/env bash
# aquamere.exe under Wine on the virtual display of the Windows tests,
# driven by real X input (xdotool), as a user's keyboard drives it: the
# segment table revised by the keyboard, and after a message box the keys
# go where they went before it.
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
source "$(dirname "$0")/../frontend/keys_after_a_message.sh"
source "$(dirname "$0")/../frontend/chain_by_keys.sh"

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

# 户当量 (t_Ng, twips 4560, 1440 of the client area) and 计  算 (twips
# 6120, 3000); the report where Wine keeps drive C.
revise_by_keys "$main" $((border + 332)) $((top + 105)) $((border + 432)) $((top + 212)) "$WINEPREFIX/drive_c/file.txt"
keys_after_a_message "$main" $((border + 332)) $((top + 105))
