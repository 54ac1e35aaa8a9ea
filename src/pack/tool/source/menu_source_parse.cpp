// Reading a menu source into the menu model.
#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <tuple>

#include "common/colour.h"
#include "app/menu_model.h"
#include "tool/file_io.h"
#include "tool/source/menu_source.h"
#include "tool/source/menu_texts.h"
#include "tool/source/png_io.h"
#include "tool/source/shape.h"
#include "tool/tool_error.h"
#include "writer/menu_writer.h"

namespace fs = std::filesystem;

namespace orvane::pack {

bool IsValidPackedName(const std::string& name) {
  return !name.empty() && name.size() <= 256 && name.find_first_of("/\\:") == std::string::npos &&
         name.front() > ' ' && name.back() > ' ';
}

namespace {

// Everything a source refers to is resolved against the source's own folder.
class SourceContext {
 public:
  explicit SourceContext(const std::string& sourcePath)
      : file_(sourcePath), folder_(fs::path(sourcePath).parent_path()) {}

  const std::string& File() const { return file_; }
  SourceProblems& Problems() const { return problems_; }
  std::string Resolve(const std::string& relative) const {
    return (folder_ / fs::path(relative)).lexically_normal().string();
  }

  // The background that a button's transparent pixels are composed over, and where the pictures
  // read next stand on it (nothing: they are not composed).
  void SetBackground(const Picture* background) {
    if (background) background_ = *background;
  }
  void ComposeAt(std::optional<std::pair<int32_t, int32_t>> origin) const { origin_ = origin; }
  std::vector<std::string>& Notes() const { return notes_; }
  std::vector<std::string>& Read() const { return read_; }

  Picture LoadPicture(const std::string& relative, FourthByte fourth,
                      const std::string& field) const {
    RgbaImage image;
    try {
      read_.push_back(Resolve(relative));
      image = LoadPng(read_.back());
    } catch (const ToolError& e) {
      throw ToolError(file_, field, e.what());
    }
    // With "fourth_byte": "alpha" the alpha channel is data for the player, not transparency.
    if (origin_ && !fourth.FromAlpha) Compose(image, field);
    return PictureFromRgba(image, fourth);
  }

 private:
  // The player draws a picture as it is, with no transparency: what the author drew over the
  // background shows only when the background's pixels are put under it here.
  void Compose(RgbaImage& image, const std::string& field) const {
    const auto [left, top] = *origin_;
    size_t composed = 0, bare = 0;
    for (int32_t y = 0; y < image.Height; ++y) {
      for (int32_t x = 0; x < image.Width; ++x) {
        uint8_t* p = &image.Rgba[(static_cast<size_t>(y) * image.Width + x) * 4];
        const uint32_t alpha = p[3];
        if (alpha == 255) continue;
        ++composed;
        const int64_t bx = int64_t(left) + x, by = int64_t(top) + y;
        const bool under = bx >= 0 && by >= 0 && bx < background_.Width && by < background_.Height;
        bare += !under;
        // Where no background lies under a pixel, the player's window shows black there.
        const uint32_t bg =
            under ? background_.Pixels[static_cast<size_t>(by) * background_.Width + bx] : 0;
        const RgbChannels c = ChannelsOfPixel(bg);
        const uint32_t below[3] = {c.Red, c.Green, c.Blue};
        for (int c = 0; c < 3; ++c)
          p[c] = static_cast<uint8_t>((p[c] * alpha + below[c] * (255 - alpha) + 127) / 255);
      }
    }
    if (composed == 0) return;
    std::string note = file_ + ": " + field + ": " + std::to_string(composed) +
                       " transparent or partly transparent pixels composed over the background "
                       "at (" +
                       std::to_string(left) + ", " + std::to_string(top) + ")";
    if (bare > 0)
      note += "; " + std::to_string(bare) +
              (bare == 1 ? " of them lies outside the background and shows black"
                         : " of them lie outside the background and show black");
    notes_.push_back(note);
  }

