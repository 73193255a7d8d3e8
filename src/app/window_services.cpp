#include "app/window_services.h"

#include <QCoreApplication>

#include "language/qt_language.h"
#include "platform/file_types_xdg.h"
#include "platform/instance_launcher.h"
#include "platform/keyboard_layout.h"
#include "platform/printer_service.h"
#include "platform/prompter.h"
#include "platform/qt_clipboard_watcher.h"
#include "platform/qt_sound_player.h"

namespace plumex {
namespace {

template <class Service, class Real, class... Args>
Service& Given(Service* given, std::unique_ptr<Service>& own, Args&&... args) {
  if (given != nullptr) return *given;
  own = std::make_unique<Real>(std::forward<Args>(args)...);
  return *own;
}

}  // namespace

OutsideServices::OutsideServices(const WindowServices& given, QWidget* parent, std::function<void()> warn)
    : prompter(Given<Prompter, DialogPrompter>(given.prompter, ownPrompter_, parent, BoxButtonCaption(BoxButtonText),
                                               std::move(warn))),
      launcher(Given<InstanceLauncher, ProcessLauncher>(given.launcher, ownLauncher_)),
      keyboard(Given<KeyboardLayouts, XkbKeyboardLayouts>(given.keyboard, ownKeyboard_)),
      printer(Given<PrinterService, QtPrinterService>(given.printer, ownPrinter_)),
      sounds(Given<SoundPlayer, QtSoundPlayer>(given.sounds, ownSounds_)),
      clipboard(Given<ClipboardWatcher, QtClipboardWatcher>(given.clipboard, ownClipboard_)),
      fileTypes(Given<FileTypes, XdgFileTypes>(given.fileTypes, ownFileTypes_,
                                               QCoreApplication::applicationFilePath().toStdString())) {}

OutsideServices::~OutsideServices() = default;

}  // namespace plumex
