#pragma once
// Static web pages of the menus packed in a player, for the computers that cannot run it: one page
// per menu (the first is index.html), the pictures as PNG files, one stylesheet and one script.
// Opened from the disc (file://), they need no server, no network and nothing installed.
#include <map>
#include <string>
#include <vector>

#include "app/menu_model.h"
#include "tool/disc_check.h"
#include "tool/menu_read.h"

namespace orvane::pack {

// What a button does in a page.
enum class PageRun {
  Nothing,      // "*", or an empty target without close-after
  Link,         // documents, folders, addresses and menu switches
  Message,      // a "$" message, shown in the page's dialog
  Close,        // the exit button: closes the page where the browser allows it
  Unavailable,  // only Windows can do it (a program), or it is not on the disc
};

struct PageAction {
  PageRun Run = PageRun::Nothing;
  std::string Href;  // Link: relative to the disc's root, or the address
  std::string Text;  // Message: its lines (UTF-8, "\n" between them); Unavailable: why
};

// pageOfMenu maps the packed menus' names to their pages' file names.
PageAction PageActionFor(const TOVButton& button,
                         const std::map<std::string, std::string>& pageOfMenu);

// "&" marks the next character as the access key (shown underlined); "&&" is an ampersand.
// The result is escaped HTML.
std::string CaptionHtml(const std::string& cp1252);
std::string EscapeHtml(const std::string& utf8);

struct WrittenPages {
  std::vector<std::string> Files;     // the pages, the first being index.html
  std::vector<Finding> NotOffered;    // targets the pages show disabled
  std::vector<std::string> Warnings;  // menus that could not be read
};

// Writes the pages of every menu of the player into folder; exeName names the player in findings.
WrittenPages WriteWebPages(const Bytes& executable, const PackedPlayer& player,
                           const std::string& exeName, const std::string& folder);

// The stylesheet and the script shared by every page.
extern const char kPageStyle[];
extern const char kPageScript[];

}  // namespace orvane::pack
