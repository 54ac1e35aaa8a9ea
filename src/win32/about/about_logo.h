#pragma once
// The maker's logo, a baseline JPEG embedded in the executable as the RCDATA resource
// "ORVANE_ABOUT_LOGO" (see about.rc.in).
#include <windows.h>

#include <cstddef>

#include "menudata/picture.h"

namespace orvane {

constexpr const wchar_t* kAboutLogoResource = L"ORVANE_ABOUT_LOGO";
// A resource or picture beyond these limits is refused rather than decoded.
constexpr size_t kAboutLogoMaxBytes = 1u << 20;
constexpr int kAboutLogoMaxSide = 1024;

// Decodes a JPEG held in memory into a picture; empty when it is not a readable JPEG within the
// limits.
Picture DecodeAboutLogo(const void* data, size_t size);

// The logo resource of the module, decoded; empty when it is missing or unreadable.
Picture LoadAboutLogo(HINSTANCE instance);

}  // namespace orvane
