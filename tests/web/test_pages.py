#!/usr/bin/env python3
"""The web pages of `orvane-pack html` in a real browser (headless Chromium driven by Selenium).

One disc with four menus, built from sources drawn here. With a player (ORVANE_PLAYER_EXE), the
pixels against the real player under Wine:
- "shots" (shaped, image buttons only): its page's pixels in the menu's area equal the player's
  on the first screen (as the window's activation leaves it), for the normal state, while the
  pointer is over a button (highlighted and accessory pictures) and while it is pressed; the cut
  pixels show the page behind.
Without one (a stand-in executable carries the menus, no Wine), the script's behaviour:
- "main" (the first menu, index.html): Tab, arrows and Alt+arrows wrapping at both ends, Enter, a
  shortcut letter, modified clicks and keys left alone, a menu switch (then every picture of "shots"
  after each pointer input and a shortcut), a "$" message with its line marks, a document link that
  reaches the file on the disc, programs shown disabled and dimmed (no highlighted or pressed picture,
  their explanation as description), Exit saying that the tab can be closed, the clock, and a
  hostile caption, description and target that stay text.
- "anim": each animation mode steps through the frames as the player does, again after each change
  of state; the accessory's frames follow the selected button and stay hidden off the buttons.
- "world" (UTF-8: Russian, Greek and Japanese): the page shows the texts the source holds (title,
  captions with their access letters, description, message) and opens a document with a Cyrillic
  name.

Environment (from CTest): ORVANE_PACK, ORVANE_SOURCE, and ORVANE_PLAYER_EXE for the pixels.
"""
import json
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import zlib

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

PACK = os.environ["ORVANE_PACK"]
PLAYER = os.environ.get("ORVANE_PLAYER_EXE", "")
SOURCE = os.environ["ORVANE_SOURCE"]

failures = []


def check(what, ok, detail=""):
    print(("ok: " if ok else "FAIL: ") + what + ("" if ok else ": " + str(detail)))
    if not ok:
        failures.append(what)


# ---- pictures ---------------------------------------------------------------------------------
def write_png(path, width, height, pixel):
    raw = b"".join(b"\0" + b"".join(bytes(pixel(x, y)) for x in range(width)) for y in range(height))

    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def striped(colour):
    """A field of one colour with a lighter column every fourth pixel: misplaced by one, it differs."""
    return lambda x, y: tuple(min(c + 90, 255) for c in colour) if x % 4 == 0 else colour


W, H = 160, 100                      # the shots menu
CUTS = [(y, 120, 160) for y in range(12)] + [(99, 0, 10)]   # rows and pixel runs cut out
BUTTON = (10, 10, 48, 24)            # left, top, width, height of its first image button
ACCESSORY = (100, 50)
NORMAL, LIT, PRESSED = (0, 0, 200), (200, 160, 0), (170, 0, 170)


# The frames each mode shows over eight ticks from frame 0 of four, as the player steps them.
ANIMATIONS = {
    "still": [0, 0, 0, 0, 0, 0, 0, 0],
    "once": [1, 2, 3, 3, 3, 3, 3, 3],
    "loop": [1, 2, 3, 0, 1, 2, 3, 0],
    "there-and-back": [1, 2, 3, 2, 1, 0, 0, 0],
    "bounce": [1, 2, 3, 2, 1, 0, 1, 2],
}


WORLD = {
    "title": "Языки · Γλώσσες · 言語",
    "description": "Выберите язык. Επιλέξτε γλώσσα.",
    "captions": ["&Русский", "&Ελληνικά", "日本語 (&J)"],
    "message": "Добро пожаловать!\u00b6ようこそ",
    "document": "Руководство.txt",
}


def cut(x, y):
    return any(y == row and x1 <= x < x2 for row, x1, x2 in CUTS)


