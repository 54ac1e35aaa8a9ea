#include "tool/disc/disc_check.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>

#include "actions/target_form.h"
#include "actions/target_text.h"
#include "app/selection.h"
#include "common/text.h"
#include "common/utf8.h"
#include "menudata/mdlfilebin.h"
#include "tool/source/code_page.h"
#include "tool/counted.h"
#include "tool/disc/disc_links.h"
#include "tool/file_io.h"
#include "tool/disc/autorun_check.h"
#include "tool/disc/shown_menu.h"
#include "tool/disc/text_fit.h"
#include "tool/source/menu_texts.h"
#include "tool/source/shape.h"
#include "tool/source/source_fields.h"
#include "tool/terminal_text.h"
#include "tool/tool_error.h"

namespace fs = std::filesystem;

namespace orvane::pack {

namespace {

// The player's folder as the dispatcher sees it at the root of the disc: its drive letter, which
// "%CD%" becomes at run time, is a character no real target holds.
constexpr char kDiscDrive = '\x01';
const std::string kDiscRoot = std::string(1, kDiscDrive) + ":\\";

ResolvedTarget ClassifyPath(std::string path) {
  ResolvedTarget r;
  if (path.size() >= 2 && path[0] == kDiscDrive && path[1] == ':') {
    path = path.substr(2);
  } else if ((path.size() >= 2 && path[1] == ':') || path.rfind("\\\\", 0) == 0) {
    r.Kind = TargetKind::OffDisc;
    r.Path = path;
    return r;
  }
  // Relative targets are opened from the player's folder, where a disc starts it.
  while (!path.empty() && path.front() == '\\') path.erase(path.begin());
  r.Kind = (!path.empty() && path.back() == '\\') || path.empty() ? TargetKind::DiscFolder
                                                                  : TargetKind::DiscFile;
  r.Path = path;
  return r;
}

std::string ButtonLabel(const ButtonRecord& b) {
  std::string label = !b.Caption.empty() ? b.Caption : b.Description;
  std::string plain;
  for (char c : label) {
    if (c == '&') continue;
    plain += (c == '\r' || c == '\n') ? ' ' : c;
  }
  size_t cut = 0;  // after the 27th character, never inside one
  for (int i = 0; i < 27 && cut < plain.size(); ++i) cut = NextUtf8Character(plain, cut);
  if (Utf8CharacterCount(plain) > 30) plain = plain.substr(0, cut) + "...";
  return plain;
}

// The letter that reaches a button from the keyboard: the "&" letter of a push or label
// button's caption, the shortcut text of any other, as written. 0 when there is none.
char32_t AcceleratorOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    size_t length = 0;
    return DecodeUtf8At(caption, i + 1, length);
  }
  return 0;
}

char32_t ShortcutOf(const ButtonRecord& b) {
  if (b.ButtonKind == 1 || b.ButtonKind == 2) return AcceleratorOf(b.Caption);
  return AcceleratorOf("&" + b.ShortcutKey);
}

std::string Printable(char32_t c) {
  if (c == ' ') return "space";
  std::string text;
  AppendUtf8(text, c);
  return text;
}

}  // namespace

std::string FormatFinding(const Finding& f) {
  std::string text = f.Menu;
  if (f.Button > 0) text += ": button " + std::to_string(f.Button);
  if (!f.Field.empty()) text += ": " + f.Field;
  return text + ": " + f.Message;
}

int PrintReport(const DiscReport& report, const std::string& discDir, std::ostream& out) {
  for (const Finding& f : report.Problems) out << TerminalText(FormatFinding(f)) << "\n";
  for (const Finding& f : report.Notes) out << "note: " << TerminalText(FormatFinding(f)) << "\n";
  const size_t problems = report.Problems.size();
  const size_t notes = report.Notes.size();
  std::string summary = problems == 0 ? discDir + ": no problems found"
                                      : Counted(problems, "problem") + " found";
  if (notes > 0) summary += ", " + Counted(notes, "note");
  out << summary << "\n";
  return problems == 0 ? 0 : 1;
}

