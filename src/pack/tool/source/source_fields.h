#pragma once
// The readable names of a menu source and the typed reading of its JSON fields. Every reader
// knows the file and the path of the field it reads, so that each error names both; unknown keys
// are errors too, since a misspelt key would otherwise fall back to a default unnoticed.
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "menudata/flag_rules.h"
#include "menudata/menu_file.h"
#include "nlohmann/json.hpp"
#include "tool/tool_error.h"

namespace orvane::pack {

using Json = nlohmann::ordered_json;

struct NamedValue {
  const char* Name;
  int32_t Value;
};
// The first name of a value is the one a dump writes; later ones are accepted spellings.
using NameTable = std::vector<NamedValue>;

const NameTable& PlacementNames();
const NameTable& ButtonKindNames();
const NameTable& AnimationNames();
const NameTable& AlignmentNames();
const NameTable& WindowStateNames();
const NameTable& ViewerCompareNames();
const NameTable& ImageStateNames();

// Every yes/no field of a menu or button under its source name, with the player's test for on.
struct FlagField {
  std::string Field;
  FlagTest Test;
  int32_t Value;
};
std::vector<FlagField> MenuFlagFields(const MenuSettings& settings);
std::vector<FlagField> ButtonFlagFields(const ButtonRecord& button);
// Why a number that FlagMeantOnReadOff picks out does nothing, and what to write instead.
std::string FlagReadOffMessage(const FlagField& flag);

// A name when the table has one for the value, else the plain number.
Json NameOrNumber(const NameTable& table, int32_t value);
// Whether the table names the value: the values the player knows.
bool IsNamedValue(const NameTable& table, int32_t value);
// true/false for the on value and 0, else the plain number.
Json FlagJson(int32_t value, int32_t onValue);
// "#RRGGBB" when every part is a byte, else an object of the three numbers.
Json RgbJson(const RgbSetting& rgb);
// "#RRGGBB" for 0x00BBGGRR values, else {"value": n}.
Json ColourValueJson(int32_t colour);

// The problems of one source, gathered so that one run reports every mistake, in the order they
// were read.
class SourceProblems {
 public:
  void Record(const ToolError& error) {
    for (const std::string& m : error.Messages()) list_.push_back(m);
  }
  // Runs read; what it throws is recorded and reading goes on with what follows.
  template <class Read>
  void Guard(Read&& read) {
    try {
      read();
    } catch (const ToolError& e) {
      Record(e);
    }
  }
  const std::vector<std::string>& List() const { return list_; }

 private:
  std::vector<std::string> list_;
};

// What an unknown field of the object at path most likely should have been: the closest of
// the names known there, or the place where that name belongs.
std::string UnknownFieldMessage(const std::string& path, const std::string& key,
                                const std::set<std::string>& knownHere);

class FieldReader {
 public:
  // Without problems, the first bad value throws; with them, each bad value is recorded there
  // and its fallback read instead (an object that is not one reads as empty).
  FieldReader(const Json& node, std::string file, std::string path,
              SourceProblems* problems = nullptr);

  bool Has(const char* key) const;
  std::string PathOf(const char* key) const;
  const std::string& File() const { return file_; }
  const std::string& Path() const { return path_; }

  int32_t Int(const char* key, int32_t fallback, int64_t min = INT32_MIN, int64_t max = INT32_MAX);
  // true gives onValue, false 0; a number is stored as it stands.
  int32_t Flag(const char* key, int32_t fallback, int32_t onValue = -1);
  // UTF-8, as the source holds it; EncodeMenuTexts stores it in the menu's encoding.
  std::string Text(const char* key, const std::string& fallback);
  int32_t Named(const char* key, int32_t fallback, const NameTable& table);
  // "#RRGGBB", a 16-colour index, or {"red","green","blue"}.
  RgbSetting Rgb(const char* key, const RgbSetting& fallback);
  // "#RRGGBB", a 16-colour index, or {"value": n}: one 0x00BBGGRR value.
  int32_t Colour(const char* key, int32_t fallback);
  FieldReader Child(const char* key);
  const Json& Raw(const char* key);

  SourceProblems* Problems() const { return problems_; }

  // Reports the keys that no reader asked for (throws for the first without problems).
  void Finish() const;
  [[noreturn]] void Fail(const char* key, const std::string& message) const;

 private:
  static const Json& EmptyObject();
  template <class T, class Read>
  T Recorded(const T& fallback, Read&& read) {
    if (!problems_) return read();
    try {
      return read();
    } catch (const ToolError& e) {
      problems_->Record(e);
      return fallback;
    }
  }

  const Json& node_;
  std::string file_;
  std::string path_;
  SourceProblems* problems_;
  std::set<std::string> seen_;
  mutable std::set<std::string> asked_;  // every key a reader looked for: the names known here
};

// The same conversions for a bare JSON value (array elements).
int32_t IntOf(const Json& value, const std::string& file, const std::string& path, int64_t min,
              int64_t max);
std::string TextOf(const Json& value, const std::string& file, const std::string& path);
// The header's bytes and the packed file name stay 8-bit Windows-1252, whatever the texts are.
std::string Cp1252TextOf(const Json& value, const std::string& file, const std::string& path);
uint32_t RgbOfColourText(const Json& value, const std::string& file, const std::string& path);

}  // namespace orvane::pack
