#!/usr/bin/env bash
# Checks of the installed game, one step per call:
#   check_install.sh install CMAKE BUILD_DIR ROOT   cmake --install into ROOT
#   check_install.sh layout ROOT SOURCE_DIR          files, icons, launcher, metadata
#   check_install.sh version ROOT                    --version and --help, no display
#   check_install.sh run ROOT OUTPUT_DIR             the program from ROOT (under xvfb-run)
#   check_install.sh package CPACK BUILD_DIR OUT     the Debian package
set -u
app_id=io.github.quillfen.Torvane
version=1.0.4

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "PASS: $1"
    exit 0
}

# The value of KEY in the [Desktop Entry] group of a desktop file.
desktop_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$2"'=//p}' "$1" | head -1
}

# The files the installation must hold besides the help folder, relative to
# the prefix.
expected_files() {
    echo "bin/torvane"
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    for size in 16 32 48 64 128 256; do
        echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
}

do_install() {
    local cmake=$1 build=$2 root=$3
    rm -rf "$root"
    "$cmake" --install "$build" --prefix "$root" > /dev/null || fail "cmake --install into $root failed"
    finish "installed into $root"
}

do_layout() {
    local root=$1 source=$2

    # Exactly the expected files, and whatever the help folder holds.
    local listed expected
    listed=$(cd "$root" && find . -type f | sed 's|^\./||' | grep -v '^share/torvane/doc/' | sort)
    expected=$(expected_files | sort)
    [ "$listed" = "$expected" ] || fail "installed files differ from the expected layout:
$(diff <(echo "$expected") <(echo "$listed"))"
    [ -x "$root/bin/torvane" ] || fail "bin/torvane is not executable"
    [ -s "$root/share/torvane/doc/help.html" ] || fail "no help document at share/torvane/doc/help.html"
    local doc
    for doc in "$source"/resources/doc/*; do
        cmp -s "$doc" "$root/share/torvane/doc/$(basename "$doc")" ||
            fail "share/torvane/doc/$(basename "$doc") is not the help folder's file"
    done

    # Each icon at the size its folder names, and the drawing the program shows.
    local size geometry
    for size in 16 32 48 64 128 256; do
        geometry=$(identify -format '%wx%h' "$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png" 2>&1)
        [ "$geometry" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $geometry"
        cmp -s "$source/resources/icons/torvane-$size.png" \
            "$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png" ||
            fail "the ${size}x${size} icon is not the program's icon"
    done
    grep -q '<svg' "$root/share/icons/hicolor/scalable/apps/$app_id.svg" || fail "the scalable icon is no SVG"

    # The launcher: valid, and pointing at the installed program and icon.
    local desktop=$root/share/applications/$app_id.desktop
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the launcher"
    [ "$(desktop_value "$desktop" Name)" = "Torvane" ] || fail "the launcher's name is not Torvane"
    [ -n "$(desktop_value "$desktop" Comment)" ] || fail "the launcher has no comment"
    [ "$(desktop_value "$desktop" Categories)" = "Game;LogicGame;" ] || fail "the launcher's categories are not Game;LogicGame;"
    [ "$(desktop_value "$desktop" Icon)" = "$app_id" ] || fail "the launcher's icon is not $app_id"
    [ -x "$root/bin/$(desktop_value "$desktop" Exec)" ] || fail "the launcher starts $(desktop_value "$desktop" Exec), which is not in bin/"

    # The metadata: valid without the network, naming the launcher and this release.
    local metainfo=$root/share/metainfo/$app_id.metainfo.xml
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate rejects the metadata"
    grep -q "<id>$app_id</id>" "$metainfo" || fail "the metadata's id is not $app_id"
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "the metadata does not name the launcher"
    grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata has no release $version"
    grep -q '<content_rating type="oars-1.1"' "$metainfo" || fail "the metadata has no content rating"
    grep -q '<screenshot type="default">' "$metainfo" || fail "the metadata has no screenshot"
    geometry=$(identify -format '%wx%h' "$source/resources/desktop/screenshot.png" 2>&1)
    [[ "$geometry" =~ ^[0-9]+x[0-9]+$ ]] || fail "resources/desktop/screenshot.png is no picture: $geometry"

    finish "layout, icons, launcher and metadata under $root"
}

do_version() {
    local root=$1 out status tmp err
    tmp=$(mktemp -d)
    err=$tmp/stderr
    trap 'rm -rf "$tmp"' EXIT
    export HOME=$tmp XDG_CONFIG_HOME=$tmp/config
    # No window system at all: both must print and leave without one.
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 30 "$root/bin/torvane" --version 2> "$err")
    status=$?
    [ "$status" -eq 0 ] || fail "torvane --version ended with $status: $out $(cat "$err")"
    [ "$out" = "Torvane $version" ] || fail "torvane --version printed: $out"

    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 30 "$root/bin/torvane" --help 2> "$err")
    status=$?
    [ "$status" -eq 0 ] || fail "torvane --help ended with $status: $out $(cat "$err")"
    grep -q '^Usage: .*torvane' <<< "$out" || fail "torvane --help printed no usage: $out"
    grep -q -- '--version' <<< "$out" || fail "torvane --help does not list --version: $out"
    finish "--version and --help without a display"
}

do_run() {
    local root=$1 out=$2
    rm -rf "$out"
    mkdir -p "$out/home" "$out/config/Quillfen Software" "$out/viewer"
    export HOME=$out/home XDG_CONFIG_HOME=$out/config XDG_DATA_DIRS=$root/share
    # Not the first start: no welcome question in the way.
    printf '[Settings]\nFirstStartDone=1\n' > "$XDG_CONFIG_HOME/Quillfen Software/Torvane.conf"
    # The system's viewer, standing in: it notes what it was asked to open.
    printf '#!/bin/sh\nprintf "%%s\\n" "$*" >> "%s/opened"\n' "$out" > "$out/viewer/xdg-open"
    chmod +x "$out/viewer/xdg-open"
    export PATH=$out/viewer:$PATH

    # Started from an unrelated folder, so only its own location can lead it to its data.
    (cd "$out" && exec "$root/bin/torvane") > "$out/program.log" 2>&1 &
    local pid=$! wid=""
    for _ in $(seq 100); do
        wid=$(xdotool search --onlyvisible --name '^Torvane$' 2>/dev/null | head -1)
        [ -n "$wid" ] && break
        sleep 0.1
    done
    if [ -z "$wid" ]; then
        fail "no window titled Torvane appeared: $(cat "$out/program.log")"
        kill "$pid" 2>/dev/null
        finish ""
    fi

    # The window shows the program's icon (Qt hands the X server the sizes that
    # fit one request, not the largest) and carries the class the launcher expects.
    local sizes size
    sizes=$(xprop -id "$wid" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr -dc '0-9x\n')
    for size in 16 32 48; do
        grep -qx "${size}x${size}" <<< "$sizes" || fail "the window icon has no ${size}x${size} picture (has: $(echo $sizes))"
    done
    local wm_class
    wm_class=$(desktop_value "$root/share/applications/$app_id.desktop" StartupWMClass)
    xprop -id "$wid" WM_CLASS | grep -q "\"$wm_class\"" ||
        fail "the window's class ($(xprop -id "$wid" WM_CLASS)) does not hold the launcher's StartupWMClass $wm_class"

    # Help > Contents opens the installed help document.
    xdotool windowfocus --sync "$wid"
    sleep 0.3
    xdotool key --window "$wid" alt+h
    sleep 0.3
    xdotool key c
    for _ in $(seq 50); do
        [ -s "$out/opened" ] && break
        sleep 0.1
    done
    local help
    help=$(cd "$root/share/torvane/doc" && pwd -P)/help.html
    if [ ! -s "$out/opened" ]; then
        fail "Help > Contents opened nothing"
    elif ! grep -qx "\(file://\)\?$help" "$out/opened"; then
        fail "Help > Contents opened $(cat "$out/opened"), not $help"
    fi

    kill -0 "$pid" 2>/dev/null || fail "the program is gone: $(cat "$out/program.log")"
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    finish "the installed program shows its icon and opens its help document"
}

do_package() {
    local cpack=$1 build=$2 out=$3
    rm -rf "$out"
    mkdir -p "$out"
    "$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" > "$out/cpack.log" 2>&1 ||
        { fail "cpack failed: $(tail -20 "$out/cpack.log")"; finish ""; }
    local deb
    deb=$(ls "$out"/*.deb 2>/dev/null | head -1)
    [ -n "$deb" ] || { fail "cpack made no .deb"; finish ""; }

    [ "$(dpkg-deb -f "$deb" Package)" = torvane ] || fail "the package is not called torvane"
    [ "$(dpkg-deb -f "$deb" Version)" = "$version-1" ] || fail "the package version is $(dpkg-deb -f "$deb" Version)"
    local depends names dep
    depends=$(dpkg-deb -f "$deb" Depends)
    names=$(tr ',' '\n' <<< "$depends" | awk '{print $1}')
    for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 fonts-liberation2; do
        grep -qxF "$dep" <<< "$names" || fail "the package does not depend on $dep: $depends"
    done
    [ "$(sort <<< "$names" | uniq -d)" = "" ] || fail "the package names a dependency twice: $depends"

    # The same layout as any install, under /usr, and the program stripped.
    local listed expected
    listed=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||' | grep -v '^share/torvane/doc/' | sort)
    expected=$(expected_files | sort)
    [ "$listed" = "$expected" ] || fail "the package's files differ from the expected layout:
$(diff <(echo "$expected") <(echo "$listed"))"
    dpkg-deb -c "$deb" | grep -q ' \./usr/share/torvane/doc/help\.html$' || fail "the package holds no help document"
    dpkg-deb -c "$deb" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" {bad = 1} END {exit bad}' ||
        fail "the package has folders that are not 755"
    mkdir -p "$out/unpacked"
    dpkg-deb -x "$deb" "$out/unpacked"
    if file "$out/unpacked/usr/bin/torvane" | grep -q 'not stripped'; then
        fail "the packaged program is not stripped"
    fi
    finish "$(basename "$deb"): dependencies and layout"
}

mode=${1:-}
shift
case "$mode" in
    install) do_install "$@" ;;
    layout) do_layout "$@" ;;
    version) do_version "$@" ;;
    run) do_run "$@" ;;
    package) do_package "$@" ;;
    *) echo "usage: $0 install|layout|version|run|package ..." >&2; exit 2 ;;
esac
