// The viewer requirement: version information, canonical names, decimal versions, the check.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "action_fakes.h"
#include "actions/decimal_text.h"
#include "actions/version_name.h"
#include "actions/viewer_check.h"
#include "support/recording_trace.h"

namespace orvane {
namespace {

using action_testing::FakeFileSystem;
using action_testing::FakeVersionInfo;
using action_testing::RecordingShell;

using testing::RecordingTrace;

TEST(VersionName, CanonicalNameRulesInOrder) {
  // clang-format off
  const std::pair<std::string, std::string> rows[] = {  // product name, canonical name
      {"Adobe Reader", "Adobe Acrobat"}, {"Acrobat Reader", "Adobe Acrobat"},
      {"Adobe Acrobat Pro", "Adobe Acrobat"}, {"Foxit Reader", "Foxit"},
      {"PDF-XChange Viewer Reader", "PDF-XChange"}, {"Media Player Version 9", "Media Player"},
      {"Tool ver 2", "Tool"}, {"Tool ver2", "Tool ver2"}, {"Readers Digest", "Readers Digest"},
      {"", ""}};
  // clang-format on
  for (const auto& [name, canonical] : rows) EXPECT_EQ(CanonicalViewerName(name), canonical) << name;
}

TEST(VersionName, ReadsNameAndVersionFromTheVersionInformation) {
  FakeVersionInfo versions;
  RecordingTrace trace;
  versions.AddProgram("C:\\r.exe", "Adobe Reader", 9, 3);
  EXPECT_EQ(ReadFileVersion(versions, "C:\\r.exe", trace), "9.3");
  EXPECT_EQ(trace.lines, std::vector<std::string>{"**** AppMajor: 9 **** "});
  EXPECT_EQ(ReadVersionName(versions, "C:\\r.exe"), "Adobe Acrobat");

  versions.AddProgram("C:\\w.exe", "Microsoft Windows Operating System", 10, 0,
                      std::string("Windows Picture Viewer\0", 23));
  EXPECT_EQ(ReadVersionName(versions, "C:\\w.exe"), "Windows Picture");
  versions.AddProgram("C:\\o.exe", "Some Operating System", 1, 0);  // no description
  EXPECT_EQ(ReadVersionName(versions, "C:\\o.exe"), "Some Operating System");
  versions.AddProgram("C:\\l.exe", "My operating system", 1, 0, "Viewer");  // matched with its case
  EXPECT_EQ(ReadVersionName(versions, "C:\\l.exe"), "My operating system");

  EXPECT_EQ(ReadFileVersion(versions, "C:\\none.exe", trace), "");
  EXPECT_EQ(ReadVersionName(versions, "C:\\none.exe"), "");
}

TEST(VersionName, ShortOrMissingPartsGiveEmptyTexts) {
  FakeVersionInfo versions;
  NullDebugOutput trace;
  versions.AddProgram("C:\\a.exe", "A", 1, 2);
  versions.programs["C:\\a.exe"]["\\"] = versions.programs["C:\\a.exe"]["\\"].substr(0, 12);
  EXPECT_EQ(ReadFileVersion(versions, "C:\\a.exe", trace), "1.2");  // just long enough
  versions.programs["C:\\a.exe"]["\\"] = std::string(11, '\0');
  versions.programs["C:\\a.exe"]["\\VarFileInfo\\Translation"] = "ab";
  EXPECT_EQ(ReadFileVersion(versions, "C:\\a.exe", trace), "");
  EXPECT_EQ(ReadVersionName(versions, "C:\\a.exe"), "");

  versions.AddProgram("C:\\b.exe", "B", 1, 2);
  versions.programs["C:\\b.exe"]["\\VarFileInfo\\Translation"] = std::string("\x07\x04\xE4\x04", 4);
  EXPECT_EQ(ReadVersionName(versions, "C:\\b.exe"), "");  // no string table 040704E4
  versions.programs["C:\\b.exe"]["\\StringFileInfo\\040704E4\\ProductName"] = "Betrachter";
  EXPECT_EQ(ReadVersionName(versions, "C:\\b.exe"), "Betrachter");
}

TEST(DecimalText, ComparedAsDecimalNumbers) {
  // clang-format off
  const std::tuple<std::string, std::string, std::optional<int>> rows[] = {
      {"9.10", "9.1", 0}, {"9.10", "9.3", -1}, {"2", "1", 1}, {"1.2", "1.1", 1}, {"10.0", "9.3", 1}, {"6.0", "6", 0},
      {"007", "7.000", 0}, {".5", "0.5", 0}, {"123456789012345678901234567890", "9.9", 1},
      {"", "1", std::nullopt}, {"5a", "1", std::nullopt}, {"1.2.3", "1", std::nullopt},
      {"-1", "1", std::nullopt}};
  // clang-format on
  for (const auto& [a, b, result] : rows) EXPECT_EQ(CompareDecimalText(a, b), result) << a << " " << b;
}

struct Viewer {
  FakeFileSystem files;
  RecordingShell shell;
  FakeVersionInfo versions;
  NullDebugOutput trace;
  LookupContext context{shell, files, "E:\\"};

