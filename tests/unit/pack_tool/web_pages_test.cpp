// What a button's target becomes in the web pages, and how captions are written into them.
#include "tool/disc/web_pages.h"

#include <gtest/gtest.h>

namespace orvane::pack {
namespace {

TEST(WebPages, TargetsBecomeLinksRelativeToTheDiscOrAreShownDisabled) {
  const std::map<std::string, std::string> pages = {{"main.mnu", "index.html"}, {"tour.mnu", "tour.html"}};
  struct Case {
    std::string Target;
    int32_t CloseAfter;
    PageRun Run;
    std::string HrefOrText;
  };
  const Case cases[] = {
      {"%docs\\read me.txt", 0, PageRun::Link, "./docs/read%20me.txt"},
      {"\\docs/a&b.pdf", 0, PageRun::Link, "./docs/a%26b.pdf"},
      {"\\docs\\caf\xC3\xA9.pdf", 0, PageRun::Link, "./docs/caf%C3%A9.pdf"},
      {"%\xD0\xA0\xD1\x83\xD0\xBA.txt", 0, PageRun::Link, "./%D0%A0%D1%83%D0%BA.txt"},
      // The player does not expand %CD% in a launch target: no file on the disc has that name.
      {"%CD%:\\docs\\a.pdf", 0, PageRun::Unavailable, "Opens %CD%:\\docs\\a.pdf, which is not on this disc."},
      {"%extras\\", 0, PageRun::Link, "./extras/"},
      {"TOUR.MNU", 0, PageRun::Link, "./tour.html"},
      {"http://example.com/a b?x=\"1\"", 0, PageRun::Link, "http://example.com/a%20b?x=%221%22"},
      {"www.example.com", 0, PageRun::Link, "http://www.example.com"},
      {"mailto:someone@example.com", 0, PageRun::Link, "mailto:someone@example.com"},
      // Nothing becomes a script: a scheme other than the addresses' stays a file name.
      {"javascript:alert(1)", 0, PageRun::Link, "./javascript%3Aalert%281%29"},
      {"httpjavascript:alert(1)", 0, PageRun::Link, "./httpjavascript%3Aalert%281%29"},
      {"mailtojavascript:alert(1)", 0, PageRun::Link, "./mailtojavascript%3Aalert%281%29"},
      {"$First\xC2\xB6Second\r\nThird", 0, PageRun::Message, "First\nSecond\nThird"},
      {"$\xD0\x96\xC2\xB6\xE6\x97\xA5", 0, PageRun::Message, "\xD0\x96\n\xE6\x97\xA5"},
      {"$\r\nSecond", 0, PageRun::Message, "\nSecond"},
      {"*", -1, PageRun::Nothing, ""},
      {"", 0, PageRun::Nothing, ""},
      {"", -1, PageRun::Close, ""},
      {"%setup.EXE", 0, PageRun::Unavailable, "Needs Windows: starts the program setup.EXE."},
      {"%NOPROC%%CD%:\\tools\\run.bat", 0, PageRun::Unavailable, "Needs Windows: starts a program."},
      {"C:\\Windows\\notepad.txt", 0, PageRun::Unavailable,
       "Opens C:\\Windows\\notepad.txt, which is not on this disc."},
      {"other.mnu", 0, PageRun::Unavailable, "The menu other.mnu is not on this disc."},
  };
  for (const Case& c : cases) {
    TOVButton button;
    button.Target = c.Target;
    button.CloseAfter = c.CloseAfter;
    const PageAction action = PageActionFor(button, pages);
    EXPECT_EQ(static_cast<int>(action.Run), static_cast<int>(c.Run)) << c.Target;
    EXPECT_EQ(action.Run == PageRun::Link ? action.Href : action.Text, c.HrefOrText) << c.Target;
  }
}

TEST(WebPages, CaptionsAreEscapedWithTheirAccessKeyUnderlined) {
  EXPECT_EQ(CaptionHtml("E&xit"), "E<u>x</u>it");
  EXPECT_EQ(CaptionHtml("Fish && &Chips&"), "Fish &amp; <u>C</u>hips");
  EXPECT_EQ(CaptionHtml("<script>alert('&x')</script>"), "&lt;script&gt;alert(&#39;<u>x</u>&#39;)&lt;/script&gt;");
  EXPECT_EQ(CaptionHtml("&<b>\"caf\xC3\xA9\""), "<u>&lt;</u>b&gt;&quot;caf\xC3\xA9&quot;");
  EXPECT_EQ(CaptionHtml("\xE6\x97\xA5 (&\xD0\x96)"), "\xE6\x97\xA5 (<u>\xD0\x96</u>)");
}

}  // namespace
}  // namespace orvane::pack
