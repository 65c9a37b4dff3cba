#!/usr/bin/env bash
# The wallpaper on GNOME, KDE Plasma and XFCE: no such desktop runs here, so recording
# stand-ins of their commands come first on PATH. gsettings itself runs on its memory
# backend, which checks the schema, the keys and the value type. Each gets the picture's
# name as the file system spells it, also one that is not UTF-8; so does the root window
# of an X11 session without a desktop of its own.
source "$(dirname "$0")/session.sh"
start_display

bin=$WORLD/bin
calls=$WORLD/calls
mkdir -p "$bin"
export CALLS=$calls GSETTINGS_BACKEND=memory PATH="$bin:$PATH"
real_gsettings=$(command -v gsettings)
cat >"$bin/gsettings" <<STANDIN
#!/bin/sh
"$real_gsettings" "\$@"
echo "gsettings \$* -> \$?" >>"\$CALLS"
STANDIN
cat >"$bin/plasma-apply-wallpaperimage" <<'STANDIN'
#!/bin/sh
echo "plasma-apply-wallpaperimage $*" >>"$CALLS"
STANDIN
cat >"$bin/xfconf-query" <<'STANDIN'
#!/bin/sh
if [ "$*" = "-c xfce4-desktop -l" ]; then
    printf '%s\n' /backdrop/screen0/monitorVirtual1/workspace0/last-image \
        /backdrop/screen0/monitorVirtual1/workspace0/image-style /backdrop/screen0/monitorVirtual1/workspace1/last-image
else
    echo "xfconf-query $*" >>"$CALLS"
fi
STANDIN
chmod +x "$bin"/*

# apply_on DESKTOP LINES: a start in every-run mode applies the list's only entry.
apply_on() {
    rm -f "$calls" "$SETTINGS"
    write_list "$picture"
    store_settings freq=2 mins=30 pick=1 lastindex=0
    XDG_CURRENT_DESKTOP=$1 start_program "-$1"
    wait_for 10 sh -c "[ \$(cat '$calls' 2>/dev/null | wc -l) -ge $2 ]" || fail "$1: no wallpaper command"
    wait_for 5 window_hidden || fail "$1: the window did not hide"
    kill "$PROGRAM_PID"
    wait "$PROGRAM_PID" 2>/dev/null || true
}

expect_calls() {
    diff <(printf '%s\n' "$@") "$calls" >&2 || fail "unexpected wallpaper commands"
}

for picture in "$WORLD/my pictures/sun.bmp" "$WORLD/caf"$'\xe9'".bmp"; do
    mkdir -p "$(dirname "$picture")"
    solid_bmp "$WORLD/picture.bmp" 'rgb(1,2,3)' && mv "$WORLD/picture.bmp" "$picture"
    uri=file://$(LC_ALL=C sed 's/ /%20/g; s/\xe9/%E9/g' <<<"$picture")
    apply_on GNOME 2
    expect_calls "gsettings set org.gnome.desktop.background picture-uri $uri -> 0" \
        "gsettings set org.gnome.desktop.background picture-uri-dark $uri -> 0"

    apply_on KDE 1
    expect_calls "plasma-apply-wallpaperimage $picture"

    apply_on XFCE 2
    expect_calls "xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitorVirtual1/workspace0/last-image -s $picture" \
        "xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitorVirtual1/workspace1/last-image -s $picture"
done

apply_on '' 0
wait_for 5 pixel_is 512 384 1,2,3 || fail "the root window shows $(pixel 512 384)"
echo "wallpaper-commands: ok"
