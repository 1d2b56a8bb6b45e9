#!/usr/bin/env bash
# The first-run setup dialog: a fresh installation shows it in a small window of its own;
# "Exit" ends the program and leaves the configuration as it was; "Start and Save" writes
# the defaults and the game goes on to the intro in the same run.
source "$(dirname "$0")/lib.sh"

make_play_dir
set_detail 0
CFG="$PLAY/data/vontel.cfg"
cp "$CFG" "$E2E_OUT/before.cfg"

dialog_window() { xdotool search --onlyvisible --name '^Vontel$' | head -n 1; }

# The dialog's client area and its place in the middle of the 800 x 600 desktop.
check_dialog_geometry() {
  local wid="$1" geometry
  geometry=$(xdotool getwindowgeometry "$wid")
  echo "$geometry" >"$E2E_OUT/dialog-geometry.txt"
  echo "$geometry" | grep -q "Geometry: 243x248" || fail "dialog size: $geometry"
  echo "$geometry" | awk '/Position:/ {split($2, p, ","); exit !(p[1] > 200 && p[1] < 350 && p[2] > 100 && p[2] < 250)}' ||
    fail "dialog not centred: $geometry"
}

# 1. Exit: the program ends with status 0 and the file is left byte for byte.
start_game
wait_window '^Vontel$' 90
WID=$(dialog_window)
check_dialog_geometry "$WID"
sleep 1
shot "01-setup-dialog"
expect_picture "01-setup-dialog"
xdotool mousemove --window "$WID" 184 220 sleep 0.2 click 1
wait_exit 10
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS after Exit"
cmp -s "$CFG" "$E2E_OUT/before.cfg" || fail "Exit changed the configuration file"

# 2. Start and Save, untouched: the defaults are written and the intro follows.
start_game
wait_window '^Vontel$' 90
WID=$(dialog_window)
sleep 1
shot "02-setup-again"
xdotool mousemove --window "$WID" 64 220 sleep 0.2 click 1
printf '%s\r\n' "<#Vontel ][ Config File // do not edit // generated automatic" 2 100 170 170 0 \
  >"$E2E_OUT/expected.cfg"
for ((i = 0; i < 100; i++)); do
  cmp -s "$CFG" "$E2E_OUT/expected.cfg" && break
  sleep 0.1
done
cmp -s "$CFG" "$E2E_OUT/expected.cfg" || fail "the file does not hold the defaults: $(od -c "$CFG" | head)"
wait_window 'Stay high' 90
sleep 3
shot "03-intro"
expect_picture "03-intro"
game_running || fail "the game ended after Start and Save"
[ -z "$(dialog_window)" ] || fail "the setup dialog is still open"

key Escape   # ends the intro
sleep 3
key Escape   # ends the game from the menu
wait_exit 15
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"

# 3. The next start skips the dialog.
start_game
wait_window 'Stay high' 90
[ -z "$(dialog_window)" ] || fail "the setup dialog came back after Start and Save"
key Escape
sleep 3
key Escape
wait_exit 15
echo "setup: ok"
