#!/usr/bin/env bash
# The program opens its start address once, through the fixture server as
# proxy, with the vendor's host in the Host header, and shows the page: no
# host object for scripts, a right click opens the standard context menu.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
source "$(dirname "$0")/webview_lib.sh"
start_x
start_server
start_app
wait_painted
sleep 1
[ "$(requests GET "$START_PATH" "$START_HOST")" = 1 ] || fail "start address requested $(requests GET "$START_PATH") times"
[ "$(requests GET "$START_PATH")" = 1 ] || fail "start address requested with another host"
pass "start address requested once, Host: $START_HOST"
[ "$(beacons event=paint page=$START_PATH host=none)" = 1 ] || fail "the page found a host object"
pass "scripts find no host object"
shot webview-start-page
not_blank "$SHOTS/webview-start-page.png" 100
pass "the page is shown"
[ "$(xdotool getwindowname "$(main_window)")" = "$TITLE" ] || fail "caption changed to the page title"
pass "caption stays the application title"

client_origin "$(main_window)"
xdotool mousemove $((X + 700)) $((Y + 500)) click 3
wait_until "the context menu" 5 popup_menu
sleep 0.3
shot webview-context-menu
# Drawn in the skin: its gutter is the skin's button face #edf1f5.
window_rect "$(popup_menu)"
read -r r g b <<<"$(pixel $((WX + 10)) $((WY + WH / 2)))"
[ "$r $g $b" = "237 241 245" ] || fail "context menu not in the skin's colours ($r $g $b)"
pass "the context menu is drawn in the skin"
xdotool key Escape
sleep 0.3
[ -z "$(popup_menu)" ] || fail "context menu still open"
pass "right click opens the context menu"
app_running || fail "program ended"
