#!/usr/bin/env bash
# Tests the Windows build under Wine, in a scratch Wine prefix of its own:
#   - the core, sheet document and command-line test programs built for Windows;
#   - zavscore-cli.exe on the sample sheets, the SIF sample and a set made from
#     it, byte for byte against the Linux build's zavscore-cli (LINUX_CLI);
#   - zavscore-cli.exe speaking Windows' display language where the environment names
#     none, as on Windows;
#   - zavscore-cli.exe uploading a publication over WebDAV, SFTP and S3 to
#     servers on 127.0.0.1, and serving a sheet's live pages;
#   - zavscore.exe started on a sheet under a virtual display, its screenshot
#     not blank; its PDF export and print preview without a printer, each telling why in a
#     message box centred over the window;
#   - zavscore.exe started without a file at 100 % and 150 %, its toolbar's pictures
#     drawn at 16 and 24 pixels;
#   - the installer run silently (/S), its files (the samples too), file types and entry in
#     the installed apps (with its size) checked, then its uninstaller, leaving nothing
#     behind; the portable zip's samples.
# Usage: scripts/test-windows.sh [LINUX_BUILD]   (after scripts/build-windows.sh; the Linux
# build folder, default build/, gives zavscore-cli and the upload's test servers)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$here/build-windows}"
linux_build="$(cd "${1:-$here/build}" && pwd)"
linux_cli="$linux_build/zavscore-cli"
linux_servers="$linux_build/zavtest_servers"
shots="${SHOTS:-}"  # a folder to keep the screenshots in (wine-*.png)

