#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks the game as a player's
# desktop sees it: every file in its place, the launcher (with a stand-in for
# the game that reports the folder it was started in), the desktop entry, the
# AppStream data and the Debian package.
#
# Usage: InstallTest.sh BUILD_DIR HAS_GAME
#   HAS_GAME is 1 when the build has the Qt window (the `tablor` target).
# The build must be complete: cpack builds whatever is out of date first.
set -euo pipefail

build=$(cd "$1" && pwd)
has_game=${2:-0}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
sounds=(dice.wav piece.wav hit.wav youwin.wav youlose.wav)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() {
    echo "FAILED: $*"
    failed=$((failed + 1))
}
# expect DESCRIPTION COMMAND...: one check, counted.
expect() {
    local what=$1
    shift
    if "$@"; then pass; else fail "$what"; fi
}
same_file() { cmp -s "$1" "$2"; }
holds() { printf '%s\n' "$2" | cmp -s - "$1"; }
quiet() { "$@" >/dev/null; }
is_elf() { [ "$(head -c 4 "$1" | tail -c 3)" = "ELF" ]; }

if ! cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "0 passed, 1 failed"
    exit 1
fi

# --- The installed files --------------------------------------------------
expect "the launcher is bin/tablor" test -x "$prefix/bin/tablor"
expect "bin/tablor is the launcher script, not the game" \
    test "$(head -n 1 "$prefix/bin/tablor")" = "#!/bin/sh"
expect "the launcher has its paths filled in" bash -c "! grep -q '@TABLOR_' '$prefix/bin/tablor'"
expect "the engine tool is bin/tablor-engine" test -x "$prefix/bin/tablor-engine"
expect "the engine tool runs" quiet "$prefix/bin/tablor-engine" rolls --seed 7 --count 2
if [ "$has_game" = 1 ]; then
    expect "the game is libexec/tablor/tablor" test -x "$prefix/libexec/tablor/tablor"
    expect "the installed game is the program" is_elf "$prefix/libexec/tablor/tablor"
fi
expect "the manual is installed" same_file "$source_dir/Documentation.htm" "$prefix/share/tablor/Documentation.htm"
for sound in "${sounds[@]}"; do
    expect "the default sound $sound is installed" same_file "$source_dir/res/sounds/$sound" "$prefix/share/tablor/$sound"
done
expect "the Expert's weights are installed" same_file "$source_dir/res/expert.tnw" "$prefix/share/tablor/weights/expert.tnw"
# Each translation of the source, built (the game carries them too).
languages=()
for ts in "$source_dir"/res/translations/tablor_*.ts; do
    [ -e "$ts" ] || continue
    name=$(basename "$ts" .ts)
    languages+=("$name")
    if [ "$has_game" = 1 ]; then
        expect "the translation $name is installed" quiet grep -q "" "$prefix/share/tablor/translations/$name.qm"
    fi
done
start_board=0:2,2:2,0:0,0:0,0:0,0:0,5:1,0:0,3:1,0:0,0:0,0:0,5:2,5:1,0:0,0:0,0:0,3:2,0:0,5:2,0:0,0:0,0:0,0:0,2:1,0:1,0:1,0:2
expect "the installed engine tool plays the Expert" \
    bash -c "env -u TABLOR_WEIGHTS '$prefix/bin/tablor-engine' move --board $start_board --dice 3 1 --level 3 | grep -q equity"
app_id=io.github.tablor.Tablor
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
expect "the desktop entry is installed" test -f "$desktop"
expect "the AppStream data is installed" test -f "$metainfo"
copyright=$prefix/share/doc/tablor/copyright
expect "the copyright file is installed" same_file "$source_dir/packaging/copyright" "$copyright"
expect "the copyright file is in Debian's machine-readable format" \
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$copyright"
expect "the copyright file gives the licence of every file" grep -qx 'License: GPL-3+' "$copyright"
expect "the copyright file says the sounds, pictures and weights are the project's own" \
    grep -q 'network weights of the computer' "$copyright"
expect "the licence text is in the source" grep -q 'GNU GENERAL PUBLIC LICENSE' "$source_dir/LICENSE"
expect "the icon is installed under the application id" \
    same_file "$source_dir/res/tablor.svg" "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg"
