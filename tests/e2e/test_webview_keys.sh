#!/usr/bin/env bash
# Keys in the page: Backspace deletes in a text field and does not navigate;
# F5 requests the page again; Alt+Left goes back; Ctrl+F opens the find dialog.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
source "$(dirname "$0")/webview_lib.sh"
start_x
start_server --landing "/clothing/keys?focus=memo"
start_app
wait_painted /clothing/keys
focus_main
xdotool type --delay 40 'abcd'
wait_until "the typed text" 5 beacons event=input field=memo value=abcd
xdotool key BackSpace BackSpace
wait_until "Backspace in the field" 5 beacons event=input field=memo value=ab
sleep 0.5
[ "$(requests GET /clothing/keys)" = 1 ] || fail "Backspace navigated"
[ "$(beacons event=show)" = 1 ] || fail "another page was shown"
pass "Backspace deletes in the field and does not navigate"

xdotool key F5
wait_until "the reload" 10 at_least 2 requests GET /clothing/keys
pass "F5 requests the page again"

# Shift+Tab from the field reaches the last navigation link; Enter follows it.
wait_until "the reloaded page" 10 at_least 2 beacons event=paint page=/clothing/keys
xdotool key shift+Tab Return
wait_until "the print page" 10 beacons event=show page=/clothing/print
before=$(requests GET /clothing/keys)
xdotool key alt+Left
wait_until "going back" 10 at_least $((before + 1)) requests GET /clothing/keys
[ "$(last_beacon_value page event=show)" = /clothing/keys ] || fail "not back on the keys page"
pass "Alt+Left goes back"

xdotool key ctrl+f
wait_until "the find dialog" 5 window_named "查找"
shot webview-find
xdotool key Escape
app_running || fail "program ended"
pass "Ctrl+F opens the find dialog"
