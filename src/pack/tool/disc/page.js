(function () {
  "use strict";
  var menu = document.getElementById("menu");
  if (!menu) return;
  var byId = function (id) { return document.getElementById(id); };
  var desc = byId("desc"), shadow = byId("shadow"), acc = byId("acc"), dialog = byId("msg");
  var data = menu.dataset, tab = JSON.parse(data.tab), keys = JSON.parse(data.keys);
  var buttons = [], highlighted = 0, selected = 0, accFrame = 0, pressed = 0, closeAfter = false;
  // As the player starts: the first button holds the focus, but nothing is selected or
  // highlighted until the first key or pointer move (the focus may arrive only when the tab
  // is shown).
  var quiet = true;

  document.querySelectorAll("#menu .b").forEach(function (el) {
    buttons[+el.id.slice(1)] = { el: el, img: el.querySelector("img"), p: JSON.parse(el.dataset.p),
      mode: JSON.parse(el.dataset.mode), off: el.classList.contains("off"), state: 0, frame: 0,
      dir: 0 };
  });
  function numberOf(node) {
    var el = node && node.closest ? node.closest("#menu .b") : null;
    return el ? +el.id.slice(1) : 0;
  }
  // A missing animation frame shows as an empty picture for that step.
  function show(img, src) {
    if (src) { img.src = src; img.hidden = false; }
    img.style.visibility = src ? "" : "hidden";
  }
  function describe(n) {
    if (n < 0) {
      if (data.desc && desc.textContent !== data.desc) desc.textContent = shadow.textContent = data.desc;
      acc.hidden = true;
      return;
    }
    var b = buttons[n], text = b ? b.el.dataset.desc : data.desc;
    desc.textContent = shadow.textContent = text;
    var still = b && b.p[3][0];
    if (still) show(acc, still);
    acc.hidden = !still;
  }
  function setState(n, state, refresh) {
    var b = buttons[n];
    if (n < 1) return;
    // A button the pages cannot offer stays dimmed in its normal picture.
    if (b && b.img && !b.off && b.p[state][0]) show(b.img, b.p[state][0]);
    if (refresh) describe(n);
    if (b) { b.state = state; b.frame = 0; b.dir = 0; }
  }
  function highlight(n) {
    if (n === highlighted) return;
    setState(highlighted, 0, false);
    if (n > 0) setState(n, 1, true);
    highlighted = n;
  }
  function select(n) { selected = n; highlight(n); }

  // One animation step of a button, as the player's modes: the frame to show, or -1 for none.
  // A mode the player does not know (a number) keeps the frame.
  function step(b) {
    var last = b.p[b.state].length - 1, cur = b.frame, mode = b.mode;
    if (last <= 0) return -1;
    if (mode === "still") return -1;  // only a step moves a frame, and a still button never steps
    if (mode === "random") return Math.floor(Math.random() * (last + 1));
    if (mode === "once") return cur < last ? cur + 1 : -1;
    if (mode === "loop") return cur < last ? cur + 1 : 0;
    if (mode !== "there-and-back" && mode !== "bounce") return cur;
    cur += b.dir ? -1 : 1;
    if (cur > last) { cur = last - 1; b.dir = 1; }
    if (cur < 0) {
      if (mode === "there-and-back") return -1;
      cur = 1; b.dir = 0;
    }
    return cur;
  }
  function animate() {
    buttons.forEach(function (b) {
      var frame = b.img ? step(b) : -1;
      if (frame < 0) return;
      show(b.img, b.p[b.state][frame]);
      b.frame = frame;
    });
    var s = buttons[selected], last = s ? s.p[3].length - 1 : 0;
    if (last <= 0) return;
    // The frame moves on while the picture is hidden too (the pointer on the background), but
    // stays hidden.
    accFrame = accFrame + 1 > last ? 0 : accFrame + 1;
    if (!acc.hidden) show(acc, s.p[3][accFrame]);
  }

  function message(text, close) {
    byId("msgtext").textContent = text;
    closeAfter = close;
    dialog.showModal();
  }
  // Browsers close only the tabs that a script opened; where the tab stays, it says so.
  function closePage() {
    window.close();
    setTimeout(function () {
      if (!window.closed) message("You can close this tab now.", false);
    }, 100);
  }
  function run(n) {
    var el = buttons[n].el, how = el.dataset.run;
    if (how === "link") {
      location.href = el.href;
    } else if (how === "message") {
      message(el.dataset.msg, !!el.dataset.close);
    } else if (how === "close") {
      closePage();
    }
  }
  // The keyboard's click (Enter, Space, a shortcut): an image button shows its pressed picture.
  function press(n) {
    select(n);
    if (!buttons[n].img || buttons[n].off) return run(n);
    setState(n, 2, false);
    setTimeout(function () { setState(n, 1, false); run(n); }, 150);
  }
  function focusButton(n) { if (buttons[n]) buttons[n].el.focus(); }

  menu.addEventListener("mousemove", function (e) {
    var n = numberOf(e.target);
    quiet = false;
    if (n) { select(n); } else { highlight(-1); describe(-2); }
  });
  menu.addEventListener("mousedown", function (e) {
    var n = numberOf(e.target);
    if (!n || e.button !== 0) return;
    // Pictures and labels take no focus from the mouse, as in the player.
    if (!buttons[n].el.classList.contains("push")) e.preventDefault();
    if (buttons[n].img && !buttons[n].off) { pressed = n; setState(n, 2, false); }
  });
  document.addEventListener("mouseup", function () {
    if (pressed) setState(pressed, 1, false);
    pressed = 0;
  });
  menu.addEventListener("click", function (e) {
    var n = numberOf(e.target);
    if (!n || e.button !== 0 || e.ctrlKey || e.shiftKey || e.metaKey || e.altKey) return;
    e.preventDefault();
    run(n);
  });
  menu.addEventListener("focusin", function (e) {
    var n = numberOf(e.target);
    if (n && !quiet) { select(n); setState(n, 1, false); }
  });
  dialog.addEventListener("close", function () { if (closeAfter) closePage(); });

  var arrows = { ArrowLeft: -1, ArrowUp: -1, ArrowRight: 1, ArrowDown: 1 };
  document.addEventListener("keydown", function (e) {
    quiet = false;
    if (dialog.open || e.ctrlKey || e.metaKey) return;
    var k = e.key, focused = numberOf(document.activeElement), count = buttons.length - 1;
    if (k === "Tab" || (arrows[k] && !e.altKey)) {
      var forward = k === "Tab" ? !e.shiftKey : arrows[k] > 0, at = tab.indexOf(focused);
      if (!tab.length) return;
      at = at < 0 ? (forward ? 0 : tab.length - 1) : (at + (forward ? 1 : tab.length - 1)) % tab.length;
      focusButton(tab[at]);
    } else if (arrows[k]) {
      var current = selected >= 1 && selected <= count ? selected : 0;
      focusButton(arrows[k] > 0 ? (current >= count ? 1 : current + 1)
                                : (current <= 1 ? count : current - 1));
    } else if ((k === "Enter" || k === " ") && focused) {
      press(focused);
    } else if (k.length === 1 && keys[k]) {
      press(keys[k]);
    } else {
      return;
    }
    e.preventDefault();
  });

  var time = byId("time"), date = byId("date");
  function clock() {
    var now = new Date();
    time.textContent = now.toLocaleTimeString();
    date.textContent = now.toLocaleDateString();
  }
  clock();
  setInterval(clock, 1000);
  if (+data.interval > 0) setInterval(animate, +data.interval);
  buttons.forEach(function (b) {
    b.p.forEach(function (frames) { frames.forEach(function (src) { if (src) new Image().src = src; }); });
  });
  if (+data.initial > 0) highlight(+data.initial);
  describe(-2);
  if (tab.length) focusButton(tab[0]);
})();
