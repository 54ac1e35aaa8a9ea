#include "tool/disc/autorun_check.h"

#include <filesystem>

#include "app/menu_name.h"
#include "common/text.h"
#include "tool/file_io.h"
#include "tool/source/code_page.h"

namespace fs = std::filesystem;

namespace orvane::pack {

namespace {

std::string Trim(const std::string& text) {
  const size_t start = text.find_first_not_of(" \t");
  if (start == std::string::npos) return "";
  return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// A command line's words; a quoted word may hold blanks.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  for (size_t i = line.find_first_not_of(' '); i != std::string::npos;
       i = line.find_first_not_of(' ', i)) {
    std::string word;
    if (line[i] == '"') {
      const size_t end = line.find('"', i + 1);
      word = line.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
      i = end == std::string::npos ? line.size() : end + 1;
    } else {
      const size_t end = line.find(' ', i);
      word = line.substr(i, end == std::string::npos ? std::string::npos : end - i);
      i = end == std::string::npos ? line.size() : end;
    }
    words.push_back(word);
  }
  return words;
}

std::string DiscRelative(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  while (!path.empty() && path.front() == '\\') path.erase(path.begin());
  return path;
}

}  // namespace

void CheckAutorun(const std::string& discDir,
                  const std::map<std::string, std::vector<PackedEntry>>& players,
                  DiscReport& report) {
  const std::string path = FindOnDisc(discDir, "autorun.inf", false);
  if (path.empty()) return;
  auto add = [&](size_t line, const std::string& entry, const std::string& message) {
    report.Problems.push_back({"autorun.inf", 0, line ? "line " + std::to_string(line) : "",
                               (entry.empty() ? "" : Cp1252ToUtf8(entry) + ": ") + message});
  };
  std::error_code ec;
  if (fs::file_size(path, ec) > kMaxAutorunSize) {
    add(0, "",
        "is larger than " + std::to_string(kMaxAutorunSize / 1024) +
            " KiB; Windows would not read it as an autorun file");
    return;
  }
  const Bytes bytes = ReadWholeFile(path);
  const std::string text(bytes.begin(), bytes.end());
  bool inAutorun = false, opens = false;
  size_t number = 0, start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    line = Trim(line);
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      inAutorun = AsciiEqualsNoCase(line, "[autorun]");
      continue;
    }
    const size_t equals = line.find('=');
    if (!inAutorun || equals == std::string::npos) continue;
    const std::string key = AsciiLower(Trim(line.substr(0, equals)));
    const std::string value = Trim(line.substr(equals + 1));
    if (key == "open" || key == "shellexecute") {
      opens = true;
      const std::vector<std::string> words = Words(value);
      if (words.empty()) {
        add(number, line, "names no program to start");
        continue;
      }
      const std::string program = FindOnDisc(discDir, DiscRelative(words[0]), false);
      const auto player = players.find(fs::path(program).filename().string());
      if (program.empty()) {
        add(number, line, "the folder holds no " + Cp1252ToUtf8(words[0]));
      } else if (player == players.end() || player->second.empty()) {
        add(number, line, Cp1252ToUtf8(words[0]) + " is no packed player (an .exe with menus)");
      } else if (words.size() > 1) {
        const std::string menu = AsciiLower(MenuNameFromArgument(words[1]));
        bool carried = false;
        std::string names;
        for (const PackedEntry& entry : player->second) {
          if (!entry.Reachable()) continue;
          carried = carried || entry.Name == menu;
          names += (names.empty() ? "" : ", ") + Cp1252ToUtf8(entry.Name);
        }
        if (!carried)
          add(number, line,
              "the player carries no menu named " + Cp1252ToUtf8(menu) + " (it carries " + names +
                  "), so it quits at start");
      }
    } else if (key == "icon") {
      // "file,index" picks an icon inside a program.
      std::string icon = value;
      const size_t comma = icon.rfind(',');
      if (comma != std::string::npos &&
          icon.find_first_not_of("-0123456789 ", comma + 1) == std::string::npos)
        icon = Trim(icon.substr(0, comma));
      if (icon.size() >= 2 && icon.front() == '"' && icon.back() == '"')
        icon = icon.substr(1, icon.size() - 2);
      if (icon.empty() || FindOnDisc(discDir, DiscRelative(icon), false).empty())
        add(number, line, "the folder holds no " + (icon.empty() ? "icon" : Cp1252ToUtf8(icon)));
    }
  }
  if (!opens) add(0, "", "has no open= line in its [autorun] section, so nothing starts");
}

}  // namespace orvane::pack
