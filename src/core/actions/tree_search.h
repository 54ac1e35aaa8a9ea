#pragma once
// Breadth-first search of a folder tree for an entry of a given name, in the order in which the
// platform lists each folder. The drive-wide search shows a progress window with a Cancel button.
#include <memory>
#include <string>

#include "actions/message_pump.h"
#include "common/file_system.h"

namespace orvane {

class TreeSearch;

// The progress window; destroying it closes it.
class SearchProgressWindow {
 public:
  virtual ~SearchProgressWindow() = default;
  virtual void SetFolder(const std::string& folder) = 0;
};

class SearchProgressFactory {
 public:
  virtual ~SearchProgressFactory() = default;
  // Creates and shows the window without blocking; its Cancel button sets
  // search.SearchCancelled.
  virtual std::unique_ptr<SearchProgressWindow> Open(TreeSearch& search) = 0;
};

// The search opens its progress window only from this folder on (counted from 1), so that a
// small tree is searched without any window flashing up.
constexpr size_t kProgressFromFolder = 21;
constexpr char kNotFound[] = "-1";

class TreeSearch {
 public:
  TreeSearch(FileSystem& files, MessagePump& pump, SearchProgressFactory& progress)
      : files_(files), pump_(pump), progress_(progress) {}

  // Set by the Cancel button; cleared when a search starts. Seen when the next folder is taken.
  bool SearchCancelled = false;

  // name must be in lower case and startFolder end in "\". Returns the full path of the first
  // visible entry of that name, kNotFound when the tree holds none, or name itself when the
  // search was cancelled. Hidden and system entries are neither matched nor entered, and folder
  // links are never entered, so a link cycle cannot make the search run for ever.
  std::string SearchFolderTree(const std::string& name, bool showProgress,
                               const std::string& startFolder);

 private:
  FileSystem& files_;
  MessagePump& pump_;
  SearchProgressFactory& progress_;
};

}  // namespace orvane
