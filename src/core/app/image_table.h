#pragma once
// The pictures of the menu shown: a picture or nothing per button 0..100 (0 = the menu itself),
// image state 0..3 (normal, highlighted, pressed, accessory) and frame 0..100 (0 = still picture).
#include <cstdint>
#include <vector>

#include "app/control_state.h"
#include "menudata/menu_file.h"

namespace orvane {

class ImageTable {
 public:
  static constexpr int kButtons = kMaxButtons + 1;    // 0..100
  static constexpr int kStates = kMaxImageState + 1;  // 0..3
  static constexpr int kFrames = kMaxFrame + 1;       // 0..100

  ImageTable();

  static bool ValidSlot(int32_t button, int32_t state, int32_t frame);

  // Puts a private copy of the picture into the slot; a slot outside the table is ignored.
  void StoreImage(int32_t button, int32_t state, const Picture& picture, int32_t frame);
  void StoreImage(int32_t button, int32_t state, Picture&& picture, int32_t frame);
  // True when the slot holds a picture that is not empty.
  bool HasImage(int32_t button, int32_t state, int32_t frame) const;
  // The slot's picture, or nullptr (also outside the table).
  PictureRef Get(int32_t button, int32_t state, int32_t frame) const;
  // Empties every slot.
  void Clear();
  size_t Count() const;

 private:
  static size_t Index(int32_t button, int32_t state, int32_t frame);
  std::vector<PictureRef> slots_;
};

}  // namespace orvane
