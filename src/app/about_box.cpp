#include "app/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "commands/product_facts.h"
#include "language/qt_language.h"
#include "platform/qt_text.h"

namespace plumex {
namespace {

QLabel* LinkLabel(QWidget* parent, const AboutBox::OpenLink& openLink, const char* address) {
  const QString url = QStringLiteral("http://") + address;
  auto* label = new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(url, QString::fromLatin1(address)), parent);
  label->setAlignment(Qt::AlignHCenter);
  QObject::connect(label, &QLabel::linkActivated, parent, openLink);
  return label;
}

}  // namespace

AboutBox::AboutBox(QWidget& window, const OpenLink& openLink) : QDialog(&window) {
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(QString::fromLatin1(kProductName), this);
  QFont big = name->font();
  big.setPointSize(big.pointSize() * 2);
  big.setBold(true);
  name->setFont(big);
  name->setAlignment(Qt::AlignHCenter);
  layout->addWidget(name);
  version_ = new QLabel(this);
  version_->setAlignment(Qt::AlignHCenter);
  layout->addWidget(version_);
  layout->addWidget(LinkLabel(this, openLink, kHomePage));
  wishes_ = new QLabel(this);
  wishes_->setAlignment(Qt::AlignHCenter);
  layout->addWidget(wishes_);
  layout->addWidget(LinkLabel(this, openLink, kForum));
  // Credits come from language files and skins: shown as they are, never as markup.
  credits_ = new QLabel(this);
  credits_->setTextFormat(Qt::PlainText);
  credits_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  credits_->setMargin(5);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(credits_);
  scroll->setWidgetResizable(true);
  layout->addWidget(scroll, 1);
  auto* notice = new QLabel(QString::fromLatin1(kLegalNotice), this);
  notice->setWordWrap(true);
  layout->addWidget(notice);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(340, 360);
}

void AboutBox::Show(const CreditSources& credits, bool stayOnTop) {
  setWindowTitle(Tr("aAbProg"));
  version_->setText(Tr("tVer") + QStringLiteral(" ") + QString::fromLatin1(kProductVersion) + QStringLiteral("   [") +
                    QString::fromLatin1(kBuildDate) + QStringLiteral("]"));
  wishes_->setText(Tr("tWishes"));
  credits_->setText(BytesToQString(CreditsText(credits, TextsInForce())));
  setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop);
  exec();
}

}  // namespace plumex
