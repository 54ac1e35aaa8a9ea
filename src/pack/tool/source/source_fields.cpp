#include "tool/source/source_fields.h"

#include <algorithm>
#include <cctype>

#include "common/colour.h"
#include "common/qbcolor.h"
#include "tool/source/code_page.h"
#include "tool/tool_error.h"

namespace orvane::pack {

const NameTable& PlacementNames() {
  static const NameTable t = {
      {"centre", 0},
      {"center", 0},
      {"top-left", 1},
      {"top-right", 2},
      {"bottom-left", 3},
      {"bottom-right", 4},
      {"top-left-quarter", 5},
      {"top-right-quarter", 6},
      {"bottom-left-quarter", 7},
      {"bottom-right-quarter", 8},
      {"upper-third", 9},
      {"upper-right", 10},
  };
  return t;
}
const NameTable& ButtonKindNames() {
  static const NameTable t = {{"image", 0}, {"push", 1}, {"label", 2}};
  return t;
}
const NameTable& AnimationNames() {
  static const NameTable t = {{"still", 0}, {"random", 1},         {"once", 2},
                              {"loop", 3},  {"there-and-back", 4}, {"bounce", 5}};
  return t;
}
const NameTable& AlignmentNames() {
  static const NameTable t = {{"left", 0}, {"right", 1}, {"centre", 2}, {"center", 2}};
  return t;
}
const NameTable& WindowStateNames() {
  static const NameTable t = {{"normal", 0}, {"maximized", 1}, {"maximised", 1}, {"hidden", 2}};
  return t;
}
const NameTable& ViewerCompareNames() {
  static const NameTable t = {{"equal", 0}, {"at-least", 1}};
  return t;
}
const NameTable& ImageStateNames() {
  static const NameTable t = {{"normal", 0}, {"highlighted", 1}, {"pressed", 2}, {"accessory", 3}};
  return t;
}

std::vector<FlagField> MenuFlagFields(const MenuSettings& s) {
  std::vector<FlagField> flags = {
      {"scroll_title", kScrollTitleFlag, s.ScrollTitle},
      {"clock.time.shown", kShownFlag, s.TimeShown},
      {"clock.date.shown", kShownFlag, s.DateShown},
  };
  const std::pair<const char*, const FontSetting*> fonts[] = {
      {"description.font", &s.DescriptionFont},
      {"clock.time.font", &s.TimeFont},
      {"clock.date.font", &s.DateFont}};
  for (const auto& [path, font] : fonts) {
    const std::string at = path;
    flags.push_back({at + ".bold", kFontStyleFlag, font->Bold});
    flags.push_back({at + ".italic", kFontStyleFlag, font->Italic});
    flags.push_back({at + ".underline", kFontStyleFlag, font->Underline});
  }
  return flags;
}

std::vector<FlagField> ButtonFlagFields(const ButtonRecord& b) {
  return {
      {"minimize_after", kMinimizeAfterFlag, b.MinimizeAfter},
      {"close_after", kCloseAfterFlag, b.CloseAfter},
      {"wait_for_exit", kWaitForExitFlag, b.WaitForExit},
      {"font.bold", kFontStyleFlag, b.Bold},
      {"font.italic", kFontStyleFlag, b.Italic},
      {"font.underline", kFontStyleFlag, b.Underline},
      {"viewer.check", kViewerCheckFlag, b.ViewerCheck},
  };
}

std::string FlagReadOffMessage(const FlagField& flag) {
  const std::string on = std::to_string(FlagOnValue(flag.Test));
  return std::to_string(flag.Value) +
         " is off for the player, which counts this flag as on only at "
         "exactly " +
         on + "; write true (stored as " + on + ")";
}

bool IsNamedValue(const NameTable& table, int32_t value) {
  for (const NamedValue& named : table)
    if (named.Value == value) return true;
  return false;
}

Json NameOrNumber(const NameTable& table, int32_t value) {
  for (const NamedValue& nv : table)
    if (nv.Value == value) return nv.Name;
  return value;
}

Json FlagJson(int32_t value, int32_t onValue) {
  if (value == onValue) return true;
  if (value == 0) return false;
  return value;
}

namespace {

bool IsByte(int32_t v) { return v >= 0 && v <= 255; }

std::string Describe(const Json& value) {
  std::string text = value.dump();
  if (text.size() > 40) text = text.substr(0, 37) + "...";
  return text;
}

}  // namespace

Json RgbJson(const RgbSetting& rgb) {
  if (IsByte(rgb.Red) && IsByte(rgb.Green) && IsByte(rgb.Blue))
    return HexRgb(PixelOfRgb(rgb.Red, rgb.Green, rgb.Blue));
  Json o = Json::object();
  o["red"] = rgb.Red;
  o["green"] = rgb.Green;
  o["blue"] = rgb.Blue;
  return o;
}

Json ColourValueJson(int32_t colour) {
  if (colour >= 0 && colour <= 0xFFFFFF) {
    return HexRgb(SwapRedBlue(static_cast<uint32_t>(colour)));
  }
  Json o = Json::object();
  o["value"] = colour;
  return o;
}

int32_t IntOf(const Json& value, const std::string& file, const std::string& path, int64_t min,
              int64_t max) {
  if (!value.is_number_integer())
    throw ToolError(file, path, "expected a whole number, found " + Describe(value));
  const int64_t v = value.is_number_unsigned()
                        ? static_cast<int64_t>(std::min<uint64_t>(value.get<uint64_t>(), INT64_MAX))
                        : value.get<int64_t>();
  if (v < min || v > max)
    throw ToolError(
        file, path,
        std::to_string(v) + " is outside " + std::to_string(min) + " to " + std::to_string(max));
  return static_cast<int32_t>(v);
}

std::string TextOf(const Json& value, const std::string& file, const std::string& path) {
  if (!value.is_string()) throw ToolError(file, path, "expected a text, found " + Describe(value));
  return value.get<std::string>();  // the JSON reader has checked it is UTF-8
}

std::string Cp1252TextOf(const Json& value, const std::string& file, const std::string& path) {
  const std::optional<std::string> stored = Utf8ToCp1252(TextOf(value, file, path));
  if (!stored) throw ToolError(file, path, "holds a character that Windows-1252 lacks");
  return *stored;
}

uint32_t RgbOfColourText(const Json& value, const std::string& file, const std::string& path) {
  if (value.is_number_integer()) {
    const int32_t index = IntOf(value, file, path, 0, 15);
    NullDebugOutput quiet;
    return SwapRedBlue(QBColor(static_cast<uint32_t>(index), quiet));
  }
  if (value.is_string()) {
    const std::string text = value.get<std::string>();
    bool ok = text.size() == 7 && text[0] == '#';
    uint32_t rgb = 0;
    for (size_t i = 1; ok && i < 7; ++i) {
      const char c = text[i];
      int digit = -1;
      if (c >= '0' && c <= '9') digit = c - '0';
      if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      ok = digit >= 0;
      rgb = rgb << 4 | static_cast<uint32_t>(digit < 0 ? 0 : digit);
    }
    if (ok) return rgb;
  }
  throw ToolError(
      file, path,
      "expected a colour as \"#RRGGBB\" or a 16-colour index 0 to 15, found " + Describe(value));
}

namespace {

// Every place of a source and the fields it holds, for the hint on a field written elsewhere.
struct FieldPlace {
  const char* Where;
  std::vector<std::string> Fields;
};
const std::vector<FieldPlace>& FieldPlaces() {
  static const std::vector<FieldPlace> places = {
      {"the top level",
       {"version", "file", "header", "title", "placement", "scroll_title", "anim_interval",
        "description", "clock", "accessory", "unused_texts", "pictures", "shape", "buttons",
        "initial_button"}},
      {"\"header\"", {"magic", "byte6", "byte7"}},
      {"\"description\"",
       {"text", "font", "colour", "left", "top", "width", "height", "alignment", "shadow"}},
      {"\"description.shadow\"", {"offset", "colour"}},
      {"a \"font\"", {"name", "size", "bold", "italic", "underline", "colour"}},
      {"\"clock\"", {"colour", "time", "date"}},
      {"\"clock.time\" or \"clock.date\"", {"shown", "left", "top", "font"}},
      {"\"accessory\"", {"left", "top"}},
      {"\"shape\"", {"mask", "runs", "text", "transparent_colour", "width", "height"}},
      {"\"pictures\"", {"normal", "highlighted", "pressed", "accessory"}},
      {"a picture given as an object", {"file", "frames", "fourth_byte", "unused_byte"}},
      {"a button",
       {"name",        "kind",      "target", "parameters",    "description", "left",
        "top",         "width",     "height", "caption",       "shortcut",    "minimize_after",
        "close_after", "animation", "window", "wait_for_exit", "font",        "alignment",
        "viewer",      "pictures"}},
      {"a button's \"viewer\"", {"check", "name", "version", "compare"}},
  };
  return places;
}

// Edits (insert, delete, replace, swap two neighbours) from a to b, letters compared case-blind.
size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      const bool same = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                        std::tolower(static_cast<unsigned char>(b[j - 1]));
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (same ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

// No field name is longer; a longer key is no slip of the keyboard, and is not compared.
constexpr size_t kMaxComparedKey = 64;

// The closest name, when it is close enough to be a slip of the keyboard.
std::string ClosestName(const std::string& key, const std::set<std::string>& names) {
  std::string best;
  if (key.size() > kMaxComparedKey) return best;
  size_t bestDistance = std::max<size_t>(1, key.size() / 4) + 1;
  for (const std::string& name : names) {
    const size_t distance = EditDistance(key, name);
    if (distance < bestDistance) {
      best = name;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

std::string UnknownFieldMessage(const std::string& path, const std::string& key,
                                const std::set<std::string>& knownHere) {
  if (const std::string close = ClosestName(key, knownHere); !close.empty())
    return "unknown field; did you mean \"" + close + "\"?";
  std::set<std::string> everywhere;
  for (const FieldPlace& place : FieldPlaces())
    everywhere.insert(place.Fields.begin(), place.Fields.end());
  const std::string name = everywhere.count(key) ? key : ClosestName(key, everywhere);
  if (name.empty()) return "unknown field (misspelt?)";
  std::vector<std::string> places;
  for (const FieldPlace& place : FieldPlaces())
    if (std::find(place.Fields.begin(), place.Fields.end(), name) != place.Fields.end())
      places.push_back(place.Where);
  std::string where;
  for (size_t i = 0; i < places.size() && i < 4; ++i)
    where += (i == 0                                        ? ""
              : i + 1 == std::min<size_t>(places.size(), 4) ? " or "
                                                            : ", ") +
             places[i];
  const std::string here = path.empty() ? "at the top level" : "in \"" + path + "\"";
  return name == key ? "unknown field " + here + "; it belongs in " + where
                     : "unknown field; did you mean \"" + name + "\" (in " + where + ")?";
}

FieldReader::FieldReader(const Json& node, std::string file, std::string path,
                         SourceProblems* problems)
    : node_(node.is_object() || !problems ? node : EmptyObject()),
      file_(std::move(file)),
      path_(std::move(path)),
      problems_(problems) {
  if (!node.is_object()) {
    const ToolError error(file_, path_.empty() ? "(top level)" : path_,
                          "expected an object { ... }, found " + Describe(node));
    if (!problems_) throw error;
    problems_->Record(error);
  }
}

const Json& FieldReader::EmptyObject() {
  static const Json empty = Json::object();
  return empty;
}

bool FieldReader::Has(const char* key) const {
  asked_.insert(key);
  return node_.contains(key);
}

std::string FieldReader::PathOf(const char* key) const {
  return path_.empty() ? std::string(key) : path_ + "." + key;
}

const Json& FieldReader::Raw(const char* key) {
  seen_.insert(key);
  asked_.insert(key);
  return node_.at(key);
}

int32_t FieldReader::Int(const char* key, int32_t fallback, int64_t min, int64_t max) {
  if (!Has(key)) return fallback;
  return Recorded(fallback, [&] { return IntOf(Raw(key), file_, PathOf(key), min, max); });
}

int32_t FieldReader::Flag(const char* key, int32_t fallback, int32_t onValue) {
  if (!Has(key)) return fallback;
  return Recorded(fallback, [&] {
    const Json& v = Raw(key);
    if (v.is_boolean()) return v.get<bool>() ? onValue : 0;
    if (v.is_number_integer()) return IntOf(v, file_, PathOf(key), INT32_MIN, INT32_MAX);
    Fail(key, "expected true, false or a number, found " + Describe(v));
  });
}

std::string FieldReader::Text(const char* key, const std::string& fallback) {
  if (!Has(key)) return fallback;
  return Recorded(fallback, [&] { return TextOf(Raw(key), file_, PathOf(key)); });
}

int32_t FieldReader::Named(const char* key, int32_t fallback, const NameTable& table) {
  if (!Has(key)) return fallback;
  return Recorded(fallback, [&] {
    const Json& v = Raw(key);
    if (v.is_number_integer()) return IntOf(v, file_, PathOf(key), INT32_MIN, INT32_MAX);
    if (v.is_string()) {
      for (const NamedValue& nv : table)
        if (v.get<std::string>() == nv.Name) return nv.Value;
    }
    std::string names;
    for (const NamedValue& nv : table) names += std::string(names.empty() ? "" : ", ") + nv.Name;
    Fail(key, "expected one of " + names + " (or a number), found " + Describe(v));
  });
}

RgbSetting FieldReader::Rgb(const char* key, const RgbSetting& fallback) {
  if (!Has(key)) return fallback;
  return Recorded(fallback, [&] {
    const Json& v = Raw(key);
    if (v.is_object()) {
      FieldReader parts(v, file_, PathOf(key), problems_);
      RgbSetting rgb;
      rgb.Red = parts.Int("red", 0);
      rgb.Green = parts.Int("green", 0);
      rgb.Blue = parts.Int("blue", 0);
      parts.Finish();
      return rgb;
    }
    const RgbChannels c = ChannelsOfPixel(RgbOfColourText(v, file_, PathOf(key)));
    return RgbSetting{c.Red, c.Green, c.Blue};
  });
}

int32_t FieldReader::Colour(const char* key, int32_t fallback) {
  if (!Has(key)) return fallback;
  return Recorded(fallback, [&] {
    const Json& v = Raw(key);
    if (v.is_object()) {
      FieldReader parts(v, file_, PathOf(key), problems_);
      const int32_t value = parts.Int("value", 0);
      parts.Finish();
      return value;
    }
    const uint32_t rgb = RgbOfColourText(v, file_, PathOf(key));
    return static_cast<int32_t>(SwapRedBlue(rgb));
  });
}

FieldReader FieldReader::Child(const char* key) {
  return FieldReader(Raw(key), file_, PathOf(key), problems_);
}

void FieldReader::Finish() const {
  for (auto it = node_.begin(); it != node_.end(); ++it) {
    if (seen_.count(it.key())) continue;
    const std::string& key = it.key();
    const std::string shown = key.size() > kMaxComparedKey ? key.substr(0, 40) + "..." : key;
    const ToolError error(file_, PathOf(shown.c_str()), UnknownFieldMessage(path_, key, asked_));
    if (!problems_) throw error;
    problems_->Record(error);
  }
}

void FieldReader::Fail(const char* key, const std::string& message) const {
  throw ToolError(file_, PathOf(key), message);
}

}  // namespace orvane::pack