  bool Check(const ViewerRequirement& requirement, std::string& target) {
    return CheckRequiredViewer(requirement, target, context, versions, trace);
  }
};

TEST(CheckRequiredViewer, AtLeastAndExactVersions) {
  Viewer t;
  t.shell.associations["manual.pdf"] = "C:\\Reader\\AcroRd32.exe";
  t.versions.AddProgram("C:\\Reader\\AcroRd32.exe", "Adobe Reader", 9, 3);

  std::string target = "d:\\docs\\Manual.PDF";
  EXPECT_TRUE(t.Check({"adobe acrobat", "7", 1}, target));
  EXPECT_EQ(target, "manual.pdf");
  ASSERT_EQ(t.shell.queries.size(), 1u);
  EXPECT_EQ(t.shell.queries[0].file, "manual.pdf");
  EXPECT_EQ(t.shell.queries[0].folder, "d:\\docs\\");

  // Compare 1 asks for at least the version, anything else for exactly it; no number is never met.
  // clang-format off
  const std::pair<ViewerRequirement, bool> rows[] = {
      {{"Adobe Acrobat", "7", 0}, false}, {{"Adobe Acrobat", "9.30", 0}, true},
      {{"Adobe Acrobat", "10", 1}, false}, {{"Foxit", "1", 1}, false},
      {{"Adobe Acrobat", "", 1}, false}};
  // clang-format on
  for (const auto& [requirement, met] : rows) {
    target = "d:\\docs\\Manual.PDF";
    EXPECT_EQ(t.Check(requirement, target), met) << requirement.ViewerName << " " << requirement.ViewerVersion;
  }
}

TEST(CheckRequiredViewer, NothingFoundIsNotAvailableWithVersionZero) {
  Viewer t;
  std::string target = "E:\\a.xyz";
  EXPECT_FALSE(t.Check({"Foxit", "0", 1}, target));
  target = "E:\\a.xyz";
  EXPECT_TRUE(t.Check({"n/a", "0", 0}, target));

  t.shell.associations["b.doc"] = "C:\\noversion.exe";  // a program without version information
  target = "E:\\b.doc";
  EXPECT_TRUE(t.Check({"N/A", "0.0", 1}, target));
  // A name without a version number counts as no viewer as well.
  t.shell.associations["c.doc"] = "C:\\nameonly.exe";
  t.versions.AddProgram("C:\\nameonly.exe", "Viewer", 1, 0);
  t.versions.programs["C:\\nameonly.exe"]["\\"] = std::string(11, '\0');
  target = "E:\\c.doc";
  EXPECT_TRUE(t.Check({"N/A", "0", 1}, target));

  std::string empty;
  const size_t queries = t.shell.queries.size();
  EXPECT_TRUE(t.Check({"N/A", "0", 0}, empty));
  EXPECT_EQ(t.shell.queries.size(), queries);  // no lookup at all
}

TEST(CheckRequiredViewer, FileNamedLikeAnAddressIsMatchedAgainstTheBrowser) {
  Viewer t;
  t.files.AddFile("C:\\WINDOWS\\home.htm");
  t.shell.associations["c:\\windows\\home.htm"] = "C:\\Web\\browse.exe";
  t.shell.associations["www_guide.pdf"] = "C:\\Reader\\pdf.exe";
  t.versions.AddProgram("C:\\Web\\browse.exe", "Browse Viewer", 4, 1);
  std::string target = "E:\\docs\\WWW_Guide.pdf";
  EXPECT_TRUE(t.Check({"browse", "4.1", 0}, target));
  EXPECT_EQ(target, "www_guide.pdf");
}

}  // namespace
}  // namespace orvane
