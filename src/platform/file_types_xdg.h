#pragma once
// FileTypes the freedesktop way, in the user's own XDG folders only:
// - an extension's type is what the MIME database gives "x.EXT"; one it does
//   not know gets application/x-plumex-EXT from a package of ours in
//   $XDG_DATA_HOME/mime/packages;
// - $XDG_DATA_HOME/applications/plumex.desktop opens the registered types;
// - the default handler of a type is its [Default Applications] line in
//   $XDG_CONFIG_HOME/mimeapps.list;
// - $XDG_CONFIG_HOME/plumex/registry.ini records what we changed and what
//   it replaced, and stands in for the view-source editor and the
//   code-page table, which have no twin here.
// All are UTF-8 key files edited line by line: lines of others stay as
// they are.
#include <optional>
#include <string>

#include "platform/file_types.h"

namespace plumex {

class KeyFileText;

class XdgFileTypes : public FileTypes {
 public:
  // `program` is the executable the desktop entry and the view-source
  // editor name, as UTF-8.
  explicit XdgFileTypes(std::string program);

  bool Register(const std::string& ext) override;
  bool Unregister(const std::string& ext) override;
  Registration Registered(const std::string& ext) const override;
  bool IsViewSourceEditor() const override;
  void SetViewSourceEditor(bool on) override;
  std::string CodePage(CodePageValue value) const override;
  void SetCodePage(CodePageValue value, const std::string& data) override;

 private:
  struct Files;
  std::optional<Files> Load() const;
  std::string TypeOf(const std::string& ext, const KeyFileText& registry) const;
  bool WritePackage(const std::string& ext, const std::string& type) const;
  void RemovePackage(const std::string& ext, const std::string& type) const;
  // The desktop entry's text for the types `registry` lists, from `entry`,
  // its text now; empty to remove it. Notes in `registry` what an entry of
  // the user's own held before our first type, and gives it back after the
  // last.
  std::string EntryText(KeyFileText& registry, const std::string& entry) const;

  std::string program_;
};

}  // namespace plumex
