#!/usr/bin/env bash
# Takes the screenshot that the README and the AppStream metadata show: the
# game as built, on a private X display and with settings of its own, after
# some two dozen moves that line balls up, so the board looks like a game
# in progress.
#   bash packaging/screenshots/take_screenshot.sh build/stage/lumbra packaging/screenshots/lumbra.png
# Needs Xvfb, xdotool and ImageMagick (bash tools/install-deps.sh test).
set -euo pipefail

readonly program="$(realpath "$1")" output="$2"
readonly moves=25 square=40 board_top=50

scratch="$(mktemp -d)"
trap 'kill "${game_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "${scratch}"' EXIT

mkfifo "${scratch}/display"
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"${scratch}/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r display <"${scratch}/display"
export DISPLAY=":${display}"

HOME="${scratch}" XDG_CONFIG_HOME="${scratch}/config" XDG_DATA_HOME="${scratch}/data" \
  QT_QPA_PLATFORM=xcb "${program}" >"${scratch}/output" 2>&1 &
game_pid=$!
window="$(xdotool search --sync --name '^Lumbra ' | head -n 1)"
sleep 1

# The board lies at the bottom of the window, below the menu bar and the
# header strip; the window is 361 pixels wide and its client area 411 high.
eval "$(xdotool getwindowgeometry --shell "${window}")"
readonly board_x="${X}" board_y=$((Y + HEIGHT - 411 + board_top))

click_square() {
  local number="$1"
  xdotool mousemove $((board_x + number % 9 * square + square / 2)) \
                    $((board_y + number / 9 * square + square / 2)) click 1
}

# One colour per square, sampled at its middle; the commonest is the empty one.
square_colours() {
  import -window root "${scratch}/screen.png"
  convert "${scratch}/screen.png" -crop "360x360+${board_x}+${board_y}" +repage \
    -define sample:offset=50 -sample '9x9!' -depth 8 txt:- | sed -n 's/.*\(#[0-9A-F]\{6\}\).*/\1/p'
}

# Picks a move that lines a ball up with others of its colour, along a free
# path; reads the 81 square colours and the empty one, prints "from to".
pick_move() {
  /usr/bin/python3 -c '
import random, sys
empty, *colours = sys.argv[1:]
def free(n): return colours[n] == empty
def neighbours(n):
    r, c = divmod(n, 9)
    return [n + d for d, ok in ((-9, r > 0), (9, r < 8), (-1, c > 0), (1, c < 8)) if ok]
def reachable(start):
    seen, todo = set(), [start]
    while todo:
        for m in neighbours(todo.pop()):
            if m not in seen and free(m):
                seen.add(m); todo.append(m)
    return seen
def row_length(target, source):
    colour, best = colours[source], 0
    for dr, dc in ((0, 1), (1, 0), (1, 1), (1, -1)):
        length = 1
        for sign in (1, -1):
            r, c = divmod(target, 9)
            while True:
                r, c = r + sign * dr, c + sign * dc
                if not (0 <= r < 9 and 0 <= c < 9) or r * 9 + c == source or colours[r * 9 + c] != colour: break
                length += 1
        best = max(best, length)
    return best
moves = [(row_length(t, b) - row_length(b, b) + random.random(), b, t)
         for b in range(81) if not free(b) for t in reachable(b)]
if moves: print(*max(moves)[1:])
' "$@"
}

for ((move = 0; move < moves; ++move)); do
  mapfile -t colours < <(square_colours)
  empty="$(printf '%s\n' "${colours[@]}" | sort | uniq -c | sort -rn | awk 'NR == 1 {print $2}')"
  read -r from to < <(pick_move "${empty}" "${colours[@]}") || break
  click_square "${from}"
  sleep 0.4
  click_square "${to}"
  sleep 2
done

# A picked-up ball shows the bounce as well.
mapfile -t colours < <(square_colours)
for number in "${!colours[@]}"; do
  if [[ "${colours[number]}" != "${empty}" ]]; then click_square "${number}"; break; fi
done
xdotool mousemove 0 0
sleep 0.3
import -window "${window}" "${output}"
echo "wrote ${output}"
