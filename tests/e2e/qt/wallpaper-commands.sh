#!/usr/bin/env bash
# The wallpaper on each desktop: none runs here, so recording stand-ins of their commands
# come first on PATH, each writing its argument vector word by word (shell-quoted).
# gsettings itself runs on its memory backend, which checks the schema, the key and the
# value type. Each gets the picture's name as the file system spells it, also one that is
# not UTF-8. Then the root window of an X11 session without a desktop of its own, centred
# on each of two monitors with the root pixmap named for other clients, and a Wayland
# session of a desktop with no known way.
source "$(dirname "$0")/session.sh"
start_display

bin=$WORLD/bin
calls=$WORLD/calls
mkdir -p "$bin"
export CALLS=$calls GSETTINGS_BACKEND=memory PATH="$bin:$PATH" REAL_GSETTINGS=$(command -v gsettings)
cat >"$bin/record" <<'STANDIN'
#!/bin/bash
{ printf '%q' "${RECORD_AS:-${0##*/}}"; printf ' %q' "$@"; echo; } >>"$CALLS"
STANDIN
cat >"$bin/gsettings" <<'STANDIN'
#!/bin/bash
"$REAL_GSETTINGS" "$@" >/dev/null && status=0 || status=$?
{ printf '%q' "${0##*/}"; printf ' %q' "$@" "->" "$status"; echo; } >>"$CALLS"
exit $status
STANDIN
cat >"$bin/xfconf-query" <<'STANDIN'
#!/bin/bash
[ "$*" = "-c xfce4-desktop -l" ] || RECORD_AS=xfconf-query exec record "$@"
printf '%s\n' /backdrop/screen0/monitorVirtual1/workspace0/last-image \
    /backdrop/screen0/monitorVirtual1/workspace0/image-style /backdrop/screen0/monitorVirtual1/workspace1/last-image
