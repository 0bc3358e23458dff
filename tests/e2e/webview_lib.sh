# Shared by the browser host's end-to-end tests, sourced after lib.sh: the
# fixture server as the engine's HTTP proxy, what reached it, and what the
# page and its windows show.
FIXTURES=${DAIXI_FIXTURES:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../fixtures" && pwd)}
START_HOST=sales.daixi.example
START_PATH=/clothing
SERVER_PID=
SERVER_LOG=$(mktemp)
SERVER_PORT=

# Starts the fixture server (extra arguments: --landing PATH ...) and points
# the engine at it as its proxy. A port given as PORT=n reuses that port.
start_server() {
  local portfile; portfile=$(mktemp -u)
  python3 "$FIXTURES/server.py" --port "${PORT:-0}" --port-file "$portfile" --log "$SERVER_LOG" "$@" \
    2>/dev/null &
  SERVER_PID=$!
  for _ in $(seq 100); do [ -s "$portfile" ] && break; sleep 0.05; done
  [ -s "$portfile" ] || fail "the fixture server did not start"
  SERVER_PORT=$(cat "$portfile")
  rm -f "$portfile"
  use_proxy "$SERVER_PORT"
}

stop_server() {
  if [ -n "$SERVER_PID" ]; then
    kill "$SERVER_PID" 2>/dev/null || true
    wait "$SERVER_PID" 2>/dev/null || true
  fi
  SERVER_PID=
}

use_proxy() { export QTWEBENGINE_CHROMIUM_FLAGS="--proxy-server=http://127.0.0.1:$1"; }

# A free port on the loopback address.
free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

stop_webview_test() { stop_server; stop_all; }
trap stop_webview_test EXIT
# A command that fails outside the checks says where, instead of ending quietly.
trap 'fail "unexpected failure at line $LINENO: $BASH_COMMAND"' ERR

SERVER_LOG_TOOL="$(dirname "${BASH_SOURCE[0]}")/serverlog.py"
# How many requests reached the server: method and path, optional host.
requests() { python3 "$SERVER_LOG_TOOL" "$SERVER_LOG" requests "$@"; }
# How many beacons the pages sent with all the given key=value pairs.
beacons() { python3 "$SERVER_LOG_TOOL" "$SERVER_LOG" beacons "$@"; }
# The value of the last beacon with the given pairs for another key.
last_beacon_value() { python3 "$SERVER_LOG_TOOL" "$SERVER_LOG" last "$@"; }
# "name sha256" of each file uploaded to the server.
uploaded_files() { python3 "$SERVER_LOG_TOOL" "$SERVER_LOG" files; }

# Waits until a command prints something other than empty or 0.
wait_until() { # description, seconds, command...
  local what=$1 seconds=$2; shift 2
  local out
  for _ in $(seq $((seconds * 10))); do
    out=$("$@" 2>/dev/null || true)
    [ -n "$out" ] && [ "$out" != 0 ] && return 0
    sleep 0.1
  done
  fail "timed out waiting for $what"
}

# A visible top-level window of the program whose caption starts with TEXT.
window_named() { xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -1; }
window_type() { xprop -id "$1" _NET_WM_WINDOW_TYPE 2>/dev/null | sed -n 's/.*= //p'; }
window_pid() { xprop -id "$1" _NET_WM_PID 2>/dev/null | sed -n 's/.*= //p'; }

# A mapped pop-up menu (override-redirect window) of the program.
popup_menu() {
  xwininfo -root -children 2>/dev/null | awk '/"daixi-shell": \("daixi-shell" "daixi-shell"\)/ {print $1}' |
    while read -r w; do
      xwininfo -id "$w" | grep -q 'Override Redirect State: yes' &&
        xwininfo -id "$w" | grep -q 'Map State: IsViewable' && echo "$w"
    done | head -1
}

# The program's processes below it, and among them the renderers: the
# engine forks them from its zygote, so they are the zygote's children.
descendants() { local p; for p in $(pgrep -P "$1"); do echo "$p"; descendants "$p"; done; }
renderers() {
  local p parent
  for p in $(descendants "$APP_PID"); do
    parent=$(ps -o ppid= -p "$p" | tr -d ' ')
    grep -qa -- '--type=zygote' "/proc/$parent/cmdline" 2>/dev/null && echo "$p"
  done
}

# Fails unless the screenshot shows more than a blank or nearly blank area.
not_blank() { # png, minimum distinct colours
  local colours; colours=$(convert "$1" -format %k info:)
  [ "$colours" -ge "${2:-50}" ] || fail "screenshot $1 is blank ($colours colours)"
}

focus_main() {
  local w; w=$(main_window)
  xdotool windowactivate --sync "$w" 2>/dev/null || wmctrl -i -a "$w"
  sleep 0.2
}

# Waits for the start page's first paint.
wait_painted() { # page path
  wait_until "the first paint of ${1:-$START_PATH}" 30 beacons event=paint page="${1:-$START_PATH}"
}

file_size() { stat -c %s "$1" 2>/dev/null || echo 0; }

# Prints 1 when the command's number is at least N.
at_least() { local n=$1; shift; [ "$("$@")" -ge "$n" ] && echo 1; }
