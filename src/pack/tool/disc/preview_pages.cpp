#include "tool/disc/preview_pages.h"

#include "tool/file_io.h"
#include "tool/source/source_fields.h"
#include "tool/file_io.h"
#include "tool/tool_error.h"

namespace fs = std::filesystem;

namespace orvane::pack {

namespace {

constexpr char kAssets[] = "orvane-web";
constexpr char kPreviewTags[] =
    "<link rel=\"stylesheet\" href=\"orvane-web/preview.css\">\n"
    "<script src=\"orvane-web/preview.js\"></script>\n";

}  // namespace

void AddPreviewToPages(const std::vector<std::string>& pages, const std::string& folder) {
  WriteFileAtomically((fs::path(folder) / kAssets / "preview.js").string(),
                      std::string(kPreviewScript));
  WriteFileAtomically((fs::path(folder) / kAssets / "preview.css").string(),
                      std::string(kPreviewStyle));
  for (const std::string& page : pages) {
    const std::vector<uint8_t> bytes = ReadWholeFile(page);
    std::string html(bytes.begin(), bytes.end());
    const size_t end = html.rfind("</body>");
    if (end == std::string::npos) throw ToolError(page, "", "the page has no end of its body");
    WriteFileAtomically(page, html.insert(end, kPreviewTags));
  }
}

void WritePreviewState(const std::string& folder, uint64_t build, const std::string& error) {
  WriteFileAtomically((fs::path(folder) / kAssets / "preview-state.js").string(),
                      "orvanePreviewState(" + std::to_string(build) + ", " +
                          Json(error).dump(-1, ' ', false, Json::error_handler_t::replace) +
                          ");\n");
}

std::string FileUrl(const std::string& path) {
  std::error_code ec;
  std::string url = fs::absolute(path, ec).lexically_normal().generic_u8string();
  for (size_t at = 0; (at = url.find_first_of(" #%?", at)) != std::string::npos; at += 3) {
    static const char kHex[] = "0123456789ABCDEF";
    const unsigned char c = static_cast<unsigned char>(url[at]);
    url.replace(at, 1, std::string{'%', kHex[c >> 4], kHex[c & 15]});
  }
  return (url.front() == '/' ? "file://" : "file:///") + url;
}

FileStamps StampFiles(const std::vector<std::string>& paths) {
  FileStamps stamps;
  for (const std::string& path : paths) {
    std::error_code ec;
    const fs::file_time_type time = fs::last_write_time(path, ec);
    stamps[path] = ec ? fs::file_time_type::min() : time;
  }
  return stamps;
}

}  // namespace orvane::pack
