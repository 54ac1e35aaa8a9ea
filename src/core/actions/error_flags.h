#pragma once
// The optional side file "err.txt" next to the executable: three boolean lines, of which the
// first two silence the file-not-found and the no-viewer messages.
#include <optional>
#include <string>

#include "common/file.h"
#include "common/file_system.h"
#include "common/message_dialog.h"
#include "menudata/text_encoding.h"

namespace orvane {

struct ErrorFlags {
  bool ShowFileNotFound = true;
  bool ShowNoViewer = true;
};

// "True" or "False" in any case, or a decimal number (zero is false); surrounding blanks are
// ignored. nullopt for anything else, the empty text included.
std::optional<bool> ParseBooleanText(const std::string& text);

// Reads applicationFolder + "err.txt" when it exists, written in the computer's code page. A line
// that is not a boolean text is reported ("'<line>' is not a valid boolean value") and ends the
// reading: the flags of the lines before keep their values, the others stay true.
ErrorFlags LoadErrorFlags(const std::string& applicationFolder, FileSystem& files,
                          FileOpener& opener, const CodePageDecoder& systemCodePage,
                          MessageDialog& dialog, const std::string& dialogCaption);

}  // namespace orvane