ResolvedTarget ResolveTarget(const std::string& target) {
  // The player's own rules, with the player at the disc's root.
  ResolvedTarget r;
  switch (ClassifyTarget(target)) {
    case ActionKind::RawLaunch: {
      const std::string file = RawLaunchFile(target, kDiscRoot);
      // A bare program name without a folder is found by Windows itself (cmd.exe, notepad.exe),
      // so it cannot be called missing.
      if (FolderPart(file).empty()) return ResolvedTarget{TargetKind::SearchPath, file};
      return ClassifyPath(file);
    }
    case ActionKind::NoAction:
    case ActionKind::NoTarget:
      return r;
    case ActionKind::Message:
      r.Kind = TargetKind::Message;
      return r;
    case ActionKind::MenuSwitch:
      r.Kind = TargetKind::MenuSwitch;
      r.Path = AsciiLower(target);
      return r;
    case ActionKind::Launch:
      break;
  }
  const LaunchTarget launch = RewriteLaunchTarget(target, kDiscRoot);
  if (!launch.Local) return ResolvedTarget{TargetKind::Address, launch.Path};
  // The launch rules leave the macro as text, so the player looks for a file whose name holds
  // it, finds none, and searches the disc for the bare file name.
  if (target.find(kDriveMacro) != std::string::npos)
    return ResolvedTarget{TargetKind::MacroAsText, launch.Path};
  return ClassifyPath(launch.Path);
}

std::string FindOnDisc(const std::string& discDir, const std::string& relative, bool wantFolder) {
  std::vector<fs::path> stack{fs::path(discDir)};
  size_t start = 0;
  while (start <= relative.size()) {
    size_t end = relative.find('\\', start);
    if (end == std::string::npos) end = relative.size();
    const std::string part = relative.substr(start, end - start);
    start = end + 1;
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      if (stack.size() == 1) return "";  // above the disc's root
      stack.pop_back();
      continue;
    }
    const fs::path here = stack.back();
    std::error_code ec;
    fs::path found;
    // Targets are UTF-8 here, on every system the tool runs on.
    if (fs::exists(here / fs::u8path(part), ec)) {
      found = here / fs::u8path(part);
    } else {
      for (fs::directory_iterator it(here, ec), last; !ec && it != last; it.increment(ec)) {
        if (AsciiEqualsNoCase(it->path().filename().u8string(), part)) {
          found = it->path();
          break;
        }
      }
    }
    if (found.empty()) return "";
    stack.push_back(found);
  }
  std::error_code ec;
  const bool isFolder = fs::is_directory(stack.back(), ec);
  return isFolder == wantFolder ? stack.back().string() : "";
}

namespace {

// What a launch target holding "%CD%" should say instead: "%CD%:\\docs\\a.pdf" becomes
// "\\docs\\a.pdf" (from the disc's root) or "%docs\\a.pdf" (from the player's folder).
std::string MacroAdvice(const std::string& target) {
  const std::string head = std::string(kDriveMacro) + ":";
  std::string rest = target.compare(0, head.size(), head) == 0 ? target.substr(head.size()) : "";
  while (!rest.empty() && (rest[0] == '\\' || rest[0] == '/')) rest.erase(rest.begin());
  const std::string fix =
      rest.empty() ? "start it with \\ (from the root of the disc's drive) or % (from the "
                     "player's folder)"
                   : "write \"\\" + rest + "\" (from the root of the disc's drive) or \"%" + rest +
                         "\" (from the player's folder)";
  return ": the player expands %CD% only in parameters and in %NOPROC% targets, so it looks for "
         "this name as it stands and then searches the whole disc; " + fix;
}

}  // namespace

