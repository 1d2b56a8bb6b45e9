#!/usr/bin/env bash
# The spine: the game starts from a play directory, Escape ends the intro, Escape on the
# menu ends the program with status 0; without its configuration file it ends at once
# with a message that names the file and a non-zero status.
source "$(dirname "$0")/lib.sh"

make_play_dir
set_detail 2

start_game
wait_window "Vontel" 90
sleep 3
shot "01-intro"
expect_picture "01-intro"

key Escape           # ends the intro
sleep 3
shot "02-menu"
expect_picture "02-menu"
game_running || fail "the game ended after the intro"

key Escape           # ends the game from the menu
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after Escape on the menu"

# Without the configuration file: the error names the file, nothing opens the game window.
rm "$PLAY/data/vontel.cfg"
start_game
for ((i = 0; i < 100; i++)); do
  game_running || break
  # The error box waits for the player; answer it.
  if message_box_open; then
    sleep 0.5
    shot "03-missing-config"
    answer_message_box || true
    sleep 0.5
  fi
  sleep 0.1
done
wait_exit 10
[ "$GAME_STATUS" -ne 0 ] || fail "exit status 0 without a configuration file"
grep -q "data/vontel.cfg" "$E2E_OUT/game.log" || fail "the message does not name data/vontel.cfg"
echo "spine: ok"
