#!/usr/bin/env bash
# The installed game, under xvfb-run: cmake --install into a temporary prefix,
# the layout desktops expect, the manual page, the replay type, the program
# started from there (also as a file manager opens a replay), and the Debian
# package, lintian-clean. Usage: check_install.sh CMAKE CPACK BUILD_DIR SOURCE_DIR OUT_DIR
set -u
cmake=$1 cpack=$2 build=$3 source=$4 out=$5 root=$5/root
app_id=io.github.quillfen.Torvane
version=1.0.4
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# The files besides the help folder and the program, relative to the prefix.
shared=$(printf '%s\n' share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml \
    share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/$app_id.png \
    share/icons/hicolor/scalable/apps/$app_id.svg share/mime/packages/$app_id.xml share/man/man6/torvane.6.gz \
    share/torvane/translations/torvane_de.qm)
same_layout() {  # the listing on stdin, then the files expected besides the shared ones
    local listed expected
    listed=$(grep -v '^share/torvane/doc/' | sort)
    expected=$(printf '%s\n' "$shared" "${@:2}" | sort)
    [ "$listed" = "$expected" ] || fail "$1 differs from the expected layout: $(diff <(echo "$expected") <(echo "$listed"))"
}

rm -rf "$out"
mkdir -p "$out/config/Quillfen Software"
"$cmake" --install "$build" --prefix "$root" > /dev/null || fail "cmake --install failed"

# Exactly these files; the help folder's own files; each icon the program's, at the size its folder names.
same_layout "the installation" bin/torvane < <(cd "$root" && find . -type f | sed 's|^\./||')
diff -r "$source/resources/doc" "$root/share/torvane/doc" || fail "share/torvane/doc is not the help folder"
for s in 16 32 48 64 128 256; do
    icon=$root/share/icons/hicolor/${s}x$s/apps/$app_id.png
    [ "$(identify -format '%wx%h' "$icon" 2>&1)" = "${s}x$s" ] && cmp -s "$source/resources/icons/torvane-$s.png" "$icon" ||
        fail "the ${s}x$s icon is not the program's at that size"
done
cmp -s "$source/resources/icons/torvane.svg" "$root/share/icons/hicolor/scalable/apps/$app_id.svg" || fail "the scalable icon is not the program's"

# The launcher and the metadata: valid, naming the program, its icon and this release.
desktop=$root/share/applications/$app_id.desktop
metainfo=$root/share/metainfo/$app_id.metainfo.xml
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the launcher"
for line in Name=Torvane 'Comment=..*' 'Categories=Game;LogicGame;' Icon=$app_id 'Exec=torvane %f' StartupWMClass=Torvane \
    'MimeType=application/x-torvane-replay;' 'Name\[de\]=..*' 'Comment\[de\]=..*' 'Keywords\[de\]=..*'; do
    grep -qx "$line" "$desktop" || fail "the launcher lacks $line"
done
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metadata"
for tag in "<id>$app_id</id>" "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "<release version=\"$version\"" '<content_rating type="oars-1.1"' '<screenshot type="default">' \
    '<project_license>GPL-3.0-or-later</project_license>' '<translation type="qt">torvane</translation>' '<summary xml:lang="de">'; do
    grep -qF "$tag" "$metainfo" || fail "the metadata lacks $tag"
done

# --version and --help print and leave where there is no window system at all.
export HOME=$out XDG_CONFIG_HOME=$out/config
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 30 "$root/bin/torvane" "$@" 2> "$out/bare.log"; }
text=$(bare --version) && [ "$text" = "Torvane $version" ] || fail "torvane --version printed: $text"
text=$(bare --help) && grep -q '^Usage: .*torvane \[options\] \[file\]' <<< "$text" && grep -q -- '--version' <<< "$text" ||
    fail "torvane --help printed: $text"
# In German where the system asks for it (LANGUAGE, or LANG alone), Qt's own words too.
for lang in LANGUAGE=de LANG=de_DE.UTF-8; do
    text=$(export LANGUAGE= LC_ALL= LC_MESSAGES= "$lang" && bare --help; bare --bogus; cat "$out/bare.log")
    grep -q '^Aufruf: .*torvane \[Optionen\] \[Datei\]' <<< "$text" && grep -q 'Zeigt das in <Datei> aufgezeichnete Spiel' <<< "$text" &&
        grep -q 'Unbekannte Option' <<< "$text" || fail "torvane --help and --bogus, with $lang, printed: $text"
done
# The manual page: clean to man, and naming every option --help names.
page=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$root/share/man/man6/torvane.6.gz" 2> "$out/man.log")
[ ! -s "$out/man.log" ] || fail "man warns about the manual page: $(cat "$out/man.log")"
for option in $(grep -o -- '--[a-z-]*' <<< "$text" | sort -u); do
    grep -q -- "$option" <<< "$page" || fail "the manual page does not describe $option"
done

# The program from the prefix, started from an unrelated folder so that only its
# own location leads it to its data. Not the first start: no welcome question
# in the way.
printf '[Settings]\nFirstStartDone=1\n' > "$XDG_CONFIG_HOME/Quillfen Software/Torvane.conf"
(cd "$out" && XDG_DATA_DIRS=$root/share exec "$root/bin/torvane") > "$out/program.log" 2>&1 &
pid=$!
wid=$(timeout 10 xdotool search --sync --onlyvisible --name '^Torvane$' | head -1)
if [ -z "$wid" ]; then
    fail "no window titled Torvane appeared: $(cat "$out/program.log")"
