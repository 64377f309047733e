#!/usr/bin/env bash
# Makes every picture of the user guides (res/program/guide_*.png) from the
# real program, in English and in French, so that the guides show the window
# and the phone pages as they are. Run it by hand after a build with the
# window, then look at the pictures before committing them:
#
#     scripts/guide-pictures.sh build
#
# It starts its own virtual display (a free display number) with openbox and
# a session bus, gives the program a scratch home and settings file, types
# into it with xdotool (real keys: menus, dialogs, file choosers), takes each
# picture of a window or dialog with `import`, and the phone pages in Debian's
# chromium at 390 by 844 through the window's arena network on 127.0.0.1. The
# program's clock is set to 14:32 on the day of the heats (libfaketime), so
# that the times it shows are the same at each run; the entry code, drawn at
# random, is not. It needs about three minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
build=$(cd "${1:?Usage: scripts/guide-pictures.sh BUILD_FOLDER}" && pwd)
program=$build/src/gui/zavscore
cli=$build/zavscore-cli
if [ ! -x "$program" ] || [ ! -x "$cli" ]; then
  echo "guide-pictures: build the window and the command line in $build first" >&2
  exit 2
fi
helpers=$repo/scripts/guide-pictures
pictures=$repo/res/program
python=/usr/bin/python3 # Debian's, which has the accessibility bindings

# What the script drives the program with, from Debian (as install-deps.sh).
packages=(xvfb openbox xdotool x11-utils imagemagick pngquant poppler-utils chromium nodejs
  faketime dbus-daemon at-spi2-core gir1.2-atspi-2.0 python3-gi iproute2)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# Debian's npm where node came without one.
command -v npm >/dev/null || $sudo apt-get install -y -qq --no-install-recommends npm
# puppeteer-core where the window's browser test keeps it.
modules=$build/src/gui/browser/node_modules
if [ ! -d "$modules/puppeteer-core" ]; then
  npm install --no-audit --no-fund --prefix "$build/src/gui/browser" puppeteer-core@25 >/dev/null
