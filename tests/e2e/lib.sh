# Helpers for the end-to-end tests: the real program in a play directory of its own, under
# the X server of the test run (DISPLAY), driven by xdotool, checked from screenshots.
# Environment from ctest: VONTEL_BUILD (build dir), VONTEL_E2E_OUT (screenshots and logs).
set -euo pipefail

: "${VONTEL_BUILD:?}" "${VONTEL_E2E_OUT:?}"
E2E_NAME=$(basename "$0" .sh)
E2E_OUT="$VONTEL_E2E_OUT/$E2E_NAME"
rm -rf "$E2E_OUT"
mkdir -p "$E2E_OUT"
PLAY=$(mktemp -d /tmp/vontel-e2e-XXXXXX)
GAME_PID=""
GAME_STATUS=""

cleanup() {
  if [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; then kill -9 "$GAME_PID" 2>/dev/null || true; fi
  rm -rf "$PLAY"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  [ -f "$E2E_OUT/game.log" ] && { echo "--- game log"; tail -n 40 "$E2E_OUT/game.log"; } >&2
  shot "failure" || true
  exit 1
}

# A play directory: the program, its plugins and a generated data set. The data set is
# generated once per build and copied, so each test starts from the installation's files.
make_play_dir() {
  local cache="$VONTEL_BUILD/e2e-data"
  if [ ! -f "$cache/.complete" ]; then
    rm -rf "$cache"
    "$VONTEL_BUILD/bin/datagen" "$cache" >/dev/null
    touch "$cache/.complete"
  fi
  cp "$VONTEL_BUILD/bin/vontel" "$PLAY/vontel"
  mkdir -p "$PLAY/plugins"
  cp "$VONTEL_BUILD"/bin/plugins/*.so "$PLAY/plugins/" 2>/dev/null || true
  cp -r "$cache" "$PLAY/data"
  rm -f "$PLAY/data/.complete"
}

# Line 2 of the configuration: "0" runs the setup dialog; the tests that do not test the
# dialog start with detail level 2 already chosen.
set_detail() {
  local cfg="$PLAY/data/vontel.cfg"
  awk -v d="$1" 'BEGIN{ORS="\r\n"} {sub(/\r$/,"")} NR==2{$0=d} {print}' "$cfg" > "$cfg.tmp"
  mv "$cfg.tmp" "$cfg"
}

start_game() {
  (cd "$PLAY" && SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" exec ./vontel) \
    >"$E2E_OUT/game.log" 2>&1 &
  GAME_PID=$!
}

# Waits until a window whose name matches $1 is mapped; fails after $2 seconds.
wait_window() {
  local pattern="$1" limit="${2:-30}" i
  for ((i = 0; i < limit * 10; i++)); do
    if xdotool search --onlyvisible --name "$pattern" >/dev/null 2>&1; then return 0; fi
    game_running || fail "the game ended while waiting for window '$pattern'"
    sleep 0.1
  done
  fail "no window '$pattern' after $limit s"
}

game_running() { [ -n "$GAME_PID" ] && kill -0 "$GAME_PID" 2>/dev/null; }

# Waits for the game to end within $1 seconds and puts its exit status in GAME_STATUS.
wait_exit() {
  local limit="${1:-10}" i
  for ((i = 0; i < limit * 10; i++)); do
    if ! game_running; then
      set +e
      wait "$GAME_PID"
      GAME_STATUS=$?
      set -e
      GAME_PID=""
      return 0
    fi
    sleep 0.1
  done
  fail "the game did not end within $limit s"
}

key() { xdotool mousemove 400 300 >/dev/null; xdotool key --delay 60 "$@"; }
click() { xdotool mousemove "$1" "$2" sleep 0.1 click 1; sleep 0.2; }
type_text() { xdotool type --delay 60 "$1"; }

shot() { import -window root "$E2E_OUT/$1.png"; }

# Mean brightness 0..1 of a screenshot, or of a region WxH+X+Y of it.
brightness() {
  local file="$E2E_OUT/$1.png" region="${2:-}"
  if [ -n "$region" ]; then convert "$file" -crop "$region" +repage -colorspace Gray -format "%[fx:mean]" info:
  else convert "$file" -colorspace Gray -format "%[fx:mean]" info:; fi
}

# "r g b" (0..255) of one pixel of a screenshot.
pixel() {
  convert "$E2E_OUT/$1.png" -crop "1x1+$2+$3" +repage -depth 8 txt:- |
    awk 'NR==2 {gsub(/[()]/," ",$2); split($2,c,","); printf "%d %d %d\n", c[1], c[2], c[3]}'
}

# Fails unless the screenshot shows a real picture: not black, not one flat colour.
expect_picture() {
  local b spread
  b=$(brightness "$1")
  spread=$(convert "$E2E_OUT/$1.png" -colorspace Gray -format "%[fx:standard_deviation]" info:)
  awk -v b="$b" -v s="$spread" 'BEGIN{exit !(b > 0.03 && s > 0.02)}' ||
    fail "screenshot $1 is black or flat (brightness $b, spread $spread)"
}

# Waits until the screen changes from screenshot $1 (a screen has been drawn anew).
wait_change() {
  local before="$E2E_OUT/$1.png" limit="${2:-10}" i diff
  for ((i = 0; i < limit * 4; i++)); do
    import -window root "$E2E_OUT/.probe.png"
    diff=$(compare -metric AE "$before" "$E2E_OUT/.probe.png" null: 2>&1 || true)
    if [ "${diff%% *}" != "0" ]; then return 0; fi
    sleep 0.25
  done
  fail "the screen did not change after $1"
}

# The top-level windows on the screen as "id width height x y" lines.
top_windows() {
  xwininfo -root -children | awk '/^ +0x/ {
    for (i = 1; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+-?[0-9]+\+-?[0-9]+$/) {
      split($i, g, /[x+]/); print $1, g[1], g[2], g[3], g[4] } }'
}

# A message box is open when a window smaller than the screen is shown.
message_box_open() { top_windows | awk '$2 < 800 || $3 < 600 {found=1} END {exit !found}'; }

# Answers the game's message box with a click on its first button (the button row lies
# across the bottom of the box). Returns non-zero when no box is open.
answer_message_box() {
  local line id w h x y
  line=$(top_windows | awk '$2 < 800 || $3 < 600' | tail -n 1)
  [ -n "$line" ] || return 1
  read -r id w h x y <<<"$line"
  xdotool mousemove $((x + w / 2)) $((y + h - 28)) click 1
}