scratch="$(mktemp -d /tmp/zavscore-wine.XXXXXX)"
export WINEPREFIX="$scratch/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
display_pid=""
finish() {
  wineserver -k 2>/dev/null || true
  [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null
  rm -rf "$scratch"
}
trap finish EXIT
failures=0
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
log() { echo "== $*" >&2; }

wineboot --init >/dev/null 2>&1
wineserver -w

log "test programs under Wine"
for suite in zavcore_tests zavdocument_tests zavcli_tests; do
  # Run from the build folder: the tests name their files from there. French, as on Linux:
  # the Windows display language follows the Wine process's locale.
  if ! (cd "$build" && LC_ALL=fr_FR.UTF-8 wine "./$suite.exe" --gtest_brief=1 > "$scratch/$suite.log" 2>&1); then
    cat "$scratch/$suite.log" >&2
    fail "$suite"
  fi
  grep -E '^\[  (PASSED|FAILED)  \]' "$scratch/$suite.log" | sed "s/^/$suite: /" >&2
done

log "zavscore-cli.exe against the Linux build's zavscore-cli"
work="$scratch/cli"
mkdir -p "$work/linux" "$work/windows"
cp "$here"/examples/*.score "$here"/tests/data/*.score "$here/tests/cli/data/entries.txt" "$work/"
# NAME ARGS...: both tools from $work, their output compared byte for byte (standard
# output, then standard error: Wine's own lines, "wine: ...", are not the program's);
# "@/" in an argument is each tool's own output folder (linux/, windows/). Without --lang,
# both speak the desktop's language: French for both, named the same way to both (Linux
# reads C as French, Windows as English).
run_both() {
  local name=$1 side
  shift
  for side in linux windows; do
    local args=("${@//@\//$side/}")
    if [ $side = linux ]; then
      (cd "$work" && LC_ALL=fr_FR.UTF-8 ZAVSCORE_INI="$work/none.ini" "$linux_cli" "${args[@]}" \
         > "$side/$name" 2> "$side/$name.err" || true)
      cat "$work/$side/$name.err" >> "$work/$side/$name"
    else
      (cd "$work" && LC_ALL=fr_FR.UTF-8 ZAVSCORE_INI='none.ini' wine "$build/zavscore-cli.exe" "${args[@]}" \
         > "$side/$name" 2> "$side/$name.err" || true)
      grep -v '^wine: ' "$work/$side/$name.err" >> "$work/$side/$name" || true
    fi
  done
  cmp -s "$work/linux/$name" "$work/windows/$name" || fail "zavscore-cli $* differs"
  compared=$((compared + 1))
}
compared=0
for sheet in "$work"/*.score; do
  sheet="$(basename "$sheet")"
  for lang in FR EN IT GE; do run_both "$sheet.$lang.json" scores "$sheet" --lang "$lang"; done
  for page in sheet staff equipment placement; do
    run_both "$sheet.$page.html" page "$page" "$sheet" --lang EN
  done
  run_both "$sheet.window.html" page sheet "$sheet" --target window --view challenge
  run_both "$sheet.convert" convert "$sheet" "@/converted-$sheet" --lang IT
done
run_both entries.json sif entries.txt --lang FR
# A set made by each tool, from its own folder, into a folder with an accented name: the
# set's sheets name their set by the path given, so both tools are given the same one.
for side in linux windows; do
  mkdir -p "$work/$side/Équipe été – finale"
  cp "$work/entries.txt" "$work/$side/"
done
(cd "$work/linux" && ZAVSCORE_INI="$work/none.ini" "$linux_cli" import-sif entries.txt \
   "Équipe été – finale/Finale.mscore" --title "Finale été" --lang FR > set.log 2>&1) ||
  fail "import-sif (Linux)"
(cd "$work/windows" && ZAVSCORE_INI='none.ini' wine "$build/zavscore-cli.exe" import-sif \
   entries.txt "Équipe été – finale/Finale.mscore" --title "Finale été" --lang FR > set.log 2>&1) ||
  fail "import-sif under Wine"
diff -r "$work/linux/Équipe été – finale" "$work/windows/Équipe été – finale" >/dev/null ||
  fail "the set files made under Wine differ"
compared=$((compared + 1))
for converted in "$work"/linux/converted-*; do
  cmp -s "$converted" "$work/windows/$(basename "$converted")" || fail "$(basename "$converted") differs"
done
echo "zavscore-cli.exe: $compared outputs compared, $failures differences or failures so far" >&2

log "zavscore-cli.exe in Windows' display language"
# Windows names no language in the environment: under Wine the display language follows
# the Wine process's locale, and the variables are taken away from what the tool sees.
cp "$here/examples/heat-4-teams.score" "$work/"
german="$(cd "$work" && LC_ALL=de_DE.UTF-8 ZAVSCORE_INI='none.ini' WINEPATH="$(winepath -w "$build")" \
  wine cmd /c "set LC_ALL=&& set LC_MESSAGES=&& set LANG=&& set LANGUAGE=&& zavscore-cli.exe scores heat-4-teams.score" \
  2>&1 | tr -d '\r')"
[[ $german == *'"Bankrennen"'* ]] ||
  fail "zavscore-cli.exe on a German Windows does not speak German: ${german:0:300}"
wineserver -w  # that session had no display

log "zavscore.exe on a sheet under a virtual display"
display=":$((500 + RANDOM % 400))"
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
display_pid=$!
sleep 2
cp "$here/examples/nations-cup-semi-final.score" "$scratch/Demi-finale été.score"
# In English whatever the desktop's language, for the texts checked below (the window works
# in the documents folder: the settings file is named whole, on C:, as winepath would start
# a Wine session without the display, which the window would then join and fail in).
printf '[General]\r\nLanguage=EN\r\n' > "$WINEPREFIX/drive_c/english.ini"
english_ini='C:\english.ini'
(cd "$scratch" && ZAVSCORE_INI="$english_ini" DISPLAY="$display" wine "$build/src/gui/zavscore.exe" \
   'Demi-finale été.score' >/dev/null 2>&1 &)
for _ in $(seq 60); do
  sleep 1
  DISPLAY="$display" xwininfo -root -tree 2>/dev/null | grep -q -E 'Demi-finale été\.score - [^"]+"' && break
done
sleep 3
DISPLAY="$display" import -window root "$scratch/window.png"
[ -n "$shots" ] && cp "$scratch/window.png" "$shots/wine-window.png"
colours="$(convert "$scratch/window.png" -format '%k' info:)"
echo "window screenshot: $colours colours" >&2
[ "$colours" -gt 50 ] || fail "the window's screenshot is blank"
DISPLAY="$display" xwininfo -root -tree | grep -q -E 'Demi-finale été\.score - [^"]+"' ||
  fail "no window titled with the sheet"

# Wine has no printer: Export PDF says so before any file chooser, Print preview says why
# it cannot show the pages. Every message box opens centred over the window (Wine centres
# its own task dialogs only the first time).
probe() { DISPLAY="$display" wine "$build/zavtest_windowprobe.exe" "$@" 2>/dev/null | tr -d '\r'; }
command_id() { sed -n "s/^ *$1 = \([0-9]*\),.*/\1/p" "$here/src/gui/frame/CommandIds.h"; }
read -r left top right bottom <<< "$(probe window Demi-finale)" || true
for check in "ID_EXPORT_PDF:Microsoft Print to PDF" "ID_PRINT_PREVIEW:no printer is installed" \
             "ID_EXPORT_PDF:Microsoft Print to PDF"; do
  probe command Demi-finale "$(command_id "${check%%:*}")"
  boxes=""
  for _ in $(seq 20); do
    sleep 0.5
    boxes="$(probe boxes)"
    [ -n "$boxes" ] && break
  done
  [ "$(printf '%s\n' "$boxes" | grep -c .)" -eq 1 ] && [[ $boxes == *"${check#*:}"* ]] ||
    fail "${check%%:*} without a printer shows: ${boxes:-nothing}"
  read -r box_left box_top box_right box_bottom <<< "${boxes%%|*}" || true
  dx=$((box_left + box_right - left - right)) dy=$((box_top + box_bottom - top - bottom))
  [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ] ||
    fail "${check%%:*}'s message box at $box_left,$box_top is not centred over the window at $left,$top"
  [ -n "$shots" ] && [ "${check%%:*}" = ID_PRINT_PREVIEW ] &&
    DISPLAY="$display" import -window root "$shots/wine-preview-without-printer.png"
  DISPLAY="$display" xdotool key Return
  sleep 1
done
wineserver -k || true

# Without a file: the welcome page, its picture, and no message box (a picture the toolkit
# cannot read shows one at every start). The window is titled with the program's name alone.
# At 150 % (Windows' 144 dots per inch) the toolbar's pictures are drawn at 24 pixels.
pictures=()
for dpi in 96 144; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w
  (cd "$scratch" && ZAVSCORE_INI="$english_ini" DISPLAY="$display" wine "$build/src/gui/zavscore.exe" \
     >/dev/null 2>&1 &)
  for _ in $(seq 60); do
    sleep 1
    DISPLAY="$display" xwininfo -root -tree 2>/dev/null | grep -q '"ZAVscore": (' && break
  done
  sleep 3
  windows="$(DISPLAY="$display" xwininfo -root -tree 2>/dev/null | grep -E '^ +0x[0-9a-f]+ "[^"]+": \(' |
    grep -v -E '"(Default IME|Wine [^"]*)": \(' || true)"
  [ "$(printf '%s\n' "$windows" | grep -c '"ZAVscore": (')" -eq 1 ] &&
    ! printf '%s\n' "$windows" | grep -v -q '"ZAVscore": (' ||
    fail "a start without a file at $dpi dots per inch shows other windows than the program's: $windows"
  [ -n "$shots" ] && DISPLAY="$display" import -window root "$shots/wine-start-$((dpi * 100 / 96)).png"
  pictures+=("$(probe toolbar ZAVscore)")
  wineserver -k || true
done
wine reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1
wineserver -w
[ "${pictures[0]}" = "16 16" ] && [ "${pictures[1]}" = "24 24" ] ||
  fail "the toolbar's pictures are ${pictures[0]:-none} pixels at 100 % and ${pictures[1]:-none} at 150 %, not 16 and 24"

log "the upload and the live pages of zavscore-cli.exe, against servers on 127.0.0.1"
servers="$scratch/servers"
mkdir -p "$servers"
chmod 0755 "$scratch"  # Apache serves its site as "nobody"
mkfifo "$servers/in"
"$linux_servers" "$servers" < "$servers/in" > "$servers/out" 2>&1 &
exec 7> "$servers/in"  # the servers stop when this closes
for _ in $(seq 100); do grep -q '^s3-site ' "$servers/out" 2>/dev/null && break; sleep 0.2; done
server() { awk -v key="$1" '$1 == key {print $2}' "$servers/out"; }
profile="$(winepath -u "$(wine cmd /c 'echo %USERPROFILE%' 2>/dev/null | tr -d '\r')")"
mkdir -p "$profile/.ssh"
cp "$(server ssh)/id_ed25519" "$(server ssh)/id_ed25519.pub" "$(server ssh)/known_hosts" "$profile/.ssh/"
cp "$here/examples/heat-4-teams.score" "$work/Manche été.score"
for protocol in webdav sftp; do
  (cd "$work" && ZAVSCORE_INI='none.ini' ZAVSCORE_UPLOAD_PASSWORD="$(server webdav-password)" \
     wine "$build/zavscore-cli.exe" publish 'Manche été.score' "www-$protocol" \
     --upload "$(server $protocol)" > "$work/upload-$protocol.log" 2>&1) ||
    fail "upload over $protocol: $(tr -d '\r' < "$work/upload-$protocol.log")"
  for page in "$work/www-$protocol"/*.html; do
    cmp -s "$page" "$(server $protocol-site)/$(basename "$page")" ||
      fail "$(basename "$page") not uploaded over $protocol"
  done
done
# S3: signed by the Windows libcurl, checked by the endpoint's own signature.
(cd "$work" && ZAVSCORE_INI='none.ini' ZAVSCORE_S3_ACCESS_KEY_ID="$(server s3-key)" \
   ZAVSCORE_S3_SECRET_ACCESS_KEY="$(server s3-secret)" \
   wine "$build/zavscore-cli.exe" publish 'Manche été.score' www-s3 --upload "$(server s3)" \
   --s3-endpoint "$(server s3-endpoint)" --s3-region "$(server s3-region)" \
   > "$work/upload-s3.log" 2>&1) ||
  fail "upload to S3: $(tr -d '\r' < "$work/upload-s3.log")"
for page in "$work/www-s3"/*.html; do
  cmp -s "$page" "$(server s3-site)/$(basename "$page")" || fail "$(basename "$page") not uploaded to S3"
done
exec 7>&-
port=$((20000 + RANDOM % 20000))
(cd "$work" && ZAVSCORE_INI='none.ini' wine "$build/zavscore-cli.exe" serve 'Manche été.score' \
   --port "$port" --bind 127.0.0.1 --lang EN > "$work/serve.log" 2>&1 &)
for _ in $(seq 100); do curl -sf "http://127.0.0.1:$port/" -o "$work/live.html" && break; sleep 0.2; done
# The exact sheet page, as the Linux tool exports it.
(cd "$work" && ZAVSCORE_INI="$work/none.ini" "$linux_cli" page sheet 'Manche été.score' --lang EN \
   > "$work/linux-sheet.html")
curl -sf "http://127.0.0.1:$port/sheet" -o "$work/served-sheet.html" &&
  cmp -s "$work/linux-sheet.html" "$work/served-sheet.html" &&
  grep -q 'name="viewport"' "$work/live.html" || fail "zavscore-cli.exe serve"
[ "$(curl -s -o /dev/null -w '%{http_code}' "http://127.0.0.1:$port/entry")" = 404 ] ||
  fail "zavscore-cli.exe serve answers finish-line entry"
wineserver -k || true

log "installer and uninstaller"
setup="$(ls "$build"/dist/ZAVscore-*-setup.exe)"
wine "$setup" /S
wineserver -w
appdata="$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')"
installed="$(winepath -u "$appdata\\Programs\\ZAVscore")"
for file in zavscore.exe zavscore-cli.exe uninstall.exe guide_en.html locale/fr/LC_MESSAGES/wxstd-3.2.mo \
    $(cd "$here" && ls examples/*); do
  [ -f "$installed/$file" ] || fail "not installed: $file"
done
reg_value() { wine reg query "$1" /ve 2>/dev/null | tr -d '\r' | awk -F'REG_SZ' 'NF > 1 {sub(/^[ \t]+/, "", $2); print $2}'; }
for type in .score:ZAVscore.Sheet .pscore:ZAVscore.SetSheet .mscore:ZAVscore.Set; do
  [ "$(reg_value "HKCU\\Software\\Classes\\${type%%:*}")" = "${type#*:}" ] ||
    fail "file type ${type%%:*} not registered"
  reg_value "HKCU\\Software\\Classes\\${type#*:}\\shell\\open\\command" | grep -q 'zavscore.exe" "%1"' ||
    fail "${type#*:} does not open in zavscore.exe"
done
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZAVscore' /v UninstallString \
  >/dev/null 2>&1 || fail "not listed in the installed apps"
# The installed apps show the program's size, in KB: what the installer put in place.
listed="$(wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZAVscore' \
  /v EstimatedSize 2>/dev/null | tr -d '\r' | awk '$1 == "EstimatedSize" {print $3}' || true)"
size="$(du -sk --apparent-size "$installed" | cut -f1)"
[ -n "$listed" ] && [ $((listed)) -ge $((size * 9 / 10)) ] && [ $((listed)) -le $((size * 11 / 10)) ] ||
  fail "the installed apps give the size ${listed:-none} KB for $size KB installed"
start_menu="$(winepath -u "$(wine cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs")"
[ -f "$start_menu/ZAVscore.lnk" ] || fail "no Start menu entry"

wine "$installed/uninstall.exe" /S
wineserver -w
[ ! -e "$installed" ] || fail "left after uninstall: $(find "$installed" | head -5)"
[ ! -e "$start_menu/ZAVscore.lnk" ] || fail "Start menu entry left after uninstall"
for key in .score .pscore .mscore ZAVscore.Sheet ZAVscore.SetSheet ZAVscore.Set; do
  ! wine reg query "HKCU\\Software\\Classes\\$key" >/dev/null 2>&1 || fail "registry key $key left"
done
! wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZAVscore' >/dev/null 2>&1 ||
  fail "still listed in the installed apps"

log "the portable zip"
zip_files="$(unzip -Z1 "$(ls "$build"/dist/ZAVscore-*-portable.zip)")"
for sample in "$here"/examples/*; do
  grep -qx "ZAVscore/examples/$(basename "$sample")" <<< "$zip_files" ||
    fail "the portable zip has no sample $(basename "$sample")"
done

if [ "$failures" -gt 0 ]; then
  echo "Windows tests: $failures failures" >&2
  exit 1
fi
echo "Windows tests: all passed" >&2
