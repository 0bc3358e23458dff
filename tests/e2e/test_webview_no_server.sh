#!/usr/bin/env bash
# With the server stopped the engine shows its error page and the program
# does not crash; once the server is back, F5 loads the page.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
source "$(dirname "$0")/webview_lib.sh"
start_x
port=$(free_port)
use_proxy "$port"
start_app
sleep 4
app_running || fail "the program ended without its server"
[ -n "$(main_window)" ] || fail "no main window"
shot webview-no-server
not_blank "$SHOTS/webview-no-server.png" 20
pass "the server down: an error page, the program runs"
PORT=$port start_server
focus_main
xdotool key F5
wait_until "the start page" 15 at_least 1 beacons event=paint page="$START_PATH"
pass "F5 retries once the server is back"
app_running || fail "program ended"
