#!/usr/bin/env bash
# A tick of the change timer sets the next list entry as the X11 root window's
# background, centred, as seen in the screen's pixels.
source "$(dirname "$0")/session.sh"
start_display

red=$WORLD/red.bmp
blue=$WORLD/blue.bmp
solid_bmp "$red" 'rgb(200,30,40)'
solid_bmp "$blue" 'rgb(20,60,220)'
write_list "$red" "$blue"
# Minutes mode at 0.02 minutes: a tick every 1.2 seconds, in list order, after entry 1.
store_settings freq=0 mins=0.02 pick=1 lastindex=1

start_program
wait_for 5 window_hidden || fail "the main window did not hide"
# The screen's middle is the middle of the centred 64 x 64 picture; its edge, the black around it.
wait_for 10 pixel_is 512 384 20,60,220 || fail "entry 2 did not become the wallpaper: $(pixel 512 384)"
pixel_is 490 384 20,60,220 && pixel_is 470 384 0,0,0 || fail "the picture is not centred on black"
xprop -root _XROOTPMAP_ID ESETROOT_PMAP_ID | grep -c 'PIXMAP): pixmap id # 0x' | grep -qx 2 ||
    fail "the root pixmap properties are not set"
echo "rotation: ok"
