#!/usr/bin/env bash
# Installs a build into a temporary prefix as a user would and checks the
# result: the layout, the desktop entry, the AppStream metadata, the file
# types, the icons and manual pages, the Debian package (its dependencies,
# lintian), and that the installed programs run from a prefix nobody may
# write (as an unprivileged user when started as root), keep their settings
# in the XDG configuration folder and leave the installation as it was.
# Usage: scripts/check-install.sh BUILD-FOLDER   (a build with the window)
set -euo pipefail
build=$(realpath "$1")
cd "$(dirname "$0")/.."
repo=$PWD

work=$(mktemp -d)
chmod 755 "$work"
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "install check: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/zavscore bin/zavscore-cli
  share/zavscore/accueil.png share/zavscore/readme.html share/zavscore/lisezmoi.html
  share/zavscore/guide_fr.html share/zavscore/guide_en.html share/zavscore/guide.css share/zavscore/guide_en_result.png
  share/applications/org.zavscore.ZAVscore.desktop
  share/metainfo/org.zavscore.ZAVscore.metainfo.xml
  share/mime/packages/zavscore.xml
  share/icons/hicolor/scalable/apps/zavscore.svg
  share/man/man1/zavscore.1.gz share/man/man1/zavscore-cli.1.gz
  share/doc/zavscore/copyright share/doc/zavscore/changelog.gz
)
# The sample files the README's first steps open.
for sample in "$repo"/examples/*; do expected+=("share/zavscore/examples/$(basename "$sample")"); done
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/zavscore.png")
done
for f in "${expected[@]}"; do [ -f "$prefix/$f" ] || fail "missing $f"; done
for f in bin/zavscore bin/zavscore-cli; do [ -x "$prefix/$f" ] || fail "$f is not executable"; done

# Each picture has the size of its folder (bytes 16-23 of a PNG: width, height).
for size in 16 24 32 48 64 128 256; do
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 \
    "$prefix/share/icons/hicolor/${size}x${size}/apps/zavscore.png")
  [ $(((w3 << 8) + w4)) -eq "$size" ] && [ $(((h3 << 8) + h4)) -eq "$size" ] &&
    [ $((w1 + w2 + h1 + h2)) -eq 0 ] || fail "icon of ${size}x${size} has another size"
done

desktop-file-validate "$prefix/share/applications/org.zavscore.ZAVscore.desktop"
grep -qx 'Exec=zavscore %f' "$prefix/share/applications/org.zavscore.ZAVscore.desktop" ||
  fail "the desktop entry does not start zavscore with a file"
appstreamcli validate --no-net "$prefix/share/metainfo/org.zavscore.ZAVscore.metainfo.xml" >"$work/as.log" ||
  fail "AppStream metadata: $(cat "$work/as.log")"

# The file types as the desktop's database reads them.
mkdir -p "$work/mime/packages"
cp "$prefix/share/mime/packages/zavscore.xml" "$work/mime/packages/"
update-mime-database "$work/mime" >/dev/null 2>"$work/mime.log" || fail "$(cat "$work/mime.log")"
for glob in score pscore mscore; do
  grep -q "application/x-zavscore-s[a-z]*:\*\.$glob$" "$work/mime/globs2" ||
    fail "no file type for .$glob"
done

for page in zavscore zavscore-cli; do
  warnings=$(zcat "$prefix/share/man/man1/$page.1.gz" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || fail "manual page $page: $warnings"
done

# The Debian package: its dependencies are read from the programs, but for
# libcurl, which the upload loads by name.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1) ||
  fail "cpack: $(cat "$work/cpack.log")"
deb=$(echo "$work"/deb/zavscore_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for library in libwxgtk3.2 libgtk-3 libc6 wx3.2-i18n libcurl4; do
  [[ $depends == *"$library"* ]] || fail "the package does not depend on $library: $depends"
done
dpkg-deb -c "$deb" >"$work/deb-files"
grep -q ' ./usr/bin/zavscore$' "$work/deb-files" || fail "the package has no /usr/bin/zavscore"
for sample in "$repo"/examples/*; do
  grep -q " ./usr/share/zavscore/examples/$(basename "$sample")\$" "$work/deb-files" ||
    fail "the package has no sample $(basename "$sample")"
done
# Debian's own package checker finds no error.
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(cat "$work/lintian.log")"

# The installation as it was installed, then made read-only.
chmod -R a-w "$prefix"
manifest() { (cd "$prefix" && find . -printf '%p %s %T@\n' | sort); }
manifest >"$work/before"

# The programs run as a user whose home is the test's own.
home=$work/home
mkdir -p "$home/config/zavscore"
printf '[General]\nLanguage=GE\n' >"$home/config/zavscore/ZAVscore.ini"
cp "$repo/examples/heat-4-teams.score" "$home/"
chmod -R a+rwX "$home"
as_user=()
[ "$(id -u)" -eq 0 ] && as_user=(runuser -u nobody --)
run() {
  "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/config" \
    ${DISPLAY:+DISPLAY=$DISPLAY} "$@"
}

# The settings of the XDG folder choose the language: German game names.
scores=$(cd "$home" && run "$prefix/bin/zavscore-cli" scores heat-4-teams.score)
[[ $scores == *'"Bankrennen"'* ]] || fail "the installed tool did not read its settings: $scores"

# The window starts from the installation, shows its page and ends, on a
# display of its own that any user may use.
Xvfb -displayfd 3 -ac -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; chmod -R u+w "$work"; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
(cd "$home" && DISPLAY=:$(cat "$work/display") run env ZAVSCORE_EXIT_WHEN_SHOWN=1 \
  timeout 60 "$prefix/bin/zavscore" heat-4-teams.score >"$work/window.log" 2>&1) ||
  fail "the installed window did not start: $(cat "$work/window.log")"

manifest | diff "$work/before" - || fail "the installation changed"
echo "install check: the installation in a temporary prefix is complete and runs"
