#include "platform/file_types_xdg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <set>

#include "platform/desktop_entry.h"
#include "platform/key_file_text.h"

namespace plumex {
namespace {

constexpr std::string_view kFileTypes = "FileTypes";
constexpr std::string_view kDefaults = "Default Applications";
constexpr std::string_view kDesktopEntry = "Desktop Entry";
constexpr std::string_view kViewSource = "ViewSource";
constexpr std::string_view kEditorName = "EditorName";
constexpr std::string_view kOldEditorName = "OldEditorName";
constexpr std::string_view kCodePage = "CodePage";
// What the desktop entry was before our first type: "Ours" is 1 when there
// was none (we wrote it, and remove it after the last type), else 0 with
// the user's own values of the keys we set.
constexpr std::string_view kEntryNotes = "DesktopEntry";
constexpr std::string_view kOurs = "Ours";
constexpr std::string_view kEntryKeys[] = {"Exec", "MimeType"};
// The previous default of a type is kept under "OldLink/" + type; no
// extension holds a "/", so these keys never meet an extension's.
constexpr std::string_view kOldLink = "OldLink/";
constexpr std::string_view kOwnTypePrefix = "application/x-plumex-";
// Far beyond any key file a desktop writes; a bigger one is not taken for one.
constexpr qint64 kKeyFileLimit = 1 << 20;

// What a desktop entry of ours holds besides Exec and MimeType.
constexpr std::string_view kEntryTemplate =
    "[Desktop Entry]\n"
    "Type=Application\n"
    "Name=Plumex\n"
    "GenericName=Text Editor\n"
    "Comment=Edit Russian and English plain text; repair Cyrillic encodings\n"
    "Icon=plumex\n"
    "Terminal=false\n"
    "Categories=Utility;TextEditor;\n";

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString DataHome() { return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation); }
QString ConfigHome() { return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation); }
QString RegistryPath() { return ConfigHome() + QStringLiteral("/plumex/registry.ini"); }
QString MimeAppsPath() { return ConfigHome() + QStringLiteral("/mimeapps.list"); }
QString DesktopPath() { return DataHome() + QStringLiteral("/applications/") + Utf8(kDesktopId); }
QString PackagePath(const std::string& ext) {
  return DataHome() + QStringLiteral("/mime/packages/plumex-") + Utf8(ext) + QStringLiteral(".xml");
}

// The file's text; empty when there is none, nothing when it cannot be read.
std::optional<std::string> ReadText(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return std::string();
  QFile file(path);
  if (!info.isFile() || info.size() > kKeyFileLimit || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll().toStdString();
}

// Through a temporary file, so a failed write leaves the old text. An empty
// text removes the file: it was ours alone.
bool WriteText(const QString& path, const std::string& text) {
  if (text.empty()) return !QFileInfo::exists(path) || QFile::remove(path);
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  const auto size = static_cast<qint64>(text.size());
  return file.open(QIODevice::WriteOnly) && file.write(text.data(), size) == size && file.commit();
}

std::optional<KeyFileText> ReadKeyFile(const QString& path) {
  std::optional<std::string> text = ReadText(path);
  if (!text) return std::nullopt;
  return KeyFileText(*text);
}

// A type name safe in key files and in our package's XML.
bool IsTypeName(std::string_view type) {
  const std::size_t slash = type.find('/');
  const auto safe = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("!#$&.+-^_").find(c) != std::string_view::npos;
  };
  return slash != std::string_view::npos && slash > 0 && slash + 1 < type.size() &&
         std::all_of(type.begin(), type.begin() + static_cast<std::ptrdiff_t>(slash), safe) &&
         std::all_of(type.begin() + static_cast<std::ptrdiff_t>(slash) + 1, type.end(), safe);
}

bool IsExtensionKey(const std::string& key) { return key.find('/') == std::string::npos; }

std::set<std::string> RegisteredTypes(const KeyFileText& registry) {
  std::set<std::string> types;
  for (const auto& [key, type] : registry.Entries(kFileTypes))
    if (IsExtensionKey(key)) types.insert(type);
  return types;
}

void RefreshMimeDatabase() {
  const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
  if (!tool.isEmpty()) QProcess::startDetached(tool, {DataHome() + QStringLiteral("/mime")});
}

std::string_view CodePageKey(CodePageValue value) {
  switch (value) {
    case CodePageValue::Cp1251: return "1251";
    case CodePageValue::Cp1252: return "1252";
    case CodePageValue::Cp1253: return "1253";
  }
  return {};
}

}  // namespace

