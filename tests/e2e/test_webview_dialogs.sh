#!/usr/bin/env bash
# The engine's dialogs and windows are real top-level windows of the
# program: a script alert is a dialog box; window.open opens a pop-up window
# that closes without a question; Ctrl+P opens the print preview.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
source "$(dirname "$0")/webview_lib.sh"
start_x
start_server --landing "/clothing/order?focus=btn-alert"
start_app
wait_painted /clothing/order
focus_main
MESSAGE_CAPTION="来自网页的消息"

xdotool key Return
wait_until "the alert" 5 window_named "$MESSAGE_CAPTION"
alert=$(window_named "$MESSAGE_CAPTION")
[ "$(window_pid "$alert")" = "$APP_PID" ] || fail "the alert is not the program's window"
window_type "$alert" | grep -q DIALOG || fail "the alert is not a dialog box: $(window_type "$alert")"
xprop -id "$alert" WM_TRANSIENT_FOR | grep -q "$(printf '0x%x' "$(main_window)")" || fail "the alert does not belong to the main window"
shot webview-alert
# Drawn in the skin: our frame instead of the window manager's, and the
# skin's deep-blue title bar.
skinned "$alert" || fail "the alert has the window manager's frame"
window_rect "$alert"
read -r r g b <<<"$(pixel $((WX + WW - 50)) $((WY + 8)))"
[ "$b" -ge $((r + 60)) ] || fail "the alert's title bar is not the skin's ($r $g $b)"
pass "the alert is drawn in the skin"
xdotool key Return
sleep 0.5
[ -z "$(window_named "$MESSAGE_CAPTION")" ] || fail "the alert did not close"
pass "alert opens a top-level dialog box of the program"

# Focus is back on the alert button: Tab, Tab reaches the pop-up button.
xdotool key Tab Tab Return
wait_until "the pop-up window" 10 window_named "商品详情"
popup=$(window_named "商品详情")
[ "$(window_pid "$popup")" = "$APP_PID" ] || fail "the pop-up is not the program's window"
wait_until "the pop-up page" 10 beacons event=paint page=/clothing/detail
shot webview-popup
wmctrl -i -c "$popup"
sleep 0.8
[ -z "$(window_named "商品详情")" ] || fail "the pop-up did not close"
[ -z "$(question_window)" ] || fail "closing the pop-up asked a question"
[ -n "$(main_window)" ] || fail "the main window went with the pop-up"
pass "window.open opens a pop-up window that closes without a question"

focus_main
xdotool key ctrl+p
wait_until "the print preview" 10 window_named "打印预览"
sleep 1.5
shot webview-print-preview
not_blank "$SHOTS/webview-print-preview.png" 50
xdotool key Escape
sleep 0.5
[ -z "$(window_named "打印预览")" ] || fail "the print preview did not close"
pass "Ctrl+P opens the print preview"
app_running || fail "program ended"
