#!/usr/bin/env bash
# install_test.sh BUILD PREFIX: installs BUILD into PREFIX, then runs the installed krattle-cli
# from elsewhere, so it can only succeed on the data it finds under PREFIX/share/krattle.
set -u
build="$1"
prefix="$2"
rm -rf "$prefix"
mkdir -p "$prefix"
if ! cmake --install "$build" --prefix "$prefix" >"$prefix/install.log" 2>&1; then
  echo "skipped: the install step cannot run here:"
  cat "$prefix/install.log"
  exit 77
fi
set -e
fail() {
  echo "FAIL: $*"
  exit 1
}

for f in bin/krattle bin/krattle-cli \
  share/krattle/data/Krattle/32x32.kgf share/krattle/data/Krattle/40x40.kgf \
  share/krattle/data/Krattle/Fonts.kgf share/krattle/data/Krattle/Sounds.kwv \
  share/krattle/data/Krattle/Krattle.mid share/krattle/Levels/Krattle.kcv \
  share/krattle/languages/English.ini share/krattle/languages/German.ini \
  share/krattle/languages/French.ini \
  share/applications/org.example.krattle.desktop share/metainfo/org.example.krattle.metainfo.xml \
  share/icons/hicolor/32x32/apps/krattle.png share/icons/hicolor/64x64/apps/krattle.png \
  share/icons/hicolor/128x128/apps/krattle.png share/icons/hicolor/256x256/apps/krattle.png \
  share/man/man6/krattle.6 share/man/man6/krattle-cli.6; do
  [ -f "$prefix/$f" ] || fail "$f was not installed"
done
# Each icon is as large as its folder says (PNG keeps the width and height at bytes 16..23).
for size in 32 64 128 256; do
  dims="$(od -An -tu1 -j16 -N8 "$prefix/share/icons/hicolor/${size}x${size}/apps/krattle.png" |
    awk '{print $3 * 256 + $4, $7 * 256 + $8}')"
  [ "$dims" = "$size $size" ] || fail "the ${size}x${size} icon is $dims"
done
# Nothing but the programs goes into bin, and no developer's settings go anywhere.
[ "$(ls "$prefix/bin")" = "$(printf 'krattle\nkrattle-cli')" ] || fail "bin holds $(ls "$prefix/bin")"
[ -z "$(find "$prefix" -name Krattle.ini)" ] || fail "a settings file was installed"

# A home of its own, and a working folder with no data in it.
export HOME="$prefix/home" XDG_CONFIG_HOME="" XDG_DATA_HOME=""
mkdir -p "$HOME"
cd "$HOME"
cli="$prefix/bin/krattle-cli"
set_file="$prefix/share/krattle/Levels/Krattle.kcv"

# Drawing a frame needs the installed graphics and font sets.
"$cli" shot "$set_file" --cave A --level 1 --frames 40 --out "$HOME/shot.png" ||
  fail "krattle-cli shot did not run on the installed data"
[ -s "$HOME/shot.png" ] || fail "no picture was written"

# A session starts the program logic as the game does: the installed language file must be found.
printf '[Config]\nLanguage=languages/German.ini\n' >"$HOME/settings.ini"
printf 'frames 5\nanswer file nothere.kcv\nanswer ok\nmenu LoadGame\n' >"$HOME/load.txt"
cp "$set_file" "$HOME/Mine.kcv"
out="$("$cli" run "$HOME/Mine.kcv" --script "$HOME/load.txt" --config "$HOME/settings.ini" 2>&1)" ||
  fail "krattle-cli run failed: $out"
echo "$out"
echo "$out" | grep -q "Der Höhlensatz kann nicht geöffnet werden" ||
  fail "the installed German texts were not used"
echo "installed and ran from $prefix"
