#!/usr/bin/env bash
# Installs the build into a scratch prefix, makes it read-only and checks what a player gets:
# the layout, a valid desktop entry and AppStream file, and a launcher that runs the game from
# a per-user data folder linked to the installed data.
#   install_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
scratch=$2

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -d "$scratch" ] && chmod -R u+w "$scratch" && rm -rf "$scratch"
mkdir -p "$scratch"
cmake --install "$build" --prefix "$scratch/installed" >/dev/null
# Run from a copy in another place: the launcher must not depend on the prefix it was built for.
cp -a "$scratch/installed" "$scratch/prefix"
prefix=$scratch/prefix
chmod -R a-w "$prefix"

for f in bin/kvelta libexec/kvelta/kvelta share/kvelta/kvelta.html \
    share/kvelta/images/cportal.bmp share/kvelta/wavs/konec.wav share/kvelta/cards/3_a.bmp \
    share/applications/cz.kvelta.Kvelta.desktop share/metainfo/cz.kvelta.Kvelta.metainfo.xml \
    share/icons/hicolor/scalable/apps/kvelta.svg; do
    [ -e "$prefix/$f" ] || fail "$f is not installed"
done
[ "$(ls "$prefix/share/kvelta/cards" | wc -l)" -eq 32 ] || fail "not 32 card faces"
for size in 16 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x${size}/apps/kvelta.png
    [ -f "$icon" ] || fail "no ${size}px icon"
done
[ -x "$prefix/bin/kvelta" ] || fail "the launcher is not executable"

desktop-file-validate "$prefix/share/applications/cz.kvelta.Kvelta.desktop" ||
    fail "desktop entry"
appstreamcli validate --no-net "$prefix/share/metainfo/cz.kvelta.Kvelta.metainfo.xml" ||
    fail "AppStream file"

# The real program runs offscreen for a moment and is then ended by SIGTERM, which closes it
# the way "Konec" does: the settings are saved.
home=$scratch/home
mkdir -p "$home"
run() {
    # exit 124: ended by timeout, the normal end here; anything else is a start-up failure.
    local rc=0
    env HOME="$home" XDG_DATA_HOME="$1" QT_QPA_PLATFORM=offscreen \
        timeout 3 "$prefix/bin/kvelta" >"$scratch/run.log" 2>&1 || rc=$?
    [ $rc -eq 124 ] || { cat "$scratch/run.log" >&2; fail "the program ended with $rc"; }
}

data=$home/data
run "$data"
for name in cards images wavs icons kvelta.html; do
    [ -L "$data/kvelta/$name" ] || fail "no link $name in the data folder"
    [ "$(readlink -f "$data/kvelta/$name")" = "$(readlink -f "$prefix/share/kvelta/$name")" ] ||
        fail "$name links elsewhere"
done

ini=$data/kvelta/Kvelta.ini
[ -f "$ini" ] || fail "no Kvelta.ini in the data folder"
# The settings come back in the next run: a name changed in the file is saved again.
sed -i 's/^PLAYER_NAME_2=.*/PLAYER_NAME_2=Zkouska/' "$ini"
grep -q '^PLAYER_NAME_2=Zkouska' "$ini" || fail "no PLAYER_NAME_2 in Kvelta.ini"
touch -d '2000-01-01' "$ini"
run "$data"
[ "$(stat -c %Y "$ini")" -gt 1000000000 ] || fail "the second run did not save its settings"
grep -q '^PLAYER_NAME_2=Zkouska' "$ini" || fail "the settings were not kept between runs"

# A stale link is made again; a folder of the player's own stays.
rm "$data/kvelta/wavs"
ln -s /nonexistent "$data/kvelta/wavs"
rm "$data/kvelta/images"
mkdir "$data/kvelta/images"
cp "$prefix/share/kvelta/images/cportal.bmp" "$data/kvelta/images/mine.bmp"
run "$data"
[ "$(readlink -f "$data/kvelta/wavs")" = "$(readlink -f "$prefix/share/kvelta/wavs")" ] ||
    fail "a stale link was not made again"
[ -f "$data/kvelta/images/mine.bmp" ] && [ ! -L "$data/kvelta/images" ] ||
    fail "the player's own images folder was replaced"

# Without XDG_DATA_HOME (or with a relative one) the folder is ~/.local/share/kvelta.
run "relative/path"
[ -L "$home/.local/share/kvelta/cards" ] || fail "no default data folder"
[ ! -e relative ] || fail "a relative XDG_DATA_HOME was used"

chmod -R u+w "$scratch"
rm -rf "$scratch"
echo "install layout OK"
