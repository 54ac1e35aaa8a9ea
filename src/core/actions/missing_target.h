#pragma once
// Finding a target file that is not where the menu says: a few likely folders first, then the
// application folder's tree, last the whole application drive (the disc). No other drive is
// searched apart from the folders of the target path itself.
#include <string>

#include "actions/lookup_context.h"
#include "actions/message_pump.h"
#include "actions/tree_search.h"

namespace orvane {

// Where the file was found; path unchanged when it was found nowhere; the bare lower-case file
// name when the user cancelled the drive-wide search.
std::string LocateMissingTarget(const std::string& path, LookupContext& context, MessagePump& pump,
                                TreeSearch& search);

}  // namespace orvane
