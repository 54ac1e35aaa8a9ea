#include "tool/disc/page_actions.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "actions/target_form.h"
#include "actions/target_text.h"
#include "common/text.h"
#include "tool/disc/disc_check.h"

namespace fs = std::filesystem;

namespace orvane::pack {

namespace {

// Every byte that is not unreserved in a URL, nor in keep, as %XX.
std::string PercentEncode(const std::string& utf8, const std::string& keep) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : utf8) {
    if (c != 0 && (IsUrlUnreserved(c) || keep.find(static_cast<char>(c)) != std::string::npos)) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

// A path on the disc ("\" between folders) as a link below the disc's root (a link that starts
// with "./" or a scheme). The "./" and the encoded ":" keep any text from being read as a scheme.
std::string DiscHref(std::string path, const std::string& root) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return root + PercentEncode(path, "/");
}

// Web and mail addresses as they stand; only these schemes become links to another place.
std::string AddressHref(std::string address, const std::string& root) {
  if (StartsWithNoCase(address, "www")) address = "http://" + address;
  const size_t colon = address.find(':');
  const bool hasScheme = colon != std::string::npos && address.find_first_of("/?#") > colon;
  const std::string scheme = hasScheme ? AsciiLower(address.substr(0, colon)) : "";
  if (scheme != "http" && scheme != "https" && scheme != "ftp" && scheme != "mailto")
    return DiscHref(address, root);
  return PercentEncode(address, ":/?#[]@!$&'()*+,;=%");
}

bool IsProgram(const std::string& path) {
  static const std::set<std::string> kPrograms = {"exe", "com", "bat", "cmd", "msi", "msp", "pif",
                                                  "scr", "lnk", "vbs", "vbe", "js",  "jse", "wsf",
                                                  "wsh", "ps1", "reg", "cpl", "hta", "inf"};
  const std::string name = FileNamePart(path);
  const size_t dot = name.find_last_of('.');
  return dot != std::string::npos && kPrograms.count(AsciiLower(name.substr(dot + 1))) != 0;
}

// Line breaks of a message as "\n" only.
std::string MessageLines(const std::string& text) {
  std::string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines += text[i];
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      lines += '\n';
    }
  }
  return lines;
}

}  // namespace

bool IsUrlUnreserved(unsigned char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
         std::string("-._~").find(static_cast<char>(c)) != std::string::npos;
}

std::string DiscRootHref(const std::string& pagesFolder, const std::string& discFolder) {
  std::error_code ec;
  const fs::path disc = fs::weakly_canonical(fs::absolute(discFolder, ec), ec);
  const fs::path relative =
      disc.lexically_relative(fs::weakly_canonical(fs::absolute(pagesFolder, ec), ec));
  if (relative.empty()) {  // another drive: only an absolute address reaches it
    const std::string path = disc.generic_u8string();
    return (path.front() == '/' ? "file://" : "file:///") + PercentEncode(path, "/:") + "/";
  }
  return relative == "." ? "./" : "./" + PercentEncode(relative.generic_u8string(), "/") + "/";
}

PageAction PageActionFor(const TOVButton& button,
                         const std::map<std::string, std::string>& pageOfMenu,
                         const std::string& discRoot) {
  PageAction action;
  const std::string& target = button.Target;
  switch (ClassifyTarget(target)) {
    case ActionKind::NoAction: return action;
    case ActionKind::NoTarget:
      if (button.CloseAfter != 0) action.Run = PageRun::Close;
      return action;
    case ActionKind::Message:
      action.Run = PageRun::Message;
      action.Text = MessageLines(ConvertLineMarks(target).substr(1));
      return action;
    case ActionKind::MenuSwitch: {
      const std::string name = AsciiLower(target);
      const auto page = pageOfMenu.find(name);
      if (page == pageOfMenu.end()) {
        action.Run = PageRun::Unavailable;
        action.Text = "The menu " + name + " is not on this disc.";
      } else {
        action.Run = PageRun::Link;
        action.Href = "./" + PercentEncode(page->second, "");
      }
      return action;
    }
    case ActionKind::RawLaunch:
      action.Run = PageRun::Unavailable;
      action.Text = "Needs Windows: starts a program.";
      return action;
    case ActionKind::Launch: break;
  }
  const ResolvedTarget resolved = ResolveTarget(target);
  action.Run = PageRun::Link;
  switch (resolved.Kind) {
    case TargetKind::Address: action.Href = AddressHref(resolved.Path, discRoot); break;
    case TargetKind::DiscFile:
      if (IsProgram(resolved.Path)) {
        action.Run = PageRun::Unavailable;
        action.Text = "Needs Windows: starts the program " + FileNamePart(resolved.Path) + ".";
        break;
      }
      action.Href = DiscHref(resolved.Path, discRoot);
      break;
    case TargetKind::DiscFolder: action.Href = DiscHref(resolved.Path, discRoot); break;
    default:
      action.Run = PageRun::Unavailable;
      // As the author wrote it: the resolved path may stand on the tool's stand-in drive.
      action.Text = "Opens " + target + ", which is not on this disc.";
      break;
  }
  return action;
}

}  // namespace orvane::pack
