#pragma once
// Small text rules applied to a button's target and parameters before they reach the shell.
// Texts are 8-bit strings; case rules touch the letters A to Z only.
#include <string>

namespace orvane {

// Every pilcrow of a message text (U+00B6 in UTF-8, or the byte 0xB6 of an 8-bit text) becomes a
// carriage return.
std::string ConvertLineMarks(std::string text);
// Every "/" of a local path becomes "\".
std::string NormalizeSlashes(std::string path);
constexpr char kDriveMacro[] = "%CD%";
// Replaces each "%CD%" by the drive letter (the first character of applicationFolder), scanning
// again from the start after every replacement.
std::string ExpandDriveMacro(std::string text, const std::string& applicationFolder);

// Up to and including the last "\" or ":"; empty when there is neither.
std::string FolderPart(const std::string& path);
// The text after the last "\" or ":".
std::string FileNamePart(const std::string& path);

bool StartsWithNoCase(const std::string& text, const std::string& prefix);
bool EndsWithNoCase(const std::string& text, const std::string& suffix);

}  // namespace orvane
