#pragma once
// The link of the About window to the maker's page: the address, the text the link shows, and
// what happens when the shell cannot open it.
#include <cstdint>
#include <string>

#include "common/message_dialog.h"

namespace orvane {

constexpr const char* kMakerPageAddress = "https://www.orvane.example/";
constexpr const char* kMakerLinkText = "www.orvane.example";
// The one-line subtitle under the product name.
constexpr const char* kAboutSubtitle = "Menu player for distribution discs";

// Shell answers that mean no browser could be started.
constexpr int32_t kPageFileNotFound = 2;
constexpr int32_t kPageNoAssociation = 31;

// Opens an address with the default verb, no parameters and no working folder, the page's
// window maximised and owned by the About window. Returns the shell's answer (greater than 32
// on success, else its error code).
class PageOpener {
 public:
  virtual ~PageOpener() = default;
  virtual int32_t OpenPage(const std::string& address) = 0;
};

// Label5_Click: opens the maker's page; when no browser can be started, tells the user where to
// point one. Every other answer, success or failure, shows nothing.
void OpenMakerPage(PageOpener& shell, MessageDialog& dialog, const std::string& dialogCaption);

}  // namespace orvane
