#!/usr/bin/env bash
# Makes the user guide's screenshots from the real desktop program on a private virtual display:
# it loads an example configuration the way a user does (Ctrl+O, the file, OK) and takes one
# picture of the window per page. Run it again after a change to the windows to remake them.
#
#   tools/guide_screenshots.sh [OUTPUT_FOLDER]
#
# Settings (environment): BIN (the program, default build/bin/regforge), CONFIG (default
# examples/LPC2148.sav), SCALE (Qt scale factor, default 1), SIZE (outer window size WIDTHxHEIGHT,
# default 800x720 times SCALE: every tab fits in the tab row, which the pictures click), DISPLAY_NUMBER
# (default 99), SCREEN (the virtual display's size, default 1920x1200; a scale of 2 needs a larger
# one), PREFIX (file name prefix, default "").
# Needs Xvfb, xdotool and ImageMagick's import.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$here/docs/guide}
bin=${BIN:-$here/build/bin/regforge}
config=${CONFIG:-$here/examples/LPC2148.sav}
scale=${SCALE:-1}
size=${SIZE:-$(awk "BEGIN{print int(800 * $scale) \"x\" int(720 * $scale)}")}
number=${DISPLAY_NUMBER:-99}
screen=${SCREEN:-1920x1200}
prefix=${PREFIX:-}
pages=(io clocks interrupts adc timers pwm spi uart i2c result)
# Where each page's tab lies at scale 1 (window pixels): the pictures are taken as a user clicks.
tabs_x=(18 58 119 174 219 266 316 367 405 447)
tab_y=17

for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "guide_screenshots: $tool is missing" >&2; exit 1; }
done
[ -x "$bin" ] || { echo "guide_screenshots: no program at $bin (build it first)" >&2; exit 1; }
config=$(cd "$(dirname "$config")" && pwd)/$(basename "$config")
mkdir -p "$out"
out=$(cd "$out" && pwd)

# A copy of the program folder, so its settings file (the window size) is the script's own.
folder=$(mktemp -d)
cp -r "$(dirname "$bin")/." "$folder/"
if [ -n "$size" ]; then
    printf '[VERSION]\r\n2.2.2\r\n[FORMSIZE]\r\n%s\r\n%s\r\n' "${size#*x}" "${size%x*}" >"$folder/include/regforge"
fi

Xvfb ":$number" -screen 0 "${screen}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program=
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$folder"
}
trap cleanup EXIT
export DISPLAY=":$number"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

QT_SCALE_FACTOR=$scale "$folder/$(basename "$bin")" &
program=$!
window=$(xdotool search --sync --onlyvisible --name '^Regforge' | head -1)
sleep 1

# Load the configuration as the user does: Ctrl+O, the file's name, Open, then OK to apply it.
xdotool windowfocus --sync "$window" key ctrl+o
sleep 1
xdotool type --delay 20 "$config"
xdotool key Return
sleep 1
xdotool key Return
sleep 2

window=$(xdotool search --onlyvisible --name 'Regforge' | head -1)
xdotool windowfocus --sync "$window"
for index in "${!pages[@]}"; do
    file="$out/${prefix}$(printf '%02d' $((index + 1)))-${pages[$index]}.png"
    xdotool mousemove --window "$window" "$(awk "BEGIN{print int(${tabs_x[$index]} * $scale)}")" \
        "$(awk "BEGIN{print int($tab_y * $scale)}")" click 1
    sleep 0.7
    # On the Result page the code is made (F9), as the status line then says.
    [ "${pages[$index]}" = result ] && xdotool key F9 && sleep 0.5
    # The pointer rests outside the window, so no hover or tooltip shows.
    xdotool mousemove 1900 1190
    sleep 0.3
    import -window "$window" "$file"
    echo "$file"
done
