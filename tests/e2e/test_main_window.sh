#!/usr/bin/env bash
# The main window opens maximised with its caption and icon; restored it has
# its outer bounds and cannot be made smaller than them.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
start_x
start_app
w=$(main_window)

xprop -id "$w" _NET_WM_STATE | grep -q MAXIMIZED_VERT || fail "not maximised"
xprop -id "$w" _NET_WM_STATE | grep -q MAXIMIZED_HORZ || fail "not maximised horizontally"
[ "$(xdotool getwindowname "$w")" = "$TITLE" ] || fail "caption"
icons=$(xprop -id "$w" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
for size in 16 24 32 48 64 72 96 128; do
  grep -q "Icon ($size x $size)" <<<"$icons" || fail "icon size $size missing: $icons"
done
pass "maximised with caption and icon at every size"
shot main-maximised

wmctrl -i -r "$w" -b remove,maximized_vert,maximized_horz
for _ in $(seq 40); do
  read -r x y width height <<<"$(frame_geometry "$w")"
  [ "$x $y $width $height" = "193 106 1024 768" ] && break
  sleep 0.1
done
[ "$x $y $width $height" = "193 106 1024 768" ] || fail "restored bounds $x $y $width $height"
pass "restored to 193,106 1024x768"
shot main-restored

# Drag the frame's bottom-right corner up and left, as a person would: the
# window keeps its minimum size.
xdotool mousemove $((x + width - 2)) $((y + height - 2)) sleep 0.2 mousedown 1 sleep 0.2 \
  mousemove $((x + 700)) $((y + 500)) sleep 0.2 mousemove $((x + 600)) $((y + 400)) sleep 0.3 mouseup 1
sleep 0.5
read -r x y width height <<<"$(frame_geometry "$w")"
[ "$width" -ge 1024 ] && [ "$height" -ge 768 ] || fail "shrunk to $width x $height"
pass "minimum size holds"
app_running || fail "program ended"
