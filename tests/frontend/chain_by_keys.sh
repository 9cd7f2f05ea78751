# The segment table by the keyboard, with real input (xdotool), the same on
# both front ends; sourced by their real_input.sh, which give `titled TITLE`
# (the program's visible windows of exactly that title).
#   revise_by_keys WINDOW NG_X NG_Y CALC_X CALC_Y REPORT
#     NG_X, NG_Y: 户当量, CALC_X, CALC_Y: 计  算, in the window's pixels;
#     REPORT: the report's file
#
# Three segments of 4 equivalents; F6 opens 管段表, Home and Down choose
# 2-3, Tab to 户数, 2, Tab to 重新计算 and Space: the report ends with 2-3 at
# ΣNg 12 and 3-4 at 16. The main window comes to the front again and 户当量
# is emptied for what follows.
revise_by_keys() {
  local window=$1 ng_x=$2 ng_y=$3 calc_x=$4 calc_y=$5 report=$6
  rm -f "$report" "$report.json" "$report.before" "$report.before.json"
  xdotool windowfocus --sync "$window"
  xdotool mousemove --window "$window" "$ng_x" "$ng_y" click 1
  sleep 0.3
  xdotool type 4
  for _ in 1 2 3; do
    xdotool mousemove --window "$window" "$calc_x" "$calc_y" click 1
    sleep 0.3
  done
  xdotool key F6
  wait_for_title 管段表 || { echo "FAIL: F6 opened no segment table" >&2; exit 1; }
  sleep 0.5
  xdotool key Home Down Tab Tab ctrl+a 2 Tab Tab Tab space
  local last=
  for _ in $(seq 50); do
    last=$(tail -n 2 "$report" 2>/dev/null | iconv -f GB18030 -t UTF-8 | tr -d '\r' | cut -c1-20 | paste -sd '|')
    [ "$last" = " 2-3          12    | 3-4          16    " ] && break
    sleep 0.1
  done
  [ "$last" = " 2-3          12    | 3-4          16    " ] || { echo "FAIL: the revised chain ends with \"$last\"" >&2; exit 1; }
  echo "The segment table by the keyboard: F6, a row by the arrow keys, a household count typed, 重新计算 by Space"
  xdotool windowraise "$window"
  xdotool windowfocus --sync "$window"
  xdotool mousemove --window "$window" "$ng_x" "$ng_y" click 1
  sleep 0.3
  xdotool key ctrl+a BackSpace
}
