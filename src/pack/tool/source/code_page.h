#pragma once
// Menu texts are 8-bit strings in the Windows code page 1252; sources are UTF-8 JSON. The mapping
// is one to one over all 256 bytes (the five bytes that 1252 leaves undefined stand for the C1
// control characters of the same number), so every stored text survives a dump and a build.
#include <optional>
#include <string>

namespace orvane::pack {

std::string Cp1252ToUtf8(const std::string& bytes);
// Empty optional when the text is not valid UTF-8 or holds a character outside the code page.
std::optional<std::string> Utf8ToCp1252(const std::string& utf8);

}  // namespace orvane::pack
