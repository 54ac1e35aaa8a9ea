#pragma once
// One fuzz input as the player's own executable: the container directory is read from its end,
// then every packed file the directory names is looked up, positioned and read as a menu.
// Returns an empty text when every rule held, else what broke; the fuzz target aborts on it and
// the regression tests expect it empty.
#include <cstdint>
#include <string>
#include <vector>

#include "menudata/mdlfilebin.h"
#include "support/memory_file.h"
#include "support/recording_dialog.h"

namespace orvane::fuzzing {

constexpr char kFuzzFolder[] = "D:\\";
constexpr char kFuzzExeName[] = "orvane.exe";

inline std::string CheckContainer(const uint8_t* data, size_t size) {
  testing::MemoryFileOpener files;
  files.AddFile(std::string(kFuzzFolder) + kFuzzExeName, std::vector<uint8_t>(data, data + size));
  testing::RecordingMessageDialog dialog;
  MenuDataReader unit(files, dialog);
  unit.ApplicationFolder = kFuzzFolder;
  unit.DialogCaption = "Orvane";

  unit.ReadPackageDirectory(kFuzzExeName);
  if (files.Counts().OpenNow != 0) return "the executable stays open after the directory";
  if (dialog.Messages.size() > 1) return "more than one message for one directory";
  if (!dialog.Messages.empty() && !unit.ReadErrorFlag) return "a message without the error flag";

  for (int i = 0; i < kPackageSlots; ++i) {
    const std::string& name = unit.PackageDirectory.Names[i];
    if (name.empty()) continue;
    if (name.size() > 256) return "a directory name longer than its field";
    if (static_cast<unsigned char>(name.front()) <= 32 ||
        static_cast<unsigned char>(name.back()) <= 32)
      return "a directory name that is not trimmed";
    for (char c : name)
      if (c >= 'A' && c <= 'Z') return "a directory name that is not lower case";

    std::string lookup = name;
    if (!unit.PackageExists(lookup)) return "a directory name that cannot be found";

    // Every packed file the directory names is read like the loader reads it.
    dialog.Messages.clear();
    unit.ReadErrorFlag = false;
    unit.OpenMenuStream(kFuzzExeName, kFuzzFolder);
    unit.SeekPackage(lookup);
    MenuFile menu;
    if (!unit.ReadErrorFlag && unit.CheckMenuHeader(menu.Header))
      ReadMenuBody(unit, menu.Header, menu);
    unit.CloseMenuStream();
    if (files.Counts().OpenNow != 0) return "the executable stays open after a menu";
    if (menu.Buttons.size() > static_cast<size_t>(kMaxButtons)) return "more than 100 buttons kept";
    for (const PictureValue& picture : menu.Pictures) {
      const Picture& image = picture.Image;
      if (image.Pixels.size() != static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height))
        return "a picture whose pixels do not match its size";
    }
  }
  return {};
}

}  // namespace orvane::fuzzing
