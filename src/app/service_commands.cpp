#include "app/service_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QPrinterInfo>
#include <QScreen>
#include <QUrl>

#include "app/about_box.h"
#include "app/main_window.h"
#include "app/skins.h"
#include "commands/mail_message.h"
#include "commands/product_facts.h"
#include "commands/profile.h"
#include "language/qt_language.h"
#include "platform/editor_widget.h"
#include "platform/instance_launcher.h"
#include "platform/prompter.h"
#include "platform/qt_text.h"

namespace plumex {
QString NotOpened(const QString& what) { return Tr("strNotOpened") + QStringLiteral(" ") + what; }

ServiceCommands::ServiceCommands(Parts parts) : p_(parts) {}

void ServiceCommands::SendEMail() { Send({"", {}, p_.editor.Text()}); }

void ServiceCommands::SendBugReport() {
  BugReportFacts facts{ReadMachineFacts(p_.factFiles), qVersion(), {}, {}};
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    facts.screen = std::to_string(screen->size().width()) + " x " + std::to_string(screen->size().height());
  facts.printer = QPrinterInfo::defaultPrinterName().toStdString();
  Send(BugReport(facts, p_.profile.settings().strHR));
}

void ServiceCommands::Send(const MailMessage& message) {
  std::string url = MailtoUrl(message);
  if (url.size() > kMailUrlLimit) {
    if (!p_.prompter.AskYesNo(Tr("strMailTooLong"), false)) return;
    QApplication::clipboard()->setText(BytesToQString(message.body));
    MailMessage note = message;
    note.body = p_.profile.texts().Text("strMailPaste");
    url = MailtoUrl(note);
  }
  if (!p_.launcher.OpenUrl(QString::fromLatin1(url))) p_.prompter.ShowError(Tr("strNoMailer"));
}

void ServiceCommands::OpenHelp() {
  OpenLink(QUrl::fromLocalFile(QString::fromStdString(p_.profile.language().helpPath)).toString());
}

void ServiceCommands::OpenHistory() { OpenDocument(p_.profile.language().historyPath); }

void ServiceCommands::OpenReadme() { OpenDocument(p_.profile.language().readmePath); }

void ServiceCommands::OpenDocument(const std::string& path) {
  const QString file = QString::fromStdString(path);
  if (!p_.launcher.StartInstance(file)) p_.prompter.ShowError(NotOpened(file));
}

void ServiceCommands::OpenHomePage() { OpenLink(QStringLiteral("http://") + kHomePage); }

void ServiceCommands::OpenLink(const QString& url) {
  if (!p_.launcher.OpenUrl(url)) p_.prompter.ShowError(NotOpened(url));
}

void ServiceCommands::ShowAbout() {
  if (about_ == nullptr) about_ = new AboutBox(p_.window, [this](const QString& url) { OpenLink(url); });
  const Skins& skins = p_.window.skins();
  about_->Show(CreditSources{.english = p_.profile.language().index == 0, .skinAuthor = skins.author(),
                             .skinMail = skins.authorEmail()},
               p_.profile.settings().IsStayOnTop);
}

}  // namespace plumex
