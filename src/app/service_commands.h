#pragma once
// Send by E-Mail, Send Bug Report, the help, history and readme files, the
// home page and the About box, as the window runs them. Mail goes to the
// user's mail program as a mailto: link.
#include <QString>
#include <string>

#include "platform/machine_facts.h"

class QWidget;

namespace plumex {

class AboutBox;
class MainWindow;
class EditorWidget;
class InstanceLauncher;
class Profile;
class Prompter;
struct MailMessage;

// "Could not open:" and the link or file nothing on the desktop took.
QString NotOpened(const QString& what);

class ServiceCommands {
 public:
  struct Parts {
    MainWindow& window;  // the parent of its boxes; names the skin in force
    EditorWidget& editor;
    const Profile& profile;
    Prompter& prompter;
    InstanceLauncher& launcher;
    MachineFactFiles factFiles = {};  // where the bug report reads the machine's facts
  };
  explicit ServiceCommands(Parts parts);

  void SendEMail();
  void SendBugReport();
  void OpenHelp();
  // History and Readme open as documents in a new window.
  void OpenHistory();
  void OpenReadme();
  void OpenHomePage();
  void ShowAbout();
  // A link the user clicked, here or in the About box; said when nothing
  // on the desktop took it.
  void OpenLink(const QString& url);

 private:
  // A link too long for the mail program asks, then sends the text by the
  // clipboard with a note to paste it.
  void Send(const MailMessage& message);
  // In a new window; said when it could not be started.
  void OpenDocument(const std::string& path);

  Parts p_;
  AboutBox* about_ = nullptr;
};

}  // namespace plumex
