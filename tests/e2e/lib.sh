# Shared by the end-to-end tests: a private X server with openbox, the
# program started from the installed tree, and what a person would check.
set -euo pipefail

BINARY=${1:?usage: test_x.sh <installed daixi-shell>}
[ -x "$BINARY" ] || { echo "no installed program at $BINARY (scripts/build installs it)"; exit 1; }
TITLE='岱汐服装销售管理系统'
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
SHOTS=${DAIXI_E2E_SHOTS:-$(mktemp -d)}
mkdir -p "$SHOTS"
APP_PID=
APP_LOG=$(mktemp)

fail() { echo "FAIL: $*"; [ -s "$APP_LOG" ] && sed 's/^/  app: /' "$APP_LOG"; exit 1; }
pass() { echo "ok: $*"; }

start_x() {
  # Xvfb picks a free display itself, so tests never share a server.
  local number_file; number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.05; done
  DISPLAY_NUM=$(head -n 1 "$number_file")
  [ -n "$DISPLAY_NUM" ] || fail "Xvfb did not start"
  export DISPLAY=":$DISPLAY_NUM"
  openbox >/dev/null 2>&1 &
  OPENBOX_PID=$!
  # openbox is ready once it announces what it supports.
  for _ in $(seq 100); do xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW && break; sleep 0.05; done
  xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW || fail "openbox did not start on $DISPLAY"
}

stop_all() {
  [ -n "$APP_PID" ] && kill -9 "$APP_PID" 2>/dev/null || true
  kill "${OPENBOX_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap stop_all EXIT

# Starts the program; returns once its main window is mapped.
start_app() {
  : >"$APP_LOG"
  "$BINARY" >"$APP_LOG" 2>&1 &
  APP_PID=$!
  wait_for "main window" main_window
  sleep 0.3
}

main_window() { xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -1; }
windows_named() { xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | wc -l; }
# The question: the program's second visible window with the title.
question_window() {
  local main; main=$(main_window)
  for w in $(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && { echo "$w"; return; }
  done
}

wait_for() { # description, command printing non-empty when done
  local what=$1; shift
  for _ in $(seq 100); do [ -n "$("$@")" ] && return 0; sleep 0.1; done
  fail "timed out waiting for $what"
}

app_running() { kill -0 "$APP_PID" 2>/dev/null && ! grep -q zombie <(ps -o stat= -p "$APP_PID" | sed 's/Z/zombie/'); }

# Waits for the program to end; sets APP_RC to its exit code.
wait_app_exit() {
  APP_RC=timeout
  for _ in $(seq 100); do
    if ! app_running; then
      APP_RC=0
      wait "$APP_PID" || APP_RC=$?
      APP_PID=
      return
    fi
    sleep 0.1
  done
}

open_question() {
  # openbox lists the program's windows a moment after they are mapped.
  for _ in $(seq 20); do wmctrl -c "$TITLE" 2>/dev/null && break; sleep 0.1; done
  wait_for "the question" question_window
  sleep 0.3
}

question_count() {
  local n=0
  for w in $(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null); do
    xprop -id "$w" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && n=$((n + 1))
  done
  echo $n
}

# Outer (frame) geometry of a client window: x y width height.
frame_geometry() {
  local w=$1 x y width height ext
  eval "$(xwininfo -id "$w" | awk '/Absolute upper-left X/{print "x="$4} /Absolute upper-left Y/{print "y="$4} /Width:/{print "width="$2} /Height:/{print "height="$2}')"
  ext=$(xprop -id "$w" _NET_FRAME_EXTENTS | sed -n 's/.*= //p' | tr -d ,)
  [ -n "$ext" ] || ext="0 0 0 0"
  read -r l r t b <<<"$ext"
  echo "$((x - l)) $((y - t)) $((width + l + r)) $((height + t + b))"
}

# The skin draws its own frame: no window-manager decoration is left, and
# the client area lies under a 30-pixel title bar, inside a 4-pixel border
# unless the window is maximised.
SKIN_BORDER=4
SKIN_TITLE=30
skinned() { [ "$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ,)" = "0 0 0 0" ]; }

# Screen position and size of a window's client area: sets X, Y, WIDTH, HEIGHT.
client_area() {
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/{print "X="$4} /Absolute upper-left Y/{print "Y="$4} /Width:/{print "WIDTH="$2} /Height:/{print "HEIGHT="$2}')"
  if skinned "$1"; then
    local b=$SKIN_BORDER
    xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q MAXIMIZED_VERT && b=0
    X=$((X + b)); Y=$((Y + b + SKIN_TITLE))
    WIDTH=$((WIDTH - 2 * b)); HEIGHT=$((HEIGHT - 2 * b - SKIN_TITLE))
  fi
}
client_origin() { client_area "$1"; }

shot() { import -window root "$SHOTS/$1.png"; echo "screenshot: $SHOTS/$1.png"; }

# The colour of one screen pixel: "r g b".
pixel() {
  import -window root -crop "1x1+$1+$2" txt:- 2>/dev/null |
    sed -n '2s/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# Whole X window of a top-level (for a skinned one, its frame too): sets
# WX WY WW WH.
window_rect() {
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/{print "WX="$4} /Absolute upper-left Y/{print "WY="$4} /Width:/{print "WW="$2} /Height:/{print "WH="$2}')"
}
