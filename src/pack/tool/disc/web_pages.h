#pragma once
// Static web pages of the menus packed in a player, for the computers that cannot run it: one page
// per menu (the first is index.html), the pictures as PNG files, one stylesheet and one script.
// Opened from the disc (file://), they need no server, no network and nothing installed.
#include <map>
#include <string>
#include <vector>

#include "tool/disc/page_actions.h"
#include "tool/disc/disc_check.h"
#include "tool/menu_read.h"

namespace orvane::pack {

// "&" marks the next character as the access key (shown underlined); "&&" is an ampersand.
// The result is escaped HTML.
std::string CaptionHtml(const std::string& utf8);
std::string EscapeHtml(const std::string& utf8);

struct WrittenPages {
  std::vector<std::string> Files;     // the pages, the first being index.html
  std::vector<Finding> NotOffered;    // targets the pages show disabled
  std::vector<std::string> Warnings;  // menus that could not be read
};

// Writes the pages of every menu of the player into folder; exeName names the player in findings
// (empty for menus not packed yet). Menus without the UTF-8 mark are read in the unmarked code
// page. discRoot links the pages' folder to the disc's root (DiscRootHref).
class CodePage;
WrittenPages WriteWebPages(const Bytes& executable, const PackedPlayer& player,
                           const std::string& exeName, const std::string& folder,
                           const CodePage& unmarked, const std::string& discRoot = "./");

// The stylesheet and the script shared by every page.
extern const char kPageStyle[];
extern const char kPageScript[];

}  // namespace orvane::pack