struct XdgFileTypes::Files {
  KeyFileText registry;
  KeyFileText mimeapps;
  std::string entry;  // the desktop entry's text
};

XdgFileTypes::XdgFileTypes(std::string program) : program_(std::move(program)) {}

std::optional<XdgFileTypes::Files> XdgFileTypes::Load() const {
  if (DataHome().isEmpty() || ConfigHome().isEmpty()) return std::nullopt;
  std::optional<KeyFileText> registry = ReadKeyFile(RegistryPath());
  std::optional<KeyFileText> mimeapps = ReadKeyFile(MimeAppsPath());
  std::optional<std::string> entry = ReadText(DesktopPath());
  if (!registry || !mimeapps || !entry) return std::nullopt;
  return Files{std::move(*registry), std::move(*mimeapps), std::move(*entry)};
}

std::string XdgFileTypes::TypeOf(const std::string& ext, const KeyFileText& registry) const {
  if (std::optional<std::string> recorded = registry.Value(kFileTypes, ext)) return *recorded;
  const QMimeType type =
      QMimeDatabase().mimeTypeForFile(QStringLiteral("x.") + Utf8(ext), QMimeDatabase::MatchExtension);
  return type.isDefault() ? std::string(kOwnTypePrefix) + ext : type.name().toStdString();
}

bool XdgFileTypes::WritePackage(const std::string& ext, const std::string& type) const {
  if (type != std::string(kOwnTypePrefix) + ext) return true;
  const std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      "  <mime-type type=\"" + type + "\">\n"
      "    <sub-class-of type=\"text/plain\"/>\n"
      "    <comment>Plumex Document - " + ext + "</comment>\n"
      "    <glob pattern=\"*." + ext + "\"/>\n"
      "  </mime-type>\n"
      "</mime-info>\n";
  if (ReadText(PackagePath(ext)) == xml) return true;
  if (!WriteText(PackagePath(ext), xml)) return false;
  RefreshMimeDatabase();
  return true;
}

void XdgFileTypes::RemovePackage(const std::string& ext, const std::string& type) const {
  if (type != std::string(kOwnTypePrefix) + ext || !QFile::remove(PackagePath(ext))) return;
  RefreshMimeDatabase();
}

std::string XdgFileTypes::EntryText(KeyFileText& registry, const std::string& entry) const {
  const std::set<std::string> types = RegisteredTypes(registry);
  const std::optional<std::string> ours = registry.Value(kEntryNotes, kOurs);
  const auto old = [](std::string_view key) { return "Old" + std::string(key); };
  if (types.empty()) {
    // The last type has gone: the user's own entry gets its values back.
    KeyFileText text(entry);
    for (std::string_view key : kEntryKeys) {
      const std::optional<std::string> value = registry.Value(kEntryNotes, old(key));
      value ? text.Set(kDesktopEntry, key, *value) : text.Remove(kDesktopEntry, key);
      registry.Remove(kEntryNotes, old(key));
    }
    registry.Remove(kEntryNotes, kOurs);
    // One the user has removed meanwhile stays removed.
    return ours == "0" && !entry.empty() ? text.Text() : std::string();
  }
  if (!ours) {
    registry.Set(kEntryNotes, kOurs, entry.empty() ? "1" : "0");
    const KeyFileText users(entry);
    for (std::string_view key : kEntryKeys)
      if (const std::optional<std::string> value = users.Value(kDesktopEntry, key))
        registry.Set(kEntryNotes, old(key), *value);
  }
  KeyFileText text(entry.empty() ? kEntryTemplate : entry);
  std::string list;
  for (const std::string& type : types) list += type + ";";
  text.Set(kDesktopEntry, "Exec", DesktopExec(program_));
  text.Set(kDesktopEntry, "MimeType", list);
  return text.Text();
}