void CheckMenu(const std::string& menuName, const ReadMenu& read, const std::string& discDir,
               const std::vector<PackedEntry>& packed, DiscReport& report) {
  auto add = [&](int button, const std::string& field, const std::string& message) {
    report.Problems.push_back({menuName, button, field, message});
  };
  auto note = [&](int button, const std::string& field, const std::string& message) {
    report.Notes.push_back({menuName, button, field, message});
  };
  if (!read.HeaderAccepted) {
    add(0, "header", "the player refuses this menu (not a menu file of version 6 or later)");
    return;
  }
  if (read.ReadError) {
    std::string detail;
    for (const std::string& m : read.Messages) detail += " " + m;
    add(0, "", "the player reports \"Error loading binary menu data.\": the file is damaged or "
               "cut short" + detail);
  }
  if (read.InvalidUtf8Texts > 0)
    add(0, kTextEncodingKey,
        std::to_string(read.InvalidUtf8Texts) +
            (read.InvalidUtf8Texts == 1 ? " text is" : " texts are") +
            " not valid UTF-8 although the menu is marked UTF-8; the player shows U+FFFD in "
            "place of the broken bytes (build the menu again from its source)");
  if (!read.FirstEightBitField.empty())
    note(0, read.FirstEightBitField,
         "texts outside 7-bit ASCII in a menu without the UTF-8 mark: shows as written only on "
         "computers set to code page " + read.TextEncoding.substr(read.TextEncoding.find('-') + 1) +
             " (build it with \"text_encoding\": \"utf-8\" to show it alike everywhere)");
  const MenuFile& menu = read.Menu;
  const MenuSettings& s = menu.Settings;
  const int count = static_cast<int>(menu.Buttons.size());
  if (count > kMaxButtons)
    add(0, "buttons", std::to_string(count) + " buttons; the player shows at most " +
                          std::to_string(kMaxButtons));
  if (s.Placement < 0 || s.Placement > 10)
    add(0, "placement", std::to_string(s.Placement) + " is no placement code (0 to 10); the "
                        "player centres the window");
  if (s.InitialButton > count)
    add(0, "initial_button", "button " + std::to_string(s.InitialButton) + " does not exist");
  for (const FlagField& flag : MenuFlagFields(s))
    if (FlagMeantOnReadOff(flag.Value, flag.Test)) add(0, flag.Field, FlagReadOffMessage(flag));

  // Pictures: where they land, and which of them the player can ever show.
  std::map<std::tuple<int, int, int>, const Picture*> slots;
  for (const PictureValue& p : menu.Pictures) {
    const PictureSlot& slot = p.Slot;
    const std::string where = "picture (button " + std::to_string(slot.Button) + ", state " +
                              std::to_string(slot.State) + ", frame " + std::to_string(slot.Frame) + ")";
    if (slot.Button > count || slot.State > kMaxImageState || slot.Frame < 0 || slot.Frame > kMaxFrame) {
      note(slot.Button <= count ? slot.Button : 0, "pictures",
           where + " lies outside the menu's buttons, states or frames 0 to " +
               std::to_string(kMaxFrame) + "; the player never shows it");
      continue;
    }
    if (p.Image.Empty()) continue;  // a failed picture is already a read error
    slots[{slot.Button, slot.State, slot.Frame}] = &p.Image;
  }
  auto picture = [&](int b, int st, int f) -> const Picture* {
    auto it = slots.find({b, st, f});
    return it == slots.end() ? nullptr : it->second;
  };
  // Pictures of states (and frames) that the player never puts on screen, one note per state.
  auto noteUnshown = [&](int b, int state, bool frames, const std::string& label,
                         const std::string& why) {
    int stills = 0, moving = 0;
    for (const auto& [key, pic] : slots) {
      (void)pic;
      const auto& [bn, st, f] = key;
      if (bn != b || st != state || (f > 0) != frames) continue;
      (f == 0 ? stills : moving) += 1;
    }
    if (stills + moving == 0) return;
    const std::string what = frames ? Counted(moving, "frame") : std::string("picture");
    const std::string field = "pictures." + std::string(ImageStateNames()[state].Name) +
                              (frames ? ".frames" : "");
    const std::string shown = label.empty() ? field : field + " (\"" + label + "\")";
    note(b, b == 0 ? field : shown, what + " that the player never shows: " + why);
  };
  for (int state = 0; state <= kMaxImageState; ++state) {
    if (state > 0)
      noteUnshown(0, state, false, "", "the background shows only its normal picture");
    noteUnshown(0, state, true, "", "the background shows only its normal picture");
  }
  const bool animated = std::any_of(slots.begin(), slots.end(), [](const auto& slot) {
    return std::get<0>(slot.first) > 0 && std::get<2>(slot.first) > 0;  // a button's later frame
  });
  if (animated && s.AnimInterval <= 0)
    add(0, "anim_interval", std::to_string(s.AnimInterval) + ": the animation frames never play");
  const Picture* background = picture(0, 0, 0);
  if (!background) add(0, "pictures.normal", "the menu has no background picture");

  if (s.TransparentColour >= 1) {
    const ParsedShape shape = ParseShapeText(s.ShapeText);
    for (const std::string& problem : shape.Problems) add(0, "shape", "shape text " + problem);
    if (shape.Problems.empty() && background &&
        (shape.Width != background->Width || shape.Height != background->Height))
      add(0, "shape", "outline is " + std::to_string(shape.Width) + "x" +
                          std::to_string(shape.Height) + " but the background is " +
                          std::to_string(background->Width) + "x" +
                          std::to_string(background->Height));
  }

  std::set<std::string> packedNames;
  for (const PackedEntry& e : packed)
    if (e.Reachable()) packedNames.insert(e.Name);
  std::map<char32_t, int> shortcuts;

  for (int n = 1; n <= count; ++n) {
    const ButtonRecord& b = menu.Buttons[n - 1];
    const std::string label = ButtonLabel(b);
    const auto labelled = [&](const std::string& field) {
      return label.empty() ? field : field.empty() ? "\"" + label + "\"" : field + " (\"" + label + "\")";
    };
    auto addB = [&](const std::string& field, const std::string& message) {
      add(n, labelled(field), message);
    };
    if (b.ButtonKind < 0 || b.ButtonKind > 2)
      addB("kind", std::to_string(b.ButtonKind) + " is no button kind (0 image, 1 push, 2 label)");
    if (b.AnimMode < 0 || b.AnimMode > 5)
      addB("animation", std::to_string(b.AnimMode) + " is no animation mode (0 to 5)");
    if (b.ButtonKind == 0 && !picture(n, 0, 0))
      addB("pictures.normal", "an image button without its normal picture shows nothing");
    for (const FlagField& flag : ButtonFlagFields(b))
      if (FlagMeantOnReadOff(flag.Value, flag.Test)) addB(flag.Field, FlagReadOffMessage(flag));

    // Only an image button shows pictures of its states; every kind shows its accessory.
    for (int state = 0; state < kMaxImageState; ++state) {  // all but the accessory
      if (b.ButtonKind != 0) {
        const std::string why = "a push or label button shows only its accessory picture";
        noteUnshown(n, state, false, label, why);
        noteUnshown(n, state, true, label, why);
      } else if (b.AnimMode == 0) {
        noteUnshown(n, state, true, label, "the button's animation is \"still\"");
      }
    }

    // Frames play up to the first frame number that no state has; later ones never show.
    int lastPlayable = 0;
    while (lastPlayable < kMaxFrame) {
      bool any = false;
      for (int st = 0; st <= kMaxImageState; ++st) any = any || picture(n, st, lastPlayable + 1);
      if (!any) break;
      ++lastPlayable;
    }
    for (const auto& [key, pic] : slots) {
      (void)pic;
      const auto& [bn, st, f] = key;
      if (bn == n && f > lastPlayable + 1)
        addB("pictures." + std::string(ImageStateNames()[st].Name) + ".frames",
             "frame " + std::to_string(f) + " follows a frame number that no state has (" +
                 std::to_string(lastPlayable + 1) + "); the player never reaches it");
    }

    if (const char32_t key = ShortcutOf(b); key != 0) {
      const char* field = b.ButtonKind == 1 || b.ButtonKind == 2 ? "caption" : "shortcut";
      auto [it, fresh] = shortcuts.emplace(UpperLetter(key), n);  // Alt+ж and Alt+Ж are one key
      if (!fresh)
        addB(field, "shortcut key " + Printable(key) + " is also button " +
                        std::to_string(it->second) + "'s; only one of them answers it");
      // Without shortcuts of their own, digits 1 to 8 choose the buttons of those numbers.
      const int32_t chosen = key < 0x80 ? DigitButton(static_cast<char>(key), count) : 0;
      if (chosen > 0 && chosen != n)
        addB(field, "shortcut key " + Printable(key) + " takes digit key " + Printable(key) +
                        " from button " + std::to_string(chosen) +
                        ", which that key chooses otherwise");
    }

    const ResolvedTarget target = ResolveTarget(b.Target);
    const std::string shown = "\"" + b.Target + "\"";
    switch (target.Kind) {
      case TargetKind::MenuSwitch:
        if (!packedNames.count(target.Path))
          addB("target", shown + ": the player holds no packed menu named " + target.Path);
        break;
      case TargetKind::MacroAsText:
        addB("target", shown + MacroAdvice(b.Target));
        break;
      case TargetKind::DiscFile:
        if (target.Path.empty() || FindOnDisc(discDir, target.Path, false).empty()) {
          const bool folder = !target.Path.empty() && !FindOnDisc(discDir, target.Path, true).empty();
          addB("target", shown + (folder ? ": is a folder; end the target with \\ to open it"
                                         : ": no such file on the disc (looked for " +
                                               target.Path + ")"));
        }
        break;
      case TargetKind::DiscFolder:
        if (FindOnDisc(discDir, target.Path, true).empty())
          addB("target", shown + ": no such folder on the disc");
        break;
      default:
        break;
    }
  }
}

