#include "tool/disc/web_pages.h"

#include <algorithm>
#include <filesystem>

#include "actions/target_text.h"
#include "app/selection.h"
#include "common/colour.h"
#include "common/text.h"
#include "common/utf8.h"
#include "tool/source/code_page.h"
#include "tool/disc/page_actions.h"
#include "tool/disc/shown_menu.h"
#include "tool/disc/text_fit.h"
#include "tool/file_io.h"
#include "tool/output_names.h"
#include "tool/source/png_io.h"
#include "tool/source/source_fields.h"

namespace fs = std::filesystem;

namespace orvane::pack {

namespace {

constexpr char kAssets[] = "orvane-web";

// A text as the player's labels draw it: "&" marks the next character as the access key.
std::string AccessHtml(const std::string& text, bool underline) {
  std::string html, plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '&') {
      plain += text[i];
      continue;
    }
    if (++i >= text.size()) break;  // a last "&" marks nothing
    if (text[i] == '&' || !underline) {
      plain += text[i];
      continue;
    }
    const size_t next = NextUtf8Character(text, i);  // the whole character, in any script
    html += EscapeHtml(plain) + "<u>" + EscapeHtml(text.substr(i, next - i)) + "</u>";
    i = next - 1;
    plain.clear();
  }
  return html + EscapeHtml(plain);
}

// Data for the page's script, in an attribute.
std::string JsonAttribute(const char* name, const Json& value) {
  return std::string(" ") + name + "=\"" + EscapeHtml(value.dump()) + "\"";
}

std::string Px(const char* property, int32_t value) {
  return std::string(property) + ":" + std::to_string(value) + "px;";
}

std::string BoundsCss(const Bounds& b, bool withSize) {
  std::string css = Px("left", b.Left) + Px("top", b.Top);
  if (withSize) css += Px("width", std::max(b.Width, 0)) + Px("height", std::max(b.Height, 0));
  return css;
}

std::string ColourCss(ColourValue colour) { return HexRgb(SwapRedBlue(colour)); }

// The font as the player's labels use it: points at 96 dots per inch, a negative size already
// a height in pixels; the family name as stored, the browser falling back where it lacks it.
std::string FontCss(const ControlFont& font) {
  std::string family;
  for (char c : font.Name) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x80 || IsUrlUnreserved(u) || c == ' ') family += c;
  }
  if (family.empty()) family = "Tahoma";
  std::string css =
      "font-family:'" + family + "',sans-serif;" + Px("font-size", FontPixelHeight(font));
  if (font.Style & kFontBold) css += "font-weight:bold;";
  if (font.Style & kFontItalic) css += "font-style:italic;";
  if (font.Style & kFontUnderline) css += "text-decoration:underline;";
  if (font.Colour) css += "color:" + ColourCss(*font.Colour) + ";";
  return css;
}

std::string AlignCss(TextAlignment alignment) {
  return alignment == TextAlignment::Right    ? "text-align:right;"
         : alignment == TextAlignment::Centre ? "text-align:center;"
                                              : "";
}

std::string Attribute(const char* name, const std::string& escaped) {
  return std::string(" ") + name + "=\"" + escaped + "\"";
}

// A label of the window: text, shadow, time or date.
std::string LabelHtml(const char* id, const ControlState& label, bool wrap,
                      const std::string& text) {
  return std::string("<div id=\"") + id + "\" class=\"t" + (wrap ? " w" : "") + "\"" +
         Attribute("style", BoundsCss(label.Bounds, true) + FontCss(label.Font) +
                                AlignCss(label.Alignment)) +
         (label.Visible ? "" : " hidden") + ">" + text + "</div>\n";
}

// The page's own file name and its pictures' folder for each menu: index for the first, the
// menu's name for the others in the characters a link carries as they stand.
std::vector<std::string> PageStems(const std::vector<PackedEntry>& entries) {
  std::vector<std::string> stems;
  OutputNames names;
  for (size_t i = 0; i < entries.size(); ++i) {
    std::string stem = i == 0 ? "index" : entries[i].Name;
    if (i > 0 && EndsWithNoCase(stem, ".mnu")) stem.resize(stem.size() - 4);
    for (char& c : stem)
      if (!IsUrlUnreserved(static_cast<unsigned char>(c)) || c == '.' || c == '~') c = '_';
    stems.push_back(names.Take(stem, {".html"}));
  }
  return stems;
}

// The frames of each state for the page's script: paths, null for a gap.
Json FramesJson(const std::vector<std::vector<std::string>>& states) {
  Json json = Json::array();
  for (const std::vector<std::string>& frames : states) {
    Json list = Json::array();
    for (const std::string& path : frames)
      list.push_back(path.empty() ? Json(nullptr) : Json(path));
    json.push_back(list);
  }
  return json;
}

struct PageWriter {
  const std::string& folder;
  const std::string& stem;
  const std::map<std::string, std::string>& pageOfMenu;
  const std::string& findingMenu;
  const std::string& discRoot;
  WrittenPages& written;

