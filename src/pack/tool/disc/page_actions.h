#pragma once
// What a button does in the web pages: its target classified and resolved by the player's own
// rules, then turned into a link relative to the disc's root, an address, a message, the exit, or
// a reason why a browser cannot do it. No target ever becomes a script.
#include <map>
#include <string>

#include "app/menu_model.h"

namespace orvane::pack {

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

// The link from the pages' folder to the disc's root folder: "./" when they are one, a relative
// link below or above it, a file address when no relative one exists.
std::string DiscRootHref(const std::string& pagesFolder, const std::string& discFolder);

// pageOfMenu maps the packed menus' names to their pages' file names; discRoot is the link to
// the disc's root folder (DiscRootHref).
PageAction PageActionFor(const TOVButton& button,
                         const std::map<std::string, std::string>& pageOfMenu,
                         const std::string& discRoot = "./");

// Letters, digits and "-._~": the characters a URL carries as they are.
bool IsUrlUnreserved(unsigned char c);

}  // namespace orvane::pack
