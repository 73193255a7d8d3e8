#pragma once
// The one document of the window: its name and the flags every command reads.
#include <string>

namespace plumex {

enum class DocumentFormat { Plain, Log };

inline constexpr const char* kUntitledName = "Untitled.txt";

struct DocumentState {
  std::string Folder;  // always ends with '/'
  std::string FileName = kUntitledName;
  bool Modified = false;
  bool Untitled = true;
  bool AutoSaveHeld = true;
  DocumentFormat Format = DocumentFormat::Plain;

  std::string Path() const { return Folder + FileName; }
};

}  // namespace plumex
