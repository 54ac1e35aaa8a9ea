#pragma once
// What turns the web pages into a live preview: a script that polls a small generated state
// script (a script element works from file://, with no server) and reloads the page when the
// pages were rebuilt, shows a build error over the last good page, and draws an overlay of the
// controls' boxes, the pointer's position and the texts that do not fit.
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace orvane::pack {

// Adds the preview's script and stylesheet to every page, and writes them beside the pages'.
void AddPreviewToPages(const std::vector<std::string>& pages, const std::string& folder);

// The state the open page polls: the number of the last good build, and the error of the latest
// build ("" when it built).
void WritePreviewState(const std::string& folder, uint64_t build, const std::string& error);

// The file:// address of a file.
std::string FileUrl(const std::string& path);

// The modification times of files, to notice a save; a missing file has its own mark, so that
// its coming back counts as a change too.
using FileStamps = std::map<std::string, std::filesystem::file_time_type>;
FileStamps StampFiles(const std::vector<std::string>& paths);

extern const char kPreviewScript[];
extern const char kPreviewStyle[];

}  // namespace orvane::pack
