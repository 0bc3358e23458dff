#!/usr/bin/env bash
# The built-in skin on the real program: the main window has no window-
# manager decoration and shows our title bar with its caption and buttons;
# our close button asks the question; the question's frame has no caption
# buttons; a caption button's highlight clears soon after the pointer leaves.
source "${DAIXI_E2E_LIB:-$(dirname "$0")/lib.sh}"
start_x
start_app
w=$(main_window)
sleep 0.5

# Colour of one pixel of the last screenshot: "r,g,b".
pixel() { convert "$SHOTS/$1.png" -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' -crop "1x1+$2+$3" info:-; }
# Number of near-white pixels in a region of a screenshot: name x y width height.
white_pixels() {
  convert "$SHOTS/$1.png" -crop "$4x$5+$2+$3" +repage -fx 'r>0.9&&g>0.9&&b>0.9' -format '%[fx:int(mean*w*h+0.5)]' info:-
}
is_blue() { IFS=, read -r r g b <<<"$1"; [ "$b" -gt "$r" ] && [ "$b" -gt 90 ] && [ $((b - r)) -gt 40 ]; }

skinned "$w" || fail "the main window still has a window-manager frame: $(xprop -id "$w" _NET_FRAME_EXTENTS)"
read -r _ _ width _ <<<"$(frame_geometry "$w")"
shot skin-main
is_blue "$(pixel skin-main 600 15)" || fail "no skinned title bar: $(pixel skin-main 600 15)"
[ "$(white_pixels skin-main 30 5 200 20)" -gt 20 ] || fail "no caption text in the title bar"
[ "$(white_pixels skin-main $((width - 110)) 5 104 22)" -gt 20 ] || fail "no caption buttons"
pass "main window: no decoration, our title bar with caption and buttons"

# The minimise button (third from the right) lights up under the pointer
# and goes back to normal soon after the pointer leaves it.
mx=$((width - 6 - 2 * 33 - 16)); my=16
normal=$(pixel skin-main $((mx - 12)) $((my + 8)))
xdotool mousemove "$mx" "$my"; sleep 0.4
shot skin-hot
hot=$(pixel skin-hot $((mx - 12)) $((my + 8)))
[ "$hot" != "$normal" ] || fail "no highlight under the pointer ($hot)"
xdotool mousemove 640 500; sleep 0.3
shot skin-left
[ "$(pixel skin-left $((mx - 12)) $((my + 8)))" = "$normal" ] || fail "highlight stayed after leaving"
pass "a caption button's highlight clears after the pointer leaves"

# Our close button sends the close request: the question is asked.
xdotool mousemove $((width - 6 - 16)) 16 click 1
wait_for "the question after our close button" question_window
sleep 0.5
q=$(question_window)
[ "$(question_count)" = 1 ] || fail "$(question_count) questions"
skinned "$q" || fail "the question still has a window-manager frame"
read -r qx qy qw qh <<<"$(frame_geometry "$q")"
[ "$qw $qh" = "$((342 + 2 * SKIN_BORDER)) $((173 + 2 * SKIN_BORDER + SKIN_TITLE))" ] ||
  fail "question size $qw x $qh"
shot skin-question
is_blue "$(pixel skin-question $((qx + qw / 2)) $((qy + 15)))" || fail "the question has no skinned title bar"
[ "$(white_pixels skin-question $((qx + 10)) $((qy + 8)) 150 20)" -gt 20 ] || fail "no caption on the question"
[ "$(white_pixels skin-question $((qx + qw - 110)) $((qy + 5)) 104 24)" = 0 ] ||
  fail "the question's title bar has caption buttons"
pass "the question: skinned frame, caption, no caption buttons, client area 342x173"

# Answer Cancel with the mouse on the skinned button: the program goes on.
client_origin "$q"
xdotool mousemove $((X + 182 + 37)) $((Y + 125 + 12)) click 1
for _ in $(seq 30); do [ "$(question_count)" = 0 ] && break; sleep 0.1; done
[ "$(question_count)" = 0 ] || fail "取消 did not answer"
app_running || fail "program ended on Cancel"
pass "our close button asks; 取消 keeps the program"
