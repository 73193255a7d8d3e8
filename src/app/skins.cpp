#include "app/skins.h"

#include "app/skin_pictures.h"
#include "app/tool_bar.h"
#include "platform/folder_files.h"
#include "platform/skin_archive.h"

namespace plumex {

void Skins::Scan() {
  constexpr std::string_view kExtension = ".zip";
  names_ = FilesWithExtension(folder_, kExtension);
  for (std::string& name : names_) name.resize(name.size() - kExtension.size());
}

void Skins::Apply(int& style, const std::function<void(const std::string&)>& report) {
  if (style < 0 || static_cast<std::size_t>(style) > names_.size()) style = 0;
  if (style == 0) {
    ApplyBuiltIn();
    return;
  }
  const std::string& name = names_[static_cast<std::size_t>(style - 1)];
  const std::string failure = ApplyArchive(folder_ + name + ".zip");
  if (failure.empty()) return;
  report("The skin \"" + name + "\" cannot be used: " + failure);
  ApplyBuiltIn();
}

std::string Skins::ApplyArchive(const std::string& path) {
  const OpenedSkinArchive opened = OpenSkinArchive(path);
  if (!opened.archive) return opened.error;
  const std::optional<std::string> ini = opened.archive->Entry("skin.ini", kSkinIniLimit);
  if (!ini) return "skin.ini is missing or unreadable";
  const SkinIniResult skin = ParseSkinIni(*ini);
  if (!skin.skin) return "skin.ini has no valid " + skin.error;
  author_ = skin.skin->author;
  authorEmail_ = skin.skin->authorEmail;
  const ToolBarParameters& bar = skin.skin->bar;
  ParseButtonsString(bar.buttons, slots_);
  bar_.Build(bar, slots_, ArchivePictures(*opened.archive, bar.fourPictures));
  return {};
}

void Skins::ApplyBuiltIn() {
  author_.clear();
  authorEmail_.clear();
  const ToolBarParameters bar;
  ParseButtonsString(bar.buttons, slots_);
  bar_.Build(bar, slots_, BuiltInPictures());
}

}  // namespace plumex