def make_disc(work, player):
    src, disc = os.path.join(work, "src"), os.path.join(work, "disc")
    os.makedirs(src)
    os.makedirs(os.path.join(disc, "docs"))
    pictures = {
        "shots_bg.png": (W, H, lambda x, y: (x * 255 // W, y * 255 // H, (x * y) % 256)),
        "b_normal.png": (48, 24, striped(NORMAL)),
        "b_lit.png": (48, 24, striped(LIT)),
        "b_pressed.png": (48, 24, striped(PRESSED)),
        "b_acc.png": (40, 30, lambda x, y: (0, 160, 80) if (x // 5 + y // 5) % 2 else (250, 250, 250)),
        "c_normal.png": (48, 24, striped((0, 120, 0))),
        "c_lit.png": (48, 24, striped((120, 0, 0))),
        "main_bg.png": (300, 200, lambda x, y: (20, 40, 60)),
        "doc.png": (40, 40, striped((90, 90, 90))),
    }
    for f in range(4):  # the frames of the animated buttons, one colour each
        pictures["f%d.png" % f] = (8, 8, lambda x, y, f=f: (60 * f, 0, 255 - 60 * f))
    for name, (w, h, pixel) in pictures.items():
        write_png(os.path.join(src, name), w, h, pixel)
    shots = {
        "title": "Shots", "placement": "top-left",
        "shape": {"runs": [list(c) for c in CUTS]},
        "pictures": {"normal": "shots_bg.png"},
        "accessory": {"left": ACCESSORY[0], "top": ACCESSORY[1]},
        "buttons": [
            {"target": "*", "left": BUTTON[0], "top": BUTTON[1], "shortcut": "1",
             "pictures": {"normal": "b_normal.png", "highlighted": "b_lit.png",
                          "pressed": "b_pressed.png", "accessory": "b_acc.png"}},
            {"target": "*", "left": 10, "top": 60, "shortcut": "2",
             "pictures": {"normal": "c_normal.png", "highlighted": "c_lit.png"}},
        ],
    }
    label = {"kind": "label", "width": 120, "height": 18, "font": {"name": "Tahoma", "size": 9}}
    main = {
        "title": "Main <menu>", "initial_button": 1, "pictures": {"normal": "main_bg.png"},
        "description": {"text": "Choose.", "left": 150, "top": 150, "width": 140, "height": 40},
        "buttons": [
            {"target": "%docs\\read me.txt", "left": 10, "top": 10, "shortcut": "1",
             "description": "Read the notes.", "pictures": {"normal": "doc.png"}},
            {"kind": "push", "caption": "&Go to shots", "target": "SHOTS.MNU",
             "left": 10, "top": 60, "width": 120, "height": 24},
            dict(label, caption="&Message", target="$First line\u00b6Second line", left=10, top=90),
            {"kind": "push", "caption": "&Setup", "target": "%setup.exe", "description": "Install.",
             "left": 10, "top": 115, "width": 120, "height": 24},
            dict(label, caption="<script>document.title='owned'</script>&Hostile",
                 target="javascript:alert(1)", description="<b>bold</b>", left=10, top=145),
            {"target": "%tools\\run.exe", "left": 200, "top": 10,
             "pictures": {"normal": "doc.png", "highlighted": "c_lit.png", "pressed": "b_pressed.png"}},
            dict(label, caption="E&xit", target="", close_after=True, left=150, top=120, width=40),
        ],
    }
    world = {
        "title": WORLD["title"], "text_encoding": "utf-8", "pictures": {"normal": "main_bg.png"},
        "description": {"text": WORLD["description"], "left": 150, "top": 150, "width": 140, "height": 40},
        "buttons": [dict(label, caption=WORLD["captions"][0], target="$" + WORLD["message"], left=10, top=10),
                    dict(label, caption=WORLD["captions"][1], target="%docs\\" + WORLD["document"],
                         left=10, top=40),
                    dict(label, caption=WORLD["captions"][2], target="*", left=10, top=70)],
    }
    frames = {"file": "f0.png", "frames": ["f1.png", "f2.png", "f3.png"]}
    anim = {"title": "Anim", "pictures": {"normal": "main_bg.png"}, "accessory": {"left": 100, "top": 50},
            "buttons": [{"target": "*", "left": 10 * i, "top": 0, "animation": mode,
                         "pictures": {"normal": frames}} for i, mode in enumerate(ANIMATIONS)]}
    # The still button's accessory has three frames, the second missing; a bounce with one picture
    # and two accessory frames; a loop of two frames.
    anim["buttons"][0]["pictures"]["accessory"] = {"file": "f0.png", "frames": [None, "f2.png"]}
    anim["buttons"] += [{"target": "*", "left": 50, "top": 0, "animation": "bounce", "pictures": {
        "normal": "f0.png", "accessory": {"file": "f0.png", "frames": ["f1.png"]}}},
        {"target": "*", "left": 60, "top": 0, "animation": "loop", "pictures": {"normal": {"file": "f0.png", "frames": ["f1.png"]}}}]
    names = {"main": main, "shots": shots, "anim": anim, "world": world}
    for name, menu in names.items():
        with open(os.path.join(src, name + ".json"), "w") as f:
            json.dump(menu, f)
    for name, text in (("read me.txt", "the notes on the disc\n"), (WORLD["document"], "руководство\n")):
        with open(os.path.join(disc, "docs", name), "w", encoding="utf-8") as f:
            f.write(text)
    run = lambda *args: subprocess.run([PACK, *args], check=True, stdout=subprocess.PIPE, text=True).stdout
    run("build", *[os.path.join(src, n + ".json") for n in names], "-o", os.path.join(work, "menus"))
    run("pack", player, *[os.path.join(work, "menus", n + ".mnu") for n in names], "-o", os.path.join(disc, "orvane.exe"))
    listing = run("html", os.path.join(disc, "orvane.exe"), "-o", disc)
    check("html lists the program it cannot offer", 'main.mnu: button 4: target: "%setup.exe"' in listing, listing)
    check("html writes a page per menu", all(os.path.isfile(os.path.join(disc, p))
                                             for p in ("index.html", "shots.html")), listing)
    return disc


# ---- the real player under Wine: one session, three screenshots ------------------------------
WINE_SESSION = r'''
source "$ORVANE_SOURCE/tests/e2e/lib.sh"
E2E_DISC="$1"
out="$2"
e2e_start_display
ln -sfn "$E2E_DISC" "$WINEPREFIX/dosdevices/d:"
e2e_start_player shots.mnu
[ -n "$(wait_window '^Shots$' 120)" ] || { echo "the player's menu never appeared"; exit 1; }
# shot NAME X Y R G B: once the pixel (X, Y) has that colour, a screenshot a moment later.
shot() {
  local end=$((SECONDS + 40))
  until screenshot "$out/$1.png" && [ "$(pixel "$out/$1.png" "$2" "$3")" = "$4 $5 $6" ]; do
    [ $SECONDS -lt $end ] || { echo "$1: pixel ($2, $3) is $(pixel "$out/$1.png" "$2" "$3")"; exit 1; }
    sleep 0.3
  done
  sleep 0.5
  screenshot "$out/$1.png"
}
# The first screen shows every button normal; the pointer on the background changes nothing.
sleep 2
shot first 12 11 $NORMAL
xdotool mousemove --sync 141 81
xdotool mousemove --sync 140 80
shot normal 12 11 $NORMAL
xdotool mousemove --sync 34 22
shot hover 12 11 $LIT
xdotool mousedown 1
shot pressed 12 11 $PRESSED
xdotool mouseup 1
'''


def player_shots(disc, out):
    env = dict(os.environ, NORMAL="%d %d %d" % NORMAL, LIT="%d %d %d" % LIT, PRESSED="%d %d %d" % PRESSED)
    result = subprocess.run(["bash", "-c", WINE_SESSION, "wine-session", disc, out], env=env,
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, timeout=400)
    check("the player's screenshots under Wine", result.returncode == 0, result.stdout[-2000:])
    return result.returncode == 0


def rgb(png, x, y, w, h):
    return subprocess.run(["/usr/bin/convert", png, "-crop", "%dx%d+%d+%d" % (w, h, x, y), "+repage",
                           "-depth", "8", "rgb:-"], check=True, stdout=subprocess.PIPE).stdout


# ---- the pages in Chromium --------------------------------------------------------------------
def start_browser(work):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for arg in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                "--disable-component-update", "--disable-sync", "--no-first-run",
                "--force-color-profile=srgb", "--force-device-scale-factor=1", "--hide-scrollbars",
                "--user-data-dir=" + os.path.join(work, "chromium")):
        options.add_argument(arg)
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    # 1 CSS pixel is one device pixel, and the viewport is the player's screen.
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 1024, "height": 768, "deviceScaleFactor": 1, "mobile": False})
    return driver


def corner(driver):
    return driver.execute_script("var r = document.getElementById('menu').getBoundingClientRect(); return [r.left, r.top];")


def pointer(driver, x, y, press=None):
    actions = ActionChains(driver)
    actions.w3c_actions.pointer_action.move_to_location(x, y)
    if press == "down":
        actions.w3c_actions.pointer_action.pointer_down()
    elif press == "up":
        actions.w3c_actions.pointer_action.pointer_up()
    actions.perform()
    time.sleep(0.4)


def held(driver, modifier, act):
    """act(chain) with a modifier key held (none if None)."""
    chain = ActionChains(driver)
    if modifier:
        chain.key_down(modifier)
    act(chain)
    if modifier:
        chain.key_up(modifier)
    chain.perform()


def compare_shots(driver, disc, shots, work):
    driver.get("file://" + os.path.join(disc, "shots.html"))
    time.sleep(0.5)
    left, top = corner(driver)
    behind = tuple(int(v) for v in driver.execute_script(
        "return getComputedStyle(document.body).backgroundColor.match(/\\d+/g);"))
    left, top = int(left), int(top)
    for name, x, y, press in (("first", None, None, None), ("normal", 140, 80, None),
                              ("hover", 34, 22, None), ("pressed", 34, 22, "down")):
        if x is not None:
            pointer(driver, left + x, top + y, press)
        page_png = os.path.join(work, "page-%s.png" % name)
        driver.save_screenshot(page_png)
        page = rgb(page_png, left, top, W, H)
        player = rgb(os.path.join(shots, name + ".png"), 0, 0, W, H)
        wrong = []
        for i in range(W * H):
            px, py = i % W, i // W
            want = bytes(behind) if cut(px, py) else player[3 * i:3 * i + 3]
            if page[3 * i:3 * i + 3] != want:
                wrong.append((px, py, tuple(page[3 * i:3 * i + 3]), tuple(want)))
        check("shots, %s: the page's pixels are the player's (the page behind the cut ones)" % name,
              not wrong, "%d pixels differ, first %s" % (len(wrong), wrong[:3]))
    pointer(driver, left + 34, top + 22, "up")


def behaviour(driver, disc):
    index = "file://" + os.path.join(disc, "index.html")
    driver.get(index)
    time.sleep(0.5)
    js = driver.execute_script
    check("index: the title, escaped", driver.title == "Main <menu>", driver.title)
    clock = js("var shown = ['time', 'date'].map(id => document.getElementById(id).textContent), now = Date.now();"
               " return [shown, [0, 1, 2].map(s => new Date(now - 1000 * s)).map(d => [d.toLocaleTimeString(), d.toLocaleDateString()])]")
    check("the clock: the time and the date of now", clock[0] in clock[1], clock)
    hostile = js("var b = document.getElementById('b5'); return [b.textContent, b.querySelectorAll('script').length,"
                 " document.scripts.length, b.href || '', [].map.call(document.links, a => a.protocol)];")
    check("hostile caption shown as text", hostile[0] == "<script>document.title='owned'</script>Hostile"
          and hostile[1] == 0 and hostile[2] == 1, hostile)
    check("no link leaves the page's own schemes", set(hostile[4]) == {"file:"}, hostile[4])
    menu = corner(driver)
    pointer(driver, menu[0] + 20, menu[1] + 150)
    check("hostile description shown as text",
          js("var d = document.getElementById('desc'); return [d.textContent, d.children.length]") == ["<b>bold</b>", 0])
    pointer(driver, menu[0] + 20, menu[1] + 120)
    check("a program: disabled, its explanation as description",
          js("return [document.getElementById('desc').textContent, document.getElementById('b4').getAttribute('aria-disabled')]")
          == ["Needs Windows: starts the program setup.exe.", "true"])
    driver.find_element("id", "b4").click()
    time.sleep(0.3)
    check("a program: a click does nothing", driver.current_url == index, driver.current_url)
    dimmed = "var b = document.getElementById('b6'); return [getComputedStyle(b).opacity, b.querySelector('img').getAttribute('src'), document.getElementById('desc').textContent];"
    pointer(driver, menu[0] + 210, menu[1] + 20)
    over = js(dimmed)
    pointer(driver, menu[0] + 210, menu[1] + 20, "down")
    down = js(dimmed)
    pointer(driver, menu[0] + 210, menu[1] + 20, "up")
    check("a program's picture: dimmed, neither highlighted nor pressed, explained",
          over == down == ["0.5", "orvane-web/index/6-0-0.png", "Needs Windows: starts the program run.exe."], [over, down])
    js("document.getElementById('b6').blur(); document.getElementById('b6').focus()")
    check("a program's picture: explained on focus too", js(dimmed)[2].startswith("Needs Windows"), js(dimmed))

    opened = [held(driver, modifier, lambda c: c.click(driver.find_element("id", "b3"))) or js("return document.getElementById('msg').open")
              for modifier in (Keys.CONTROL, Keys.SHIFT, Keys.ALT, Keys.META)]
    check("a click with Ctrl, Shift, Alt or Meta is the browser's: no message", opened == [False] * 4, opened)

    keys = lambda *typed: ActionChains(driver).send_keys(*typed).perform()
    keys("m")  # a label has no pressed picture: its action runs at once
    message = js("return [document.getElementById('msg').open, document.getElementById('msgtext').textContent]")
    check("shortcut M shows the message with its line marks", message == [True, "First line\nSecond line"], message)
    keys(Keys.ENTER)
    time.sleep(0.3)
    check("the message closes with its OK button", js("return document.getElementById('msg').open") is False)

    js("document.getElementById('b1').focus()")
    keys(Keys.TAB)
    check("Tab goes to the second button", js("return document.activeElement.id") == "b2")
    keys(Keys.ENTER)
    time.sleep(0.5)
    check("Enter on the menu switch opens the other menu's page",
          driver.current_url.endswith("/shots.html") and driver.title == "Shots", driver.current_url)
    # Its two image buttons and the accessory ("button-state-frame", "" hidden) after each pointer input.
    shots = corner(driver)
    pictures = []
    for x, y, press in ((34, 22, None), (34, 22, "down"), (34, 22, "up"), (34, 72, None), (140, 80, None)):
        pointer(driver, shots[0] + x, shots[1] + y, press)
        pictures.append(js("return ['#b1 img', '#b2 img', '#acc'].map(q => document.querySelector(q))"
                           ".map(i => !i || i.hidden ? '' : i.getAttribute('src').replace(/.*\\/|\\.png$/g, ''))"))
    check("shots: enter, press, release, the other button, the background: every button's picture",
          pictures == [["1-1-0", "2-0-0", "1-3-0"], ["1-2-0", "2-0-0", "1-3-0"], ["1-1-0", "2-0-0", "1-3-0"],
                       ["1-0-0", "2-1-0", ""], ["1-0-0", "2-0-0", ""]], pictures)
    js("var img = document.querySelector('#b1 img'), set = Object.getOwnPropertyDescriptor(HTMLImageElement.prototype, 'src').set;"
       " window.shown = []; Object.defineProperty(img, 'src', {set: function (v) { shown.push(v.replace(/.*\\/|\\.png$/g, '')); set.call(this, v); }});")
    keys("1")
    time.sleep(0.4)
    check("shots: its shortcut highlights, presses and highlights the button again", js("return shown") == ["1-1-0", "1-2-0", "1-1-0"],
          js("return shown"))

    driver.get(index)
    time.sleep(0.3)
    document = driver.find_element("id", "b1").get_attribute("href")
    check("the document link is the file on the disc", document == "file://" + os.path.join(disc, "docs", "read%20me.txt"), document)
    keys("1")
    time.sleep(0.8)
    shown = driver.find_element("tag name", "body").text
    check("shortcut 1 opens the document", shown.strip() == "the notes on the disc", shown)

    driver.get(index)  # a tab that the browser keeps open: Exit says so
    time.sleep(0.3)
    keys("x")
    time.sleep(0.5)
    message = js("return [document.getElementById('msg').open, document.getElementById('msgtext').textContent]")
    check("Exit where the tab stays open: \"You can close this tab now.\"", message == [True, "You can close this tab now."], message)

    # The focus (or the message) and the description on a fresh page (b1 focused and highlighted
    # as the initial button, but nothing selected yet) and after each key; None: the focus taken
    # off the buttons; (x, y): the pointer there.
    pointer(driver, 1, 1)
    driver.get(index)
    time.sleep(0.3)
    choose, notes, bold, setup, run = "Choose.", "Read the notes.", "<b>bold</b>", *("Needs Windows: starts the program %s.exe." % p for p in ("setup", "run"))
    tab, alt, shift, down, up = Keys.TAB, Keys.ALT, Keys.SHIFT, Keys.DOWN, Keys.UP
    walk = [("", None, "b1", choose), (None, None, "", choose), (tab, None, "b1", choose), (tab, shift, "b7", choose),
            (tab, None, "b1", notes), (None, None, "", notes), (tab, shift, "b7", choose), (Keys.RIGHT, None, "b1", notes),
            (Keys.LEFT, None, "b7", choose), (down, alt, "b1", notes), (down, alt, "b2", choose), (up, alt, "b1", notes),
            (up, alt, "b7", choose), (Keys.RIGHT, None, "b1", notes), ((20, 150), None, "b1", bold), (Keys.RIGHT, None, "b2", choose),
            ((20, 120), None, "b2", setup), (down, alt, "b5", bold), ("q", None, "b5", bold), (down, alt, "b6", run),
            ("m", Keys.CONTROL, "b6", run), ("m", Keys.META, "b6", run)]
    seen = []
    for key, modifier, _, _ in walk:
        if key is None:
            js("document.activeElement.blur()")
        elif isinstance(key, tuple):
            pointer(driver, menu[0] + key[0], menu[1] + key[1])
        elif key:
            held(driver, modifier, lambda c: c.send_keys(key))
        seen.append(js("return [document.getElementById('msg').open ? 'message' : document.activeElement.id,"
                       " document.getElementById('desc').textContent]"))
    check("keys: Tab, Shift+Tab and arrows follow the tab order, Alt+arrows the selection, both wrapping at both"
          " ends; no shortcut, Ctrl or Meta: nothing", seen == [[f, d] for _, _, f, d in walk], seen)
    keys("m")
    held(driver, Keys.CONTROL, lambda c: c.send_keys("x"))
    keys("x", Keys.ENTER)
    time.sleep(0.3)
    message = js("return [document.getElementById('msg').open, document.getElementById('msgtext').textContent]")
    check("keys while the message is open are its own", message == [False, "First line\nSecond line"], message)


def languages(driver, disc):
    driver.get("file://" + os.path.join(disc, "world.html"))
    time.sleep(0.5)
    js = driver.execute_script
    check("world: the title as the source writes it", driver.title == WORLD["title"], driver.title)
    shown = js("return [1, 2, 3].map(n => { var b = document.getElementById('b' + n);"
               " return [b.textContent, (b.querySelector('u') || {}).textContent]; })")
    want = [[c.replace("&", ""), c[c.index("&") + 1]] for c in WORLD["captions"]]
    check("world: the captions, their access letters underlined", shown == want, shown)
    check("world: the description", js("return document.getElementById('desc').textContent")
          == WORLD["description"])
    driver.find_element("id", "b1").click()
    time.sleep(0.3)
    message = js("return document.getElementById('msgtext').textContent")
    check("world: the message, its line mark a line break", message == WORLD["message"].replace("\u00b6", "\n"),
          message)
    js("document.getElementById('msg').close()")
    driver.find_element("id", "b2").click()
    time.sleep(0.8)
    shown = driver.find_element("tag name", "body").text
    check("world: the document with a Cyrillic name opens", shown.strip() == "руководство", shown)


def animation(driver, disc):
    # The page's timers are taken over, so that each tick is one call and nothing runs on its own.
    hook = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source":
        "window.ticks = []; window.setInterval = function (f) { ticks.push(f); return ticks.length; };"})
    driver.get("file://" + os.path.join(disc, "anim.html"))
    js = driver.execute_script
    menu = corner(driver)
    # Eight ticks: per button the frame that it shows (-1: an empty picture), and the accessory's
    # picture ("button-state-frame"; "-" empty, "" while hidden).
    run = lambda: js("""
        var seen = {acc: []}, buttons = document.querySelectorAll('#menu .b'), acc = document.getElementById('acc');
        for (var t = 0; t < 8; ++t) {
          ticks[1]();  // the first timer is the clock's
          buttons.forEach(function (el) {
            var frames = JSON.parse(el.dataset.p)[0], img = el.querySelector('img');
            (seen[el.id] = seen[el.id] || []).push(img.style.visibility ? -1 : frames.indexOf(img.getAttribute('src')));
          });
          seen.acc.push(acc.hidden ? "" : acc.style.visibility ? "-" : acc.getAttribute('src').replace(/.*\\/|\\.png$/g, ""));
        }
        return seen;""")
    over = lambda n: pointer(driver, menu[0] + 10 * n - 6, menu[1] + 4)
    still = [0] * 8
    want = dict({"b%d" % (i + 1): frames for i, frames in enumerate(ANIMATIONS.values())}, b6=still, b7=[1, 0] * 4)
    first = run()
    over(6)  # its two accessory frames take turns; its one picture stays
    lone = run()
    for n in (2, 3, 4, 5, 1):  # each state change restarts the animation from frame 0, forward
        over(n)
    again = run()
    pointer(driver, menu[0] + 100, menu[1] + 100)  # the background hides the accessory for good
    left = run()
    driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", hook)
    for i, mode in enumerate(list(ANIMATIONS) + ["bounce with one picture", "loop of two"]):
        got = [ticks.get("b%d" % (i + 1)) for ticks in (first, lone, again)]
        check("animation %s: the frames of the player's steps, again after each change of state" % mode,
              got[0] == got[2] == want["b%d" % (i + 1)] and (i != 5 or got[1] == still), got)
    check("the accessory: hidden with nothing selected, its frames looping for the selected button,"
          " an empty one for its missing frame, hidden while the pointer is on the background",
          [first["acc"], lone["acc"], again["acc"], left["acc"]] == [[""] * 8, ["6-3-1", "6-3-0"] * 4,
                                                                     (["-", "1-3-2", "1-3-0"] * 3)[:8], [""] * 8],
          [first["acc"], lone["acc"], again["acc"], left["acc"]])


def main():
    work = tempfile.mkdtemp(prefix="orvane-web.")
    try:
        player = PLAYER
        if not player:  # the tool needs only the "MZ" of a Windows program in front of the menus
            player = os.path.join(work, "stand-in.exe")
            with open(player, "wb") as f:
                f.write(b"MZ stands in for orvane.exe")
        disc = make_disc(work, player)
        shots = os.path.join(work, "shots")
        os.makedirs(shots)
        have_shots = PLAYER and player_shots(disc, shots)
        driver = start_browser(work)
        try:
            if have_shots:
                compare_shots(driver, disc, shots, work)
            if not PLAYER:
                behaviour(driver, disc)
                animation(driver, disc)
                languages(driver, disc)
        finally:
            driver.quit()
    finally:
        if os.environ.get("ORVANE_E2E_KEEP"):
            print("kept " + work)
        else:
            shutil.rmtree(work, ignore_errors=True)
    print("web pages: %d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
