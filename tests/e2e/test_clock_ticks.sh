#!/usr/bin/env bash
# The status bar in the real program: the five panels along the bottom of the
# main window, and a clock that ticks. Two screenshots a little over a second
# apart differ in the clock panel only, also while the question
# "确认退出系统？" is open.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
start_x
start_app
w=$(main_window)

client_area "$w"
width=$WIDTH height=$HEIGHT
bar_top=$((Y + height - 25))
bar_bottom=$((Y + height - 1))
clock_left=$((X + 650))
right=$((X + width - 1))

# Where two screenshots differ, as "left top right bottom"; empty if nowhere.
differences() { # a b
  local box
  if compare -metric AE "$SHOTS/$1.png" "$SHOTS/$2.png" null: 2>/dev/null; then
    return
  fi
  box=$(convert "$SHOTS/$1.png" "$SHOTS/$2.png" -compose difference -composite \
    -colorspace gray -threshold 0 -format '%@' info:)
  # WxH+X+Y
  [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || fail "cannot read the difference box $box"
  echo "${BASH_REMATCH[3]} ${BASH_REMATCH[4]} $((BASH_REMATCH[3] + BASH_REMATCH[1] - 1)) $((BASH_REMATCH[4] + BASH_REMATCH[2] - 1))"
}

inside() { # "left top right bottom" left top right bottom
  local l t r b
  read -r l t r b <<<"$1"
  [ "$l" -ge "$2" ] && [ "$t" -ge "$3" ] && [ "$r" -le "$4" ] && [ "$b" -le "$5" ]
}

# Two screenshots 1.3 s apart: they must differ, and only in the clock panel.
clock_ticks() { # name
  local diff
  shot "$1-a" >/dev/null
  sleep 1.3
  shot "$1-b" >/dev/null
  diff=$(differences "$1-a" "$1-b")
  [ -n "$diff" ] || fail "$1: nothing changed in 1.3 s (see $SHOTS/$1-a.png)"
  inside "$diff" "$clock_left" "$bar_top" "$right" "$bar_bottom" ||
    fail "$1: the screen changed at $diff, outside the clock panel $clock_left $bar_top $right $bar_bottom"
  pass "$1: only the clock panel changed ($diff)"
}

# Let the window settle: the clock's first tick, the page's first paint.
settled=
for i in $(seq 12); do
  shot "settle-$i-a" >/dev/null
  sleep 1.3
  shot "settle-$i-b" >/dev/null
  diff=$(differences "settle-$i-a" "settle-$i-b")
  if [ -n "$diff" ] && inside "$diff" "$X" "$bar_top" "$right" "$bar_bottom"; then
    settled=yes
    break
  fi
done
[ -n "$settled" ] || fail "the screen never settled to a ticking clock (last change: ${diff:-none})"

convert "$SHOTS/settle-$i-b.png" -crop "${width}x25+$X+$bar_top" +repage "$SHOTS/statusbar.png"
echo "screenshot: $SHOTS/statusbar.png"
# The bar's panels: the bar is not blank, and panel 4 is not empty.
colours=$(convert "$SHOTS/statusbar.png" -crop "$((width - 650 - 20))x17+654+5" +repage -unique-colors -format '%k' info:)
[ "$colours" -gt 1 ] || fail "the clock panel is blank"
pass "the status bar shows a clock"

clock_ticks ticking
clock_ticks ticking-again

open_question
q=$(question_window)
[ -n "$q" ] || fail "no question"
clock_ticks question-open
clock_ticks question-open-again
[ "$(question_window)" = "$q" ] || fail "the question closed"
shot question >/dev/null

xdotool key Escape
sleep 0.5
app_running || fail "program ended on Cancel"
