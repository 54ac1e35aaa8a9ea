#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "menudata/menu_fixtures.h"
#include "support/platform_opener.h"
#include "support/temp_folder.h"

namespace orvane::testing {
namespace {

constexpr MessageKind kError = MessageKind::Error;
constexpr MessageKind kWarning = MessageKind::Warning;

Bytes WithTrailer(Bytes bytes, int32_t trailer) {
  pack::ValueWriter w;
  w.RawInt32(trailer);
  bytes.insert(bytes.end(), w.bytes().begin(), w.bytes().end());
  return bytes;
}

TEST(ContainerReader, ReadsTheDirectoryWithTrimmedLowerCaseNamesAndPositions) {
  ReaderRig rig;
  pack::ContainerOptions options;
  options.Text = "Authoring kit";
  options.Byte = 0x2A;
  const Bytes exe = pack::AppendContainer({'M', 'Z'}, {{"Main.MNU", {1, 2, 3}}, {"\tSecond Menu.mnu", {4}}}, options);
  rig.Files.AddFile("/disc/orvane.exe", exe);
  rig.Unit.ReadErrorFlag = true;  // left from before: reading the directory starts afresh
  rig.Unit.ReadPackageDirectory("orvane.exe");

  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
  EXPECT_TRUE(rig.Dialog.Messages.empty());
  EXPECT_EQ(rig.Files.OpenedPaths(), std::vector<std::string>{"/disc/orvane.exe"});
  EXPECT_EQ(rig.Files.Counts().OpenNow, 0) << "the stream is closed after the directory";
  EXPECT_FALSE(rig.Unit.MenuStreamOpen());
  EXPECT_EQ(rig.Unit.ContainerText + " " + std::to_string(rig.Unit.ContainerByte), "Authoring kit 42");

  const PackageDirectory& dir = rig.Unit.PackageDirectory;
  EXPECT_EQ(dir.Names[0] + "|" + dir.Names[1] + "|" + dir.Names[2], "main.mnu|second menu.mnu|");
  EXPECT_EQ(exe[dir.Offsets[0]] * 10 + exe[dir.Offsets[1]], 14);
}

TEST(ContainerReader, LooksUpNamesCaseBlindButNotBlankBlind) {
  ReaderRig rig;
  rig.Start(PackedExecutable({{"MiXed.Mnu", {0xAA}}, {"other", {0xBB}}, {"mixed.mnu", {0xCC}}}));

  std::string name = "MIXED.mnu";
  EXPECT_TRUE(rig.Unit.PackageExists(name));
  EXPECT_EQ(name, "mixed.mnu") << "the caller's name is lower-cased";
  for (std::string other : {" mixed.mnu", ""}) EXPECT_FALSE(rig.Unit.PackageExists(other)) << "[" << other << "]";
  EXPECT_TRUE(rig.Dialog.Messages.empty()) << "PackageExists never shows a message";
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);