  std::string PictureFile(const std::string& name) const {
    return std::string(kAssets) + "/" + stem + "/" + name + ".png";
  }

  std::string SavePicture(const std::string& name, const Picture& picture, bool alpha) const {
    const std::string ref = PictureFile(name);
    SavePicturePng((fs::path(folder) / ref).string(), picture, alpha);
    return ref;
  }

  // The background, its pixels outside the window's outline transparent.
  std::string SaveBackground(const Picture& background,
                             const std::optional<WindowOutline>& outline) const {
    if (!outline) return SavePicture("background", background, false);
    Picture masked = background;
    for (uint32_t& pixel : masked.Pixels) pixel &= 0x00FFFFFFu;
    for (const Bounds& kept : outline->Kept) {
      const int32_t right = std::min(kept.Left + kept.Width, masked.Width);
      const int32_t bottom = std::min(kept.Top + kept.Height, masked.Height);
      for (int32_t y = std::max(kept.Top, 0); y < bottom; ++y)
        for (int32_t x = std::max(kept.Left, 0); x < right; ++x)
          masked.Pixels[static_cast<size_t>(y) * masked.Width + x] |= 0xFF000000u;
    }
    return SavePicture("background", masked, true);
  }

  // Saves the frames 0..last of each state that the player would show (the still picture and
  // the animation; only image buttons show states 0 to 2) and gives their paths, "" for a gap.
  std::vector<std::vector<std::string>> SaveFrames(int32_t n, const TOVMenu& menu) const {
    const TOVButton& button = menu.Buttons[static_cast<size_t>(n)];
    std::vector<std::vector<std::string>> states(kAccessoryState + 1);
    for (int32_t s = 0; s <= kAccessoryState; ++s) {
      const bool shown = s == kAccessoryState || button.ButtonKind == kImageButton;
      for (int32_t f = 0; shown && f <= button.LastFrame[static_cast<size_t>(s)]; ++f) {
        const PictureRef picture = menu.Images.Get(n, s, f);
        states[static_cast<size_t>(s)].push_back(
            picture && !picture->Empty()
                ? SavePicture(std::to_string(n) + "-" + std::to_string(s) + "-" + std::to_string(f),
                              *picture, false)
                : "");
      }
    }
    return states;
  }

  std::string ButtonHtml(int32_t n, const TOVMenu& menu) {
    const TOVButton& b = menu.Buttons[static_cast<size_t>(n)];
    const PageAction action = PageActionFor(b, pageOfMenu, discRoot);
    static const char* const kRuns[] = {"nothing", "link", "message", "close", "off"};
    const bool link = action.Run == PageRun::Link;
    const bool off = action.Run == PageRun::Unavailable;
    if (off)
      written.NotOffered.push_back(
          {findingMenu, n, "target", "\"" + b.Target + "\": " + action.Text});
    const char* kind = b.ButtonKind == kImageButton  ? "image"
                       : b.ButtonKind == kPushButton ? "push"
                                                     : "label";
    const std::string description =
        off ? EscapeHtml(action.Text)
            : AccessHtml(b.Description.empty() ? menu.DefaultDescription : b.Description, false);
    std::string html = std::string(link ? "<a" : "<div") + " id=\"b" + std::to_string(n) +
                       "\" class=\"b " + kind + (off ? " off" : "") + "\"";
    html += link ? Attribute("href", EscapeHtml(action.Href))
                 : std::string(" tabindex=\"0\" role=\"button\"");
    if (off) html += " aria-disabled=\"true\"";
    html += Attribute("data-run", kRuns[static_cast<int>(action.Run)]) +
            Attribute("data-desc", description);
    if (action.Run == PageRun::Message) html += Attribute("data-msg", EscapeHtml(action.Text));
    if (b.CloseAfter != 0) html += " data-close=\"1\"";
    html += JsonAttribute("data-p", FramesJson(SaveFrames(n, menu))) +
            JsonAttribute("data-mode", NameOrNumber(AnimationNames(), b.AnimMode));
    if (b.ButtonKind == kImageButton) {
      const PictureRef normal = menu.Images.Get(n, kNormalState, 0);
      html += Attribute("style", BoundsCss(b.ImgBtn.Bounds, false)) + "><img alt=\"" + description +
              "\" draggable=\"false\"" +
              (normal ? Attribute("src", PictureFile(std::to_string(n) + "-0-0")) : " hidden") +
              ">";
    } else {
      const ControlState& c = b.ButtonKind == kPushButton ? b.WinBtn : b.LblBtn;
      html +=
          Attribute("style", BoundsCss(c.Bounds, true) + FontCss(c.Font) + AlignCss(c.Alignment)) +
          "><span>" + AccessHtml(c.Text, true) + "</span>";
    }
    return html + (link ? "</a>\n" : "</div>\n");
  }

