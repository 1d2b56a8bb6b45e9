#!/usr/bin/env bash
# The screens with the real program: the intro skipped, the level map with its minimap and
# the locked-level message, a race given up with Escape, the result screen with the list,
# back to the menu, the credits, and the end through the credits' quit area.
source "$(dirname "$0")/lib.sh"

make_play_dir
set_detail 2
# A fresh data set has level 2 locked, so the next arrow is refused on level 1.
level1_before=$(md5sum < "$PLAY/data/level1.dcc")

start_game
wait_window "Vontel" 90
sleep 3
shot "01-intro"
key Escape
sleep 3
shot "02-menu"
expect_picture "02-menu"

# Hovering over item 1 marks it with the selector.
xdotool mousemove 675 300
sleep 0.5
shot "03-menu-hover"
wait_change "02-menu" 5

click 675 300
sleep 1.5
shot "04-level-map"
expect_picture "04-level-map"
# The minimap is drawn in shades of pure red.
read -r r g b <<<"$(pixel 04-level-map 472 450)"
[ "$g" -lt 40 ] && [ "$b" -lt 40 ] || fail "minimap pixel is $r $g $b, not red"

click 728 326        # next arrow: level 2 is locked in a fresh data set
sleep 0.5
shot "05-locked"
locked_diff=$(compare -metric AE -crop 360x30+30+256 "$E2E_OUT/04-level-map.png" "$E2E_OUT/05-locked.png" null: 2>&1 || true)
[ "${locked_diff%% *}" != "0" ] || fail "no locked-level message appeared"
sleep 4              # the message lives about 100 ticks
shot "06-message-gone"
gone_diff=$(compare -metric AE -crop 360x30+30+256 "$E2E_OUT/04-level-map.png" "$E2E_OUT/06-message-gone.png" null: 2>&1 || true)
[ "${gone_diff%% *}" = "0" ] || fail "the locked-level message did not go away"

click 470 450        # the minimap starts the race on level 1
sleep 4
shot "07-race"
expect_picture "07-race"
key Escape           # give up
sleep 2
shot "08-result"
expect_picture "08-result"
game_running || fail "the game ended after the race"

key Escape           # back to the menu without storing
sleep 1.5
shot "09-menu-again"
expect_picture "09-menu-again"
[ "$(md5sum < "$PLAY/data/level1.dcc")" = "$level1_before" ] || fail "giving up changed level1.dcc"

click 675 470        # credits
sleep 6              # the text has risen into the panel
shot "10-credits"
expect_picture "10-credits"
panel=$(brightness 10-credits 340x360+456+195)
awk -v b="$panel" 'BEGIN{exit !(b > 0.0002)}' || fail "no credits text in the panel (brightness $panel)"

click 260 550        # quit area
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after the credits' quit"
echo "screens: ok"
