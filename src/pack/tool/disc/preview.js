// The live preview of orvane-pack preview, added to the pages beside their own script: follows
// the rebuilds, shows a build error over the last good page, and draws the layout overlay.
(function () {
  "use strict";
  var menu = document.getElementById("menu");
  var state = document.currentScript.src.replace(/preview\.js([?#].*)?$/, "preview-state.js");
  var shownBuild = null;

  var banner = document.createElement("pre");
  banner.id = "orvane-preview-error";
  banner.hidden = true;
  document.body.appendChild(banner);

  // Called by the state script that the tool rewrites after every build.
  window.orvanePreviewState = function (build, error) {
    if (shownBuild === null) shownBuild = build;
    if (build !== shownBuild) { location.reload(); return; }
    banner.textContent = error;
    banner.hidden = !error;
  };
  // A script element reads a file from file:// where a request would be refused.
  function poll() {
    var script = document.createElement("script");
    script.src = state + "?" + Date.now();
    script.onload = script.onerror = function () { script.remove(); };
    document.head.appendChild(script);
  }
  poll();
  setInterval(poll, 250);
  if (!menu) return;

  var layer = null, where = null, refresh = 0;
  var toggle = document.createElement("button");
  toggle.id = "orvane-overlay-toggle";
  toggle.textContent = "boxes (F2)";
  document.body.appendChild(toggle);

  function fitsNot(el) {
    return el.scrollWidth > el.clientWidth || el.scrollHeight > el.clientHeight;
  }
  // Every description in the description's box, measured in an unseen copy of it.
  function longDescription(text) {
    var copy = document.getElementById("desc").cloneNode(false);
    copy.removeAttribute("id");
    copy.hidden = false;
    copy.style.visibility = "hidden";
    copy.textContent = text;
    menu.appendChild(copy);
    var long = fitsNot(copy);
    copy.remove();
    return long;
  }
  function box(el, label, bad, why) {
    var b = document.createElement("div");
    b.className = "orvane-box" + (bad ? " orvane-bad" : "");
    b.dataset.for = el.id;
    b.style.left = el.offsetLeft + "px";
    b.style.top = el.offsetTop + "px";
    b.style.width = el.offsetWidth + "px";
    b.style.height = el.offsetHeight + "px";
    b.textContent = label;
    if (why) b.title = why;
    layer.appendChild(b);
  }
  function draw() {
    layer.textContent = "";
    ["time", "date"].forEach(function (id) {
      var el = document.getElementById(id);
      var why = (id === "time" ? "the clock" : "the date") + " does not fit its box";
      if (!el.hidden) box(el, id, fitsNot(el), why);
    });
    var desc = document.getElementById("desc");
    box(desc, "description", longDescription(menu.dataset.desc || ""),
        "the menu's description is longer than its box");
    document.querySelectorAll("#menu > .b").forEach(function (el) {
      var n = el.id.slice(1), caption = el.querySelector("span");
      var wide = caption && caption.getBoundingClientRect().width > el.clientWidth;
      var long = longDescription(el.dataset.desc || "");
      box(el, n, wide || long, wide ? "the caption is wider than the button"
                               : long ? "the description is longer than its box" : "");
    });
    layer.appendChild(where);
  }
  function show(on) {
    if (!on === !layer) return;
    try { sessionStorage.setItem("orvane-overlay", on ? "1" : ""); } catch (e) { /* not kept */ }
    if (!on) {
      layer.remove();
      layer = null;
      clearInterval(refresh);
      return;
    }
    layer = document.createElement("div");
    layer.id = "orvane-overlay";
    where = document.createElement("div");
    where.id = "orvane-pointer";
    menu.appendChild(layer);
    draw();
    refresh = setInterval(draw, 1000);  // the clock's text changes
  }
  toggle.addEventListener("click", function () { show(!layer); });
  document.addEventListener("keydown", function (e) {
    if (e.key === "F2") { show(!layer); e.preventDefault(); }
  });
  menu.addEventListener("mousemove", function (e) {
    if (!layer) return;
    var r = menu.getBoundingClientRect();
    where.textContent = Math.floor(e.clientX - r.left) + ", " + Math.floor(e.clientY - r.top);
  });
  try { show(sessionStorage.getItem("orvane-overlay") === "1"); } catch (e) { /* not kept */ }
})();
