#include "common/sounds.h"

namespace orvane {

namespace {
// How often the click sound lets pending messages run, so that paint and timer messages are
// handled before the action goes on.
constexpr int kClickMessagePumps = 100;
}  // namespace

std::string MenuBaseName(const std::string& menuName) {
  size_t dot = menuName.find('.');
  return dot == std::string::npos ? std::string() : menuName.substr(0, dot);
}

bool Sounds::LoadBuiltInSounds(MessageDialog& dialog, const std::string& caption) {
  std::string error;
  if (output_.LoadBuiltIn(error)) return true;
  dialog.Show(error, MessageKind::Error, mb::OK, 0, -1, caption);
  return false;
}

std::string Sounds::FindSideFile(std::initializer_list<std::string> names, Acceptance rule) {
  for (const std::string& name : names) {
    std::string path = ApplicationFolder + name;
    auto attributes = files_.GetAttributes(path);
    // A folder of that name is no sound file under any rule.
    if (!attributes || attributes->Directory) continue;
    if (rule == Acceptance::OrdinaryOnly && !attributes->Ordinary()) continue;
    return path;
  }
  return std::string();
}

void Sounds::PlayRow(std::initializer_list<std::string> names, Acceptance rule, int32_t slot,
                     bool wait) {
  std::string path = FindSideFile(names, rule);
  if (!path.empty())
    output_.PlayFile(path, wait);
  else if (slot != 0)
    PlayBuiltInSound(slot, wait);
}

void Sounds::PlayBuiltInSound(int32_t kind, bool wait) {
  switch (kind) {
    case kStartSound:
    case kClickSound:
    case kChangeSound:
    case kExitSound: output_.PlayBuiltIn(kind, wait); break;
    default: output_.PlayBuiltIn(kSelectSound, wait); break;
  }
}

void Sounds::PlayStartSound() {
  PlayRow({"start.wav"}, Acceptance::AnyAttributes, kStartSound, false);
}

void Sounds::PlaySelectSound(const std::string& menuName, int32_t button) {
  const std::string n = std::to_string(button);
  PlayRow({MenuBaseName(menuName) + "s" + n + ".wav", "select" + n + ".wav", "select.wav"},
          Acceptance::AnyAttributes, kSelectSound, false);
}

void Sounds::PlayClickSound(const std::string& menuName, int32_t button, bool wait) {
  if (ClickPlayed) return;
  ClickPlayed = true;
  const std::string n = std::to_string(button);
  PlayRow({MenuBaseName(menuName) + "c" + n + ".wav", "click" + n + ".wav", "click.wav"},
          Acceptance::OrdinaryOnly, kClickSound, wait);
  for (int i = 0; i < kClickMessagePumps; ++i) output_.PumpMessages();
}

void Sounds::PlayChangeSound(const std::string& menuName) {
  PlayRow({MenuBaseName(menuName) + ".wav", "change.wav"}, Acceptance::OrdinaryOnly, kChangeSound,
          true);
}

void Sounds::PlayExitSound() { PlayRow({"exit.wav"}, Acceptance::AnyAttributes, kExitSound, true); }

void Sounds::PlayNoActionSound() { PlayRow({"noaction.wav"}, Acceptance::OrdinaryOnly, 0, true); }

}  // namespace orvane
