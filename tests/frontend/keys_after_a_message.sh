# The keyboard after a message box, with real input (xdotool), the same on
# both front ends; sourced by their real_input.sh, which give `titled TITLE`
# (the program's visible windows of exactly that title).
#   keys_after_a_message WINDOW X Y    X, Y: 户当量 in the window's pixels
#
# With 户当量 empty F5 shows "请先给出户当量(节点当量)"; Enter closes it, and the
# keys go where they went before it: a digit lands in 户当量 (F5 then
# computes without a message) and F2 opens 计算参数设置.

wait_for_title() {
  for _ in $(seq 50); do
    [ -n "$(titled "$1")" ] && return 0
    sleep 0.1
  done
  return 1
}

keys_after_a_message() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
  xdotool key F5
  wait_for_title Aquamere || { echo "FAIL: F5 with 户当量 empty showed no message" >&2; exit 1; }
  xdotool key Return
  sleep 0.5
  [ -z "$(titled Aquamere)" ] || { echo "FAIL: Enter did not close the message" >&2; exit 1; }
  xdotool type 4
  xdotool key F5
  if wait_for_title Aquamere; then
    echo "FAIL: the digit typed after the message did not reach 户当量" >&2
    exit 1
  fi
  xdotool key F2
  wait_for_title 计算参数设置 || { echo "FAIL: F2 after the message opened no settings" >&2; exit 1; }
  echo "After a message a digit lands in the box that had the focus and F2 opens the settings"
}
