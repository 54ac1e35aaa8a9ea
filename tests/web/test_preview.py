#!/usr/bin/env python3
"""`orvane-pack preview` in headless Chromium, on a copy of the demo's sources: a caption changed
in the JSON shows within 2 s with no reload by hand; a broken source shows its error over the page
and the page comes back when it is fixed; the overlay marks a clock whose font is too big for its
box. The preview is ended by its process id (SIGINT, as Ctrl+C).

Environment (from CTest): ORVANE_PACK, ORVANE_SOURCE.
"""
import glob
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from test_pages import PACK, SOURCE, check, failures, start_browser


def edit(path, old, new):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    assert old in text, old
    with open(path, "w", encoding="utf-8") as f:
        f.write(text.replace(old, new))
    return time.monotonic()


def wait_for(what, driver, script, since, limit=2.0):
    """Polls a page expression; checks that it came true within limit seconds of since (the
    promise is 2 s for a save; the other steps get room for a busy machine)."""
    value = None
    while time.monotonic() - since < limit + 8:
        try:
            value = driver.execute_script(script)
        except Exception:  # the page is being reloaded
            value = None
        if value:
            break
        time.sleep(0.05)
    took = time.monotonic() - since
    check("%s (%.1f s)" % (what, took), bool(value) and took <= limit, value)
    return value


def main():
    work = tempfile.mkdtemp(prefix="orvane-preview.")
    preview = None
    try:
        src = os.path.join(work, "src")
        subprocess.run([sys.executable, os.path.join(SOURCE, "demo/draw_art.py"), src], check=True,
                       stdout=subprocess.DEVNULL)
        for source in glob.glob(os.path.join(SOURCE, "demo/*.json")):
            shutil.copy(source, src)
        main_json = os.path.join(src, "main.json")
        preview = subprocess.Popen([PACK, "preview", main_json, os.path.join(src, "tour.json"), "-o",
                                    os.path.join(work, "pages")], stdout=subprocess.PIPE, text=True)
        url = None
        for line in preview.stdout:
            if line.startswith("open file://"):
                url = line.split(" ", 1)[1].strip()
                break
        check("preview prints the first page's address", url and url.endswith("/pages/index.html"), url)
        driver = start_browser(work)
        try:
            driver.get(url)
            exit_caption = ("[...document.querySelectorAll('#menu .b')].map(b => b.textContent)"
                            ".find(t => t.startsWith('Exit'))")
            check("the page shows the demo", driver.execute_script("return " + exit_caption) == "Exit")
            driver.execute_script("window.notReloaded = true")
            since = edit(main_json, '"caption": "E&xit"', '"caption": "E&xit now"')
            wait_for("a changed caption shows by itself", driver,
                     "return !window.notReloaded && %s === 'Exit now'" % exit_caption, since)

            since = edit(main_json, '"anim_interval": 80', '"anim_interval": "fast"')
            error = wait_for("a broken source's error shows over the page", driver,
                             "var e = document.getElementById('orvane-preview-error');"
                             "return e && !e.hidden && e.textContent", since, limit=10)
            check("the error names the file and the field as build does",
                  error and re.search(r"orvane-pack: .*main\.json: anim_interval: ", error), error)
            check("the last good page stays below it",
                  driver.execute_script("return " + exit_caption) == "Exit now")
            since = edit(main_json, '"anim_interval": "fast"', '"anim_interval": 80')
            wait_for("fixed, the page comes back", driver,
                     "var e = document.getElementById('orvane-preview-error');"
                     "return e && e.hidden && document.getElementById('b1') !== null", since,
                     limit=10)

            bad_clock = "return [...document.querySelectorAll('.orvane-bad')].map(b => b.dataset.for).join()"
            driver.find_element(By.TAG_NAME, "body").send_keys(Keys.F2)
            boxes = driver.execute_script("return [...document.querySelectorAll('.orvane-box')]"
                                          ".map(b => b.textContent).join()")
            check("the overlay draws each control's box with its number", boxes and "1,2,3,4,5,6" in boxes, boxes)
            check("the demo's clock fits its box", "time" not in driver.execute_script(bad_clock))
            since = edit(main_json, '"font": {"name": "Tahoma", "size": 7}', '"font": {"name": "Tahoma", "size": 20}')
            wait_for("the overlay (kept over the reload) marks a clock too big for its box", driver,
                     "var b = document.querySelector('.orvane-bad[data-for=time]');"
                     "return b && getComputedStyle(b).borderTopColor === 'rgb(255, 0, 0)'", since,
                     limit=10)
            driver.find_element(By.ID, "orvane-overlay-toggle").click()
            check("the corner button switches the overlay off",
                  driver.execute_script("return document.getElementById('orvane-overlay') === null"))
        finally:
            driver.quit()
        preview.send_signal(signal.SIGINT)
        rest = preview.communicate(timeout=20)[0]
        check("Ctrl+C ends the preview", preview.returncode == 0 and "preview ended" in rest, rest[-500:])
    finally:
        if preview and preview.poll() is None:
            preview.kill()
            preview.wait()
        shutil.rmtree(work, ignore_errors=True)
    print("preview: %d failed" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
