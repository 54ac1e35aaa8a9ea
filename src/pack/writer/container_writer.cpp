#include <stdexcept>
#include <string>

#include "common/text.h"
#include "writer/menu_writer.h"

namespace orvane::pack {

namespace {
constexpr size_t kNameField = 256;
constexpr size_t kMaxPackedFiles = 100;
const char kMagic[4] = {'F', 'P', 'A', 'K'};

void CheckName(const std::string& name) {
  if (TrimControl(name).empty())
    throw std::invalid_argument("packed file name \"" + name +
                                "\" is empty once blanks and control characters are trimmed");
  if (name.size() > kNameField)
    throw std::invalid_argument("packed file name \"" + name + "\" is longer than " +
                                std::to_string(kNameField) + " characters");
}

// The container stores positions as signed 32-bit values holding position + 1.
int32_t StoredPosition(uint64_t position, const char* what) {
  if (position + 1 > static_cast<uint64_t>(INT32_MAX))
    throw std::invalid_argument(std::string(what) +
                                " lies beyond 2 GiB, which the container cannot address");
  return static_cast<int32_t>(position + 1);
}
}  // namespace

Bytes AppendContainer(const Bytes& executable, const std::vector<PackedFile>& files,
                      const ContainerOptions& options) {
  if (files.size() > kMaxPackedFiles)
    throw std::invalid_argument("a container holds at most " + std::to_string(kMaxPackedFiles) +
                                " packed files, not " + std::to_string(files.size()));
  for (const PackedFile& file : files) CheckName(file.Name);

  const uint64_t headerPosition = executable.size();
  const int32_t storedHeader = StoredPosition(headerPosition, "the container header");

  ValueWriter header;
  header.RawBytes(kMagic, sizeof kMagic);
  header.RawBytes(options.Version.data(), options.Version.size());
  header.WriteTextValue(options.Text);
  header.WriteByteValue(options.Byte);
  header.RawByte(static_cast<uint8_t>(files.size()));

  uint64_t next = headerPosition + header.bytes().size() + files.size() * (kNameField + 4);
  // Padding goes between the directory and the first packed file, where nothing is read and no
  // packed file's extent reaches.
  uint64_t end = next + 4;
  for (const PackedFile& file : files) end += file.Data.size();
  const size_t alignment = options.FileAlignment ? options.FileAlignment : 1;
  const size_t padding = static_cast<size_t>((alignment - end % alignment) % alignment);
  next += padding;
  for (const PackedFile& file : files) {
    std::string padded = file.Name;
    padded.resize(kNameField, ' ');
    header.RawText(padded);
    header.RawInt32(StoredPosition(next, ("packed file \"" + file.Name + "\"").c_str()));
    next += file.Data.size();
  }

  Bytes out;
  out.reserve(static_cast<size_t>(next + 4));
  out.insert(out.end(), executable.begin(), executable.end());
  out.insert(out.end(), header.bytes().begin(), header.bytes().end());
  out.insert(out.end(), padding, 0);
  for (const PackedFile& file : files) out.insert(out.end(), file.Data.begin(), file.Data.end());
  ValueWriter trailer;
  trailer.RawInt32(storedHeader);
  out.insert(out.end(), trailer.bytes().begin(), trailer.bytes().end());
  return out;
}

}  // namespace orvane::pack
