#pragma once
// The outside services the window uses: each given one (tests give fakes),
// else the real one, owned here.
#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace plumex {

class ClipboardWatcher;
class FileTypes;
class InstanceLauncher;
class KeyboardLayouts;
class PrinterService;
class Prompter;
class SoundPlayer;

struct WindowServices {
  Prompter* prompter = nullptr;
  InstanceLauncher* launcher = nullptr;
  KeyboardLayouts* keyboard = nullptr;
  std::string programFolder;  // where the settings and lists live
  PrinterService* printer = nullptr;
  SoundPlayer* sounds = nullptr;
  ClipboardWatcher* clipboard = nullptr;
  FileTypes* fileTypes = nullptr;  // file types, the view-source editor, the code-page table
};

class OutsideServices {
  // The real services made for those not given; declared first, as the
  // references below are bound to them.
  std::unique_ptr<Prompter> ownPrompter_;
  std::unique_ptr<InstanceLauncher> ownLauncher_;
  std::unique_ptr<KeyboardLayouts> ownKeyboard_;
  std::unique_ptr<PrinterService> ownPrinter_;
  std::unique_ptr<SoundPlayer> ownSounds_;
  std::unique_ptr<ClipboardWatcher> ownClipboard_;
  std::unique_ptr<FileTypes> ownFileTypes_;

 public:
  // `parent` holds the prompter's boxes; `warn` sounds before a warning box.
  OutsideServices(const WindowServices& given, QWidget* parent, std::function<void()> warn);
  ~OutsideServices();

  Prompter& prompter;
  InstanceLauncher& launcher;
  KeyboardLayouts& keyboard;
  PrinterService& printer;
  SoundPlayer& sounds;
  ClipboardWatcher& clipboard;
  FileTypes& fileTypes;
};

}  // namespace plumex
