#pragma once
// One fuzz input as the side file "err.txt". The flags are read as at start-up; a flag may only
// be switched off by a line that reads as false, and a message is shown exactly when one of the
// three lines is not a boolean text. Returns an empty text when every rule held, else what broke.
#include <string>

#include "actions/action_fakes.h"
#include "actions/error_flags.h"

namespace orvane::fuzzing {

inline std::string CheckErrorFlags(const uint8_t* data, size_t size) {
  using namespace action_testing;
  const std::string folder = "D:\\";
  FakeFileSystem files;
  files.AddFile(folder + "err.txt");
  FakeOpener opener;
  opener.files[folder + "err.txt"] = std::string(reinterpret_cast<const char*>(data), size);
  RecordingDialog dialog;
  const Latin1Decoder codePage;

  const ErrorFlags flags = LoadErrorFlags(folder, files, opener, codePage, dialog, "Orvane");
  if (dialog.shown.size() > 1) return "more than one message for one file";
  if (!dialog.shown.empty()) {
    const std::string& text = dialog.shown.front().text;
    const std::string tail = "' is not a valid boolean value";
    if (text.empty() || text.front() != '\'' || text.size() < tail.size() + 1 ||
        text.compare(text.size() - tail.size(), tail.size(), tail) != 0)
      return "a message of another form: " + text;
    if (dialog.shown.front().kind != MessageKind::Error) return "the message is not an error";
  }
  // Only the head of a long file is read, so the first line is compared on short files alone.
  if (size > 4096) return {};
  const std::string content(reinterpret_cast<const char*>(data), size);
  const std::string firstLine = content.substr(0, content.find_first_of("\r\n"));
  const std::optional<bool> first = ParseBooleanText(firstLine);
  if (first == std::optional<bool>(true) && !flags.ShowFileNotFound)
    return "a first line reading as true switched the first message off";
  if (!flags.ShowFileNotFound && first != std::optional<bool>(false))
    return "the first message switched off without a false first line";
  return {};
}

}  // namespace orvane::fuzzing