STANDIN
chmod +x "$bin"/*
for name in plasma-apply-wallpaperimage dbus-send pcmanfm-qt pcmanfm swaymsg; do ln -s record "$bin/$name"; done

# apply_with VARIABLE=VALUE... COUNT: a start in that session in minutes mode, every 1.2 s
# (or in the mode FREQ names), until COUNT commands were recorded.
apply_with() {
    local count=${*: -1}
    rm -f "$calls" "$SETTINGS"
    write_list "$picture"
    store_settings freq=${FREQ:-0} mins=0.02 pick=1 lastindex=0
    env "${@:1:$#-1}" "$PROGRAM" >"$WORLD/program.log" 2>&1 &
    PROGRAM_PID=$!
    PIDS+=($PROGRAM_PID)
    wait_for 10 sh -c "[ \$(cat '$calls' 2>/dev/null | wc -l) -ge $count ]" || fail "$1: no wallpaper command"
    kill "$PROGRAM_PID"
    wait "$PROGRAM_PID" 2>/dev/null || true
}

# expect_calls WORDS...: the first calls recorded, a line each; a "|" ends a call.
expect_calls() {
    local expected=() line=""
    for word in "$@" "|"; do
        if [ "$word" = "|" ]; then expected+=("${line# }"); line=""; else line+=" $(printf '%q' "$word")"; fi
    done
    diff <(printf '%s\n' "${expected[@]}") <(head -n ${#expected[@]} "$calls") >&2 || fail "unexpected wallpaper commands"
}

gnome=(gsettings set org.gnome.desktop.background)
# GNOME before 42 has no dark key: a schema of that time, compiled for the test.
old_schemas=$WORLD/old-schemas
mkdir -p "$old_schemas"
cat >"$old_schemas/old.gschema.xml" <<'SCHEMA'
<schemalist><schema id="org.gnome.desktop.background" path="/org/gnome/desktop/background/">
<key name="picture-uri" type="s"><default>''</default></key></schema></schemalist>
SCHEMA
glib-compile-schemas "$old_schemas"
script() {
    printf 'string:var all = desktops();\nfor (var i = 0; i < all.length; ++i) {\n    all[i].wallpaperPlugin = "org.kde.image";\n    all[i].currentConfigGroup = ["Wallpaper", "org.kde.image", "General"];\n    all[i].writeConfig("Image", "%s");\n}' "$1"
}

for picture in "$WORLD/my pictures/sun.bmp" "$WORLD/caf"$'\xe9'".bmp"; do
    mkdir -p "$(dirname "$picture")"
    solid_bmp "$WORLD/picture.bmp" 'rgb(1,2,3)' && mv "$WORLD/picture.bmp" "$picture"
    uri=file://$(LC_ALL=C sed 's/ /%20/g; s/\xe9/%E9/g' <<<"$picture")
    apply_with XDG_CURRENT_DESKTOP=GNOME 5
    # The desktop's programs are asked once: two changes, one look at GNOME's keys.
    expect_calls gsettings range org.gnome.desktop.background picture-uri-dark -\> 0 \| \
        "${gnome[@]}" picture-uri "$uri" -\> 0 \| "${gnome[@]}" picture-uri-dark "$uri" -\> 0 \| \
        "${gnome[@]}" picture-uri "$uri" -\> 0
    apply_with XDG_CURRENT_DESKTOP=Budgie:GNOME GSETTINGS_SCHEMA_DIR="$old_schemas" 3
    expect_calls gsettings range org.gnome.desktop.background picture-uri-dark -\> 1 \| \
        "${gnome[@]}" picture-uri "$uri" -\> 0 \| "${gnome[@]}" picture-uri "$uri" -\> 0
    apply_with XDG_CURRENT_DESKTOP=X-Cinnamon 1
    expect_calls gsettings set org.cinnamon.desktop.background picture-uri "$uri" -\> 0
    apply_with XDG_CURRENT_DESKTOP=KDE 1
    expect_calls plasma-apply-wallpaperimage "$picture"
    mv "$bin/plasma-apply-wallpaperimage" "$bin/plasma-tool-gone"
    apply_with XDG_CURRENT_DESKTOP=KDE 1
    mv "$bin/plasma-tool-gone" "$bin/plasma-apply-wallpaperimage"
    expect_calls dbus-send --session --print-reply --dest=org.kde.plasmashell /PlasmaShell \
        org.kde.PlasmaShell.evaluateScript "$(script "$uri")"
    apply_with XDG_CURRENT_DESKTOP=XFCE 2
    expect_calls xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitorVirtual1/workspace0/last-image -s "$picture" \| \
        xfconf-query -c xfce4-desktop -p /backdrop/screen0/monitorVirtual1/workspace1/last-image -s "$picture"
    apply_with XDG_CURRENT_DESKTOP=LXQt 1
    expect_calls pcmanfm-qt --set-wallpaper "$picture"
    # Every-run mode: the change in the middle of start-up.
    FREQ=2 apply_with DESKTOP_SESSION=LXDE 1
    expect_calls pcmanfm --set-wallpaper "$picture"
    apply_with XDG_CURRENT_DESKTOP=sway 1
    expect_calls swaymsg output '*' bg "\"$picture\"" center '#000000'
done
picture="$WORLD/my pictures/sun.bmp"
apply_with XDG_CURRENT_DESKTOP=MATE 1
expect_calls gsettings set org.mate.background picture-filename "$picture" -\> 0

# A desktop command that takes its time holds nothing up: the window comes back from the
# tray while it runs.
rm "$bin/pcmanfm-qt" && printf '#!/bin/sh\necho started >>"$CALLS"\nsleep 8\n' >"$bin/pcmanfm-qt" && chmod +x "$bin/pcmanfm-qt"
XDG_CURRENT_DESKTOP=LXQt start_program -slow
wait_for 5 grep -q started "$calls" || fail "the slow command did not start"
show_main_window
kill "$PROGRAM_PID"

# A Wayland session of a desktop with no known way: the user is told once, and XWayland's
# root window, which nobody sees, is left alone.
XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=Hyprland start_program -wayland
answer_box Kaleidra Return
sleep 3
gone Kaleidra || fail "the notice came again"
pixel_is 256 384 1,2,3 && fail "the root window was set in a Wayland session"
kill "$PROGRAM_PID"

# Two monitors side by side: the picture in the middle of each, black between.
xrandr --setmonitor left 512/135x768/203+0+0 screen >/dev/null
xrandr --setmonitor right 512/135x768/203+512+0 none >/dev/null
start_program -x11
wait_for 5 pixel_is 256 384 1,2,3 || fail "the left monitor shows $(pixel 256 384)"
pixel_is 768 384 1,2,3 && pixel_is 512 384 0,0,0 || fail "the picture is not centred on each monitor"
xprop -root _XROOTPMAP_ID ESETROOT_PMAP_ID | grep -c 'PIXMAP): pixmap id # 0x' | grep -qx 2 ||
    fail "the root pixmap properties are not set"
echo "wallpaper-commands: ok"