else
    # Qt hands the X server the icon sizes that fit one request, not the largest.
    sizes=$(xprop -id "$wid" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)')
    for s in 16 32 48; do
        grep -q "($s x $s)" <<< "$sizes" || fail "the window icon has no ${s}x$s picture"
    done
    xprop -id "$wid" WM_CLASS | grep -q '"Torvane"' || fail "the window's class is not the launcher's StartupWMClass"
    # Help > Contents shows the installed help document, titled as it is.
    xdotool windowfocus --sync "$wid" sleep 0.3 key --window "$wid" alt+h sleep 0.3 key c
    timeout 5 xdotool search --sync --onlyvisible --name '^Torvane Help$' > /dev/null ||
        fail "Help > Contents showed no window with the installed help document"
    kill -0 "$pid" || fail "the program is gone: $(cat "$out/program.log")"
fi
kill "$pid"
wait "$pid"

# A replay as desktops know it once the prefix is among their data folders: its
# type and the type's comment, English and German, to Qt and to xdg-mime; and
# as a file manager opens it, through xdg-open, the launcher and PATH: the game
# starts and the replay plays (a game started without one stands still).
export XDG_DATA_DIRS=$root/share:/usr/share
update-mime-database "$root/share/mime" && update-desktop-database "$root/share/applications"
replay() { printf '# Torvane replay\n# Score: %s\nat 1000000\nseed 7\nnew\nresume\n' "$1" && seq 450 | awk '{printf "at %d\ntick\n", 1000000 + 66 * $1}' && echo state; }
score=$(replay 0 | "$build/tools/sim/torvane-sim" | tail -1 | grep -o '"score":[0-9]*')
replay "${score#*:}" | gzip > "$out/replay.tvr"
for lang in C:'Torvane replay' de_DE.UTF-8:Torvane-Spielaufzeichnung; do
    text=$(env -u LANGUAGE LC_ALL=${lang%%:*} "$build/tests/torvane_mime_type" "$out/replay.tvr" | tr '\n' '/')
    [ "$text" = "application/x-torvane-replay/${lang#*:}/" ] || fail "Qt's MIME database, in ${lang%%:*}, says: $text"
done
text="$(xdg-mime query filetype "$out/replay.tvr") $(xdg-mime query default application/x-torvane-replay)"
[ "$text" = "application/x-torvane-replay $app_id.desktop" ] || fail "xdg-mime gives replays the type and launcher $text"
# In a process group of its own, so that whatever it starts ends with it.
PATH=$root/bin:$PATH setsid xdg-open "$out/replay.tvr" < /dev/null > "$out/replay.log" 2>&1 &
opener=$!
wid=$(timeout 10 xdotool search --sync --onlyvisible --name '^Torvane$' | head -1)
[ -n "$wid" ] && import -window "$wid" "$out/replay-a.png" && for _ in $(seq 40); do
    sleep 0.25 && import -window "$wid" "$out/replay-b.png"
    [ "$(compare -metric AE "$out/replay-a.png" "$out/replay-b.png" null: 2>&1)" != 0 ] && break
done || fail "the replay opened with xdg-open does not play: $(cat "$out/replay.log")"
kill -- -"$opener" 2> /dev/null
wait "$opener"

# The Debian package: name, version, dependencies, the same layout under /usr
# with the program among the games and the help where it looks, Debian's own
# files, folders 755, the program stripped, and nothing lintian objects to.
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out/package" > "$out/cpack.log" 2>&1 ||
    fail "cpack failed: $(tail -20 "$out/cpack.log")"
deb=$(ls "$out"/package/*.deb)
[ "$(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)" = "torvane $version-1" ] || fail "the package's name or version is wrong"
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{print $1}')
for dep in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6charts6 libsdl2-2.0-0 fonts-liberation2 qt6-translations-l10n; do
    grep -qxF "$dep" <<< "$depends" || fail "the package does not depend on $dep"
done
[ -z "$(sort <<< "$depends" | uniq -d)" ] || fail "the package names a dependency twice"
same_layout "the package" games/torvane share/doc/torvane/copyright share/doc/torvane/changelog.Debian.gz \
    share/lintian/overrides/torvane < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./usr/||')
dpkg-deb -c "$deb" | awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" {bad = 1} END {exit bad}' || fail "the package has folders that are not 755"
dpkg-deb -x "$deb" "$out/unpacked"
for file in doc/help.html doc/help_de.html translations/torvane_de.qm; do
    [ -f "$out/unpacked/usr/games/../share/torvane/$file" ] || fail "the packaged program finds no $file beside it"
done
file "$out/unpacked/usr/games/torvane" | grep -q 'not stripped' && fail "the packaged program is not stripped"
[ "$(zcat "$out/unpacked/usr/share/doc/torvane/changelog.Debian.gz" | dpkg-parsechangelog -l - -S Version)" = "$version-1" ] ||
    fail "the Debian changelog's last entry is not $version-1"
lintian --fail-on error,warning "$deb" > "$out/lintian.log" 2>&1 || fail "lintian: $(cat "$out/lintian.log")"
[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" && exit 1; }
echo "PASS: the installed layout, launcher, metadata, manual page, replay type, program and package"
