#pragma once
// The About box: the name, the version, our addresses and the credits. Made
// once and shown again; the texts follow the language in force each time.
#include <QDialog>
#include <functional>

class QLabel;

namespace plumex {

struct CreditSources;

class AboutBox : public QDialog {
  Q_OBJECT

 public:
  using OpenLink = std::function<void(const QString&)>;
  AboutBox(QWidget& window, const OpenLink& openLink);

  // Modal; on top of other programs' windows when the main window is.
  void Show(const CreditSources& credits, bool stayOnTop);

 private:
  QLabel* version_ = nullptr;
  QLabel* wishes_ = nullptr;
  QLabel* credits_ = nullptr;
};

}  // namespace plumex
