#include "windowless_controls.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "picture_dib.h"
#include "wide_text.h"

namespace orvane {

namespace {
// Positions and sizes come from menu files; their sums are kept within the coordinate range.
LONG Edge(int32_t position, int32_t size) {
  const int64_t edge = int64_t{position} + std::max<int32_t>(size, 0);
  return static_cast<LONG>(std::min<int64_t>(edge, INT32_MAX));
}
RECT RectOf(const Bounds& b) {
  return RECT{b.Left, b.Top, Edge(b.Left, b.Width), Edge(b.Top, b.Height)};
}
}  // namespace

const WindowlessControls::Entry* WindowlessControls::Find(const ControlId& id) const {
  for (const Entry& entry : entries_)
    if (entry.Id == id) return &entry;
  return nullptr;
}

WindowlessControls::Entry* WindowlessControls::Find(const ControlId& id) {
  for (Entry& entry : entries_)
    if (entry.Id == id) return &entry;
  return nullptr;
}

void WindowlessControls::Invalidate(const Bounds& bounds) const {
  if (bounds.Width <= 0 || bounds.Height <= 0) return;
  const RECT rect = RectOf(bounds);
  InvalidateRect(window_, &rect, FALSE);
}

void WindowlessControls::Add(const ControlId& id, const ControlState& state) {
  Remove(id);
  entries_.push_back(Entry{id, state});
  if (state.Visible) Invalidate(state.Bounds);
}

void WindowlessControls::Remove(const ControlId& id) {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const Entry& entry) { return entry.Id == id; });
  if (found == entries_.end()) return;
  if (found->State.Visible) Invalidate(found->State.Bounds);
  entries_.erase(found);
}

ControlState* WindowlessControls::State(const ControlId& id) {
  Entry* entry = Find(id);
  return entry ? &entry->State : nullptr;
}

void WindowlessControls::Changed(const ControlId& id, const Bounds& oldBounds) {
  const Entry* entry = Find(id);
  if (!entry) return;
  Invalidate(oldBounds);
  Invalidate(entry->State.Bounds);
}

void WindowlessControls::BringToFront(const ControlId& id) {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const Entry& entry) { return entry.Id == id; });
  if (found == entries_.end()) return;
  std::rotate(found, found + 1, entries_.end());
  Invalidate(entries_.back().State.Bounds);
}

void WindowlessControls::SendToBack(const ControlId& id) {
  auto found = std::find_if(entries_.begin(), entries_.end(),
                            [&](const Entry& entry) { return entry.Id == id; });
  if (found == entries_.end()) return;
  std::rotate(entries_.begin(), found, found + 1);
  Invalidate(entries_.front().State.Bounds);
}

void WindowlessControls::Paint(HDC dc, const RECT& area) const {
  for (const Entry& entry : entries_) {
    if (!entry.State.Visible) continue;
    const RECT rect = RectOf(entry.State.Bounds);
    RECT common;
    if (!IntersectRect(&common, &rect, &area)) continue;
    if (TypeOf(entry.Id.Kind) == ControlType::Picture) {
      PaintPicture(dc, entry.State);
    } else {
      PaintLabel(dc, entry.State);
    }
  }
}

void WindowlessControls::PaintPicture(HDC dc, const ControlState& state) const {
  const PictureRef& picture = state.Picture;
  if (!picture || picture->Empty()) return;
  const BITMAPINFO info = PictureBitmapInfo(picture->Width, picture->Height);
  SetDIBitsToDevice(dc, state.Bounds.Left, state.Bounds.Top, static_cast<DWORD>(picture->Width),
                    static_cast<DWORD>(picture->Height), 0, 0, 0,
                    static_cast<UINT>(picture->Height), picture->Pixels.data(), &info,
                    DIB_RGB_COLORS);
}

void WindowlessControls::PaintLabel(HDC dc, const ControlState& state) const {
  RECT rect = RectOf(state.Bounds);
  if (!state.Transparent) FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  if (state.Text.empty()) return;
  HGDIOBJ oldFont = SelectObject(dc, fonts_.Get(state.Font));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GdiFonts::TextColour(state.Font));
  UINT format = DT_EXPANDTABS;
  if (state.WordWrap) format |= DT_WORDBREAK;
  switch (state.Alignment) {
    case TextAlignment::Right: format |= DT_RIGHT; break;
    case TextAlignment::Centre: format |= DT_CENTER; break;
    default: format |= DT_LEFT; break;
  }
  const std::wstring text = Wide(state.Text);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format);
  SelectObject(dc, oldFont);
}

std::optional<ControlId> WindowlessControls::HitTest(POINT point) const {
  for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
    if (!it->State.Visible) continue;
    const RECT rect = RectOf(it->State.Bounds);
    if (PtInRect(&rect, point)) return it->Id;
  }
  return std::nullopt;
}

}  // namespace orvane
