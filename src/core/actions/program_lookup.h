#pragma once
// Which program opens a file or a web address, asked of the shell's associations.
#include <string>

#include "actions/lookup_context.h"

namespace orvane {

// The written-and-deleted page that gives the association lookup a web page to ask about when the
// machine shows none in its usual folders.
constexpr char kBackupPage[] = "C:\\orvanebk.htm";
constexpr char kBackupPageContent[] = " \r\n";

// The program associated with path when such an entry exists; otherwise the program that opens
// the first "*.htm" page found in the usual folders (the backup page last). Empty when none.
std::string FindWebBrowser(const std::string& path, LookupContext& context);

// The program associated with the existing file path, or the empty text.
std::string FindAssociatedProgram(const std::string& path, LookupContext& context);

}  // namespace orvane