  std::string PageHtml(const ShownMenu& shown) {
    const TOVMenu& menu = shown.Menu;
    const int32_t count = std::min<int32_t>(menu.ButtonCount, kMaxButtons);
    Json tab = Json::array(), keys = Json::object();
    for (const ControlId& id : FocusableControls(menu)) tab.push_back(id.Button);
    for (char typed = '!'; typed <= '~'; ++typed) {
      const std::optional<ShortcutHit> hit = FindShortcut(menu, typed);
      const int32_t button = hit ? hit->Button : DigitButton(typed, count);
      if (button > 0) keys[std::string(1, typed)] = button;
    }
    const Bounds& area = menu.MenBck.Bounds;
    std::string html = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                       EscapeHtml(menu.MenuTitle) + "</title>\n<link rel=\"stylesheet\" href=\"" +
                       kAssets + "/orvane.css\">\n</head>\n<body>\n<div id=\"menu\"" +
                       Attribute("style", Px("width", std::max(area.Width, 0)) +
                                              Px("height", std::max(area.Height, 0))) +
                       Attribute("data-interval", std::to_string(std::max(menu.AnimInterval, 0))) +
                       Attribute("data-initial", std::to_string(menu.InitialButton)) +
                       JsonAttribute("data-tab", tab) + JsonAttribute("data-keys", keys) +
                       Attribute("data-desc", AccessHtml(menu.DefaultDescription, false)) + ">\n";
    if (const PictureRef background = menu.Images.Get(0, kNormalState, 0))
      html += "<img class=\"bg\" alt=\"\" draggable=\"false\"" +
              Attribute("src", SaveBackground(*background, shown.Outline)) + ">\n";
    html += "<img id=\"acc\" alt=\"\" draggable=\"false\" hidden" +
            Attribute("style", BoundsCss(menu.imgAccPicture.Bounds, false)) + ">\n";
    const std::string description = AccessHtml(menu.lblAccText.Text, false);
    html += LabelHtml("shadow", menu.lblAccShadow, true, description) +
            LabelHtml("desc", menu.lblAccText, true, description) +
            LabelHtml("time", menu.lblTime, false, "") + LabelHtml("date", menu.lblDate, false, "");
    for (int32_t n = 1; n <= count; ++n) html += ButtonHtml(n, menu);
    return html +
           "</div>\n<dialog id=\"msg\"><p id=\"msgtext\"></p><form method=\"dialog\">"
           "<button>OK</button></form></dialog>\n<script src=\"" +
           kAssets + "/orvane.js\"></script>\n</body>\n</html>\n";
  }
};

}  // namespace

std::string EscapeHtml(const std::string& utf8) {
  std::string out;
  for (char c : utf8) {
    const char* entity = c == '&'    ? "&amp;"
                         : c == '<'  ? "&lt;"
                         : c == '>'  ? "&gt;"
                         : c == '"'  ? "&quot;"
                         : c == '\'' ? "&#39;"
                                     : nullptr;
    if (entity) {
      out += entity;
    } else {
      out += c;
    }
  }
  return out;
}

std::string CaptionHtml(const std::string& utf8) { return AccessHtml(utf8, true); }

WrittenPages WriteWebPages(const Bytes& executable, const PackedPlayer& player,
                           const std::string& exeName, const std::string& folder,
                           const CodePage& unmarked, const std::string& discRoot) {
  WrittenPages written;
  const Bytes utf8Player = PlayerWithUtf8Texts(executable, player, unmarked);
  // Pages only for what the player can open: one page for two packed files of the same name.
  std::vector<PackedEntry> entries;
  for (const PackedEntry& entry : player.Entries)
    if (entry.Reachable()) entries.push_back(entry);
  const std::vector<std::string> stems = PageStems(entries);

  std::vector<ShownMenu> shown;
  std::map<std::string, std::string> pageOfMenu;
  for (size_t i = 0; i < entries.size(); ++i) {
    shown.push_back(LoadShownMenu(utf8Player, entries[i].Name));
    if (shown.back().Loaded) pageOfMenu[entries[i].Name] = stems[i] + ".html";
  }
  MakeFolder((fs::path(folder) / kAssets).string());
  WriteFileAtomically((fs::path(folder) / kAssets / "orvane.css").string(),
                      std::string(kPageStyle));
  WriteFileAtomically((fs::path(folder) / kAssets / "orvane.js").string(),
                      std::string(kPageScript));
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string menuName =
        (exeName.empty() ? "" : exeName + ": ") + Cp1252ToUtf8(entries[i].Name);
    if (!shown[i].Loaded) {
      std::string why;
      for (const std::string& message : shown[i].Messages) why += " " + message;
      written.Warnings.push_back(menuName + ": the player cannot read it; no page" +
                                 (why.empty() ? "" : ":" + why));
      continue;
    }
    MakeFolder((fs::path(folder) / kAssets / stems[i]).string());
    PageWriter writer{folder, stems[i], pageOfMenu, menuName, discRoot, written};
    const std::string page = (fs::path(folder) / (stems[i] + ".html")).string();
    WriteFileAtomically(page, writer.PageHtml(shown[i]));
    written.Files.push_back(page);
  }
  return written;
}

}  // namespace orvane::pack
