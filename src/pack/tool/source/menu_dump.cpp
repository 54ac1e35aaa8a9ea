#include "tool/source/menu_dump.h"

#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <tuple>

#include "common/colour.h"
#include "app/menu_model.h"
#include "tool/file_io.h"
#include "tool/source/code_page.h"
#include "tool/source/menu_source.h"
#include "tool/source/menu_texts.h"
#include "tool/source/png_io.h"
#include "tool/source/shape.h"

namespace fs = std::filesystem;

namespace orvane::pack {

namespace {

using SlotKey = std::tuple<int, int, int>;  // button, state, frame

// The menu's name without its extension, as text; OutputNames makes a file name of it.
std::string StemOf(const std::string& menuName) {
  const size_t dot = menuName.rfind('.');
  const std::string stem =
      dot == std::string::npos || dot == 0 ? menuName : menuName.substr(0, dot);
  return stem.empty() ? "menu" : Cp1252ToUtf8(stem);
}

std::string PictureFileName(const std::string& stem, const PictureSlot& slot) {
  return stem + "/" + PictureName(slot);
}

// The outline's picture beside the others: cut pixels in the cut colour, kept ones in white (in
// black when white is the cut colour).
constexpr char kOutlineMaskName[] = "outline.png";

// The outline as the mask picture it most likely came from, when that picture builds back to
// the same text (else the text is dumped as it stands).
std::optional<Picture> OutlineMask(const MenuSettings& s, const Picture* background) {
  if (s.TransparentColour < 1 || s.TransparentColour > 15) return std::nullopt;
  const ParsedShape shape = ParseShapeText(s.ShapeText);
  if (!shape.Problems.empty() || shape.Width <= 0 || shape.Height <= 0) return std::nullopt;
  if (background && (background->Width != shape.Width || background->Height != shape.Height))
    return std::nullopt;
  const uint32_t cut = RgbOfColourText(Json(s.TransparentColour), "", "");
  Picture mask = SolidPicture(shape.Width, shape.Height, cut == 0xFFFFFF ? 0u : 0xFFFFFFu);
  for (const ShapeRun& run : shape.Runs)
    for (int32_t x = run.X1; x < run.X2; ++x)
      mask.Pixels[static_cast<size_t>(run.Y) * shape.Width + x] = cut;
  RgbaImage rgba;
  rgba.Width = mask.Width;
  rgba.Height = mask.Height;
  for (uint32_t p : mask.Pixels) {
    const RgbChannels c = ChannelsOfPixel(p);
    rgba.Rgba.insert(rgba.Rgba.end(), {c.Red, c.Green, c.Blue, 255});
  }
  try {
    if (FormatShapeText(mask.Width, mask.Height, ShapeRunsFromMask(rgba, cut)) != s.ShapeText)
      return std::nullopt;
  } catch (const std::invalid_argument&) {
    return std::nullopt;
  }
  return mask;
}

const Picture* BackgroundOf(const std::map<SlotKey, const PictureValue*>& slots) {
  auto it = slots.find({0, 0, 0});
  return it == slots.end() ? nullptr : &it->second->Image;
}

// How the fourth bytes of a picture are told to build: nothing (all 0), a constant, or "alpha".
Json FourthByteJson(const Picture& picture, bool& asAlpha) {
  asAlpha = false;
  if (picture.Pixels.empty()) return nullptr;
  const uint32_t first = picture.Pixels.front() >> 24;
  for (uint32_t p : picture.Pixels) {
    if ((p >> 24) != first) {
      asAlpha = true;
      return "alpha";
    }
  }
  return first == 0 ? Json(nullptr) : Json(first);
}

Json PictureRefJson(const PictureValue& value, const std::string& file) {
  bool asAlpha = false;
  const Json fourth = FourthByteJson(value.Image, asAlpha);
  if (fourth.is_null() && value.Unused == 0) return file;
  Json ref = Json::object();
  ref["file"] = file;
  if (!fourth.is_null()) ref["fourth_byte"] = fourth;
  if (value.Unused != 0) ref["unused_byte"] = value.Unused;
  return ref;
}

Json StatePicturesJson(const std::map<SlotKey, const PictureValue*>& slots, int button,
                       const std::string& stem) {
  Json states = Json::object();
  for (const NamedValue& state : ImageStateNames()) {
    const PictureValue* still = nullptr;
    int lastFrame = 0;
    for (int frame = 0; frame <= kMaxFrame; ++frame) {
      auto it = slots.find({button, state.Value, frame});
      if (it == slots.end()) continue;
      if (frame == 0) still = it->second;
      lastFrame = frame;
    }
    if (!still && lastFrame == 0) continue;
    if (lastFrame == 0) {
      states[state.Name] = PictureRefJson(*still, PictureFileName(stem, still->Slot));
      continue;
    }
    Json entry = Json::object();
    if (still) entry["file"] = PictureRefJson(*still, PictureFileName(stem, still->Slot));
    Json frames = Json::array();
    for (int frame = 1; frame <= lastFrame; ++frame) {
      auto it = slots.find({button, state.Value, frame});
      frames.push_back(it == slots.end()
                           ? Json(nullptr)
                           : PictureRefJson(*it->second, PictureFileName(stem, it->second->Slot)));
    }
    entry["frames"] = frames;
    states[state.Name] = entry;
  }
  return states;
}

void PutIf(Json& o, const char* key, bool differs, Json value) {
  if (differs) o[key] = std::move(value);
}

Json FontJson(const FontSetting& font, const FontSetting& def) {
  Json o = Json::object();
  PutIf(o, "name", font.Name != def.Name, font.Name);
  PutIf(o, "size", font.Size != def.Size, font.Size);
  PutIf(o, "bold", font.Bold != def.Bold, FlagJson(font.Bold, -1));
  PutIf(o, "italic", font.Italic != def.Italic, FlagJson(font.Italic, -1));
  PutIf(o, "underline", font.Underline != def.Underline, FlagJson(font.Underline, -1));
  return o;
}

bool SameRgb(const RgbSetting& a, const RgbSetting& b) {
  return a.Red == b.Red && a.Green == b.Green && a.Blue == b.Blue;
}

Json DescriptionJson(const MenuSettings& s, const MenuSettings& d) {
  Json o = Json::object();
  PutIf(o, "text", s.DefaultDescription != d.DefaultDescription, s.DefaultDescription);
  Json font = FontJson(s.DescriptionFont, d.DescriptionFont);
  PutIf(o, "font", !font.empty(), font);
  PutIf(o, "colour", !SameRgb(s.DescriptionColour, d.DescriptionColour),
        RgbJson(s.DescriptionColour));
  PutIf(o, "left", s.DescriptionLeft != d.DescriptionLeft, s.DescriptionLeft);
  PutIf(o, "top", s.DescriptionTop != d.DescriptionTop, s.DescriptionTop);
  PutIf(o, "width", s.DescriptionWidth != d.DescriptionWidth, s.DescriptionWidth);
  PutIf(o, "height", s.DescriptionHeight != d.DescriptionHeight, s.DescriptionHeight);
  PutIf(o, "alignment", s.DescriptionAlignment != d.DescriptionAlignment,
        NameOrNumber(AlignmentNames(), s.DescriptionAlignment));
  Json shadow = Json::object();
  PutIf(shadow, "offset", s.ShadowOffset != d.ShadowOffset, s.ShadowOffset);
  PutIf(shadow, "colour", !SameRgb(s.ShadowColour, d.ShadowColour), RgbJson(s.ShadowColour));
  PutIf(o, "shadow", !shadow.empty(), shadow);
  return o;
}

Json ClockLabelJson(int32_t shown, int32_t left, int32_t top, const FontSetting& font,
                    const FontSetting& def) {
  Json o = Json::object();
  o["shown"] = FlagJson(shown, -1);
  o["left"] = left;
  o["top"] = top;
  Json f = FontJson(font, def);
  PutIf(o, "font", !f.empty(), f);
  return o;
}

Json ClockJson(const MenuSettings& s, const MenuSettings& d) {
  Json o = Json::object();
  PutIf(o, "colour", !SameRgb(s.ClockColour, d.ClockColour), RgbJson(s.ClockColour));
  // A named label is shown unless it says otherwise, so a label is written out whenever anything
  // about it differs from a source that does not name it.
  if (s.TimeShown != 0 || s.TimeLeft != 0 || s.TimeTop != 0 ||
      !FontJson(s.TimeFont, d.TimeFont).empty())
    o["time"] = ClockLabelJson(s.TimeShown, s.TimeLeft, s.TimeTop, s.TimeFont, d.TimeFont);
  if (s.DateShown != 0 || s.DateLeft != 0 || s.DateTop != 0 ||
      !FontJson(s.DateFont, d.DateFont).empty())
    o["date"] = ClockLabelJson(s.DateShown, s.DateLeft, s.DateTop, s.DateFont, d.DateFont);
  return o;
}

Json ButtonJson(const ButtonRecord& b, int number, bool later,
                const std::map<SlotKey, const PictureValue*>& slots, const std::string& stem) {
  ButtonRecord d = DefaultButton();
  Json pictures = StatePicturesJson(slots, number, stem);
  const bool hasPictures = !pictures.empty();
  if (b.ButtonKind == kImageButton) {
    auto it = slots.find({number, 0, 0});
    if (it != slots.end()) {
      d.Width = it->second->Image.Width;
      d.Height = it->second->Image.Height;
    }
  }
  Json o = Json::object();
  // The kind is always written: it is what a reader of the source wants to see first.
  o["kind"] = NameOrNumber(ButtonKindNames(), b.ButtonKind);
  o["target"] = b.Target;
  PutIf(o, "parameters", b.Parameters != d.Parameters, b.Parameters);
  PutIf(o, "description", b.Description != d.Description, b.Description);
  o["left"] = b.Left;
  o["top"] = b.Top;
  PutIf(o, "width", b.Width != d.Width, b.Width);
  PutIf(o, "height", b.Height != d.Height, b.Height);
  PutIf(o, "caption", b.Caption != d.Caption, b.Caption);
  PutIf(o, "shortcut", b.ShortcutKey != d.ShortcutKey, b.ShortcutKey);
  PutIf(o, "minimize_after", b.MinimizeAfter != d.MinimizeAfter, FlagJson(b.MinimizeAfter, -1));
  PutIf(o, "close_after", b.CloseAfter != d.CloseAfter, FlagJson(b.CloseAfter, -1));
  PutIf(o, "animation", b.AnimMode != d.AnimMode, NameOrNumber(AnimationNames(), b.AnimMode));
  PutIf(o, "window", b.RunMaximized != d.RunMaximized,
        NameOrNumber(WindowStateNames(), b.RunMaximized));
  PutIf(o, "wait_for_exit", b.WaitForExit != d.WaitForExit, FlagJson(b.WaitForExit, -1));
  if (later) {
    Json font = FontJson(ButtonFont(b), ButtonFont(d));
    PutIf(font, "colour", b.FontColour != d.FontColour, ColourValueJson(b.FontColour));
    PutIf(o, "font", !font.empty(), font);
    PutIf(o, "alignment", b.Alignment != d.Alignment, NameOrNumber(AlignmentNames(), b.Alignment));
    if (b.ViewerCheck != 0 || !b.ViewerName.empty() || !b.ViewerVersion.empty() ||
        b.ViewerCompare != 0) {
      Json v = Json::object();
      v["check"] = FlagJson(b.ViewerCheck, FlagOnValue(kViewerCheckFlag));
      v["name"] = b.ViewerName;
      v["version"] = b.ViewerVersion;
      v["compare"] = NameOrNumber(ViewerCompareNames(), b.ViewerCompare);
      o["viewer"] = v;
    }
  }
  PutIf(o, "pictures", hasPictures, pictures);
  return o;
}

// The player stores each picture in its slot, a later one replacing an earlier one.
std::map<SlotKey, const PictureValue*> ShownSlots(const MenuFile& menu,
                                                  std::vector<std::string>& warnings) {
  std::map<SlotKey, const PictureValue*> slots;
  for (const PictureValue& p : menu.Pictures) {
    const PictureSlot& s = p.Slot;
    const std::string where = "picture of button " + std::to_string(s.Button) + ", state " +
                              std::to_string(s.State) + ", frame " + std::to_string(s.Frame);
    if (!SlotInRange(s, static_cast<int>(menu.Buttons.size()))) {
      warnings.push_back(where + ": no button or state of the menu shows it; left out");
      continue;
    }
    if (p.Image.Empty()) {
      warnings.push_back(where + ": holds no pixels; left out");
      continue;
    }
    auto [it, fresh] = slots.insert_or_assign({s.Button, s.State, s.Frame}, &p);
    (void)it;
    if (!fresh)
      warnings.push_back(where + ": appears twice; the later one is kept, as in the player");
  }
  return slots;
}

}  // namespace

std::string PictureName(const PictureSlot& slot) {
  char buffer[64];
  const std::string state = slot.State <= kMaxImageState ? ImageStateNames()[slot.State].Name
                                                         : "state" + std::to_string(slot.State);
  if (slot.Frame == 0)
    std::snprintf(buffer, sizeof buffer, "button%02d_%s.png", slot.Button, state.c_str());
  else
    std::snprintf(buffer, sizeof buffer, "button%02d_%s_%03d.png", slot.Button, state.c_str(),
                  static_cast<int>(slot.Frame));
  return buffer;
}

Json MenuSourceJson(const MenuFile& menu, const std::string& menuName, const std::string& stem,
                    const std::string& textEncoding, std::vector<std::string>& warnings) {
  const bool later = IsLaterLayout(menu.Header.Version);
  const int buttonCount = static_cast<int>(menu.Buttons.size());
  const std::map<SlotKey, const PictureValue*> slots = ShownSlots(menu, warnings);

  const MenuSettings& s = menu.Settings;
  const MenuSettings d = DefaultSettings();
  Json root = Json::object();
  root["version"] = menu.Header.Version;
  root[kTextEncodingKey] = textEncoding;
  if (Cp1252ToUtf8(menuName) != stem + ".mnu") root["file"] = Cp1252ToUtf8(menuName);
  const std::string magic(menu.Header.Magic.begin(), menu.Header.Magic.end());
  if (magic != "MENU" || menu.Header.Unused6 != 0 || menu.Header.Unused7 != 0) {
    Json h = Json::object();
    h["magic"] = Cp1252ToUtf8(magic);
    h["byte6"] = menu.Header.Unused6;
    h["byte7"] = menu.Header.Unused7;
    root["header"] = h;
  }
  root["title"] = s.MenuTitle;
  PutIf(root, "placement", s.Placement != d.Placement, NameOrNumber(PlacementNames(), s.Placement));
  PutIf(root, "scroll_title", s.ScrollTitle != d.ScrollTitle, FlagJson(s.ScrollTitle, -1));
  PutIf(root, "anim_interval", s.AnimInterval != d.AnimInterval, s.AnimInterval);
  PutIf(root, "initial_button", s.InitialButton != d.InitialButton, s.InitialButton);
  Json description = DescriptionJson(s, d);
  PutIf(root, "description", !description.empty(), description);
  Json clock = ClockJson(s, d);
  PutIf(root, "clock", !clock.empty(), clock);
  if (s.AccessoryLeft != 0 || s.AccessoryTop != 0)
    root["accessory"] = Json{{"left", s.AccessoryLeft}, {"top", s.AccessoryTop}};
  if (s.TransparentColour != 0 || s.ShapeText != kRectangularShapeText) {
    Json shape = Json::object();
    shape["transparent_colour"] = s.TransparentColour;
    if (OutlineMask(s, BackgroundOf(slots)))
      shape["mask"] = stem + "/" + kOutlineMaskName;
    else
      shape["text"] = s.ShapeText;
    root["shape"] = shape;
  }
  if (later) {
    // The mark is written from text_encoding; the texts are named only when they say more.
    bool any = s.LaterLayoutTexts[0] != (textEncoding == kUtf8Mark ? kUtf8Mark : "");
    for (size_t i = 1; i < s.LaterLayoutTexts.size(); ++i)
      any = any || !s.LaterLayoutTexts[i].empty();
    if (any) {
      Json texts = Json::array();
      for (const std::string& t : s.LaterLayoutTexts) texts.push_back(t);
      root["unused_texts"] = texts;
    }
  }
  Json background = StatePicturesJson(slots, 0, stem);
  PutIf(root, "pictures", !background.empty(), background);
  Json buttons = Json::array();
  for (int n = 1; n <= buttonCount; ++n)
    buttons.push_back(ButtonJson(menu.Buttons[n - 1], n, later, slots, stem));
  root["buttons"] = buttons;
  return root;
}

DumpResult DumpMenuSource(const MenuFile& menu, const std::string& menuName,
                          const std::string& textEncoding, const std::string& outDir,
                          OutputNames& names) {
  DumpResult result;
  const std::string wanted = StemOf(menuName);
  const std::string stem = names.Take(wanted, {".json"});
  if (stem != wanted)
    result.RenameNote = RenameNote("source of", Cp1252ToUtf8(menuName), stem + ".json");
  const Json root = MenuSourceJson(menu, menuName, stem, textEncoding, result.Warnings);
  MakeFolder(outDir);
  MakeFolder((fs::path(outDir) / stem).string());
  // Write each picture that the source refers to (its warnings are already in result).
  std::vector<std::string> reported;
  const std::map<SlotKey, const PictureValue*> slots = ShownSlots(menu, reported);
  for (const auto& [key, p] : slots) {
    bool asAlpha = false;
    FourthByteJson(p->Image, asAlpha);
    SavePicturePng((fs::path(outDir) / PictureFileName(stem, p->Slot)).string(), p->Image, asAlpha);
  }
  if (const std::optional<Picture> mask = OutlineMask(menu.Settings, BackgroundOf(slots)))
    SavePicturePng((fs::path(outDir) / stem / kOutlineMaskName).string(), *mask, false);
  result.SourcePath = (fs::path(outDir) / (stem + ".json")).string();
  WriteFileAtomically(result.SourcePath, root.dump(2) + "\n");
  return result;
}

}  // namespace orvane::pack
