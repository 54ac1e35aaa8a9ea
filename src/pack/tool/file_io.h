#pragma once
// Whole-file reading and writing for the tool. Writes go to a temporary file beside the target and
// are renamed over it, so an interrupted run never leaves a half-written menu or player behind.
#include <cstdint>
#include <string>
#include <vector>

namespace orvane::pack {

// Files larger than this are refused: no menu or player comes near it, and the 32-bit offsets of
// the container could not address them anyway.
constexpr uint64_t kMaxInputFileSize = 1ull << 31;

std::vector<uint8_t> ReadWholeFile(const std::string& path);
void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& data);
void WriteFileAtomically(const std::string& path, const std::string& text);
// Creates the folder and its parents; a ToolError names it when that fails.
void MakeFolder(const std::string& path);

}  // namespace orvane::pack
