#!/usr/bin/env bash
# The page's other questions: the upload chooser (a file dialog of the
# program) sends the chosen file; HTTP authentication asks for a user name
# and password; videos and background sounds load and play.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
source "$(dirname "$0")/webview_lib.sh"
start_x
start_server --landing "/clothing/upload?focus=file"
start_app
wait_painted /clothing/upload
focus_main
upload=$(mktemp --suffix=.csv)
printf 'A1007,碎花连衣裙,2\r\n' >"$upload"

# Space on the focused file field opens the chooser; pressed again if the
# page had not taken the keyboard yet, as a person would.
for _ in 1 2 3; do
  xdotool key space
  for _ in $(seq 50); do [ -n "$(window_named "选择要上传的文件")" ] && break 2; sleep 0.1; done
  focus_main
done
wait_until "the upload chooser" 10 window_named "选择要上传的文件"
chooser=$(window_named "选择要上传的文件")
[ "$(window_pid "$chooser")" = "$APP_PID" ] || fail "the chooser is not the program's window"
sleep 0.5
shot webview-upload-chooser
xdotool key ctrl+a
xdotool type --delay 15 "$upload"
xdotool key Return
sleep 0.8
xdotool key Tab Return
wait_until "the upload" 10 at_least 1 requests POST /clothing/upload
wait_until "the upload's result page" 10 at_least 1 beacons event=paint page=/clothing/upload
received=$(uploaded_files)
[ "$received" = "$(basename "$upload") $(sha256sum "$upload" | cut -d' ' -f1)" ] || fail "the server received: $received"
pass "the upload chooser sends the chosen file"

# HTTP authentication: back on the form, the navigation link to the back office.
xdotool key alt+Left
wait_until "the upload form again" 10 at_least 2 requests GET /clothing/upload
wait_until "its paint" 10 at_least 2 beacons event=paint page=/clothing/upload
sleep 0.3
xdotool key shift+Tab shift+Tab shift+Tab Return
wait_until "the credentials dialog" 10 window_named "需要身份验证"
sleep 0.5
shot webview-authentication
xdotool type --delay 20 admin
xdotool key Tab
xdotool type --delay 20 daixi2024
xdotool key Return
wait_until "the back office" 10 beacons event=paint page=/clothing/admin
pass "HTTP authentication asks for user name and password"

# Media: the shop's film and its background music.
sleep 0.3
xdotool key Tab Tab Tab Tab Tab Tab Tab Return
wait_until "the media page" 10 beacons event=paint page=/clothing/media
wait_until "the media report" 10 beacons event=media
state=$(last_beacon_value state event=media)
[ "$state" = "video=ready audio=playing" ] || fail "media: $state"
shot webview-media
pass "video loads and the background sound plays ($state)"
app_running || fail "program ended"
