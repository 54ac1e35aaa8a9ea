#include "app/image_table.h"

namespace orvane {

ImageTable::ImageTable() : slots_(static_cast<size_t>(kButtons) * kStates * kFrames) {}

bool ImageTable::ValidSlot(int32_t button, int32_t state, int32_t frame) {
  return button >= 0 && button < kButtons && state >= 0 && state < kStates && frame >= 0 &&
         frame < kFrames;
}

size_t ImageTable::Index(int32_t button, int32_t state, int32_t frame) {
  return (static_cast<size_t>(button) * kStates + static_cast<size_t>(state)) * kFrames +
         static_cast<size_t>(frame);
}

void ImageTable::StoreImage(int32_t button, int32_t state, const Picture& picture, int32_t frame) {
  StoreImage(button, state, Picture(picture), frame);
}

void ImageTable::StoreImage(int32_t button, int32_t state, Picture&& picture, int32_t frame) {
  if (!ValidSlot(button, state, frame)) return;
  slots_[Index(button, state, frame)] = std::make_shared<const Picture>(std::move(picture));
}

bool ImageTable::HasImage(int32_t button, int32_t state, int32_t frame) const {
  const PictureRef picture = Get(button, state, frame);
  return picture && !picture->Empty();
}

PictureRef ImageTable::Get(int32_t button, int32_t state, int32_t frame) const {
  if (!ValidSlot(button, state, frame)) return nullptr;
  return slots_[Index(button, state, frame)];
}

void ImageTable::Clear() {
  for (PictureRef& slot : slots_) slot.reset();
}

size_t ImageTable::Count() const {
  size_t count = 0;
  for (const PictureRef& slot : slots_)
    if (slot) ++count;
  return count;
}

}  // namespace orvane
