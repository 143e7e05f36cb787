#!/usr/bin/env bash
# Takes the README's screenshots: the window at start and after a search, in a
# real X server (Xvfb), from a copy of the program in an empty directory.
#   tools/screenshot.sh build/zhilan docs
set -euo pipefail
program=$(realpath "$1")
out=$(realpath "${2:-docs}")
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || {
    echo "needs Xvfb, xdotool and ImageMagick (apt-get install xvfb xdotool imagemagick)" >&2
    exit 1
  }
done
work=$(mktemp -d)
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$program" "$work/zhilan"
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 900x700x24 >/dev/null 2>&1 & xvfb=$!
sleep 1
(cd "$work" && ./zhilan >/dev/null 2>&1) & app=$!
sleep 5
import -window root -crop 760x550+50+50 +repage "$out/window.png"
xdotool mousemove 400 150 click 1
sleep 0.3
xdotool type --delay 80 "四大发明"
xdotool key Return
sleep 3
import -window root -crop 760x550+50+50 +repage "$out/window-search.png"