fi
faketime_libraries=(/usr/lib/*/faketime/libfaketimeMT.so.1)
faketime_library=${faketime_libraries[0]}

scratch=$(mktemp -d)
# Every process this script started, ended by its id at the end, the last
# started first (the accessibility bus ends with the session bus).
started=()
cleanup() {
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do kill "${started[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# A step that did not come: the screen at that moment tells why.
fail() {
  echo "guide-pictures: $*" >&2
  [ -n "${DISPLAY:-}" ] && import -window root "$build/guide-pictures-failed.png" 2>/dev/null &&
    echo "guide-pictures: the screen at that moment: $build/guide-pictures-failed.png" >&2
  exit 1
}

# The display, its window manager and a session bus (for the accessibility
# bus, through which the script reads the window's menus and entry code).
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
started+=($!)
for _ in $(seq 50); do [ -s "$scratch/display" ] && break; sleep 0.1; done
[ -s "$scratch/display" ] || fail "Xvfb did not start"
DISPLAY=:$(head -1 "$scratch/display")
export DISPLAY
openbox >/dev/null 2>&1 &
started+=($!)
HOME=$scratch dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$scratch/bus" 4>"$scratch/bus.pid"
started+=("$(cat "$scratch/bus.pid")")
export DBUS_SESSION_BUS_ADDRESS
DBUS_SESSION_BUS_ADDRESS=$(cat "$scratch/bus")
unset NO_AT_BRIDGE
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES XDG_CONFIG_HOME XDG_DATA_HOME XDG_STATE_HOME XDG_CACHE_HOME \
  XDG_DOCUMENTS_DIR

text() { "$python" "$helpers/window.py" text "$1" "$language"; }
keys() { xdotool key --delay 80 "$@"; }
# A menu's command, by the names of their texts ("MenuTools MenuArenaNetwork").
menu() {
  local path
  read -ra path < <("$python" "$helpers/window.py" keys "$1" "$2" "$language")
  keys "${path[@]}"
}
open_menu() { keys "$("$python" "$helpers/window.py" opens "$1" "$language")"; }
# A dialog's button, by the name of its text: a click where it is.
click_button() {
  local x y
  read -r x y < <("$python" "$helpers/window.py" button "$1" "$language")
  xdotool mousemove "$x" "$y" click 1 mousemove 1279 1023
}
typed() { xdotool type --delay 40 "$1"; }

# The id of the visible window titled `title` (the program's window adds the
# heat's standing after it: " - Provisional"), once it is there.
wait_window() {
  local pattern id
  # shellcheck disable=SC2016 # the $ is the regular expression's
  pattern=$(printf '%s' "$1" | sed 's/[][\.*^$(){}+?|]/\\&/g')
  id=$(timeout 20 xdotool search --sync --onlyvisible --name "^${pattern}( - [^-]*)?\$" | head -1) ||
    fail "no window \"$1\""
  sleep 0.4 # its first drawing, before any key
  echo "$id"
}
wait_closed() {
  for _ in $(seq 100); do
    xwininfo -id "$1" 2>/dev/null | grep -q IsViewable || return 0
    sleep 0.1
  done
  fail "window $1 stayed open"
}

# A file the program writes once its chooser has closed.
wait_file() {
  for _ in $(seq 100); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  fail "no file $1"
}

# A picture kept small: 128 colours, no dithering (sharper text).
keep() {
  local file=$pictures/guide_${language,,}_$1.png
  pngquant --force --nofs --speed 1 --output "$file" 128 -- "$2"
  [ "$(stat -c %s "$file")" -lt 81920 ] || echo "guide-pictures: $file is over 80 KB" >&2
}
# Each picture waits for the window to have drawn what it just received.
picture_of_window() {
  sleep 0.8
  import -frame -window "$1" "$scratch/shot.png"
  keep "$2" "$scratch/shot.png"
}
# The window as the screen shows it, with a menu or list open over it.
picture_of_screen_at() {
  local frame x y w h
  sleep 0.8
  frame=$(xwininfo -tree -id "$1" | awk '/Parent window id/ {print $4}')
  read -r x y w h < <(xwininfo -id "$frame" | awk '/Absolute upper-left X/ {x=$NF}
      /Absolute upper-left Y/ {y=$NF} /Width:/ {w=$NF} /Height:/ {h=$NF} END {print x, y, w, h}')
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$scratch/shot.png"
  keep "$2" "$scratch/shot.png"
}

# The program, its clock set to `when`, with the language's settings.
start_program() {
  local when=$1
  shift
  HOME=$home ZAVSCORE_INI=$settings LD_PRELOAD=$faketime_library FAKETIME="@$when" \
    FAKETIME_DONT_FAKE_MONOTONIC=1 "$program" "$@" >>"$scratch/program.log" 2>&1 &
  program_pid=$!
  started+=("$program_pid")
}
# The program's window, at the size of its pictures (by default 1000 by 680:
# room for the page and the waiting results beside it).
frame_of_program() {
  local id
  id=$(wait_window "$1")
  xdotool windowmove "$id" 0 0 windowsize "$id" "${2:-1000}" "${3:-680}"
  sleep 0.5
  echo "$id"
}
quit_program() {
  keys ctrl+q
  for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || return 0; sleep 0.1; done
  fail "the program did not quit"
}

# A new heat of four teams and four games, typed into the three set-up
# dialogs.
new_heat() {
  local subtitle=$1 date=$2 team game id
  keys ctrl+n
  id=$(wait_window "$(text TitleGeneralData)")
  typed "$event_title"
  keys Tab
  typed "$subtitle"
  keys Tab
  typed "$date"
  keys Tab Tab
  typed "J. Martin"
  keys Tab 4 Tab 4 Return # teams, games
  wait_closed "$id"
  id=$(wait_window "$(text TitleTeams)")
  for team in "${teams[@]}"; do
    typed "${team%%:*}"
    keys Tab
    typed "${team#*:}"
    keys Tab
  done
  keys Return
  wait_closed "$id"
  id=$(wait_window "$(text TitleGameList)")
  for game in "${games[@]}"; do
    typed "$game"
    sleep 0.3
    keys Tab
  done
  keys Return
  wait_closed "$id"
}
# One game's result: each team's key ("3 1 space 2 4"), then Enter.
game_result() {
  local id places
  read -ra places <<<"$1"
  keys ctrl+r
  id=$(wait_window "$(text TitleGameResult)")
  keys "${places[@]}" Return
  wait_closed "$id"
}
# A file chosen or named in GTK's chooser, from its folder.
in_chooser() {
  local id
  id=$(wait_window "$1")
  keys ctrl+a
  typed "$2"
  sleep 0.5
  keys Return
  wait_closed "$id"
}
save_new_sheet() {
  keys ctrl+s
  in_chooser "$(text SaveSheetCaption)" "$1"
}

# Heat 1 typed in and saved; heat 2 typed in, with the previous scores from
# heat 1 and automatic save on.
two_heats() {
  local id
  new_heat "$subtitle_1" 12/05/2026
  game_result "1 2 3 4"
  game_result "2 1 4 3"
  game_result "1 3 2 e"
  game_result "3 1 2 4"
  save_new_sheet "$heat_1"

  new_heat "$subtitle_2" 13/05/2026
  keys ctrl+r
  id=$(wait_window "$(text TitleGameResult)")
  keys 2 1 4
  picture_of_window "$id" result
  keys 3 Return
  wait_closed "$id"
  picture_of_window "$frame" sheet

  menu MenuInput MenuPreviousFromSheets
  id=$(wait_window "$(text TitlePreviousFromSheets)")
  keys Tab space # Add sheets...
  in_chooser "$(text AddSheets)" "$heat_1.score"
  picture_of_window "$id" previous
  keys shift+Tab Return # from the list of sheets, OK
  wait_closed "$id"
  save_new_sheet "$heat_2"
  menu MenuOptions MenuAutomaticSave
  game_result "3 1 space 2 4"
  game_result "1 2 4 3"
  # The Input menu names the step Ctrl+Z takes back; the status bar says
  # when the sheet was written.
  open_menu MenuInput
  picture_of_screen_at "$frame" undo
  keys Escape
}

# The arena network turned on; a judge's phone sends game 4, which waits
# beside the sheet until the scorer accepts it; the spectator's phone.
arena_and_finish_line() {
  local id code port said=""
  port=8080
  while ss -Hltn "sport = :$port" | grep -q .; do port=$((port + 1)); done
  menu MenuTools MenuArenaNetwork
  id=$(wait_window "$(text TitleArena)")
  keys space Tab ctrl+a # on, then the port
  typed "$port"
  keys Tab ctrl+a
  typed 127.0.0.1
  keys Return
  wait_closed "$id"
  # It comes back at once with the address and the entry code.
  id=$(wait_window "$(text TitleArena)")
  code=$("$python" "$helpers/window.py" code)
  picture_of_window "$id" arena
  # The judge's card, as PDF, seen as the page it prints.
  click_button ButtonJudgeCardPdf
  in_chooser "$(text JudgeCardTitle)" judge-card
  wait_file "$event/judge-card.pdf"
  pdftoppm -png -r 60 -singlefile "$event/judge-card.pdf" "$scratch/card"
  convert "$scratch/card.png" -trim -bordercolor white -border 24 "$scratch/card.png"
  keep judge_card "$scratch/card.png"
  keys Escape # the network stays on; Enter would press the card's button again
  wait_closed "$id"

  coproc PHONES {
    NODE_PATH=$modules node "$helpers/phones.js" "http://127.0.0.1:$port" "$code" "$judge" \
      "2 1 4 3" "$(text EntryAccepted)" "$pictures/guide_${language,,}_" 2>&1
  }
  started+=("$PHONES_PID")
  while [ "$said" != SENT ]; do
    read -r -t 60 said <&"${PHONES[0]}" || fail "the judge's phone said nothing"
    [[ $said == FAIL* ]] && fail "judge's phone: $said"
  done
  sleep 1 # the waiting panel shows the result
  picture_of_window "$frame" waiting
  keys F6 Return # to the waiting list, accept
  echo ACCEPTED >&"${PHONES[1]}"
  while [ "$said" != DONE ]; do
    read -r -t 60 said <&"${PHONES[0]}" || fail "the phones did not finish"
    [[ $said == FAIL* ]] && fail "phones: $said"
  done
  wait "$PHONES_PID"
  for phone in judge_code judge_form judge_accepted phone; do
    keep "$phone" "$pictures/guide_${language,,}_$phone.png"
  done
}

championship_table() {
  local id
  menu MenuTools MenuChampionshipTable
  id=$(wait_window "$(text ChampionshipTitle)")
  keys Tab space # Add sheets...
  in_chooser "$(text AddSheets)" "$heat_1.score"
  keys space # Add sheets... again
  in_chooser "$(text AddSheets)" "$heat_2.score"
  picture_of_window "$id" championship
  keys Escape
  wait_closed "$id"
}

# The web site's address typed into the publication's options, not kept.
upload_options() {
  local id
  menu MenuOptions MenuPublishResults
  id=$(wait_window "$(text TitlePublish)")
  keys space Tab # publish at every save; the folder
  typed "$publish_folder"
  keys Tab Tab ctrl+a # past Search..., the reload
  typed 30
  keys Tab
  typed "sftp://scorer@results.example.org/www/live/"
  keys Tab
  typed "$arena_name"
  keys Tab
  typed "not-shown"
  picture_of_window "$id" upload
  keys Escape
  wait_closed "$id"
}

# A change not saved, then the end of the program without a word (a crash),
# and the question at the next start.
crash_and_recovery() {
  local id
  menu MenuOptions MenuAutomaticSave
  keys ctrl+z
  sleep 1
  kill -KILL "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  # The file system's clock is not faked: the sheet's file gets the program's
  # time too, or the question would find it newer than the unsaved changes.
  touch -d "2026-05-13 14:32:00" "$event/$heat_2.score"
  start_program "2026-05-13 14:40:00"
  id=$(wait_window ZAVscore)
  picture_of_window "$id" recovery
  keys Escape
  wait_closed "$id"
  frame_of_program ZAVscore >/dev/null
  quit_program
}

# A set made from the sample entries file, open on its first sheet, its sheet
# chooser open.
set_from_entries() {
  "$cli" import-sif "$repo/examples/regional-entries-sif.txt" "$event/2611.mscore" \
    --title "$event_title" --date 14/06/2026 --referee "J. Martin" --games 6 --lang "$language" \
    >/dev/null
  start_program "2026-06-14 09:15:00" "$event/2611.mscore"
  local frame x y
  # The sheet chooser has its place on the toolbar from 1280 pixels.
  frame=$(frame_of_program "ZAV score - 2611.mscore - Minime 1" 1280 560)
  read -r x y < <("$python" "$helpers/window.py" chooser)
  xdotool mousemove "$x" "$y" click 1
  picture_of_screen_at "$frame" set_chooser
  keys Escape
  xdotool mousemove 1279 1023 # no tooltip in the next pictures
  quit_program
}

for language in EN FR; do
  if [ $language = EN ]; then
    event_title="Regional championship"
    subtitle_1="Open - heat 1" subtitle_2="Open - heat 2" heat_1=heat-1 heat_2=heat-2
    teams=(Alpha:red Bravo:blue Charlie:green Delta:yellow)
    games=(bank bottle flag mug)
    judge="Finish judge" arena_name="Arena 2" publish_folder=/home/scorer/results
  else
    event_title="Championnat régional"
    subtitle_1="Open - manche 1" subtitle_2="Open - manche 2" heat_1=manche-1 heat_2=manche-2
    teams=(Alpha:rouge Bravo:bleu Charlie:vert Delta:jaune)
    games=(banque "navette des b" "drapeaux v" "navette des g")
    judge="Juge d'arrivée" arena_name="Carrière 2" publish_folder=/home/marqueur/resultats
  fi
  home=$scratch/home-$language
  event=$home/event
  settings=$home/ZAVscore.ini
  mkdir -p "$event"
  printf '[General]\nLanguage=%s\nSaveAuto=0\nScorePath=%s\n' "$language" "$event" >"$settings"
  echo "guide-pictures: $language"
  start_program "2026-05-13 14:32:00"
  frame=$(frame_of_program ZAVscore)
  picture_of_window "$frame" welcome
  two_heats
  arena_and_finish_line
  championship_table
  upload_options
  crash_and_recovery
  set_from_entries
done
echo "guide-pictures: pictures written in res/program/"
