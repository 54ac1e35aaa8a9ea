#include "tool/disc/disc_check.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <ostream>
#include <set>

#include "app/button_animation.h"
#include "app/menu_model.h"
#include "app/selection.h"
#include "common/text.h"
#include "common/utf8.h"
#include "menudata/mdlfilebin.h"
#include "tool/source/code_page.h"
#include "tool/counted.h"
#include "tool/disc/disc_links.h"
#include "tool/disc/disc_players.h"
#include "tool/shipped_player.h"
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

bool IsPushOrLabel(const ButtonRecord& b) {
  return b.ButtonKind == kPushButton || b.ButtonKind == kLabelButton;
}

char32_t ShortcutOf(const ButtonRecord& b) {
  if (IsPushOrLabel(b)) return AcceleratorOf(b.Caption);
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
  std::string summary =
      problems == 0 ? discDir + ": no problems found" : Counted(problems, "problem") + " found";
  if (notes > 0) summary += ", " + Counted(notes, "note");
  out << summary << "\n";
  return problems == 0 ? 0 : 1;
}

namespace {

using Slots = std::map<std::tuple<int, int, int>, const Picture*>;  // button, state, frame

const Picture* PictureAt(const Slots& slots, int button, int state, int frame) {
  auto it = slots.find({button, state, frame});
  return it == slots.end() ? nullptr : it->second;
}

// The findings of one menu, its name attached to each.
struct MenuCheck {
  const std::string& MenuName;
  DiscReport& Report;
  void Problem(int button, const std::string& field, const std::string& message) {
    Report.Problems.push_back({MenuName, button, field, message});
  }
  void Note(int button, const std::string& field, const std::string& message) {
    Report.Notes.push_back({MenuName, button, field, message});
  }
};

// One button's findings, its field names followed by the button's caption or description.
struct ButtonCheck {
  MenuCheck& Menu;
  int Number;
  const ButtonRecord& Button;
  std::string Label;
  std::string Labelled(const std::string& field) const {
    if (Label.empty()) return field;
    return field.empty() ? "\"" + Label + "\"" : field + " (\"" + Label + "\")";
  }
  void Problem(const std::string& field, const std::string& message) {
    Menu.Problem(Number, Labelled(field), message);
  }
};

// The header, the read, and the menu's own settings. False when the player refuses the menu.
bool CheckSettings(MenuCheck& check, const ReadMenu& read) {
  if (!read.HeaderAccepted) {
    check.Problem(0, "header",
                  "the player refuses this menu (not a menu file of version 6 or later)");
    return false;
  }
  if (read.ReadError) {
    std::string detail;
    for (const std::string& m : read.Messages) detail += " " + m;
    check.Problem(0, "",
                  "the player reports \"Error loading binary menu data.\": the file is "
                  "damaged or cut short" +
                      detail);
  }
  if (read.InvalidUtf8Texts > 0)
    check.Problem(0, kTextEncodingKey,
                  std::to_string(read.InvalidUtf8Texts) +
                      (read.InvalidUtf8Texts == 1 ? " text is" : " texts are") +
                      " not valid UTF-8 although the menu is marked UTF-8; the player shows U+FFFD "
                      "in place of the broken bytes (build the menu again from its source)");
  if (!read.FirstEightBitField.empty())
    check.Note(0, read.FirstEightBitField,
               "texts outside 7-bit ASCII in a menu without the UTF-8 mark: shows as written only "
               "on computers set to code page " +
                   read.TextEncoding.substr(read.TextEncoding.find('-') + 1) +
                   " (build it with \"text_encoding\": \"utf-8\" to show it alike everywhere)");
  const MenuSettings& s = read.Menu.Settings;
  const int count = static_cast<int>(read.Menu.Buttons.size());
  if (count > kMaxButtons)
    check.Problem(0, "buttons",
                  std::to_string(count) + " buttons; the player shows at most " +
                      std::to_string(kMaxButtons));
  if (!IsNamedValue(PlacementNames(), s.Placement))
    check.Problem(0, "placement",
                  std::to_string(s.Placement) +
                      " is no placement code (0 to 10); "
                      "the player centres the window");
  if (s.InitialButton > count)
    check.Problem(0, "initial_button",
                  "button " + std::to_string(s.InitialButton) + " does not exist");
  for (const FlagField& flag : MenuFlagFields(s))
    if (FlagMeantOnReadOff(flag.Value, flag.Test))
      check.Problem(0, flag.Field, FlagReadOffMessage(flag));
  return true;
}

// Where the pictures land; those that land nowhere the player shows are notes.
Slots ShownSlots(MenuCheck& check, const MenuFile& menu) {
  const int count = static_cast<int>(menu.Buttons.size());
  Slots slots;
  for (const PictureValue& p : menu.Pictures) {
    const PictureSlot& slot = p.Slot;
    if (!SlotInRange(slot, count)) {
      check.Note(slot.Button <= count ? slot.Button : 0, "pictures",
                 "picture (button " + std::to_string(slot.Button) + ", state " +
                     std::to_string(slot.State) + ", frame " + std::to_string(slot.Frame) +
                     ") lies outside the menu's buttons, states or frames 0 to " +
                     std::to_string(kMaxFrame) + "; the player never shows it");
      continue;
    }
    if (p.Image.Empty()) continue;  // a failed picture is already a read error
    slots[{slot.Button, slot.State, slot.Frame}] = &p.Image;
  }
  return slots;
}

// Pictures of a state (its still picture, or its frames) that the player never puts on screen:
// one note per state.
void NoteUnshown(MenuCheck& check, const Slots& slots, int button, int state, bool frames,
                 const std::string& label, const std::string& why) {
  int stills = 0, moving = 0;
  for (const auto& [key, picture] : slots) {
    (void)picture;
    const auto& [b, st, f] = key;
    if (b == button && st == state && (f > 0) == frames) (f == 0 ? stills : moving) += 1;
  }
  if (stills + moving == 0) return;
  const std::string what = frames ? Counted(moving, "frame") : std::string("picture");
  const std::string field =
      "pictures." + std::string(ImageStateNames()[state].Name) + (frames ? ".frames" : "");
  const std::string shown = label.empty() ? field : field + " (\"" + label + "\")";
  check.Note(button, button == 0 ? field : shown, what + " that the player never shows: " + why);
}

// The background: only its normal picture shows; the outline must fit it.
void CheckBackground(MenuCheck& check, const MenuSettings& s, const Slots& slots) {
  const std::string why = "the background shows only its normal picture";
  for (int state = kNormalState; state <= kMaxImageState; ++state) {
    if (state != kNormalState) NoteUnshown(check, slots, 0, state, false, "", why);
    NoteUnshown(check, slots, 0, state, true, "", why);
  }
  const bool animated = std::any_of(slots.begin(), slots.end(), [](const auto& slot) {
    return std::get<0>(slot.first) > 0 && std::get<2>(slot.first) > 0;  // a button's later frame
  });
  if (animated && s.AnimInterval <= 0)
    check.Problem(0, "anim_interval",
                  std::to_string(s.AnimInterval) + ": the animation frames never play");
  const Picture* background = PictureAt(slots, 0, kNormalState, 0);
  if (!background) check.Problem(0, "pictures.normal", "the menu has no background picture");
  if (s.TransparentColour < 1) return;
  const ParsedShape shape = ParseShapeText(s.ShapeText);
  for (const std::string& problem : shape.Problems)
    check.Problem(0, "shape", "shape text " + problem);
  if (shape.Problems.empty() && background &&
      (shape.Width != background->Width || shape.Height != background->Height))
    check.Problem(0, "shape",
                  "outline is " + std::to_string(shape.Width) + "x" + std::to_string(shape.Height) +
                      " but the background is " + std::to_string(background->Width) + "x" +
                      std::to_string(background->Height));
}

// Only an image button shows pictures of its states, and frames only when it is animated; every
// kind shows its accessory. Frames play up to the first frame number that no state has.
void CheckButtonPictures(ButtonCheck& button, const Slots& slots) {
  const ButtonRecord& b = button.Button;
  const int n = button.Number;
  if (b.ButtonKind == kImageButton && !PictureAt(slots, n, kNormalState, 0))
    button.Problem("pictures.normal", "an image button without its normal picture shows nothing");
  for (int state = kNormalState; state < kAccessoryState; ++state) {
    if (b.ButtonKind != kImageButton) {
      const std::string why = "a push or label button shows only its accessory picture";
      NoteUnshown(button.Menu, slots, n, state, false, button.Label, why);
      NoteUnshown(button.Menu, slots, n, state, true, button.Label, why);
    } else if (b.AnimMode == kAnimStill) {
      NoteUnshown(button.Menu, slots, n, state, true, button.Label,
                  "the button's animation is \"still\"");
    }
  }
  int lastPlayable = 0;
  while (lastPlayable < kMaxFrame) {
    bool any = false;
    for (int st = kNormalState; st <= kMaxImageState; ++st)
      any = any || PictureAt(slots, n, st, lastPlayable + 1);
    if (!any) break;
    ++lastPlayable;
  }
  for (const auto& [key, picture] : slots) {
    (void)picture;
    const auto& [bn, st, f] = key;
    if (bn == n && f > lastPlayable + 1)
      button.Problem("pictures." + std::string(ImageStateNames()[st].Name) + ".frames",
                     "frame " + std::to_string(f) + " follows a frame number that no state has (" +
                         std::to_string(lastPlayable + 1) + "); the player never reaches it");
  }
}

// A key that two buttons answer, or that takes a digit key from the button it would choose.
void CheckShortcut(ButtonCheck& button, std::map<char32_t, int>& shortcuts, int count) {
  const char32_t key = ShortcutOf(button.Button);
  if (key == 0) return;
  const char* field = IsPushOrLabel(button.Button) ? "caption" : "shortcut";
  auto [it, fresh] =
      shortcuts.emplace(UpperLetter(key), button.Number);  // Alt+ж and Alt+Ж are one key
  if (!fresh)
    button.Problem(field, "shortcut key " + Printable(key) + " is also button " +
                              std::to_string(it->second) + "'s; only one of them answers it");
  // Without shortcuts of their own, digits 1 to 8 choose the buttons of those numbers.
  const int32_t chosen = key < 0x80 ? DigitButton(static_cast<char>(key), count) : 0;
  if (chosen > 0 && chosen != button.Number)
    button.Problem(field, "shortcut key " + Printable(key) + " takes digit key " + Printable(key) +
                              " from button " + std::to_string(chosen) +
                              ", which that key chooses otherwise");
}

void CheckTarget(ButtonCheck& button, const std::string& discDir,
                 const std::set<std::string>& packedNames) {
  const std::string& text = button.Button.Target;
  const ResolvedTarget target = ResolveTarget(text);
  const std::string shown = "\"" + text + "\"";
  switch (target.Kind) {
    case TargetKind::MenuSwitch:
      if (!packedNames.count(target.Path))
        button.Problem("target", shown + ": the player holds no packed menu named " + target.Path);
      break;
    case TargetKind::MacroAsText: button.Problem("target", shown + MacroAdvice(text)); break;
    case TargetKind::DiscFile:
      if (target.Path.empty() || FindOnDisc(discDir, target.Path, false).empty()) {
        const bool folder = !target.Path.empty() && !FindOnDisc(discDir, target.Path, true).empty();
        button.Problem(
            "target",
            shown + (folder ? ": is a folder; end the target with \\ to open it"
                            : ": no such file on the disc (looked for " + target.Path + ")"));
      }
      break;
    case TargetKind::DiscFolder:
      if (FindOnDisc(discDir, target.Path, true).empty())
        button.Problem("target", shown + ": no such folder on the disc");
      break;
    default: break;
  }
}

}  // namespace

