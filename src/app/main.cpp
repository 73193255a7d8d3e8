#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <vector>

#include "model/command_line.h"
#include "app/main_window.h"

namespace {

plumex::CommandLine ParseArguments(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return plumex::ParseCommandLine(args);
}

}  // namespace

int main(int argc, char** argv) {
  // --help and --version answer without a display.
  const plumex::CommandLine request = ParseArguments(argc, argv);
  if (request.request != plumex::StartRequest::Edit) {
    const std::string text = request.request == plumex::StartRequest::Help
                                 ? plumex::CommandLineHelp()
                                 : plumex::VersionText();
    std::fputs(text.c_str(), stdout);
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plumex"));
  QApplication::setDesktopFileName(QStringLiteral("plumex"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("plumex")));
  // Read again once Qt has taken its own options (-session, -style ...) out.
  plumex::MainWindow window(ParseArguments(argc, argv));
  window.show();
  const int status = QApplication::exec();
  return status != 0 ? status : window.exitCode();
}
