#!/usr/bin/env bash
# The options screen: reached from the menu, a slider moved and the back area clicked
# saves the new value; a change left with Escape does not reach the file.
source "$(dirname "$0")/lib.sh"

make_play_dir
set_detail 2
CFG="$PLAY/data/vontel.cfg"

cfg_line() { sed -n "$1p" "$CFG" | tr -d '\r'; }

start_game
wait_window 'Stay high' 90
sleep 3
key Escape   # ends the intro
sleep 3
shot "01-menu"
expect_picture "01-menu"

click 675 380   # the menu's second item: options
sleep 1
shot "02-options"
expect_picture "02-options"
# The options group is black with white writing on the right side of the screen.
[ "$(pixel 02-options 745 200)" = "0 0 0" ] || fail "the options group is not black"
awk -v b="$(brightness 02-options 200x130+520+210)" 'BEGIN{exit !(b > 0.03)}' ||
  fail "no writing in the video group"

music_before=$(cfg_line 4)
# The music slider spans x 580..732 at y 436..460; a press near its right end moves it up.
click 725 448
sleep 0.5
shot "03-slider-moved"
click 125 550   # the back area
for ((i = 0; i < 50; i++)); do
  [ "$(cfg_line 4)" != "$music_before" ] && break
  sleep 0.1
done
music_after=$(cfg_line 4)
[ "$music_after" != "$music_before" ] || fail "music volume still $music_before after the back area"
[ "$music_after" -gt 200 ] || fail "music volume $music_after, expected near the top"
sleep 1
shot "04-menu-again"
expect_picture "04-menu-again"

# Escape after a change leaves the file as it was.
cp "$CFG" "$E2E_OUT/saved.cfg"
click 675 380
sleep 1
click 590 480   # the effects slider near its left end
sleep 0.5
shot "05-effects-moved"
key Escape
sleep 1
shot "06-menu-after-escape"
cmp -s "$CFG" "$E2E_OUT/saved.cfg" || fail "Escape changed the configuration file"

key Escape   # ends the game
wait_exit 15
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
echo "options: ok"
