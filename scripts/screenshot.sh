#!/usr/bin/env bash
# Makes docs/screenshot.png: the app measuring a route over a drawn map, in
# a virtual display with a window manager and a compositor, driven by
# xdotool. Needs: xvfb openbox xcompmgr xdotool imagemagick, and a built
# build/src/app/wandrel.
set -euo pipefail
cd "$(dirname "$0")/.."
app=${1:-build/src/app/wandrel}
out=docs/screenshot.png
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

# A map: two roads, a river and a printed 1 km scale bar.
convert -size 1280x800 xc:'#e8e4d0' -fill none \
    -stroke '#6a9955' -strokewidth 14 \
    -draw "path 'M 80,700 C 300,500 500,650 700,400 S 1000,200 1200,150'" \
    -draw "path 'M 80,700 L 1200,150'" \
    -stroke '#3b6ea8' -strokewidth 6 \
    -draw "path 'M 0,300 C 200,350 400,250 600,320 S 1000,420 1280,380'" \
    -stroke '#555' -strokewidth 3 -draw "line 100,760 300,760" \
    -fill black -stroke none -pointsize 16 -draw "text 180,785 '1 km'" "$work/map.png"

export DISPLAY=:97
Xvfb :97 -screen 0 1280x800x24 >/dev/null 2>&1 &
sleep 1
display -geometry +0+0 "$work/map.png" >/dev/null 2>&1 &
sleep 0.5
xcompmgr >/dev/null 2>&1 &
openbox >/dev/null 2>&1 &
sleep 1
HOME=$work XDG_CONFIG_HOME=$work/.config "$app" >/dev/null 2>&1 &
sleep 3

click() { xdotool mousemove "$1" "$2" click 1; sleep 0.25; }
drag() {
    xdotool mousemove "$1" "$2" mousedown 1; sleep 0.1
    xdotool mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)); sleep 0.1
    xdotool mousemove "$3" "$4"; sleep 0.1
    xdotool mouseup 1; sleep 0.2
}
click 637 377                     # close the welcome sheet
drag 155 743 300 779              # lay the scale bar on the printed one
drag 55 743 100 779
click 250 70; xdotool key Down Return; sleep 0.3   # scale unit: km
click 561 70; xdotool key Down Return; sleep 0.3   # length unit: km
for p in "80 718" "200 640" "330 600" "480 570"; do click $p; done
xdotool key ctrl+shift+w; sleep 0.2                 # a waypoint next
for p in "580 520" "660 450" "720 390" "800 300"; do click $p; done
xdotool key ctrl+shift+w; sleep 0.2
for p in "900 240" "1000 210" "1100 190"; do click $p; done
xdotool mousemove 1200 172 click --repeat 2 --delay 90 1; sleep 0.5
xdotool key ctrl+i; sleep 1.2      # the route inspector
import -window root "$out"
echo "wrote $out"
