#!/usr/bin/env bash
# The installed game: installs the build into a temporary DESTDIR, checks the desktop files,
# the icons and the manual pages, then starts the installed slyders and lets it close itself
# (--quit-after), to see that it finds its data under the prefix and keeps "Default.par"
# only in its settings folder. A copy of the program without its data must say so once and
# still run.
set -u
build="${1:?usage: install_test.sh BUILD_DIR APP_ID}"
id="${2:?usage: install_test.sh BUILD_DIR APP_ID}"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail=0
bad() { echo "FAIL: $*"; fail=1; }

root="$tmp/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null || { echo "FAIL: install"; exit 1; }
usr="$root/usr"
for f in games/slyders games/slyders-sim games/slyders-server lib/systemd/system/slyders-server.service \
         share/man/man6/slyders-server.6.gz share/slyders/logo_sq.bmp share/slyders/help.bmp \
         share/slyders/sounds/welcome.wav share/slyders/sounds/bye.wav \
         share/slyders/translations/slyders_de.qm share/slyders/translations/slyders_pt_BR.qm \
         "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/scalable/apps/$id.svg" share/man/man6/slyders.6.gz \
         share/man/man6/slyders-sim.6.gz share/doc/slyders/README.md \
         share/doc/slyders/copyright share/doc/slyders/changelog.Debian.gz; do
    [ -s "$usr/$f" ] || bad "not installed: $f"
done
for page in slyders slyders-sim slyders-server; do
    gzip -t "$usr/share/man/man6/$page.6.gz" || bad "$page.6.gz is not gzip"
done
desktop-file-validate "$usr/share/applications/$id.desktop" || bad "desktop entry"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >"$tmp/as.txt" ||
    { cat "$tmp/as.txt"; bad "metainfo"; }
for png in "$usr"/share/icons/hicolor/*/apps/"$id".png; do
    side="$(basename "$(dirname "$(dirname "$png")")")"  # e.g. 48x48
    file "$png" | grep -q "PNG image data, ${side/x/ x }," || bad "$png is not $side"
done
[ "$(ls "$usr"/share/icons/hicolor/*/apps/"$id".png | wc -l)" -ge 6 ] || bad "too few icon sizes"

# The run: a home of its own, a silent sound device that writes a file, the offscreen screen.
mkdir -p "$tmp/home" "$tmp/xdg" "$tmp/cwd" "$tmp/settings"
printf '[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$tmp/out.wav" >"$tmp/alsoft.conf"
run() {
    (cd "$tmp/cwd" && HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/xdg" ALSOFT_CONF="$tmp/alsoft.conf" \
        QT_QPA_PLATFORM=offscreen timeout 60 "$@")
}
[ "$(run "$usr/games/slyders" --version)" = "slyders $(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")" ] ||
    bad "--version"
run "$usr/games/slyders" --settings-dir "$tmp/settings" --window 640x480 --quit-after 1500 \
    2>"$tmp/err.txt" || bad "the installed game did not exit cleanly"
grep -i "missing data" "$tmp/err.txt" && bad "the installed game did not find its data"
[ -s "$tmp/settings/Default.par" ] || bad "no Default.par in the settings folder"
[ -z "$(ls -A "$tmp/cwd")" ] || bad "files left in the working folder: $(ls -A "$tmp/cwd")"
[ ! -e "$tmp/home/Default.par" ] || bad "Default.par written into the home folder"
# The welcome sound came from the installed data: past its header the recording holds more
# than silence.
loud="$(od -An -tx1 -v -j 128 "$tmp/out.wav" 2>/dev/null | tr ' ' '\n' | grep -cv -e '^00$' -e '^$')"
[ "${loud:-0}" -gt 1000 ] || bad "no sound was played"

# Without data beside it or under its prefix, the game says so once and runs on.
mkdir -p "$tmp/bare/bin"
cp "$usr/games/slyders" "$tmp/bare/bin/"
run "$tmp/bare/bin/slyders" --settings-dir "$tmp/settings" --window 640x480 --quit-after 500 \
    2>"$tmp/err.txt" || bad "the game without data did not run"
[ "$(grep -c "missing data folder" "$tmp/err.txt")" -eq 1 ] || bad "missing data not said once"

[ $fail -eq 0 ] && echo "install: files, desktop entry, metainfo, icons and an installed run all fine"
exit $fail