DiscReport CheckDisc(const std::string& discDir, int codePage) {
  const std::unique_ptr<CodePage> unmarked = MakeCodePage(codePage);
  std::error_code ec;
  if (!fs::is_directory(discDir, ec)) throw ToolError(discDir, "", "is not a folder");
  std::vector<fs::path> players;
  for (fs::directory_iterator it(discDir, ec), last; !ec && it != last; it.increment(ec)) {
    if (!it->is_regular_file(ec)) continue;
    if (AsciiLower(it->path().extension().string()) != ".exe") continue;
    players.push_back(it->path());
  }
  std::sort(players.begin(), players.end());
  DiscReport report;
  std::vector<Finding>& findings = report.Problems;
  int packedPlayers = 0;
  std::map<std::string, std::vector<PackedEntry>> menusOf;
  for (const fs::path& path : players) {
    const Bytes exe = ReadWholeFile(path.string());
    const std::optional<PackedPlayer> player = ReadPackedPlayer(exe);
    const std::string exeName = path.filename().string();
    menusOf[exeName] = player ? player->Entries : std::vector<PackedEntry>{};
    if (!player) continue;
    ++packedPlayers;
    if (player->DirectoryError) {
      findings.push_back({exeName, 0, "container",
                          "the player cannot read its menus: the list of packed files is damaged "
                          "or cut short"});
      continue;
    }
    if (player->Entries.empty())
      findings.push_back({exeName, 0, "container", "holds no menu; the player has nothing to show"});
    if (player->EntriesClaimed > kPackageSlots)
      findings.push_back({exeName, 0, "container",
                          "the list claims " + std::to_string(player->EntriesClaimed) +
                              " packed files; the player reads only the first " +
                              std::to_string(kPackageSlots)});
    for (const PackedEntry& entry : player->Entries) {
      if (!entry.Reachable()) {
        findings.push_back({exeName, 0, "container",
                            (entry.Name.empty() ? "entry " + std::to_string(entry.Slot + 1)
                                                : "packed file " + Cp1252ToUtf8(entry.Name)) +
                                ": " + entry.Unreachable});
        continue;
      }
      const std::string menuName = exeName + ": " + Cp1252ToUtf8(entry.Name);
      ReadMenu read = ReadPackedMenu(exe, *player, entry);
      DecodeReadTexts(read, *unmarked);
      CheckMenu(menuName, read, discDir, player->Entries, report);
      NoteTextsThatDoNotFit(menuName, LoadShownMenu(exe, entry.Name), report);
    }
  }
  for (const OutsideLink& link : LinksOutOf(discDir))
    findings.push_back({link.Relative, 0, "", OutsideLinkMessage(link)});
  CheckAutorun(discDir, menusOf, report);
  if (packedPlayers == 0)
    throw ToolError(discDir, "", "holds no packed player (an .exe with menus appended)");
  return report;
}

}  // namespace orvane::pack
