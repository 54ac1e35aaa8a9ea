#include "tool/source/menu_texts.h"

#include "common/text.h"
#include "menudata/read_limits.h"
#include "menudata/text_encoding.h"
#include "tool/source/code_page.h"
#include "tool/tool_error.h"

namespace orvane::pack {

std::vector<NamedText> MenuTexts(MenuFile& menu) {
  std::vector<NamedText> texts;
  ForEachMenuText(menu, [&texts](std::string& text, const MenuTextPlace& place) {
    texts.push_back({PlaceName(place), &text});
  });
  return texts;
}

namespace {

struct Unfit {
  std::string Field;
  char32_t Character = 0;
};

// The texts in the code page, or the first text that does not fit (menu left as it was).
std::optional<Unfit> PutIntoCodePage(const std::vector<NamedText>& texts, const CodePage& page) {
  std::vector<std::string> stored;
  for (const NamedText& t : texts) {
    EncodedText encoded = page.FromUtf8(*t.Text);
    if (encoded.Missing) return Unfit{t.Field, *encoded.Missing};
    stored.push_back(std::move(encoded.Bytes));
  }
  for (size_t i = 0; i < texts.size(); ++i) *texts[i].Text = std::move(stored[i]);
  return std::nullopt;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

void EncodeMenuTexts(MenuFile& menu, const TextEncodingRequest& request, const std::string& file,
                     std::vector<std::string>& notes) {
  const bool later = IsLaterLayout(menu.Header.Version);
  std::string& first = menu.Settings.LaterLayoutTexts[0];
  const bool firstMarks = later && DeclaresUtf8(menu);
  std::vector<NamedText> texts = MenuTexts(menu);
  const std::string v6 =
      "a menu of version 6 holds only 8-bit texts; build it as version 7 (the "
      "default), whose texts can be UTF-8";

  bool utf8 = false;
  std::unique_ptr<CodePage> page;
  if (request.Named) {
    if (AsciiLower(*request.Named) == kUtf8Mark) {
      if (!later) throw ToolError(file, kTextEncodingKey, Quoted(kUtf8Mark) + ": " + v6);
      utf8 = true;
    } else if (const int number = CodePageOfName(*request.Named)) {
      page = MakeCodePage(number);
    } else {
      throw ToolError(file, kTextEncodingKey,
                      "expected \"utf-8\" or \"windows-1252\" (or windows- and one of the code "
                      "pages " +
                          std::string(kKnownCodePages) + "), found " + Quoted(*request.Named));
    }
  } else {
    page = MakeCodePage(kDefaultCodePage);
    if (const std::optional<Unfit> unfit = PutIntoCodePage(texts, *page)) {
      if (!later)
        throw ToolError(file, unfit->Field,
                        "holds the character " + DescribeCharacter(unfit->Character) +
                            ", which windows-1252 lacks; " + v6);
      utf8 = true;
      page.reset();
      notes.push_back(file + ": texts stored as UTF-8, since " + unfit->Field +
                      " holds the character " + DescribeCharacter(unfit->Character) +
                      ", which windows-1252 lacks (the player shows UTF-8 texts alike on every "
                      "Windows; write \"text_encoding\": \"utf-8\" to say so)");
    }
  }

  const std::string chosen = utf8 ? kUtf8Mark : CodePageName(page->Number());
  const std::string why = request.Named
                              ? Quoted(kTextEncodingKey) + " is " + Quoted(chosen)
                              : "the texts are stored as " + chosen + " (every text fits and " +
                                    kTextEncodingKey + " is not given)";
  if (request.UnusedTextsGiven && later) {
    // The mark is written from text_encoding alone; an unused text never sets or clears it.
    if (!utf8 && firstMarks)
      throw ToolError(file, "unused_texts[0]",
                      Quoted(first) + " would mark the texts as UTF-8, but " + why +
                          "; write \"text_encoding\": \"utf-8\" or change this text");
    if (utf8 && !first.empty() && !firstMarks)
      throw ToolError(file, "unused_texts[0]",
                      Quoted(first) + " takes the place of the UTF-8 mark, but " + why +
                          "; leave this text empty or write \"utf-8\"");
  }
  if (utf8) {
    if (!firstMarks) first = kUtf8Mark;
  } else if (request.Named) {
    if (const std::optional<Unfit> unfit = PutIntoCodePage(texts, *page))
      throw ToolError(file, unfit->Field,
                      "holds the character " + DescribeCharacter(unfit->Character) + ", which " +
                          chosen + " lacks; " +
                          (later ? "write \"text_encoding\": \"utf-8\" (shown alike on every "
                                   "Windows) or leave text_encoding out"
                                 : v6));
  }
  for (const NamedText& t : texts)
    if (t.Text->size() > static_cast<size_t>(kMaxTextLength))
      throw ToolError(
          file, t.Field,
          "is longer than the " + std::to_string(kMaxTextLength) + " bytes the player reads");
}

std::string TextEncodingName(const MenuFile& menu, int codePage) {
  return DeclaresUtf8(menu) ? kUtf8Mark : CodePageName(codePage);
}

}  // namespace orvane::pack