# png_size FILE: "WIDTH HEIGHT" from the PNG's header ("" for no PNG).
png_size() {
    [ "$(head -c 8 "$1" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 0
    od -An -tu1 -j 16 -N 8 "$1" | awk '{print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8}'
}
icon_sizes=(16 22 24 32 48 64 128 256 512)
if [ "$has_game" = 1 ]; then
    for size in "${icon_sizes[@]}"; do
        expect "the icon is installed as a $size x $size picture" \
            test "$(png_size "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png")" = "$size $size"
    done
fi

# --- The launcher, with a stand-in for the game ---------------------------
# The stand-in prints the folder it runs in and its arguments, and exits with
# FAKE_STATUS.
fake_game() {
    mkdir -p "$(dirname "$1")"
    # shellcheck disable=SC2016 # $PWD, $* and FAKE_STATUS belong to the stand-in
    printf '#!/bin/sh\necho "%s$PWD|$*"\nexit ${FAKE_STATUS:-0}\n' "$2" >"$1"
    chmod +x "$1"
}
fake_game "$prefix/libexec/tablor/tablor" ""

home=$work/home
mkdir -p "$home"
folder=$home/.local/share/tablor
launch() { env -u XDG_DATA_HOME HOME="$home" "$@"; }

out=$(cd "$work" && launch "$prefix/bin/tablor")
expect "the game starts in ~/.local/share/tablor" test "$out" = "$folder|"
expect "the launcher creates the player's folder" test -d "$folder"
expect "the launcher copies the manual" same_file "$prefix/share/tablor/Documentation.htm" "$folder/Documentation.htm"
for sound in "${sounds[@]}"; do
    expect "the launcher copies $sound" same_file "$prefix/share/tablor/$sound" "$folder/$sound"
done

# The player's own files are never replaced; a missing default comes back.
echo "my own dice" >"$folder/dice.wav"
echo "my notes" >"$folder/Documentation.htm"
printf '[Game]\nHuman=7\nComputer=3\n' >"$folder/tablorw.ini"
cp "$folder/tablorw.ini" "$work/ini.before"
rm "$folder/piece.wav"
out=$(launch "$prefix/bin/tablor")
expect "a second start uses the same folder" test "$out" = "$folder|"
expect "the player's own sound is kept" holds "$folder/dice.wav" "my own dice"
expect "the player's copy of the manual is kept" holds "$folder/Documentation.htm" "my notes"
expect "the settings file is left alone" same_file "$work/ini.before" "$folder/tablorw.ini"
expect "a removed default sound comes back" same_file "$prefix/share/tablor/piece.wav" "$folder/piece.wav"

# XDG_DATA_HOME, when set to an absolute path, is the base; its missing
# parents are made. A relative one is ignored, as the desktop's rules say.
out=$(HOME="$home" XDG_DATA_HOME="$work/xdg/data" "$prefix/bin/tablor")
expect "the game starts in \$XDG_DATA_HOME/tablor" test "$out" = "$work/xdg/data/tablor|"
expect "the manual is copied to \$XDG_DATA_HOME/tablor" test -f "$work/xdg/data/tablor/Documentation.htm"
out=$(cd "$work" && HOME="$home" XDG_DATA_HOME="relative/data" "$prefix/bin/tablor")
expect "a relative XDG_DATA_HOME is ignored" test "$out" = "$folder|"
expect "nothing is made under a relative XDG_DATA_HOME" test ! -e "$work/relative"

# Started through a link from elsewhere, it still finds the game and its data.
mkdir -p "$work/links"
ln -s "$prefix/bin/tablor" "$work/links/tablor"
rm "$folder/hit.wav"
out=$(cd / && launch "$work/links/tablor")
expect "a linked launcher finds the game" test "$out" = "$folder|"
expect "a linked launcher finds the data" same_file "$prefix/share/tablor/hit.wav" "$folder/hit.wav"

# Arguments go to the game, and the game's exit status comes back.
set +e
out=$(launch env FAKE_STATUS=3 "$prefix/bin/tablor" -style fusion)
status=$?
set -e
expect "the arguments reach the game" test "$out" = "$folder|-style fusion"
expect "the game's exit status comes back" test "$status" = 3

# TABLOR_BIN names another game; a missing game or folder is an error.
fake_game "$work/other/game" "other:"
out=$(launch env TABLOR_BIN="$work/other/game" "$prefix/bin/tablor")
expect "TABLOR_BIN is honoured" test "$out" = "other:$folder|"
set +e
launch env TABLOR_BIN="$work/missing/game" "$prefix/bin/tablor" >/dev/null 2>"$work/err"
status=$?
expect "a missing game fails with 127" test "$status" = 127
expect "a missing game is reported" grep -q "not installed" "$work/err"
touch "$work/a-file"
HOME="$home" XDG_DATA_HOME="$work/a-file" "$prefix/bin/tablor" >/dev/null 2>"$work/err"
status=$?
set -e
expect "a folder that cannot be made fails" test "$status" = 1
expect "a folder that cannot be made is reported" grep -q "cannot create" "$work/err"

# --- The desktop entry and the AppStream data ------------------------------
if command -v desktop-file-validate >/dev/null; then
    expect "the desktop entry is valid" desktop-file-validate "$desktop"
else
    echo "SKIPPED: desktop-file-validate is missing (scripts/deps.sh installs desktop-file-utils)"
fi
expect "the desktop entry starts the launcher" grep -qx "Exec=tablor" "$desktop"
expect "the desktop entry's icon is the installed one" grep -qx "Icon=$app_id" "$desktop"
expect "the AppStream data launches the desktop entry" \
    grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
expect "the AppStream data gives the licence" grep -q '<project_license>GPL-3.0-or-later</project_license>' "$metainfo"
expect "the AppStream data names the developer with an id" \
    python3 -c 'import sys, xml.etree.ElementTree as T
d = T.parse(sys.argv[1]).getroot().find("developer")
sys.exit(not (d is not None and d.get("id") and (d.findtext("name") or "").strip()))' "$metainfo"
expect "every release has a description" python3 -c 'import sys, xml.etree.ElementTree as T
r = T.parse(sys.argv[1]).getroot().findall("releases/release")
sys.exit(not r or any(not "".join(x.find("description").itertext()).strip() if x.find("description") is not None else True for x in r))' "$metainfo"
expect "the AppStream data gives a light and a dark brand colour" python3 -c 'import re, sys, xml.etree.ElementTree as T
c = {x.get("scheme_preference"): x.text for x in T.parse(sys.argv[1]).getroot().findall("branding/color[@type=\"primary\"]")}
sys.exit(not all(re.fullmatch("#[0-9a-fA-F]{6}", c.get(k) or "") for k in ("light", "dark")))' "$metainfo"
# The data names the Qt translations when the source has some, and only then.
if [ -n "$(find "$source_dir" -path "$source_dir/build*" -prune -o \( -name '*.ts' -o -name '*.qm' \) -print -quit)" ]; then
    expect "the AppStream data names the Qt translations" grep -q '<translation type="qt">tablor</translation>' "$metainfo"
else
    expect "the AppStream data names no translations, there being none" bash -c "! grep -q '<translation' '$metainfo'"
fi
# Each screenshot is a picture of the window kept in docs/screenshots, of the
# size the data gives (where it gives one).
while read -r image width height; do
    file=$source_dir/docs/screenshots/${image##*/}
    expect "the screenshot ${image##*/} is in docs/screenshots" test -n "$(png_size "$file")"
    if [ -n "$width" ]; then
        expect "the screenshot ${image##*/} is $width x $height" test "$(png_size "$file")" = "$width $height"
    fi
done < <(python3 -c 'import sys, xml.etree.ElementTree as T
for i in T.parse(sys.argv[1]).getroot().findall("screenshots/screenshot/image"):
    print(i.text.strip(), i.get("width", ""), i.get("height", ""))' "$metainfo")
expect "the AppStream data has a default screenshot" grep -q '<screenshot type="default">' "$metainfo"
if command -v appstreamcli >/dev/null; then
    # Every remark of the validator, pedantic ones too, fails the test but
    # two: the upper-case letter that the id takes from the project's name,
    # and <developer>, which validators older than AppStream 1.0 do not know
    # (the data gives <developer_name> for them as well).
    status=0
    appstreamcli validate --pedantic --no-net --no-color "$metainfo" >"$work/appstream.log" 2>&1 || status=$?
    expect "the AppStream data is valid" test "$status" = 0
    grep -E '^[EWIP]: ' "$work/appstream.log" |
        grep -vE ': cid-contains-uppercase-letter |: unknown-tag developer$' >"$work/appstream.remarks" || true
    expect "the validator has no remark on the AppStream data" test ! -s "$work/appstream.remarks"
    cat "$work/appstream.remarks"
else
    echo "SKIPPED: appstreamcli is missing (scripts/deps.sh installs appstream); the AppStream data is not validated"
fi

# --- The manual pages --------------------------------------------------------
for page in tablor.6 tablor-engine.6; do
    installed=$prefix/share/man/man6/$page.gz
    expect "the manual page $page is installed gzipped" quiet gzip -t "$installed"
    expect "the installed $page is the source's" cmp -s <(gzip -dc "$installed" 2>/dev/null) "$source_dir/packaging/man/$page"
    if command -v man >/dev/null; then
        # Rendered as man shows it, with every warning of the formatter on.
        LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$installed" >"$work/$page.txt" 2>"$work/$page.err" || true
        expect "man renders $page" grep -q "^NAME" "$work/$page.txt"
        expect "man renders $page without a warning" test ! -s "$work/$page.err"
        cat "$work/$page.err"
    else
        echo "SKIPPED: man is missing; $page is not rendered"
    fi
done
# Every command that the engine's usage names has its entry in the page.
engine_commands=$("$prefix/bin/tablor-engine" --help 2>&1 | grep -oE 'tablor-engine [a-z-]+' | awk '{print $2}' | sort -u)
expect "the engine's usage names its commands" test -n "$engine_commands"
for command in $engine_commands; do
    expect "the engine's manual page tells of $command" grep -qxF -e ".B $command" -e ".B ${command//-/\\-}" \
        "$source_dir/packaging/man/tablor-engine.6"
done

# --- The Debian package ----------------------------------------------------
if command -v cpack >/dev/null && command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
    if cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1; then
        deb=$(ls "$work"/package/tablor_*.deb)
        dpkg-deb -c "$deb" | awk '{print $NF}' >"$work/contents"
        # Debian keeps a game's programs in /usr/games.
        for path in ./usr/games/tablor ./usr/games/tablor-engine ./usr/share/tablor/Documentation.htm \
            ./usr/share/tablor/dice.wav ./usr/share/applications/$app_id.desktop \
            ./usr/share/metainfo/$app_id.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/$app_id.svg ./usr/share/doc/tablor/copyright \
            ./usr/share/man/man6/tablor.6.gz ./usr/share/man/man6/tablor-engine.6.gz \
            ./usr/share/doc/tablor/changelog.gz ./usr/share/tablor/weights/expert.tnw; do
            expect "the package holds $path" grep -qx "$path" "$work/contents"
        done
        expect "the package is named tablor" test "$(dpkg-deb -f "$deb" Package)" = tablor
        expect "the package has nothing in /usr/bin" bash -c "! grep -q '^\./usr/bin/.' '$work/contents'"
        expect "the maintainer has a mail address" grep -qE '<[^@ ]+@[^@ ]+\.[^@ ]+>$' <<<"$(dpkg-deb -f "$deb" Maintainer)"
        dpkg-deb -x "$deb" "$work/root"
        expect "the changelog's latest entry is the package's version" \
            test "$(gzip -dc "$work/root/usr/share/doc/tablor/changelog.gz" | head -n 1 | cut -d ' ' -f 1,2)" = \
            "tablor ($(dpkg-deb -f "$deb" Version))"
        depends=$(dpkg-deb -f "$deb" Depends)
        if [ "$has_game" = 1 ]; then
            expect "the package holds the game" grep -qx ./usr/libexec/tablor/tablor "$work/contents"
            for name in "${languages[@]}"; do
                expect "the package holds the translation $name" \
                    grep -qx "./usr/share/tablor/translations/$name.qm" "$work/contents"
            done
            expect "the package recommends Qt's own translations" \
                grep -q qt6-translations-l10n <<<"$(dpkg-deb -f "$deb" Recommends)"
            for size in "${icon_sizes[@]}"; do
                expect "the package holds the $size x $size icon" \
                    grep -qx "./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" "$work/contents"
            done
            expect "the package needs Qt 6 Widgets" grep -q libqt6widgets6 <<<"$depends"
            expect "the package needs Qt's platform plugins" grep -q qt6-qpa-plugins <<<"$depends"
            if readelf -d "$(cat "$build/tablor-game-path.txt")" 2>/dev/null | grep -q "libSDL2"; then
                expect "the package needs SDL2" grep -q libsdl2 <<<"$depends"
            fi
        fi
        # The packaged launcher finds the packaged data wherever the tree lies.
        out=$(HOME="$work/home2" TABLOR_BIN="$work/other/game" "$work/root/usr/games/tablor")
        expect "the packaged launcher starts the game" test "$out" = "other:$work/home2/.local/share/tablor|"
        expect "the packaged launcher copies the packaged manual" \
            same_file "$source_dir/Documentation.htm" "$work/home2/.local/share/tablor/Documentation.htm"
        # Debian's package checker finds no error; its warnings are told in the README.
        if command -v lintian >/dev/null; then
            lintian --no-cfg --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || true
            expect "lintian finds no error in the package" bash -c "! grep -q '^E: ' '$work/lintian.log'"
            cat "$work/lintian.log"
        else
            echo "SKIPPED: lintian is missing; the package is not checked by it"
        fi
    else
        cat "$work/cpack.log"
        fail "cpack builds the Debian package"
    fi
else
    echo "SKIPPED: cpack, dpkg-deb or dpkg-shlibdeps missing; the Debian package is not checked"
fi

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