  std::string file_;
  fs::path folder_;
  mutable SourceProblems problems_;
  Picture background_;
  mutable std::optional<std::pair<int32_t, int32_t>> origin_;
  mutable std::vector<std::string> notes_;
  mutable std::vector<std::string> read_;  // every picture file read, in order
};

FourthByte ReadFourthByte(FieldReader& r, FourthByte inherited) {
  if (!r.Has("fourth_byte")) return inherited;
  const Json& v = r.Raw("fourth_byte");
  if (v.is_string() && v.get<std::string>() == "alpha") return FourthByte{true, 0};
  if (v.is_number_integer())
    return FourthByte{false,
                      static_cast<uint8_t>(IntOf(v, r.File(), r.PathOf("fourth_byte"), 0, 255))};
  r.Fail("fourth_byte", "expected \"alpha\" or a number 0 to 255");
}

// A picture reference: "file.png", or {"file": ..., "fourth_byte": ..., "unused_byte": ...}.
PictureValue ReadPictureRef(const Json& node, const SourceContext& ctx, const std::string& path,
                            FourthByte inherited) {
  PictureValue value;
  if (node.is_string()) {
    value.Image = ctx.LoadPicture(node.get<std::string>(), inherited, path);
    return value;
  }
  FieldReader r(node, ctx.File(), path, &ctx.Problems());
  if (!r.Has("file")) throw ToolError(ctx.File(), path, "names no \"file\"");
  const FourthByte fourth = ReadFourthByte(r, inherited);
  value.Unused = static_cast<uint8_t>(r.Int("unused_byte", 0, 0, 255));
  const std::string file = r.Raw("file").is_string() ? r.Raw("file").get<std::string>() : "";
  if (file.empty()) throw ToolError(ctx.File(), r.PathOf("file"), "expected a file name");
  value.Image = ctx.LoadPicture(file, fourth, r.PathOf("file"));
  r.Finish();
  return value;
}

// "spin_##.png" with frame 3 gives "spin_03.png".
std::string ExpandFramePattern(const std::string& pattern, int frame) {
  const size_t start = pattern.find('#');
  size_t end = start;
  while (end < pattern.size() && pattern[end] == '#') ++end;
  std::string number = std::to_string(frame);
  while (number.size() < end - start) number.insert(number.begin(), '0');
  return pattern.substr(0, start) + number + pattern.substr(end);
}

void ReadFrames(FieldReader& r, const SourceContext& ctx, uint8_t button, uint8_t state,
                FourthByte fourth, std::vector<PictureValue>& out) {
  const Json& frames = r.Raw("frames");
  const std::string path = r.PathOf("frames");
  if (frames.is_string()) {
    const std::string pattern = frames.get<std::string>();
    if (pattern.find('#') == std::string::npos)
      throw ToolError(ctx.File(), path,
                      "a frame pattern needs # where the number goes (\"spin_##.png\")");
    int frame = 1;
    for (; frame <= kMaxFrame; ++frame) {
      const std::string name = ExpandFramePattern(pattern, frame);
      if (!fs::exists(ctx.Resolve(name))) break;
      out.push_back(
          PictureAt(button, state, frame, ctx.LoadPicture(name, fourth, path + " (" + name + ")")));
    }
    if (frame == 1)
      throw ToolError(
          ctx.File(), path,
          "no frame found: " + ctx.Resolve(ExpandFramePattern(pattern, 1)) + " does not exist");
    if (frame > kMaxFrame && fs::exists(ctx.Resolve(ExpandFramePattern(pattern, frame))))
      throw ToolError(ctx.File(), path, "more than " + std::to_string(kMaxFrame) + " frames");
    return;
  }
  if (!frames.is_array())
    throw ToolError(ctx.File(), path,
                    "expected a list of pictures or a pattern such as \"spin_##.png\"");
  if (frames.size() > static_cast<size_t>(kMaxFrame))
    throw ToolError(ctx.File(), path, "more than " + std::to_string(kMaxFrame) + " frames");
  for (size_t i = 0; i < frames.size(); ++i) {
    if (frames[i].is_null()) continue;  // a gap: the frame shows empty for one step
    PictureValue value =
        ReadPictureRef(frames[i], ctx, path + "[" + std::to_string(i) + "]", fourth);
    value.Slot = {button, state, static_cast<int32_t>(i + 1)};
    out.push_back(std::move(value));
  }
}

// "pictures": {"normal": ..., "highlighted": ..., "pressed": ..., "accessory": ...}; each a
// picture reference, or an object with a still "file" and/or animation "frames" (its
// "fourth_byte" applies to all of them, its "unused_byte" to the still).
// A button's pictures are composed over the background at the button's place, its accessory
// pictures at the accessory's place.
std::vector<PictureValue> ReadPictures(FieldReader& owner, const SourceContext& ctx, uint8_t button,
                                       std::pair<int32_t, int32_t> buttonAt = {},
                                       std::pair<int32_t, int32_t> accessoryAt = {}) {
  std::vector<PictureValue> pictures;
  if (!owner.Has("pictures")) return pictures;
  FieldReader states = owner.Child("pictures");
  for (const NamedValue& state : ImageStateNames()) {
    if (!states.Has(state.Name)) continue;
    ctx.ComposeAt(button == 0                      ? std::nullopt
                  : state.Value == kAccessoryState ? std::optional(accessoryAt)
                                                   : std::optional(buttonAt));
    ctx.Problems().Guard([&] {
      const uint8_t s = static_cast<uint8_t>(state.Value);
      const Json& node = states.Raw(state.Name);
      const std::string path = states.PathOf(state.Name);
      if (node.is_string()) {
        PictureValue value = ReadPictureRef(node, ctx, path, FourthByte{});
        value.Slot = {button, s, 0};
        pictures.push_back(std::move(value));
        return;
      }
      FieldReader r(node, ctx.File(), path, &ctx.Problems());
      const FourthByte fourth = ReadFourthByte(r, FourthByte{});
      if (r.Has("file")) {
        PictureValue value = ReadPictureRef(r.Raw("file"), ctx, r.PathOf("file"), fourth);
        if (r.Has("unused_byte"))
          value.Unused = static_cast<uint8_t>(r.Int("unused_byte", 0, 0, 255));
        value.Slot = {button, s, 0};
        pictures.push_back(std::move(value));
      }
      if (r.Has("frames")) ReadFrames(r, ctx, button, s, fourth, pictures);
      r.Finish();
    });
  }
  states.Finish();
  return pictures;
}

void ReadFontFields(FieldReader& r, FontSetting& font) {
  font.Name = r.Text("name", font.Name);
  font.Size = r.Int("size", font.Size);
  font.Bold = r.Flag("bold", font.Bold);
  font.Italic = r.Flag("italic", font.Italic);
  font.Underline = r.Flag("underline", font.Underline);
}

void ReadFont(FieldReader& parent, const char* key, FontSetting& font) {
  if (!parent.Has(key)) return;
  FieldReader r = parent.Child(key);
  ReadFontFields(r, font);
  r.Finish();
}

void ReadDescription(FieldReader& root, MenuSettings& s) {
  if (!root.Has("description")) return;
  FieldReader d = root.Child("description");
  s.DefaultDescription = d.Text("text", s.DefaultDescription);
  ReadFont(d, "font", s.DescriptionFont);
  s.DescriptionColour = d.Rgb("colour", s.DescriptionColour);
  s.DescriptionLeft = d.Int("left", s.DescriptionLeft);
  s.DescriptionTop = d.Int("top", s.DescriptionTop);
  s.DescriptionWidth = d.Int("width", s.DescriptionWidth);
  s.DescriptionHeight = d.Int("height", s.DescriptionHeight);
  s.DescriptionAlignment = d.Named("alignment", s.DescriptionAlignment, AlignmentNames());
  if (d.Has("shadow")) {
    FieldReader sh = d.Child("shadow");
    s.ShadowOffset = sh.Int("offset", s.ShadowOffset);
    s.ShadowColour = sh.Rgb("colour", s.ShadowColour);
    sh.Finish();
  }
  d.Finish();
}

void ReadClockLabel(FieldReader& clock, const char* key, int32_t& shown, int32_t& left,
                    int32_t& top, FontSetting& font) {
  if (!clock.Has(key)) return;
  FieldReader r = clock.Child(key);
  shown = r.Flag("shown", -1);  // naming the label shows it unless told otherwise
  left = r.Int("left", left);
  top = r.Int("top", top);
  ReadFont(r, "font", font);
  r.Finish();
}

void ReadClock(FieldReader& root, MenuSettings& s) {
  if (!root.Has("clock")) return;
  FieldReader c = root.Child("clock");
  s.ClockColour = c.Rgb("colour", s.ClockColour);
  ReadClockLabel(c, "time", s.TimeShown, s.TimeLeft, s.TimeTop, s.TimeFont);
  ReadClockLabel(c, "date", s.DateShown, s.DateLeft, s.DateTop, s.DateFont);
  c.Finish();
}

const Picture* FindPicture(const std::vector<PictureValue>& pictures, int button, int state) {
  for (const PictureValue& p : pictures)
    if (p.Slot.Button == button && p.Slot.State == state && p.Slot.Frame == 0) return &p.Image;
  return nullptr;
}

constexpr int32_t kLastColourIndex = 15;

// The stored value is an index into the 16-colour table; a source may give the index or the
// table's colour as "#RRGGBB".
int32_t ReadTransparentColour(FieldReader& r, int64_t min, int64_t max) {
  const char* key = "transparent_colour";
  if (!r.Has(key) || !r.Raw(key).is_string())
    return r.Int(key, kDefaultTransparentColour, min, max);
  const uint32_t rgb = RgbOfColourText(r.Raw(key), r.File(), r.PathOf(key));
  std::string table;
  for (int32_t index = 0; index <= kLastColourIndex; ++index) {
    const uint32_t entry = RgbOfColourText(Json(index), r.File(), r.PathOf(key));
    if (entry == rgb) {
      if (index < min)
        r.Fail(key, r.Raw(key).get<std::string>() + " is colour " + std::to_string(index) +
                        ", which leaves the window rectangular; choose one of colours 1 to 15");
      return index;
    }
    char text[16];
    std::snprintf(text, sizeof text, "%s#%06X", index == 0 ? "" : ", ", entry);
    table += text;
  }
  r.Fail(key, r.Raw(key).get<std::string>() +
                  " is none of the 16 colours the outline can be cut by (indexes 0 to 15: " +
                  table + ")");
}

void ReadShape(FieldReader& root, const SourceContext& ctx, const Picture* background,
               MenuSettings& s) {
  if (!root.Has("shape")) return;
  FieldReader r = root.Child("shape");
  const int sources = int(r.Has("mask")) + int(r.Has("runs")) + int(r.Has("text"));
  if (sources != 1)
    throw ToolError(ctx.File(), r.Path(), "give exactly one of \"mask\", \"runs\" or \"text\"");
  if (r.Has("text")) {
    s.TransparentColour = ReadTransparentColour(r, INT32_MIN, INT32_MAX);
    s.ShapeText = r.Text("text", "");
    r.Finish();
    return;
  }
  // A real outline needs a colour index of 1 or more, or the player ignores it.
  s.TransparentColour = ReadTransparentColour(r, 1, kLastColourIndex);
  const uint32_t cutRgb = RgbOfColourText(Json(s.TransparentColour), ctx.File(), r.Path());
  int32_t width = background ? background->Width : 0;
  int32_t height = background ? background->Height : 0;
  std::vector<ShapeRun> runs;
  if (r.Has("mask")) {
    const std::string name = r.Text("mask", "");
    RgbaImage mask;
    try {
      mask = LoadPng(ctx.Resolve(name));
    } catch (const ToolError& e) {
      throw ToolError(ctx.File(), r.PathOf("mask"), e.what());
    }
    if (background && (mask.Width != width || mask.Height != height))
      throw ToolError(ctx.File(), r.PathOf("mask"),
                      "mask is " + std::to_string(mask.Width) + "x" + std::to_string(mask.Height) +
                          " but the background is " + std::to_string(width) + "x" +
                          std::to_string(height));
    width = mask.Width;
    height = mask.Height;
    runs = ShapeRunsFromMask(mask, cutRgb);
  } else {
    width = r.Int("width", width, 0, kMaxShapeNumber);
    height = r.Int("height", height, 0, kMaxShapeNumber);
    const Json& list = r.Raw("runs");
    if (!list.is_array()) r.Fail("runs", "expected a list of [y, x1, x2] runs");
    for (size_t i = 0; i < list.size(); ++i) {
      const std::string path = r.PathOf("runs") + "[" + std::to_string(i) + "]";
      if (!list[i].is_array() || list[i].size() != 3)
        throw ToolError(ctx.File(), path, "expected [y, x1, x2]");
      runs.push_back({IntOf(list[i][0], ctx.File(), path, 0, kMaxShapeNumber),
                      IntOf(list[i][1], ctx.File(), path, 0, kMaxShapeNumber),
                      IntOf(list[i][2], ctx.File(), path, 0, kMaxShapeNumber)});
    }
  }
  try {
    s.ShapeText = FormatShapeText(width, height, runs);
  } catch (const std::invalid_argument& e) {
    throw ToolError(ctx.File(), r.Path(), e.what());
  }
  r.Finish();
}

int32_t ReadButtonReference(FieldReader& root, const char* key,
                            const std::map<std::string, int32_t>& names) {
  if (!root.Has(key)) return 0;
  const Json& v = root.Raw(key);
  if (v.is_string()) {
    auto it = names.find(v.get<std::string>());
    if (it == names.end()) root.Fail(key, "no button is named \"" + v.get<std::string>() + "\"");
    return it->second;
  }
  return IntOf(v, root.File(), root.PathOf(key), INT32_MIN, INT32_MAX);
}

ButtonRecord ReadButton(FieldReader& r, const SourceContext& ctx, const MenuSettings& s,
                        uint8_t number, bool later, std::vector<PictureValue>& pictures) {
  ButtonRecord b = DefaultButton();
  r.Text("name", "");  // only for references and messages; not stored
  b.Left = r.Int("left", b.Left);
  b.Top = r.Int("top", b.Top);
  std::vector<PictureValue> own =
      ReadPictures(r, ctx, number, {b.Left, b.Top}, {s.AccessoryLeft, s.AccessoryTop});
  b.ButtonKind = r.Named("kind", own.empty() ? 1 : 0, ButtonKindNames());
  if (const Picture* normal = FindPicture(own, number, 0); normal && b.ButtonKind == kImageButton) {
    b.Width = normal->Width;
    b.Height = normal->Height;
  }
  b.Target = r.Text("target", b.Target);
  b.Parameters = r.Text("parameters", b.Parameters);
  b.Description = r.Text("description", b.Description);
  b.Width = r.Int("width", b.Width);
  b.Height = r.Int("height", b.Height);
  b.Caption = r.Text("caption", b.Caption);
  b.ShortcutKey = r.Text("shortcut", b.ShortcutKey);
  b.MinimizeAfter = r.Flag("minimize_after", b.MinimizeAfter);
  b.CloseAfter = r.Flag("close_after", b.CloseAfter);
  b.AnimMode = r.Named("animation", b.AnimMode, AnimationNames());
  b.RunMaximized = r.Named("window", b.RunMaximized, WindowStateNames());
  b.WaitForExit = r.Flag("wait_for_exit", b.WaitForExit);
  static const char* const kLaterOnly[] = {"font", "alignment", "viewer"};
  for (const char* key : kLaterOnly)
    if (!later && r.Has(key))
      ctx.Problems().Guard([&] { r.Fail(key, "exists only in menus of version 7 and later"); });
  if (r.Has("font")) {
    // A button's font also has a colour, which the menu's fonts lack.
    FieldReader f = r.Child("font");
    FontSetting font = ButtonFont(b);
    ReadFontFields(f, font);
    b.FontName = font.Name;
    b.FontSize = font.Size;
    b.Bold = font.Bold;
    b.Italic = font.Italic;
    b.Underline = font.Underline;
    b.FontColour = f.Colour("colour", b.FontColour);
    f.Finish();
  }
  b.Alignment = r.Named("alignment", b.Alignment, AlignmentNames());
  if (r.Has("viewer")) {
    FieldReader v = r.Child("viewer");
    // Naming a viewer asks for the check unless told otherwise.
    const int32_t checkOn = FlagOnValue(kViewerCheckFlag);
    b.ViewerCheck = v.Flag("check", checkOn, checkOn);
    b.ViewerName = v.Text("name", b.ViewerName);
    b.ViewerVersion = v.Text("version", b.ViewerVersion);
    b.ViewerCompare = v.Named("compare", b.ViewerCompare, ViewerCompareNames());
    v.Finish();
  }
  r.Finish();
  for (PictureValue& p : own) pictures.push_back(std::move(p));
  return b;
}

}  // namespace

MenuSource ParseMenuSource(const Json& root, const std::string& sourcePath,
                           std::optional<uint8_t> versionOverride) {
  SourceContext ctx(sourcePath);
  SourceProblems& problems = ctx.Problems();
  FieldReader r(root, sourcePath, "", &problems);
  MenuSource source;
  MenuFile& menu = source.Menu;

  menu.Header.Version = static_cast<uint8_t>(r.Int("version", kDefaultVersion, 6, 255));
  if (versionOverride) menu.Header.Version = *versionOverride;
  const bool later = IsLaterLayout(menu.Header.Version);
  source.OutputName = fs::path(sourcePath).stem().string() + ".mnu";
  if (r.Has("file"))
    problems.Guard([&] { source.OutputName = Cp1252TextOf(r.Raw("file"), sourcePath, "file"); });
  if (!IsValidPackedName(source.OutputName))
    problems.Record(ToolError(sourcePath, "file",
                              "\"" + source.OutputName +
                                  "\" is no valid menu name (1 to 256 "
                                  "characters, no folder, no leading or trailing blank)"));
  if (r.Has("header")) {
    FieldReader h = r.Child("header");
    std::string magic = "MENU";
    if (h.Has("magic"))
      problems.Guard([&] { magic = Cp1252TextOf(h.Raw("magic"), sourcePath, h.PathOf("magic")); });
    if (magic.size() == 4)
      std::copy(magic.begin(), magic.end(), menu.Header.Magic.begin());
    else
      problems.Guard([&] { h.Fail("magic", "expected four characters"); });
    menu.Header.Unused6 = static_cast<uint8_t>(h.Int("byte6", 0, 0, 255));
    menu.Header.Unused7 = static_cast<uint8_t>(h.Int("byte7", 0, 0, 255));
    h.Finish();
  }

  TextEncodingRequest encoding;
  if (r.Has(kTextEncodingKey)) encoding.Named = r.Text(kTextEncodingKey, "");
  encoding.UnusedTextsGiven = r.Has("unused_texts");

  MenuSettings& s = menu.Settings;
  s = DefaultSettings();
  s.MenuTitle = r.Text("title", s.MenuTitle);
  s.Placement = r.Named("placement", s.Placement, PlacementNames());
  s.ScrollTitle = r.Flag("scroll_title", s.ScrollTitle);
  s.AnimInterval = r.Int("anim_interval", s.AnimInterval);
  ReadDescription(r, s);
  ReadClock(r, s);
  if (r.Has("accessory")) {
    FieldReader a = r.Child("accessory");
    s.AccessoryLeft = a.Int("left", 0);
    s.AccessoryTop = a.Int("top", 0);
    a.Finish();
  }
  if (r.Has("unused_texts"))
    problems.Guard([&] {
      if (!later) r.Fail("unused_texts", "exists only in menus of version 7 and later");
      const Json& texts = r.Raw("unused_texts");
      if (!texts.is_array() || texts.size() != 4)
        r.Fail("unused_texts", "expected a list of four texts");
      for (size_t i = 0; i < 4; ++i)
        s.LaterLayoutTexts[i] =
            TextOf(texts[i], sourcePath, "unused_texts[" + std::to_string(i) + "]");
    });

  menu.Pictures = ReadPictures(r, ctx, 0);
  const Picture* background = FindPicture(menu.Pictures, 0, 0);
  ctx.SetBackground(background);
  problems.Guard([&] { ReadShape(r, ctx, background, s); });

  std::map<std::string, int32_t> buttonNames;
  const Json* list = r.Has("buttons") ? &r.Raw("buttons") : nullptr;
  if (list && !list->is_array()) {
    problems.Guard([&] { r.Fail("buttons", "expected a list of buttons"); });
    list = nullptr;
  } else if (list && list->size() > static_cast<size_t>(kMaxButtons)) {
    problems.Guard([&] {
      r.Fail("buttons", std::to_string(list->size()) + " buttons; a menu holds at most " +
                            std::to_string(kMaxButtons));
    });
    list = nullptr;
  }
  for (size_t i = 0; list && i < list->size(); ++i) {
    FieldReader b((*list)[i], sourcePath, "buttons[" + std::to_string(i) + "]", &problems);
    const uint8_t number = static_cast<uint8_t>(i + 1);
    if (b.Has("name"))
      problems.Guard([&] {
        const std::string name = TextOf(b.Raw("name"), sourcePath, b.PathOf("name"));
        if (!buttonNames.emplace(name, number).second)
          b.Fail("name", "another button is already named \"" + name + "\"");
      });
    problems.Guard(
        [&] { menu.Buttons.push_back(ReadButton(b, ctx, s, number, later, menu.Pictures)); });
  }
  problems.Guard([&] { s.InitialButton = ReadButtonReference(r, "initial_button", buttonNames); });
  r.Finish();
  if (!problems.List().empty()) throw ToolError(problems.List());

  // One fixed order (button, state, frame), so a dump of this file builds to the same bytes.
  std::stable_sort(menu.Pictures.begin(), menu.Pictures.end(),
                   [](const PictureValue& a, const PictureValue& b) {
                     return std::tie(a.Slot.Button, a.Slot.State, a.Slot.Frame) <
                            std::tie(b.Slot.Button, b.Slot.State, b.Slot.Frame);
                   });
  // Numbers that the player reads as off where true was most likely meant.
  auto warnFlags = [&](const std::vector<FlagField>& flags, const std::string& prefix) {
    for (const FlagField& flag : flags)
      if (FlagMeantOnReadOff(flag.Value, flag.Test))
        source.Warnings.push_back(sourcePath + ": " + prefix + flag.Field + ": " +
                                  FlagReadOffMessage(flag));
  };
  warnFlags(MenuFlagFields(s), "");
  for (size_t i = 0; i < menu.Buttons.size(); ++i)
    warnFlags(ButtonFlagFields(menu.Buttons[i]), "buttons[" + std::to_string(i) + "].");
  source.Notes = std::move(ctx.Notes());
  EncodeMenuTexts(menu, encoding, sourcePath, source.Notes);
  source.Pictures = std::move(ctx.Read());
  if (menu.Pictures.size() > 32767)
    throw ToolError(sourcePath, "pictures", "more than 32767 pictures in one menu");
  UpdateCounts(menu);
  return source;
}

MenuSource LoadMenuSource(const std::string& sourcePath, std::optional<uint8_t> versionOverride) {
  const std::vector<uint8_t> bytes = ReadWholeFile(sourcePath);
  Json root;
  try {
    root = Json::parse(bytes.begin(), bytes.end());
  } catch (const Json::parse_error& e) {
    throw ToolError(sourcePath, "", std::string("is not valid JSON: ") + e.what());
  }
  return ParseMenuSource(root, sourcePath, versionOverride);
}

}  // namespace orvane::pack
