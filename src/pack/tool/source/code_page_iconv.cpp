// The code pages of menus made elsewhere, through the C library's iconv (glibc knows them all
// under their Windows names).
#ifndef _WIN32
#include <iconv.h>

#include <cerrno>

#include "common/utf8.h"
#include "tool/source/code_page.h"
#include "tool/tool_error.h"

namespace orvane::pack {

namespace {

// One conversion descriptor; each call starts from the initial state.
class Converter {
 public:
  Converter(const std::string& to, const std::string& from)
      : cd_(iconv_open(to.c_str(), from.c_str())) {}
  ~Converter() {
    if (Ready()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Ready() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much as it can; returns where it stopped (input.size() when all went through)
  // and appends the output. stoppedOnBadInput tells an unconvertible sequence from a cut one.
  size_t Convert(std::string_view input, std::string& out, bool& stoppedOnBadInput) const {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    stoppedOnBadInput = false;
    char buffer[256];
    for (;;) {
      char* o = buffer;
      size_t oLeft = sizeof buffer;
      const size_t r = inLeft ? iconv(cd_, &in, &inLeft, &o, &oLeft)
                              : iconv(cd_, nullptr, nullptr, &o, &oLeft);  // flush held state
      out.append(buffer, static_cast<size_t>(o - buffer));
      if (r != static_cast<size_t>(-1)) {
        if (inLeft == 0 && o == buffer) break;
        continue;
      }
      if (errno == E2BIG) continue;
      stoppedOnBadInput = errno == EILSEQ;
      break;
    }
    return input.size() - inLeft;
  }

 private:
  iconv_t cd_;
};

class IconvCodePage : public CodePage {
 public:
  explicit IconvCodePage(int number)
      : number_(number),
        name_("CP" + std::to_string(number)),
        decode_("UTF-8", name_),
        encode_(name_, "UTF-8") {
    if (!decode_.Ready() || !encode_.Ready())
      throw ToolError("", "",
                      "this system has no converter for code page " + std::to_string(number) +
                          " (iconv " + name_ + ")");
  }

  std::string ToUtf8(std::string_view bytes) const override {
    std::string out;
    size_t at = 0;
    while (at < bytes.size()) {
      bool bad = false;
      at += decode_.Convert(bytes.substr(at), out, bad);
      if (at >= bytes.size()) break;
      AppendUtf8(out, kReplacementCharacter);  // a byte that stands for nothing, or a cut pair
      if (!bad) break;
      ++at;
    }
    return out;
  }

  EncodedText FromUtf8(std::string_view utf8) const override {
    EncodedText out;
    bool bad = false;
    const size_t done = encode_.Convert(utf8, out.Bytes, bad);
    if (done < utf8.size()) {
      size_t length = 0;
      out.Missing = DecodeUtf8At(utf8, done, length);
    }
    return out;
  }

  int Number() const override { return number_; }

 private:
  int number_;
  std::string name_;
  Converter decode_;
  Converter encode_;
};

}  // namespace

std::unique_ptr<CodePage> MakeSystemCodePage(int codePage) {
  return std::make_unique<IconvCodePage>(codePage);
}

}  // namespace orvane::pack
#endif
