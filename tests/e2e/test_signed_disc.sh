#!/usr/bin/env bash
# A disc as an author sends it out: menus packed with orvane-pack, the player signed with
# osslsigncode (a throwaway self-signed certificate), the folder checked and written as an ISO
# image, the image read back. The real player then runs from the image's contents as drive D:,
# with a stranger's version.dll and winmm.dll planted beside it and Wine told to search winmm as
# Windows does: it shows its menus from the signed file, checks a viewer's version and plays its
# sounds, and neither planted DLL is ever loaded.
source "$(dirname "$0")/lib.sh"
: "${ORVANE_NATIVE_BUILD:?the native build (orvane-pack) is needed}"
PACK="$ORVANE_NATIVE_BUILD/src/pack/orvane-pack"
PLANTED="$ORVANE_WIN_BUILD/tests/e2e/planted"
SRC="$E2E_WORK/src"
FOLDER="$E2E_WORK/folder"     # the author's disc folder
IMAGE="$E2E_WORK/disc.iso"
mkdir -p "$SRC" "$FOLDER"

# The two DLLs outside the system's known list are loaded at run time from the system folder,
# never through the import table (which Windows resolves from the program's folder first).
imports=$(objdump -p "$ORVANE_PLAYER_EXE" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z\n' 'a-z ')
expect_true "the player imports neither version.dll nor winmm.dll ($imports)" \
  sh -c "! echo '$imports' | grep -qw -e version.dll -e winmm.dll"

# ---- pack, sign, verify ---------------------------------------------------------------------
# Main (green, 400 x 300): push button 1 switches to Second, push button 2 opens a document whose
# viewer must be Wine's installer at exactly version 4.5. Second: one button that closes.
button_json() {  # n target [extra json]
  printf '{"kind": "push", "caption": "B%s", "target": %s, "left": %d, "top": 5, "width": 90, "height": 22%s}' \
    "$1" "$2" $((5 + 95 * ($1 - 1))) "${3:-}"
}
click_button() { xdotool mousemove --sync $((5 + 95 * ($1 - 1) + 45)) 16 click 1; }
convert -size 400x300 xc:'#00ff00' "$SRC/bg.png"
printf '{"title": "Signed Main", "placement": "top-left", "pictures": {"normal": "bg.png"}, "buttons": [%s, %s]}\n' \
  "$(button_json 1 '"second.mnu"')" \
  "$(button_json 2 '"%setup.msi"' ', "viewer": {"name": "Wine Installer", "version": "4.5", "compare": "equal", "check": true}')" \
  >"$SRC/main.json"
printf '{"title": "Signed Second", "placement": "top-left", "pictures": {"normal": "bg.png"}, "buttons": [%s]}\n' \
  "$(button_json 1 '""' ', "close_after": true')" >"$SRC/second.json"
"$PACK" build "$SRC/main.json" "$SRC/second.json" -o "$SRC/out" >/dev/null
"$PACK" pack "$ORVANE_PLAYER_EXE" "$SRC/out/main.mnu" "$SRC/out/second.mnu" -o "$E2E_WORK/unsigned.exe" >/dev/null
expect_eq "packed player: length a multiple of 8" $(($(stat -c %s "$E2E_WORK/unsigned.exe") % 8)) 0

openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Orvane test signer" \
  -keyout "$E2E_WORK/key.pem" -out "$E2E_WORK/cert.pem" >/dev/null 2>&1
osslsigncode sign -certs "$E2E_WORK/cert.pem" -key "$E2E_WORK/key.pem" -n "Orvane test disc" \
  -in "$E2E_WORK/unsigned.exe" -out "$FOLDER/orvane.exe" >/dev/null
verify() { osslsigncode verify -CAfile "$E2E_WORK/cert.pem" -in "$1" 2>&1; }
expect_true "osslsigncode verifies the signed player" grep -q '^Signature verification: ok' <<<"$(verify "$FOLDER/orvane.exe")"
# The menus lie inside the signed bytes: a changed menu byte breaks the signature.
cp "$FOLDER/orvane.exe" "$E2E_WORK/tampered.exe"
at=$(($(stat -c %s "$E2E_WORK/unsigned.exe") - 8))   # in the last packed menu, before the trailer
printf '\x5a' | dd of="$E2E_WORK/tampered.exe" bs=1 seek=$at conv=notrunc status=none
expect_true "a changed menu byte fails verification" sh -c "! osslsigncode verify -CAfile '$E2E_WORK/cert.pem' -in '$E2E_WORK/tampered.exe' >/dev/null 2>&1"

listed=$("$PACK" list "$FOLDER/orvane.exe")
expect_true "list reads the signed player ($listed)" grep -q 'signed (certificate table at byte' <<<"$listed"
expect_true "list finds both menus of the signed player" grep -q '^  second.mnu: .*"Signed Second"' <<<"$listed"
repacked=$("$PACK" pack "$FOLDER/orvane.exe" "$SRC/out/main.mnu" "$SRC/out/second.mnu" -o "$E2E_WORK/repacked.exe")
expect_true "re-packing a signed player says it must be signed again" grep -q 'is not signed: sign it again' <<<"$repacked"
relisted=$("$PACK" list "$E2E_WORK/repacked.exe")
expect_true "the re-packed player is unsigned ($relisted)" grep -q '2 packed files$' <<<"$relisted"
expect_true "the re-packed player is whole" grep -q '^  second.mnu: .*"Signed Second"' <<<"$relisted"
expect_true "the re-packed player carries no signature" sh -c "! osslsigncode verify -CAfile '$E2E_WORK/cert.pem' -in '$E2E_WORK/repacked.exe' >/dev/null 2>&1"

# ---- the image --------------------------------------------------------------------------------
cp "$ORVANE_SOURCE/src/win32/resources/orvane.ico" "$FOLDER/orvane.ico"
mkdir -p "$FOLDER/Read Me First"
echo "A document with a long name" >"$FOLDER/Read Me First/Installation Notes for Everyone.txt"
refused=$("$PACK" image "$FOLDER" -o "$IMAGE" 2>&1) && status=0 || status=$?
expect_eq "a disc with a problem: image refused" "$status" 1
expect_true "the problem is named ($refused)" grep -qF 'button 2: target ("B2"): "%setup.msi": no such file on the disc' <<<"$refused"
expect_true "no image written" [ ! -e "$IMAGE" ]

echo x >"$FOLDER/setup.msi"
made=$("$PACK" image "$FOLDER" -o "$IMAGE" --label "Signed Test" 2>&1) || fail "image: $made"
expect_true "the label is made to fit ($made)" grep -q 'as "SIGNED_TEST"' <<<"$made"
D="$E2E_WORK/d"
xorriso -no_rc -osirrox on -read_fs norock -indev "$IMAGE" -extract / "$D" >/dev/null 2>&1
chmod -R u+w "$D"
expect_eq "Joliet names: every file back byte for byte, plus autorun.inf" \
  "$(diff -r "$FOLDER" "$D" 2>&1)" "Only in $D: autorun.inf"
expect_eq "autorun.inf" "$(tr -d '\r' <"$D/autorun.inf" | tr '\n' '|')" \
  "[autorun]|open=orvane.exe|icon=orvane.ico|label=Signed Test|"
expect_eq "the volume label" "$(xorriso -no_rc -indev "$IMAGE" -pvd_info 2>/dev/null | sed -n "s/^Volume Id *: //p")" "SIGNED_TEST"

# ---- the player from the image, with planted DLLs -----------------------------------------------
e2e_start_display
E2E_DISC="$D"
ln -sfn "$D" "$WINEPREFIX/dosdevices/d:"
# Someone with the stick in hand puts a version.dll and a winmm.dll beside the player.
cp "$PLANTED/version.dll" "$PLANTED/winmm.dll" "$D/"
marks() { ls "$D"/*.loaded 2>/dev/null | xargs -r -n1 basename | tr '\n' ' '; }
# Wine prefers its own DLLs unless told to search as Windows does. That is asked for winmm only:
# Wine's own user32 imports version.dll (Windows' does not), so with version=n,b Wine itself would
# load the planted one before the player runs a line. version.dll stays planted all the same.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winmm=n,b"
# The planted DLL does leave its mark when something loads it.
(cd "$D" && wine rundll32.exe 'D:\winmm.dll,Mark' >/dev/null 2>&1) || true
expect_eq "a planted DLL leaves a mark when loaded" "$(marks)" "winmm.dll.loaded "
rm -f "$D"/*.loaded
export E2E_WINE_TRACE=trace+exec,trace+process
if menu_shows "the signed player" '^Signed Main$'; then
  pass "the signed player shows its first menu"
  shot="$E2E_WORK/screen.png"
  screenshot "$shot"
  expect_eq "its background is drawn" "$(pixel "$shot" 300 250)" "0 255 0"
  start="$ORVANE_WIN_BUILD/src/win32/sounds/start.wav"
  length=$(python3 -c "import wave,sys; print(wave.open(sys.argv[1]).getnframes())" "$start")
  wait_until 30 sh -c "[ \$(stat -c %s '$E2E_PLAYED') -ge $length ]" || true
  expect_eq "sounds play through the system's winmm" \
    "$(python3 "$E2E_HERE/sound_check.py" starts-with "$E2E_PLAYED" "$start")" yes

  # The viewer check reads msiexec's version through the system's version.dll; at exactly 4.5 the
  # installer is started (a click the player drops while busy is clicked again).
  for _ in 1 2 3; do
    click_button 2
    wait_until 20 grep -qF 'cmdline L"C:\\windows\\system32\\msiexec.exe /i \"D:\\setup.msi\"' "$E2E_TRACE" && break
  done
  expect_true "the viewer check passes: the installer runs" \
    grep -qF 'cmdline L"C:\\windows\\system32\\msiexec.exe /i \"D:\\setup.msi\"' "$E2E_TRACE"
  expect_eq "the viewer check passes: no message" "$(find_window '^Orvane$')" ""

  for _ in 1 2 3; do
    xdotool windowactivate --sync "$menu_id" >/dev/null 2>&1 || true
    click_button 1
    [ -n "$(wait_window '^Signed Second$' 20)" ] && break
  done
  expect_true "menus switch inside the signed file" window_shown '^Signed Second$'
  click_button 1
  expect_true "the second menu's button ends the player" e2e_wait_exit 60
fi
expect_eq "no planted DLL was loaded" "$(marks)" ""
e2e_stop_player

e2e_finish
