#pragma once
// Plumex as the handler of chosen file types, the browser's view-source
// editor and the code-page table: the system side of the Integration page.
// Every change keeps what it replaced, so that undoing it puts that back.
#include <optional>
#include <string>
#include <string_view>

namespace plumex {

// Whether Plumex opens an extension's files. Unknown when the files that say
// so cannot be read: nothing is pruned or changed on an unknown answer.
enum class Registration { Yes, No, Unknown };

// The three values of the code-page table the patch reads and writes.
enum class CodePageValue { Cp1251, Cp1252, Cp1253 };

class FileTypes {
 public:
  virtual ~FileTypes() = default;

  // `ext` as NormalizeExtension gives it; anything else is refused. Each
  // returns whether the change was made; a failure changes nothing.
  virtual bool Register(const std::string& ext) = 0;
  // Gives the type back to the handler it had before, while it is still
  // ours; a type shared by several extensions only after its last one.
  virtual bool Unregister(const std::string& ext) = 0;
  virtual Registration Registered(const std::string& ext) const = 0;

  virtual bool IsViewSourceEditor() const = 0;
  // On: the previous editor is kept, unless it was ours. Off: that editor
  // comes back, but only while the editor is still ours.
  virtual void SetViewSourceEditor(bool on) = 0;

  // The file name a code-page value holds.
  virtual std::string CodePage(CodePageValue value) const = 0;
  virtual void SetCodePage(CodePageValue value, const std::string& data) = 0;
};

// A typed extension, or a line of exts.ini, as it may reach file names, XML
// and key files: blanks around it, a leading "*." or "." dropped, lower
// case; at most 16 letters, digits, "_", "-" and "+", else none.
std::optional<std::string> NormalizeExtension(std::string_view typed);

}  // namespace plumex
