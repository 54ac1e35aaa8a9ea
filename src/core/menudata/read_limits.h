#pragma once
// Limits on what the menu-data readers accept from a file, and what happens beyond them. Every
// size and count in a container or menu file comes from outside, so each is bounded before it
// is used to index a table or to allocate memory.
#include <cstdint>

namespace orvane {

// Directory entries: the table has 100 slots (kPackageSlots). A container announcing more keeps
// its first 100 entries and ignores the rest without a message: the first entry (the default
// menu) and every entry the table can address stay usable, and a menu that switches to an
// ignored entry is told that it cannot be found, which is the same answer as for any other
// missing menu. Refusing the whole container would make a disc unusable for menus it can show.

// Text values: one menu text is a caption, a path or a window outline; 1 MiB is far beyond any
// of them. A longer text that the file does hold is skipped (the reader stays in step) and a
// length beyond the end of the file is not followed; both yield empty text and set
// ReadErrorFlag, and nothing is allocated for them.
constexpr int32_t kMaxTextLength = 1 << 20;

// Pictures: each side 1 to 16384 pixels and at most 16 Mi pixels (64 MiB) in all, several times
// a full screen. A payload outside these limits is skipped when its length can be trusted, and
// counts as a read failure either way.
constexpr int32_t kMaxPictureSide = 16384;
constexpr int64_t kMaxPicturePixels = int64_t{16} << 20;

// All pictures of one menu: 256 MiB of decoded pixels, far beyond any real menu. zlib lets a file
// expand about 1000-fold, so without this a menu of a few MiB could make the player reserve more
// memory than a 32-bit process has. A picture beyond what is left is read past without decoding,
// stores nothing, and sets ReadErrorFlag.
constexpr int64_t kMaxMenuPixelBytes = int64_t{256} << 20;

// zlib cannot expand a deflate stream by more than about 1032:1. An inflated length beyond that
// ratio to its compressed block is a lie, refused before anything is allocated for it, so a
// small file cannot make the player reserve gigabytes.
constexpr int64_t kMaxInflateRatio = 1032;

// The picture value whose frame is -1 names a separate picture file instead of carrying pixels.
// Its name is at most a Windows path long; the reader steps over it when its length is
// plausible, stores no picture (no slot belongs to frame -1) and sets ReadErrorFlag so that the
// menu's author hears of it.
constexpr int32_t kMaxSeparateFileName = 260;

// Header button counts above kMaxButtons (100): every record is read so that the pictures after
// them are read in step, the first 100 are kept, and ReadErrorFlag is set.
// Picture values whose button is above 100, state above 3 or frame outside 0 to 100 have no slot
// to go to: their payload is read past without decoding, nothing is stored, and ReadErrorFlag
// is set.

}  // namespace orvane