void CheckMenu(const std::string& menuName, const ReadMenu& read, const std::string& discDir,
               const std::vector<PackedEntry>& packed, DiscReport& report) {
  MenuCheck check{menuName, report};
  if (!CheckSettings(check, read)) return;
  const MenuFile& menu = read.Menu;
  const Slots slots = ShownSlots(check, menu);
  CheckBackground(check, menu.Settings, slots);

  std::set<std::string> packedNames;
  for (const PackedEntry& e : packed)
    if (e.Reachable()) packedNames.insert(e.Name);
  std::map<char32_t, int> shortcuts;
  const int count = static_cast<int>(menu.Buttons.size());
  for (int n = 1; n <= count; ++n) {
    const ButtonRecord& b = menu.Buttons[n - 1];
    ButtonCheck button{check, n, b, ButtonLabel(b)};
    if (!IsNamedValue(ButtonKindNames(), b.ButtonKind))
      button.Problem(
          "kind", std::to_string(b.ButtonKind) + " is no button kind (0 image, 1 push, 2 label)");
    if (!IsNamedValue(AnimationNames(), b.AnimMode))
      button.Problem("animation", std::to_string(b.AnimMode) + " is no animation mode (0 to 5)");
    for (const FlagField& flag : ButtonFlagFields(b))
      if (FlagMeantOnReadOff(flag.Value, flag.Test))
        button.Problem(flag.Field, FlagReadOffMessage(flag));
    CheckButtonPictures(button, slots);
    CheckShortcut(button, shortcuts, count);
    CheckTarget(button, discDir, packedNames);
  }
}