bool XdgFileTypes::Register(const std::string& ext) {
  std::optional<Files> files = Load();
  if (NormalizeExtension(ext) != ext || !files) return false;
  auto& [registry, mimeapps, entry] = *files;
  const std::string before = registry.Text();
  const std::string type = TypeOf(ext, registry);
  if (!IsTypeName(type)) return false;
  const std::string oldLink = std::string(kOldLink) + type;
  const std::optional<std::string> current = mimeapps.Value(kDefaults, type);
  if (!current || !IsOurDefault(*current)) {
    // Taken back from whoever holds it now; with no handler there is
    // nothing to give back.
    if (current && !current->empty()) registry.Set(kFileTypes, oldLink, *current);
    else registry.Remove(kFileTypes, oldLink);
  }
  registry.Set(kFileTypes, ext, type);
  mimeapps.Set(kDefaults, type, std::string(kDesktopId) + ";");
  const std::string newEntry = EntryText(registry, entry);
  // What we replace is on disk before we replace it.
  if (!WriteText(RegistryPath(), registry.Text())) return false;
  if (WritePackage(ext, type) && WriteText(DesktopPath(), newEntry) && WriteText(MimeAppsPath(), mimeapps.Text()))
    return true;
  WriteText(RegistryPath(), before);
  WriteText(DesktopPath(), entry);
  return false;
}

bool XdgFileTypes::Unregister(const std::string& ext) {
  std::optional<Files> files = Load();
  if (NormalizeExtension(ext) != ext || !files) return false;
  auto& [registry, mimeapps, entry] = *files;
  const std::optional<std::string> type = registry.Value(kFileTypes, ext);
  if (!type) return true;
  registry.Remove(kFileTypes, ext);
  if (!RegisteredTypes(registry).contains(*type)) {
    const std::string oldLink = std::string(kOldLink) + *type;
    const std::optional<std::string> current = mimeapps.Value(kDefaults, *type);
    // A type another program has taken meanwhile stays its.
    if (current && IsOurDefault(*current)) {
      const std::optional<std::string> previous = registry.Value(kFileTypes, oldLink);
      previous ? mimeapps.Set(kDefaults, *type, *previous) : mimeapps.Remove(kDefaults, *type);
      if (!WriteText(MimeAppsPath(), mimeapps.Text())) return false;
    }
    registry.Remove(kFileTypes, oldLink);
    RemovePackage(ext, *type);
  }
  const std::string newEntry = EntryText(registry, entry);
  return WriteText(RegistryPath(), registry.Text()) && WriteText(DesktopPath(), newEntry);
}

Registration XdgFileTypes::Registered(const std::string& ext) const {
  const std::optional<Files> files = Load();
  if (!files) return Registration::Unknown;
  const std::optional<std::string> type = files->registry.Value(kFileTypes, ext);
  const std::optional<std::string> current = type ? files->mimeapps.Value(kDefaults, *type) : std::nullopt;
  return current && IsOurDefault(*current) ? Registration::Yes : Registration::No;
}

bool XdgFileTypes::IsViewSourceEditor() const {
  const std::optional<KeyFileText> registry = ReadKeyFile(RegistryPath());
  return registry && registry->Value(kViewSource, kEditorName) == program_;
}

void XdgFileTypes::SetViewSourceEditor(bool on) {
  std::optional<KeyFileText> registry = ReadKeyFile(RegistryPath());
  // A path that would break its line is not written.
  if (!registry || program_.find_first_of("\r\n") != std::string::npos) return;
  const std::optional<std::string> editor = registry->Value(kViewSource, kEditorName);
  const bool ours = editor == program_;
  if (on && !ours) {
    if (editor && !editor->empty()) registry->Set(kViewSource, kOldEditorName, *editor);
    else registry->Remove(kViewSource, kOldEditorName);
    registry->Set(kViewSource, kEditorName, program_);
  } else if (!on) {
    const std::optional<std::string> old = registry->Value(kViewSource, kOldEditorName);
    if (ours && old && !old->empty()) registry->Set(kViewSource, kEditorName, *old);
    else if (ours) registry->Remove(kViewSource, kEditorName);
    registry->Remove(kViewSource, kOldEditorName);
  }
  WriteText(RegistryPath(), registry->Text());
}

std::string XdgFileTypes::CodePage(CodePageValue value) const {
  const std::optional<KeyFileText> registry = ReadKeyFile(RegistryPath());
  const std::optional<std::string> data = registry ? registry->Value(kCodePage, CodePageKey(value)) : std::nullopt;
  // The table as a fresh system has it.
  return data.value_or("c_" + std::string(CodePageKey(value)) + ".nls");
}

void XdgFileTypes::SetCodePage(CodePageValue value, const std::string& data) {
  std::optional<KeyFileText> registry = ReadKeyFile(RegistryPath());
  if (!registry) return;
  registry->Set(kCodePage, CodePageKey(value), data);
  WriteText(RegistryPath(), registry->Text());
}

}  // namespace plumex
