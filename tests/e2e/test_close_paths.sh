#!/usr/bin/env bash
# Every way of closing the main window asks the one question, once; Cancel
# (Escape) leaves the program running. A second close request while the
# question is open opens no second question.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
start_x
start_app
w=$(main_window)

ask_and_cancel() { # description
  wait_for "the question after $1" question_window
  sleep 0.3
  [ "$(question_count)" = 1 ] || fail "$1: $(question_count) questions"
  xdotool key --window "$(question_window)" Escape 2>/dev/null || xdotool key Escape
  for _ in $(seq 30); do [ "$(question_count)" = 0 ] && break; sleep 0.1; done
  [ "$(question_count)" = 0 ] || fail "$1: question still open after Escape"
  app_running || fail "$1: program ended on Cancel"
  pass "$1 asks once; Cancel keeps the program"
}

xdotool windowactivate --sync "$w"; xdotool key alt+F4
ask_and_cancel "Alt+F4"

wmctrl -c "$TITLE"
ask_and_cancel "the task bar's Close (_NET_CLOSE_WINDOW)"

# openbox's window menu: Alt+Space opens it, Up wraps to its last item, Close.
xdotool windowactivate --sync "$w"; xdotool key alt+space; sleep 0.5; xdotool key Up Return
ask_and_cancel "the window menu's Close"

open_question
shot question
q=$(question_window)
wmctrl -c "$TITLE"; sleep 0.3; wmctrl -i -c "$w"; sleep 0.8
[ "$(question_count)" = 1 ] || fail "a second close opened $(question_count) questions"
[ "$(question_window)" = "$q" ] || fail "the open question was replaced"
pass "a second close request while the question is open is refused"
xdotool key Escape
sleep 0.5
app_running || fail "program ended"
