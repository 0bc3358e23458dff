#!/usr/bin/env bash
# The answers a person gives the question, and what the program does.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
start_x

keeps_running() { # description, keys...
  local what=$1; shift
  start_app; open_question
  xdotool key "$@"
  sleep 0.8
  app_running || fail "$what ended the program"
  [ "$(question_count)" = 0 ] || fail "$what left the question open"
  [ -n "$(main_window)" ] || fail "$what: main window gone"
  pass "$what keeps the program running"
  kill -9 "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=
}

ends_with_zero() { # description, action...
  local what=$1; shift
  start_app; open_question
  "$@"
  wait_app_exit
  [ "$APP_RC" = 0 ] || fail "$what: exit code $APP_RC"
  pass "$what ends the program with exit code 0"
}

keeps_running "Enter at once" Return
keeps_running "Escape" Escape
keeps_running "Alt+F4 on the question" alt+F4

ends_with_zero "Tab then Enter" xdotool key Tab Return
ends_with_zero "Shift+Enter" xdotool key shift+Return

click_ok() {
  local q; q=$(question_window)
  client_origin "$q"
  xdotool mousemove $((X + 86 + 37)) $((Y + 125 + 12)) click 1
}
ends_with_zero "a click on 确定" click_ok

# Press on 确定, move off, release: no answer, the question stays open.
start_app; open_question
q=$(question_window)
client_origin "$q"
xdotool mousemove $((X + 86 + 37)) $((Y + 125 + 12)) mousedown 1
sleep 0.2
xdotool mousemove $((X + 20)) $((Y + 60))
sleep 0.2
xdotool mouseup 1
sleep 0.6
[ "$(question_count)" = 1 ] || fail "release off the button answered"
shot question-after-press-off
pass "press on 确定, move off, release answers nothing"
# The focus stayed on OK: Enter now answers OK.
xdotool key Return
wait_app_exit; [ "$APP_RC" = 0 ] || fail "Enter after press-off: exit code $APP_RC"
pass "Enter then answers OK"

terminate_while_open() { kill -TERM "$APP_PID"; }
ends_with_zero "SIGTERM while the question is open" terminate_while_open