  // The earlier of two equal names wins.
  ASSERT_TRUE(rig.Unit.OpenMenuStream(ReaderRig::kExe, ReaderRig::kFolder));
  std::string seek = "Mixed.MNU";
  rig.Unit.SeekPackage(seek);
  EXPECT_EQ(seek, "mixed.mnu");
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
  // The value readers now stand on the packed file's first byte (0xAA, no valid tag).
  EXPECT_EQ(rig.Unit.ReadByteValue(), 0);
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  rig.Unit.CloseMenuStream();
  EXPECT_EQ(rig.Files.Counts().OpenNow, 0);
}

TEST(ContainerReader, SeekPackagePositionsTheStreamAtThePackedFile) {
  ReaderRig rig;
  pack::ValueWriter first, second;
  first.WriteShortValue(111);
  second.WriteShortValue(222);
  rig.Start(PackedExecutable({{"a", first.Take()}, {"b", second.Take()}}));
  ASSERT_TRUE(rig.Unit.OpenMenuStream(ReaderRig::kExe, ReaderRig::kFolder));
  for (const char* which : {"B", "a", "b"}) {
    std::string name = which;
    rig.Unit.SeekPackage(name);
    EXPECT_EQ(rig.Unit.ReadShortValue(), name == "a" ? 111 : 222) << which;
  }
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
  rig.Unit.CloseMenuStream();
  std::string name = "a";
  rig.Unit.SeekPackage(name);
  EXPECT_TRUE(rig.Unit.ReadErrorFlag) << "a known package but no open stream";
}

TEST(ContainerReader, AMissingPackageIsReportedWithItsLowerCaseNameAndTheStreamStays) {
  ReaderRig rig;
  pack::ValueWriter menu;
  menu.WriteShortValue(5);
  menu.WriteShortValue(6);
  rig.Start(PackedExecutable({{"main", menu.Take()}}));
  ASSERT_TRUE(rig.Unit.OpenMenuStream(ReaderRig::kExe, ReaderRig::kFolder));
  std::string main = "main";
  rig.Unit.SeekPackage(main);
  EXPECT_EQ(rig.Unit.ReadShortValue(), 5);

  std::string missing = "Extra.MNU";
  rig.Unit.SeekPackage(missing);
  EXPECT_EQ(missing, "extra.mnu");
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  ExpectOneMessage(rig.Dialog, "Could not locate specified package:\r\rextra.mnu", kWarning);
  EXPECT_EQ(rig.Unit.ReadShortValue(), 6) << "the stream did not move";

  rig.Dialog.Messages.clear();
  std::string empty;
  rig.Unit.SeekPackage(empty);
  ExpectOneMessage(rig.Dialog, "Could not locate specified package:\r\r", kWarning);
}

TEST(ContainerReader, AnEmptyContainerFindsNothing) {
  ReaderRig rig;
  rig.Start(PackedExecutable({}));
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
  for (const std::string& slot : rig.Unit.PackageDirectory.Names) EXPECT_EQ(slot, "");
  MenuFile menu;
  EXPECT_FALSE(rig.LoadMenu("", menu));
  ExpectOneMessage(rig.Dialog, "Could not locate specified package:\r\r", kWarning);
}

TEST(ContainerReader, BadAddressesAndMagic) {
  const Bytes body = {'M', 'Z', 'F', 'P', 'A', 'K', 0, 0, 0, 'x', 'y'};
  struct Case {
    const char* what;
    Bytes file;
    const char* message;
    // clang-format off
  } cases[] = {
      {"trailer 1 (position 0)", WithTrailer(body, 1), "Invalid menu address."},
      {"trailer past S - 4", WithTrailer(body, static_cast<int32_t>(body.size()) + 2),
       "Invalid menu address."},
      {"trailer INT32_MAX", WithTrailer(body, INT32_MAX), "Invalid menu address."},
      {"file of 3 bytes", Bytes{1, 0, 0}, "Invalid menu address."},
      {"file of 4 bytes: a trailer and nothing it can point at", WithTrailer({}, -5), "Could not retrieve packed files"},
      {"empty file", Bytes{}, "Invalid menu address."},
      {"trailer at the start of S - 4", WithTrailer(body, static_cast<int32_t>(body.size()) + 1),
       "Could not retrieve packed files"},
      {"points at anything but FPAK", WithTrailer(body, 2), "Could not retrieve packed files"},
      {"negative position", WithTrailer(body, -5), "Could not retrieve packed files"},
      {"INT32_MIN trailer", WithTrailer(body, INT32_MIN), "Could not retrieve packed files"},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ReaderRig rig;
    rig.Unit.PackageDirectory.Names[0] = "kept";
    rig.Start(c.file);
    EXPECT_TRUE(rig.Unit.ReadErrorFlag);
    ExpectOneMessage(rig.Dialog, c.message, kError);
    EXPECT_EQ(rig.Unit.PackageDirectory.Names[0], "kept") << "the directory keeps what it held";
    EXPECT_EQ(rig.Files.Counts().OpenNow, 0);
  }
  // The one header position that counts as valid: FPAK at position 2.
  ReaderRig rig;
  Bytes good = {'M', 'Z', 'F', 'P', 'A', 'K', 0, 0, 0};
  good.insert(good.end(), {4, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0});  // empty text, byte 0, N = 0
  rig.Start(WithTrailer(good, 3));
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
  EXPECT_TRUE(rig.Dialog.Messages.empty());
}

// A signed player with one menu; the patches below damage it.
struct SignedFile {
  explicit SignedFile(bool wide) : Entry(SecurityEntryOf(wide)), ContainerStart(PeHeaders(wide).size()) {
    File = pack::AppendContainer(PeHeaders(wide), {{"Main.mnu", {1}}});
    AppendCertificateTable(File, wide);
  }
  void Put(size_t at, uint64_t value, int count = 4) { PutU32(File, at, value, count); }
  // Makes the first `length` bytes of the PE headers the certificate table, so that they end with
  // the file; a length that cuts the security entry leaves its last bytes out of the file.
  void HeadersEndingTheFile(size_t length) {
    File.resize(File.size() - 24);  // the table that the constructor appended
    const size_t at = File.size(), entry = at + Entry - kPeHeader;
    const Bytes headers(File.begin() + kPeHeader, File.begin() + static_cast<std::ptrdiff_t>(kPeHeader + length));
    File.insert(File.end(), headers.begin(), headers.end());
    Put(0x3C, at), Put(entry, at);
    Put(entry + 4, length, static_cast<int>(std::min<size_t>(4, at + length - entry - 4)));
  }
  size_t Entry;  // the security entry: table position, then table size
  size_t ContainerStart;
  Bytes File;
};

TEST(ContainerReader, FindsTheTrailerInFrontOfACertificateTableAndSurvivesHostileHeaders) {
  const char* kUnreadable = "Could not retrieve packed files";  // the table's last bytes: -1
  const char* kInvalid = "Invalid menu address.";
  using Patch = void (*)(SignedFile&);
  struct Case {
    const char* what;
    bool wide;
    Patch patch;
    const char* message;  // nullptr: the directory is read
    // clang-format off
  } cases[] = {
      {"PE32", false, [](SignedFile&) {}, nullptr},
      {"PE32+", true, [](SignedFile&) {}, nullptr},
      {"table size 0", false, [](SignedFile& f) { f.Put(f.Entry + 4, 0); }, kUnreadable},
      {"table position 0", false, [](SignedFile& f) { f.Put(f.Entry, 0); }, kUnreadable},
      {"table position 0 spanning the whole file", false,
       [](SignedFile& f) { f.Put(f.Entry + 4, f.File.size()), f.Put(f.Entry, 0); }, kUnreadable},
      {"table ends before the end", false, [](SignedFile& f) { f.Put(f.Entry + 4, 23); }, kUnreadable},
      {"table runs past the end", true, [](SignedFile& f) { f.Put(f.Entry + 4, 25); }, kUnreadable},
      {"position + size overflow 32 bits", false,
       [](SignedFile& f) {
         f.Put(f.Entry, f.File.size() + 16);
         f.Put(f.Entry + 4, 0x100000000 - 16);
       },
       kUnreadable},
      {"e_lfanew past the end", false, [](SignedFile& f) { f.Put(0x3C, 0xFFFFFFF0); }, kUnreadable},
      {"e_lfanew 10 bytes before the end", false, [](SignedFile& f) { f.Put(0x3C, f.File.size() - 10); },
       kUnreadable},
      {"MZ's first byte", false, [](SignedFile& f) { f.File[0] = 'X'; }, kUnreadable},
      {"MZ's second byte", false, [](SignedFile& f) { f.File[1] = 'X'; }, kUnreadable},
      {"no PE signature", false, [](SignedFile& f) { f.File[kPeHeader] = 'X'; }, kUnreadable},
      {"PE signature's second byte", false, [](SignedFile& f) { f.File[kPeHeader + 1] = 'X'; }, kUnreadable},
      {"PE signature's third byte", false, [](SignedFile& f) { f.File[kPeHeader + 2] = 1; }, kUnreadable},
      {"PE signature's fourth byte", false, [](SignedFile& f) { f.File[kPeHeader + 3] = 1; }, kUnreadable},
      {"unknown optional header", false, [](SignedFile& f) { f.Put(kOptionalHeader, 0x107, 2); }, kUnreadable},
      {"optional header too short for the entry", false,
       [](SignedFile& f) { f.Put(kPeHeader + 20, 100, 2); }, kUnreadable},
      {"only four directory entries", true, [](SignedFile& f) { f.Put(kOptionalHeader + 108, 4); },
       kUnreadable},
      {"exactly five directory entries", false, [](SignedFile& f) { f.Put(kOptionalHeader + 92, 5); }, nullptr},
      {"optional header up to the entry", false, [](SignedFile& f) { f.Put(kPeHeader + 20, 136, 2); }, nullptr},
      {"optional header one byte shorter", false, [](SignedFile& f) { f.Put(kPeHeader + 20, 135, 2); }, kUnreadable},
      {"PE32+: up to the entry", true, [](SignedFile& f) { f.Put(kPeHeader + 20, 152, 2); }, nullptr},
      {"PE32+: one byte shorter", true, [](SignedFile& f) { f.Put(kPeHeader + 20, 151, 2); }, kUnreadable},
      {"headers ending with the security entry", false, [](SignedFile& f) { f.HeadersEndingTheFile(160); }, nullptr},
      {"headers ending one byte into it", false, [](SignedFile& f) { f.HeadersEndingTheFile(159); }, kInvalid},
      {"PE32+: headers ending with the entry", true, [](SignedFile& f) { f.HeadersEndingTheFile(176); }, nullptr},
      {"PE32+: one byte into it", true, [](SignedFile& f) { f.HeadersEndingTheFile(175); }, kInvalid},
      {"table at byte 2: no room for a trailer", false,
       [](SignedFile& f) {
         f.Put(f.Entry, 2);
         f.Put(f.Entry + 4, f.File.size() - 2);
       },
       kInvalid},
      {"table starting inside the container", false,
       [](SignedFile& f) {
         const size_t at = f.ContainerStart + 8;  // the trailer would be "FPAK"'s version bytes
         f.Put(f.Entry, at);
         f.Put(f.Entry + 4, f.File.size() - at);
       },
       kInvalid},
      {"padding between trailer and table", false,
       [](SignedFile& f) {
         const size_t table = f.File.size() - 24;
         f.File.insert(f.File.begin() + static_cast<std::ptrdiff_t>(table), 8, 0);
         f.Put(f.Entry, table + 8);
       },
       kUnreadable},
      {"a table of a single byte still counts", false,
       [](SignedFile& f) {
         f.File.resize(f.File.size() - 23);
         f.Put(f.Entry, f.File.size() - 1);
         f.Put(f.Entry + 4, 1);
       },
       nullptr},
      {"unsigned, with a damaged entry: read as ever", false,
       [](SignedFile& f) {
         f.File.resize(f.File.size() - 24);
         f.Put(f.Entry, 0xFFFFFF00);
         f.Put(f.Entry + 4, 0x200);
       },
       nullptr},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SignedFile file(c.wide);
    c.patch(file);
    ReaderRig rig;
    rig.Start(file.File);
    if (!c.message) {
      EXPECT_FALSE(rig.Unit.ReadErrorFlag);
      EXPECT_TRUE(rig.Dialog.Messages.empty());
      EXPECT_EQ(rig.Unit.PackageDirectory.Names[0], "main.mnu");
    } else {
      EXPECT_TRUE(rig.Unit.ReadErrorFlag);
      ExpectOneMessage(rig.Dialog, c.message, kError);
    }
  }
}

TEST(ContainerReader, AnExecutableThatCannotBeOpenedIsReportedNotCrashed) {
  ReaderRig rig;
  rig.Unit.ReadErrorFlag = true;
  rig.Unit.ReadPackageDirectory("absent.exe");
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  ExpectOneMessage(rig.Dialog, "Could not retrieve packed files", kError);
  EXPECT_EQ(rig.Files.OpenedPaths(), std::vector<std::string>{"/disc/absent.exe"});

  // Without a stream every reader fails softly.
  rig.Unit.ReadErrorFlag = false;
  EXPECT_FALSE(rig.Unit.OpenMenuStream("absent.exe", "/disc/"));
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  EXPECT_FALSE(rig.Unit.MenuStreamOpen());
  MenuHeader header;
  PictureValue picture;
  EXPECT_FALSE(rig.Unit.CheckMenuHeader(header));
  EXPECT_EQ(rig.Unit.ReadShortValue(), 0);
  EXPECT_EQ(rig.Unit.ReadTextValue(), "");
  EXPECT_FALSE(rig.Unit.ReadImageValue(picture));
  rig.Unit.CloseMenuStream();
  EXPECT_EQ(rig.Dialog.Messages.size(), 1u) << "no further messages";
}

TEST(ContainerReader, ADamagedHeaderValueFlagsButTheDirectoryIsStillRead) {
  pack::ValueWriter w;
  w.RawBytes("MZ", 2);
  w.RawText("FPAK");
  w.RawBytes("\1\0\0", 3);
  w.WriteShortValue(3);  // a short where the text belongs: read out of step from here
  w.WriteByteValue(0);
  w.RawByte(0);
  w.RawInt32(3);
  ReaderRig rig;
  rig.Start(w.Take());
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  EXPECT_TRUE(rig.Dialog.Messages.empty()) << "a wrong tag has no message of its own";
}

// A container whose directory holds these names (padded to 256 bytes) and stored positions.
Bytes ContainerOf(const std::vector<std::pair<std::string, int32_t>>& entries) {
  pack::ValueWriter w;
  w.RawBytes("MZ", 2);
  w.RawText("FPAK");
  w.RawBytes("\1\0\0", 3);
  w.WriteTextValue("");
  w.WriteByteValue(0);
  w.RawByte(static_cast<uint8_t>(entries.size()));
  for (auto [name, stored] : entries) {
    name.resize(256, ' ');
    w.RawText(name);
    w.RawInt32(stored);
  }
  return WithTrailer(w.Take(), 3);
}

// Entries past the hundredth are ignored; the table is never written past its end.
TEST(ContainerReader, KeepsTheFirstHundredEntriesOfALargerDirectory) {
  std::vector<std::pair<std::string, int32_t>> entries;
  for (int i = 0; i < 130; ++i) entries.push_back({"M" + std::to_string(i), 3});
  ReaderRig rig;
  rig.Start(ContainerOf(entries));
  EXPECT_FALSE(rig.Unit.ReadErrorFlag);
  EXPECT_EQ(rig.Unit.PackageDirectory.Names[0], "m0");
  EXPECT_EQ(rig.Unit.PackageDirectory.Names[99], "m99");
  std::string hundredth = "M99", past = "m100";
  EXPECT_TRUE(rig.Unit.PackageExists(hundredth));
  EXPECT_FALSE(rig.Unit.PackageExists(past));
}

TEST(ContainerReader, ATruncatedDirectoryFlagsAndKeepsTheOldDirectory) {
  Bytes exe = PackedExecutable({{"one", {1}}, {"two", {2}}});
  // Cut the second entry in half but keep a valid trailer.
  const size_t header = 10;
  const size_t directory = header + 4 + 3 + 5 + 6 + 1;
  Bytes cut(exe.begin(), exe.begin() + directory + 260 + 100);
  cut = WithTrailer(cut, static_cast<int32_t>(header + 1));
  ReaderRig rig;
  rig.Unit.PackageDirectory.Names[0] = "kept";
  rig.Start(cut);
  EXPECT_TRUE(rig.Unit.ReadErrorFlag);
  EXPECT_EQ(rig.Unit.PackageDirectory.Names[0], "kept");
}

TEST(ContainerReader, APackedFileOutsideTheExecutableCannotBeSought) {
  ReaderRig rig;
  rig.Start(ContainerOf({{"far", 1 << 30}, {"negative", -40}}));
  ASSERT_FALSE(rig.Unit.ReadErrorFlag);
  for (const char* name : {"far", "negative"}) {
    MenuFile menu;
    EXPECT_FALSE(rig.LoadMenu(name, menu)) << name;
    EXPECT_TRUE(rig.Unit.ReadErrorFlag) << name;
  }
  EXPECT_TRUE(rig.Dialog.Messages.empty()) << "the loader reports a bad position, not the seek";
}

TEST(ContainerReader, ReadsARealFileThroughThePlatformOpener) {
  TempFolder folder;
  pack::ValueWriter menu;
  menu.WriteTextValue("from disk");
  folder.WriteFile("player.exe", PackedExecutable({{"Disk.mnu", menu.Take()}}));

  PlatformFileOpener files;
  RecordingMessageDialog dialog;
  MenuDataReader unit(files, dialog);
  unit.ApplicationFolder = folder.Folder();
  unit.DialogCaption = "Orvane";
  unit.ReadPackageDirectory("player.exe");
  ASSERT_FALSE(unit.ReadErrorFlag);
  EXPECT_EQ(unit.PackageDirectory.Names[0], "disk.mnu");

  ASSERT_TRUE(unit.OpenMenuStream("player.exe", folder.Folder()));
  std::string name = "DISK.MNU";
  unit.SeekPackage(name);
  EXPECT_EQ(unit.ReadTextValue(), "from disk");
  EXPECT_FALSE(unit.ReadErrorFlag);
  unit.CloseMenuStream();

  unit.ReadPackageDirectory("missing.exe");
  EXPECT_TRUE(unit.ReadErrorFlag);
  ExpectOneMessage(dialog, "Could not retrieve packed files", MessageKind::Error);
  EXPECT_FALSE(unit.OpenMenuStream("missing.exe", folder.Folder()));
}

}  // namespace
}  // namespace orvane::testing
