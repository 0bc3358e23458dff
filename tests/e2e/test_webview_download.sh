#!/usr/bin/env bash
# A download from the server asks where to save, shows its progress and
# lands complete and byte-identical; a blob: export from the page lands too.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
source "$(dirname "$0")/webview_lib.sh"
start_x
start_server --landing "/clothing/export?focus=csv-slow"
start_app
wait_painted /clothing/export
focus_main
target=$(mktemp -d)
expected=$(mktemp)
python3 -c "import sys, urllib.request; open(sys.argv[2], 'wb').write(urllib.request.urlopen(sys.argv[1]).read())" \
  "http://127.0.0.1:$SERVER_PORT/clothing/export.csv" "$expected"

save_as() { # path
  wait_until "the save dialog" 10 window_named "另存为"
  sleep 0.5
  xdotool key ctrl+a
  xdotool type --delay 15 "$1"
  xdotool key Return
}

xdotool key Return
save_as "$target/goods.csv"
wait_until "the progress dialog" 10 window_named "文件下载"
sleep 2
shot webview-download-progress
wait_until "the download to finish" 30 at_least "$(stat -c %s "$expected")" file_size "$target/goods.csv"
sleep 0.5
cmp -s "$expected" "$target/goods.csv" || fail "the download differs from what the server sent"
pass "download landed complete and byte-identical ($(stat -c %s "$expected") bytes)"

# The page's own export: a blob: address clicked by script.
for w in $(xdotool search --onlyvisible --name "^文件下载"); do wmctrl -i -c "$w" || true; done
focus_main
xdotool key Tab Return
save_as "$target/orders-today.csv"
wait_until "the blob download" 15 at_least 1 file_size "$target/orders-today.csv"
sleep 0.5
[ "$(wc -l <"$target/orders-today.csv")" = 38 ] || fail "blob export has $(wc -l <"$target/orders-today.csv") lines"
head -c 3 "$target/orders-today.csv" | od -An -tx1 | grep -q 'ef bb bf' || fail "blob export lacks its byte-order mark"
pass "blob: export landed"
app_running || fail "program ended"
