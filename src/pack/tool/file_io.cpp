#include "tool/file_io.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "tool/tool_error.h"

namespace fs = std::filesystem;

namespace orvane::pack {

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) throw ToolError(path, "", "is a folder, not a file");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ToolError(path, "", "cannot be opened for reading");
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) throw ToolError(path, "", "cannot be read");
  if (static_cast<uint64_t>(size) > kMaxInputFileSize) throw ToolError(path, "", "is too large");
  in.seekg(0, std::ios::beg);
  std::vector<uint8_t> data(static_cast<size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(data.data()), size))
    throw ToolError(path, "", "cannot be read");
  return data;
}

namespace {

void WriteBytesAtomically(const std::string& path, const char* data, size_t size) {
  const fs::path target(path);
  // The temporary file lives in the target's folder so that the rename never crosses devices.
  fs::path temp = target;
  temp += ".orvane-pack-tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) throw ToolError(path, "", "cannot be written (is the folder there and writable?)");
    if (size > 0) out.write(data, static_cast<std::streamsize>(size));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(temp, ignored);
      throw ToolError(path, "", "writing failed (disk full?)");
    }
  }
  std::error_code ec;
  fs::rename(temp, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    throw ToolError(path, "", "cannot be replaced: " + ec.message());
  }
}

}  // namespace

void WriteFileAtomically(const std::string& path, const std::vector<uint8_t>& data) {
  WriteBytesAtomically(path, reinterpret_cast<const char*>(data.data()), data.size());
}

void WriteFileAtomically(const std::string& path, const std::string& text) {
  WriteBytesAtomically(path, text.data(), text.size());
}

void MakeFolder(const std::string& path) {
  std::error_code ec;
  fs::create_directories(path, ec);
  if (ec || !fs::is_directory(path, ec)) throw ToolError(path, "", "cannot create the folder");
}

}  // namespace orvane::pack
