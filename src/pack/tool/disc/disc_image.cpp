#include "tool/disc/disc_image.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <vector>

#include "common/text.h"
#include "common/utf8.h"
#include "tool/source/code_page.h"
#include "tool/disc/run_program.h"
#include "tool/disc/disc_check.h"
#include "tool/disc/disc_links.h"
#include "tool/disc/disc_players.h"
#include "tool/file_io.h"
#include "tool/menu_read.h"
#include "tool/terminal_text.h"
#include "tool/tool_error.h"

namespace fs = std::filesystem;

namespace orvane::pack {

namespace {

constexpr size_t kMaxVolumeLabel = 32;
constexpr size_t kMaxJolietLabel = 16;
constexpr int kSectorSize = 2048;
constexpr int kMaxVolumeDescriptors = 32;
// Joliet leaf names, with the compliance rule that xorriso is given below.
constexpr size_t kMaxJolietName = 103;
const char kDefaultLabel[] = "DISC";
// What xorriso says on a failure is shown up to this size.
constexpr uintmax_t kMaxLogShown = 16 * 1024;

bool IsDCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'; }

// Characters of a UTF-8 text (continuation bytes are not counted), near enough to Joliet's
// UCS-2 units for names of the Basic Multilingual Plane.
size_t CharacterCount(const std::string& utf8) {
  size_t count = 0;
  for (unsigned char c : utf8) count += (c & 0xC0) != 0x80;
  return count;
}

std::string Utf8Of(const std::u16string& text) {
  std::string out;
  for (char16_t unit : text) AppendUtf8(out, unit);
  return out;
}

// Every name in the folder must reach Windows whole.
void CheckNames(const std::string& discDir) {
  std::error_code ec;
  for (fs::recursive_directory_iterator it(discDir, ec), last; !ec && it != last;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (CharacterCount(name) > kMaxJolietName)
      throw ToolError(it->path().string(), "",
                      "has a name longer than " + std::to_string(kMaxJolietName) +
                          " characters, which a disc's Joliet names cannot hold; shorten it");
  }
  if (ec) throw ToolError(discDir, "", "cannot be read: " + ec.message());
}

}  // namespace

VolumeLabel FitVolumeLabel(const std::string& wanted) {
  VolumeLabel label;
  bool changedCase = false, replaced = false;
  for (size_t i = 0; i < wanted.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(wanted[i]);
    if ((c & 0xC0) == 0x80) continue;  // the rest of a character already replaced
    const char upper = AsciiUpper(std::string(1, static_cast<char>(c)))[0];
    changedCase |= upper != static_cast<char>(c);
    replaced |= !IsDCharacter(upper);
    label.Text += IsDCharacter(upper) ? upper : '_';
  }
  const bool cut = label.Text.size() > kMaxVolumeLabel;
  if (cut) label.Text.resize(kMaxVolumeLabel);
  if (label.Text.empty()) label.Text = kDefaultLabel;

  std::vector<std::string> how;
  if (changedCase) how.push_back("upper case");
  if (replaced) how.push_back("\"_\" for each character other than A-Z, 0-9 and _");
  if (cut) how.push_back("cut to " + std::to_string(kMaxVolumeLabel) + " characters");
  if (wanted.empty()) how.push_back("none was given");
  if (!how.empty()) {
    label.Note = "volume label \"" + wanted + "\" made to fit ISO 9660 as \"" + label.Text + "\" (";
    for (size_t i = 0; i < how.size(); ++i) label.Note += (i ? ", " : "") + how[i];
    label.Note += ")";
  }
  return label;
}

JolietLabel FitJolietLabel(const std::string& wanted) {
  JolietLabel label;
  bool replaced = false;
  size_t count = 0;
  for (size_t i = 0, length = 0; i < wanted.size(); i += length) {
    const char32_t c = DecodeUtf8At(wanted, i, length);
    if (++count > kMaxJolietLabel) continue;
    // The decoder never yields a surrogate (their encodings are ill-formed): each byte of one,
    // like any byte that is no character, comes as a replacement character.
    const bool refused = c < 0x20 || c > 0xFFFF || c == kReplacementCharacter ||
                         std::u32string_view(U"*/:;?\\").find(c) != std::u32string_view::npos;
    replaced |= refused;
    label.Text += refused ? u'_' : static_cast<char16_t>(c);
  }
  if (label.Text.empty()) label.Text = u"DISC";
  std::vector<std::string> how;
  if (replaced) how.push_back("\"_\" for each character Joliet cannot hold");
  if (count > kMaxJolietLabel)
    how.push_back("cut to " + std::to_string(kMaxJolietLabel) + " characters");
  if (!how.empty()) {
    label.Note = "Joliet volume label (the one Windows shows) made to fit as \"" +
                 Utf8Of(label.Text) + "\" (";
    for (size_t i = 0; i < how.size(); ++i) label.Note += (i ? ", " : "") + how[i];
    label.Note += ")";
  }
  return label;
}

bool SetJolietLabel(const std::string& image, const std::u16string& label) {
  std::fstream file(fs::u8path(image), std::ios::in | std::ios::out | std::ios::binary);
  // Volume descriptors start at sector 16 and end with the terminator (type 255).
  for (int sector = 16; file && sector < 16 + kMaxVolumeDescriptors; ++sector) {
    char descriptor[kSectorSize];
    file.seekg(static_cast<std::streamoff>(sector) * kSectorSize);
    if (!file.read(descriptor, sizeof descriptor)) return false;
    const unsigned char type = static_cast<unsigned char>(descriptor[0]);
    if (std::string(descriptor + 1, 5) != "CD001" || type == 255) return false;
    const std::string escape(descriptor + 88, 3);  // the UCS-2 levels of Joliet
    if (type != 2 || (escape != "%/@" && escape != "%/C" && escape != "%/E")) continue;
    char id[32];
    for (size_t i = 0; i < 16; ++i) {
      const char16_t unit = i < label.size() ? label[i] : u' ';
      id[2 * i] = static_cast<char>(unit >> 8);
      id[2 * i + 1] = static_cast<char>(unit & 0xFF);
    }
    file.seekp(static_cast<std::streamoff>(sector) * kSectorSize + 40);
    return static_cast<bool>(file.write(id, sizeof id).flush());
  }
  return false;
}

std::string AutorunText(const std::string& player, const std::string& icon,
                        const std::string& label) {
  const std::string open = player.find(' ') != std::string::npos ? "\"" + player + "\"" : player;
  return "[autorun]\r\nopen=" + open + "\r\nicon=" + icon + "\r\nlabel=" + label + "\r\n";
}

void WriteDiscImage(const ImageRequest& request, std::ostream& out) {
  const fs::path disc(request.DiscDir);
  std::error_code ec;
  if (!fs::is_directory(disc, ec)) throw ToolError(request.DiscDir, "", "is not a folder");
  if (LiesInside(request.Output, request.DiscDir))
    throw ToolError(request.Output, "",
                    "lies inside the disc folder, so the image would hold itself; "
                    "write it elsewhere");
  CheckNames(request.DiscDir);

  std::string wanted = request.Label;
  if (wanted.empty()) wanted = fs::weakly_canonical(disc, ec).filename().string();
  const VolumeLabel label = FitVolumeLabel(wanted);
  if (!label.Note.empty()) out << TerminalText(label.Note) << "\n";
  const JolietLabel joliet = FitJolietLabel(wanted);
  if (!joliet.Note.empty()) out << TerminalText(joliet.Note) << "\n";

  const fs::path output(request.Output);
  const std::string temp = request.Output + ".orvane-pack-tmp";
  const std::string autorunTemp = request.Output + ".autorun-tmp";
  std::vector<std::string> arguments = {
      // File names reach xorriso as UTF-8 whatever the locale says, so Joliet gets them whole.
      "-no_rc",      "-local_charset",
      "UTF-8",       "-report_about",
      "SORRY",       "-abort_on",
      "FAILURE",     "-return_with",
      "SORRY",       "32",
      "-outdev",     "stdio:" + temp,
      "-volid",      label.Text,
      "-joliet",     "on",
      "-compliance", "joliet_long_names",
      "-follow",     "link"};
  // A link out of the folder goes on the disc as a link: what it points at is never read.
  const std::vector<OutsideLink> links = LinksOutOf(request.DiscDir);
  if (!links.empty()) {
    arguments.push_back("-not_paths");
    for (const OutsideLink& link : links) arguments.push_back(link.Path);
    arguments.push_back("--");
  }
  arguments.insert(arguments.end(), {"-map", request.DiscDir, "/"});
  for (const OutsideLink& link : links) {
    arguments.insert(arguments.end(), {"-lns", link.Target, "/" + link.Relative});
    out << TerminalText(link.Relative) << ": stored as a link to " << TerminalText(link.Target)
        << ", not what it points at\n";
  }

  const bool ownAutorun = !FindOnDisc(request.DiscDir, "autorun.inf", false).empty();
  if (ownAutorun) {
    out << "autorun.inf: the folder's own\n";
  } else {
    std::vector<std::string> players;
    for (const DiscProgram& program : ProgramsIn(request.DiscDir))
      if (program.Player) players.push_back(program.FileName);
    if (players.size() != 1)
      throw ToolError(
          request.DiscDir, "",
          players.empty()
              ? "holds no packed player to start"
              : "holds " + std::to_string(players.size()) +
                    " packed players; write an autorun.inf that names the one to start");
    const std::string& player = players[0];
    const std::string stem = fs::path(player).stem().string();
    const std::string iconPath = FindOnDisc(request.DiscDir, stem + ".ico", false);
    const std::string icon = iconPath.empty() ? player : fs::path(iconPath).filename().string();
    // Windows reads autorun.inf in its own code page; a label it could not show stays fitted.
    std::string autorunLabel = Utf8ToCp1252(wanted).value_or(label.Text);
    for (char& c : autorunLabel)
      if (static_cast<unsigned char>(c) < 32) c = ' ';  // a line break would end the entry
    const std::string text = AutorunText(player, icon, autorunLabel);
    WriteFileAtomically(autorunTemp, text);
    arguments.insert(arguments.end(), {"-map", autorunTemp, "/autorun.inf"});
    out << "autorun.inf: "
        << TerminalText("open=" + player + ", icon=" + icon +
                        ", label=" + Cp1252ToUtf8(autorunLabel))
        << "\n";
  }
  arguments.push_back("-commit");

  fs::remove(temp, ec);
  // xorriso's banner and notes are not the author's business; its words on a failure are.
  const std::string log = request.Output + ".xorriso-log";
  if (!std::ofstream(log)) {
    fs::remove(autorunTemp, ec);
    throw ToolError(request.Output, "", "cannot be written: its folder takes no new files");
  }
  const int status = RunProgram(request.Xorriso, arguments, log);
  fs::remove(autorunTemp, ec);
  std::string said;
  if (status != 0 && status != kProgramNotFound && fs::file_size(log, ec) <= kMaxLogShown) {
    const Bytes bytes = ReadWholeFile(log);
    said = std::string(bytes.begin(), bytes.end());
    while (!said.empty() && (said.back() == '\n' || said.back() == '\r')) said.pop_back();
  }
  fs::remove(log, ec);
  if (status == kProgramNotFound)
    throw ToolError(request.Output, "",
                    "cannot be written: the program " + request.Xorriso +
                        " was not found; install it (Debian and Ubuntu: apt-get install xorriso)");
  if (status != 0 || !fs::is_regular_file(temp, ec)) {
    fs::remove(temp, ec);
    throw ToolError(request.Output, "",
                    request.Xorriso + " failed (exit status " + std::to_string(status) +
                        "); no image written" + (said.empty() ? "" : ":\n" + said));
  }
  if (!SetJolietLabel(temp, joliet.Text)) {
    fs::remove(temp, ec);
    throw ToolError(request.Output, "",
                    request.Xorriso + " wrote no Joliet tree; no image written");
  }
  fs::rename(temp, output, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    throw ToolError(request.Output, "", "cannot be replaced: " + ec.message());
  }
  out << "wrote " << request.Output << " (ISO 9660 with Joliet names, volume " << label.Text
      << ", Joliet volume " << Utf8Of(joliet.Text) << ", " << fs::file_size(output, ec)
      << " bytes)\n";
}

}  // namespace orvane::pack
