#include "app/integration_page.h"

#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include "support/fake_file_types.h"

namespace plumex {
namespace {

TEST(IntegrationPage, EachLineRemovesItsOwnExtensionInTheSortedList) {
  Settings settings;
  test::FakeFileTypes types;
  IntegrationPage page(settings, types, nullptr);
  page.show();
  auto* typed = page.findChild<QLineEdit*>(QStringLiteral("eUserExt"));
  auto* list = page.findChild<QListWidget*>(QStringLiteral("lbExt"));
  for (const char* ext : {"zzz", "aaa"}) {
    typed->setText(QString::fromLatin1(ext));
    QTest::keyClick(typed, Qt::Key_Return);
  }
  ASSERT_EQ(list->count(), 2);
  EXPECT_EQ(list->item(0)->text(), QStringLiteral("AAA - User file"));
  list->setCurrentRow(1);
  QTest::mouseClick(page.findChild<QToolButton*>(QStringLiteral("rsbExtRemove")), Qt::LeftButton);
  EXPECT_EQ(std::tuple(types.registered, settings.ExtsList, typed->text(), list->currentItem()->text()),
            std::tuple(std::set<std::string>{"aaa"}, std::vector<std::string>{"aaa"}, "zzz", "AAA - User file"));
}

}  // namespace
}  // namespace plumex
