#include "app/control_ids.h"

#include "common/text.h"

namespace orvane {

bool IsButtonControl(ControlKind kind) {
  switch (kind) {
    case ControlKind::ImgBtn:
    case ControlKind::WinBtn:
    case ControlKind::KeyBtn:
    case ControlKind::LblBtn: return true;
    default: return false;
  }
}

ControlType TypeOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::MenBck:
    case ControlKind::imgAccPicture:
    case ControlKind::ImgBtn: return ControlType::Picture;
    case ControlKind::WinBtn:
    case ControlKind::KeyBtn: return ControlType::PushButton;
    default: return ControlType::Label;
  }
}

std::string ControlName(const ControlId& id) {
  const char* prefix = "";
  switch (id.Kind) {
    case ControlKind::MenBck: return "MenBck";
    case ControlKind::imgAccPicture: return "imgAccPicture";
    case ControlKind::lblAccShadow: return "lblAccShadow";
    case ControlKind::lblAccText: return "lblAccText";
    case ControlKind::lblTime: return "lblTime";
    case ControlKind::lblDate: return "lblDate";
    case ControlKind::ImgBtn: prefix = "ImgBtn"; break;
    case ControlKind::WinBtn: prefix = "WinBtn"; break;
    case ControlKind::KeyBtn: prefix = "KeyBtn"; break;
    case ControlKind::LblBtn: prefix = "LblBtn"; break;
  }
  return std::string(prefix) + ZeroPaddedDecimal(id.Button, 3);
}

int32_t ButtonNumberFromName(const std::string& name) {
  if (name.size() < 3) return -1;
  int32_t number = 0;
  for (size_t i = name.size() - 3; i < name.size(); ++i) {
    const char c = name[i];
    if (c < '0' || c > '9') return -1;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace orvane
