#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/main_window.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  const plumex::CommandLine commandLine = plumex::ParseCommandLine(args);
  if (commandLine.request != plumex::StartRequest::Edit) {
    const std::string text = commandLine.request == plumex::StartRequest::Help
                                 ? plumex::CommandLineHelp()
                                 : plumex::VersionText();
    std::fputs(text.c_str(), stdout);
    return 0;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Plumex"));
  QApplication::setDesktopFileName(QStringLiteral("plumex"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("plumex")));
  plumex::MainWindow window(commandLine);
  window.show();
  return QApplication::exec();
}
