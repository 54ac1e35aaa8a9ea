#include "about/maker_link.h"

namespace orvane {

void OpenMakerPage(PageOpener& shell, MessageDialog& dialog, const std::string& dialogCaption) {
  const int32_t answer = shell.OpenPage(kMakerPageAddress);
  if (answer != kPageFileNotFound && answer != kPageNoAssociation) return;
  dialog.Show(std::string("Could not launch Web Browser. Please start you web browser and point "
                          "it to:\r\r") +
                  kMakerPageAddress,
              MessageKind::Information, mb::OK, 0, -1, dialogCaption);
}

}  // namespace orvane
