#!/usr/bin/env bash
# Menus in any alphabet. On a computer set to code page 1252 (Wine takes it from the locale,
# made here into a private LOCPATH): a UTF-8 menu's title, push captions, message text and label
# pixels, its access letter and shortcut key in Cyrillic, a program with a Cyrillic name started
# with Japanese parameters, and the player started from a folder named in Cyrillic. An unmarked
# menu stored in Windows-1251 follows the computer's code page: Latin letters on 1252, Cyrillic
# on 1251.
source "$(dirname "$0")/lib.sh"
PROBE="$ORVANE_WIN_BUILD/tests/e2e/probe/probe.exe"

export LOCPATH="$E2E_WORK/locales"
mkdir -p "$LOCPATH"
for locale in en_US ru_RU; do
  localedef -i "$locale" -f UTF-8 "$LOCPATH/$locale.UTF-8" >/dev/null 2>&1 || true
  [ -d "$LOCPATH/$locale.UTF-8" ] || { fail "locale $locale.UTF-8 could not be made"; e2e_finish; exit 1; }
done
export LC_ALL=en_US.UTF-8  # code page 1252

e2e_start_display
# A second keyboard group with the Russian layout, so that Cyrillic keys can be typed.
setxkbmap -layout us,ru
e2e_make_disc languages
cp "$PROBE" "$E2E_DISC/Проба.exe"

# start_menu MENU TITLE: the player shows the menu, whose window name must be exactly TITLE.
start_menu() {
  e2e_start_player "$1"
  id=$(wait_window "$2" 90)
  if [ -z "$id" ]; then fail "$1: no window named '$2' appeared"; e2e_finish; exit 1; fi
  expect_eq "$1: the title read back from the window manager" "$(window_name "$id")" "$2"
}
# push_captions: the captions of the menu's push buttons, read through the wide functions.
push_captions() {
  rm -f "$E2E_DISC/captions.txt"
  (cd "$E2E_DISC" && HOME="$E2E_WORK/home" wine 'D:\Проба.exe' --captions 'D:\captions.txt' >/dev/null 2>&1)
  cat "$E2E_DISC/captions.txt" 2>/dev/null || true
}

start_menu languages.mnu 'Меню Ελληνικά 日本語'
captions=$(push_captions)
for caption in '&Установка' 'Ελληνικά'; do
  expect_true "push caption '$caption' ($captions)" grep -qxF "$caption" <<<"$captions"
done

# The label of three alphabets against the same box holding question marks: unconverted text
# would draw the two alike.
read -r wx wy _ _ <<<"$(window_geometry "$id")"
shot="$E2E_WORK/labels.png"
screenshot "$shot"
differ=$(/usr/bin/compare -metric AE "$shot[360x50+$((wx + 20))+$((wy + 100))]" \
  "$shot[360x50+$((wx + 20))+$((wy + 170))]" null: 2>&1 || true)
expect_true "the label's letters are not question marks ($differ pixels differ)" test "${differ%%.*}" -gt 150
read -r r g b <<<"$(pixel "$shot" $((wx + 378)) $((wy + 148)))"
plain=$(count_colour "$shot" $((wx + 20)) $((wy + 100)) 360 50 "$r" "$g" "$b")
expect_true "the label is drawn ($plain of 18000 pixels in its background colour)" test "$plain" -lt 17700

# Cyrillic access letters, typed in the other case and with Alt; Ctrl+C of the message gives its
# Unicode text.
# press_until_dialog KEY: the key again until a message shows (a key can be lost under load).
press_until_dialog() {
  for _ in 1 2 3; do
    xdotool windowactivate --sync "$id" >/dev/null 2>&1 || true
    xdotool key --clearmodifiers "$1"
    [ -n "$(wait_window '^Orvane$' 10)" ] && return
  done
}
press_until_dialog Cyrillic_zhe
expect_eq "the key ж clicks the label '&Жж'" "$(read_dialog '^Orvane$' 20)" 'Ярлык'
press_until_dialog alt+Cyrillic_u
expect_eq "Alt+у clicks '&Установка'; the message copied" "$(read_dialog '^Orvane$' 20)" \
  'Привет — Γειά σου — こんにちは'

# The program named in Cyrillic, its Japanese parameters intact through its wide command line.
log="$E2E_DISC/probe.log"
for _ in 1 2 3; do
  xdotool mousemove --sync $((wx + 275)) $((wy + 35)) click 1
  wait_until 15 test -s "$log" && break
done
record=$(cat "$log" 2>/dev/null || true)
expect_true "the probe ran as Проба.exe ($record)" grep -q '^cmdline=.*Проба\.exe' <<<"$record"
expect_eq "its Japanese parameters" "$(grep '^arg[23]=' <<<"$record" | tr -d '\r' | tr '\n' '|')" \
  'arg2=日本語|arg3=テスト 二|'
e2e_stop_player

# From a folder named in Cyrillic the player still finds itself and its menus.
mkdir -p "$E2E_DISC/Диск"
cp "$E2E_DISC/orvane.exe" "$E2E_DISC/Диск/orvane.exe"
E2E_PLAYER='D:\Диск\orvane.exe' start_menu languages.mnu 'Меню Ελληνικά 日本語'
e2e_stop_player

# The stored Windows-1251 menu: its bytes read as 1252 here, as Cyrillic on a Russian computer.
start_menu cp1251.mnu 'Ìåíþ'
expect_eq "cp1251.mnu on code page 1252: the caption" "$(push_captions | grep -vx '&.')" '&Âûõîä'
e2e_stop_player
export LC_ALL=ru_RU.UTF-8  # code page 1251
start_menu cp1251.mnu 'Меню'
expect_eq "cp1251.mnu on code page 1251: the caption" "$(push_captions | grep -vx '&.')" '&Выход'
e2e_stop_player

e2e_finish
