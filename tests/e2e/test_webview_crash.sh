#!/usr/bin/env bash
# A killed renderer leaves the window with a page offering to reload, and
# the program running; F5 loads the page again.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
source "$(dirname "$0")/webview_lib.sh"
start_x
start_server
start_app
wait_painted
sleep 0.5
victims=$(renderers)
[ -n "$victims" ] || fail "no renderer process found"
kill -9 $victims
sleep 2
app_running || fail "the program ended with its renderer"
[ -n "$(main_window)" ] || fail "the main window is gone"
shot webview-crashed
not_blank "$SHOTS/webview-crashed.png" 20
wait_until "a renderer for the error page" 10 renderers
pass "renderer killed: the program runs on and shows its error page"
focus_main
xdotool key F5
wait_until "the reload" 10 at_least 2 requests GET "$START_PATH"
wait_until "the page again" 10 at_least 2 beacons event=paint page="$START_PATH"
pass "F5 on the error page loads the page again"
app_running || fail "program ended"
