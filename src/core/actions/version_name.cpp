#include "actions/version_name.h"

#include <cstdint>
#include <optional>

#include "common/text.h"

namespace orvane {

namespace {

// Offsets in the fixed file information block: signature, structure version, then the file
// version as two 32-bit words, most significant first.
constexpr size_t kFileVersionHighOffset = 8;
constexpr size_t kFixedInfoMinimum = kFileVersionHighOffset + 4;
constexpr size_t kTranslationEntrySize = 4;

uint32_t ReadLe32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  return value;
}

uint16_t ReadLe16(const std::string& bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                               (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

// A string value ends at its first zero character.
std::optional<std::string> QueryText(VersionInfoBlock& block, const std::string& subBlock) {
  std::optional<std::string> value = block.Query(subBlock);
  if (value)
    value->resize(value->find('\0') == std::string::npos ? value->size() : value->find('\0'));
  return value;
}

std::string StringTablePath(uint16_t language, uint16_t codePage) {
  return "\\StringFileInfo\\" + ZeroPaddedHex(language, 4) + ZeroPaddedHex(codePage, 4) + "\\";
}

}  // namespace

std::string ReadFileVersion(VersionInfoSource& source, const std::string& programPath,
                            DebugOutput& trace) {
  std::unique_ptr<VersionInfoBlock> block = source.Load(programPath);
  if (!block) return std::string();
  std::optional<std::string> fixed = block->Query("\\");
  if (!fixed || fixed->size() < kFixedInfoMinimum) return std::string();
  const uint32_t high = ReadLe32(*fixed, kFileVersionHighOffset);
  const std::string major = std::to_string(high >> 16);
  DebugTrace(trace, "AppMajor: " + major);
  return major + "." + std::to_string(high & 0xFFFFu);
}

std::string ReadVersionName(VersionInfoSource& source, const std::string& programPath) {
  std::unique_ptr<VersionInfoBlock> block = source.Load(programPath);
  if (!block) return std::string();
  std::optional<std::string> translation = block->Query("\\VarFileInfo\\Translation");
  if (!translation || translation->size() < kTranslationEntrySize) return std::string();
  const std::string table = StringTablePath(ReadLe16(*translation, 0), ReadLe16(*translation, 2));

  std::string name = QueryText(*block, table + "ProductName").value_or(std::string());
  if (name.find("Operating System") != std::string::npos) {
    if (auto description = QueryText(*block, table + "FileDescription")) name = *description;
  }
  return CanonicalViewerName(name);
}

std::string CanonicalViewerName(const std::string& name) {
  const std::string lower = AsciiLower(name);
  if (lower.find("adobe reader") != std::string::npos) return "Adobe Acrobat";
  if (lower.find("acrobat") != std::string::npos) return "Adobe Acrobat";
  for (const char* marker : {" viewer", " reader", " version", " ver "}) {
    size_t at = lower.find(marker);
    if (at != std::string::npos) return name.substr(0, at);
  }
  return name;
}

}  // namespace orvane