namespace {

// The container of one packed player, then each menu the player can open.
void CheckPlayer(const DiscProgram& program, const std::string& discDir, const CodePage& unmarked,
                 DiscReport& report) {
  const PackedPlayer& player = *program.Player;
  const std::string& exeName = program.FileName;
  const auto container = [&](const std::string& message) {
    report.Problems.push_back({exeName, 0, "container", message});
  };
  if (player.DirectoryError) {
    container("the player cannot read its menus: the list of packed files is damaged or cut short");
    return;
  }
  // A player built for another processor starts on fewer computers than the disc reaches.
  if (PeMachine(program.Data).value_or(kMachineI386) != kMachineI386)
    report.Notes.push_back({exeName, 0, "player", *PlayerMachineWarning(program.Data)});
  if (player.Entries.empty()) container("holds no menu; the player has nothing to show");
  if (player.EntriesClaimed > kPackageSlots)
    container("the list claims " + std::to_string(player.EntriesClaimed) +
              " packed files; the player reads only the first " + std::to_string(kPackageSlots));
  const Bytes utf8Player = PlayerWithUtf8Texts(program.Data, player, unmarked);
  for (const PackedEntry& entry : player.Entries) {
    if (!entry.Reachable()) {
      container((entry.Name.empty() ? "entry " + std::to_string(entry.Slot + 1)
                                    : "packed file " + Cp1252ToUtf8(entry.Name)) +
                ": " + entry.Unreachable);
      continue;
    }
    const std::string menuName = exeName + ": " + Cp1252ToUtf8(entry.Name);
    ReadMenu read = ReadPackedMenu(program.Data, player, entry);
    DecodeReadTexts(read, unmarked);
    CheckMenu(menuName, read, discDir, player.Entries, report);
    NoteTextsThatDoNotFit(menuName, LoadShownMenu(utf8Player, entry.Name), report);
  }
}

}  // namespace

DiscReport CheckDisc(const std::string& discDir, int codePage) {
  const std::unique_ptr<CodePage> unmarked = MakeCodePage(codePage);
  std::error_code ec;
  if (!fs::is_directory(discDir, ec)) throw ToolError(discDir, "", "is not a folder");
  DiscReport report;
  int packedPlayers = 0;
  std::map<std::string, std::vector<PackedEntry>> menusOf;
  for (const DiscProgram& program : ProgramsIn(discDir)) {
    menusOf[program.FileName] =
        program.Player ? program.Player->Entries : std::vector<PackedEntry>{};
    if (!program.Player) continue;
    ++packedPlayers;
    CheckPlayer(program, discDir, *unmarked, report);
  }
  for (const OutsideLink& link : LinksOutOf(discDir))
    report.Problems.push_back({link.Relative, 0, "", OutsideLinkMessage(link)});
  CheckAutorun(discDir, menusOf, report);
  if (packedPlayers == 0)
    throw ToolError(discDir, "", "holds no packed player (an .exe with menus appended)");
  return report;
}

}  // namespace orvane::pack
