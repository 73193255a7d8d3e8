// The Keyboard page and the language combos, driven by keys and clicks.
#include "app/settings_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

using test::ReadRaw;

// The window's side, as the dialog sees it: the language is put in force
// the way the window does it.
class FakeHost : public SettingsHost {
 public:
  FakeHost(Settings& settings, const LanguageList& languages) : settings_(settings), languages_(languages) {}
  void ApplyLanguage() override {
    ++languageApplied;
    plumex::ApplyLanguage(settings_.Language, languages_, settings_, 1, {settingsFile_, {}});
  }
  void HotKeysChanged() override { ++hotKeysChanged; }
  void SaveSettings() override { ++saved; }

  int languageApplied = 0;
  int hotKeysChanged = 0;
  int saved = 0;

 private:
  Settings& settings_;
  const LanguageList& languages_;
  IniFile settingsFile_;
};

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteRaw(dir / "de.lng",
                   "[LANGUAGE]\r\nLanguage=Deutsch\r\naPrefs=Einstellungen\r\n"
                   "tsetsKeyboard=Tastatur\r\naNew=Neu\r\n[SETS_FORM]\r\nSetsWidth=640\r\n");
    languages = ScanLanguageFiles(dir.path());
    hotKeys.Load();
    dialog = std::make_unique<SettingsDialog>(settings, hotKeys, languages, host);
    dialog->ShowPage(SettingsPage::Keyboard);
    dialog->show();
    keyList = dialog->findChild<QListWidget*>(QStringLiteral("lbKeys"));
    ASSERT_NE(keyList, nullptr);
  }
  void TearDown() override {
    dialog.reset();
    Language().ResetToEnglish();
  }

  void Select(ActionId id) {
    keyList->setCurrentRow(static_cast<int>(id));
    ASSERT_TRUE(keyList->item(static_cast<int>(id))->isSelected());
  }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(keyList, key, modifiers);
  }
  QString Label(const char* name) const { return dialog->findChild<QLabel*>(QLatin1String(name))->text(); }
  QString Note() const { return Label("lblKeyNote"); }
  std::string Path() const { return dir / "hotkeys.ini"; }
  std::string FileLine(std::size_t number) const {
    const std::string bytes = ReadRaw(Path());
    std::size_t at = 0;
    for (std::size_t i = 1; i < number; ++i) at = bytes.find("\r\n", at) + 2;
    return bytes.substr(at, bytes.find("\r\n", at) - at);
  }

  test::TempDir dir;
  Settings settings;
  HotKeys hotKeys{dir / "hotkeys.ini"};
  LanguageList languages;
  FakeHost host{settings, languages};
  std::unique_ptr<SettingsDialog> dialog;
  QListWidget* keyList = nullptr;
};

TEST_F(SettingsDialogTest, EntriesNumberCaptionAndShortcut) {
  ASSERT_EQ(keyList->count(), 83);
  EXPECT_EQ(keyList->item(0)->text(), QStringLiteral(" 1. New - Ctrl+N"));
  EXPECT_EQ(keyList->item(7)->text(), QStringLiteral(" 8. Print - "));
  EXPECT_EQ(keyList->item(65)->text(), QStringLiteral(" 66. En -> Ru - Ctrl+["));
  Select(ActionId::Save);
  EXPECT_EQ(Label("lblHotKey"), QStringLiteral("Ctrl+S"));
}

TEST_F(SettingsDialogTest, KeysThatMayNotBindChangeNothing) {
  const std::vector<std::string> before = hotKeys.Lines();
  keyList->clearSelection();
  Press(Qt::Key_K, Qt::ControlModifier);  // nothing selected
  Select(ActionId::Exit);
  Press(Qt::Key_A);                        // a bare key that types
  Press(Qt::Key_Control, Qt::ControlModifier);
  Press(Qt::Key_A, Qt::ShiftModifier);
  EXPECT_TRUE(Note().contains(QStringLiteral("Ctrl or Alt"))) << Note().toStdString();
  Press(Qt::Key_Backspace, Qt::AltModifier);  // the window's undo
  EXPECT_TRUE(Note().contains(QStringLiteral("Alt+BkSp"))) << Note().toStdString();
  EXPECT_EQ(hotKeys.Lines(), before);
  EXPECT_EQ(host.hotKeysChanged, 0);
  EXPECT_TRUE(ReadRaw(Path()).empty()) << "nothing was written";
}

TEST_F(SettingsDialogTest, CtrlEndBindsTheSelectedActionInsteadOfMoving) {
  Select(ActionId::Open);
  Press(Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(KeyText(hotKeys.Key(ActionId::Open)), "Ctrl+End");
  EXPECT_EQ(keyList->currentRow(), static_cast<int>(ActionId::Open));
  EXPECT_TRUE(hotKeys.Key(ActionId::ClearRecent) == ParseKeyText("Ctrl+Alt+F11"));
  EXPECT_EQ(Label("lblHotKey"), QStringLiteral("Ctrl+End"));
}

TEST_F(SettingsDialogTest, CtrlKBindsTakesTheKeyAndWritesHotkeysIni) {
  Select(ActionId::Exit);
  Press(Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(KeyText(hotKeys.Key(ActionId::Exit)), "Ctrl+K");
  EXPECT_TRUE(hotKeys.Key(ActionId::CapWords).empty());
  EXPECT_TRUE(Note().contains(QStringLiteral("Capitalize Words"))) << Note().toStdString();
  EXPECT_EQ(keyList->item(9)->text(), QStringLiteral(" 10. Exit - Ctrl+K"));
  EXPECT_EQ(FileLine(10), "Ctrl+K");
  EXPECT_EQ(FileLine(64), "");
  EXPECT_EQ(host.hotKeysChanged, 1);

  Press(Qt::Key_F5);  // F1 to F12 bind alone
  EXPECT_EQ(FileLine(10), "F5");
}

TEST_F(SettingsDialogTest, ARemovalIsWrittenAtOnceAndSurvivesAReload) {
  Select(ActionId::New);
  QListWidgetItem* item = keyList->item(0);
  const QPoint at = keyList->visualItemRect(item).center();
  QTest::mouseClick(keyList->viewport(), Qt::LeftButton, {}, at);  // a double click's first half
  QTest::mouseDClick(keyList->viewport(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(hotKeys.Key(ActionId::New).empty());
  EXPECT_EQ(item->text(), QStringLiteral(" 1. New - "));
  EXPECT_EQ(host.hotKeysChanged, 1);

  HotKeys reloaded(Path());
  reloaded.Load();
  EXPECT_TRUE(reloaded.Key(ActionId::New).empty());
  EXPECT_EQ(KeyText(reloaded.Key(ActionId::NewWnd)), "Shift+Ctrl+N");
}

TEST_F(SettingsDialogTest, AFailedWriteIsShown) {
  HotKeys nowhere(dir / "missing/hotkeys.ini");
  SettingsDialog other(settings, nowhere, languages, host);
  other.ShowPage(SettingsPage::Keyboard);
  other.show();
  auto* list = other.findChild<QListWidget*>(QStringLiteral("lbKeys"));
  list->setCurrentRow(static_cast<int>(ActionId::Exit));
  QTest::keyClick(list, Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(KeyText(nowhere.Key(ActionId::Exit)), "Alt+Q");
  const QString note = other.findChild<QLabel*>(QStringLiteral("lblKeyNote"))->text();
  EXPECT_TRUE(note.contains(QStringLiteral("could not be saved"))) << note.toStdString();
}

TEST_F(SettingsDialogTest, ALanguageComboAppliesTheLanguageAndKeepsThePage) {
  auto* combo = dialog->findChild<QComboBox*>(QStringLiteral("comboxLang2"));
  auto* first = dialog->findChild<QComboBox*>(QStringLiteral("comboxLang"));
  auto* pages = dialog->findChild<QListWidget*>(QStringLiteral("lbSets"));
  ASSERT_EQ(combo->count(), 2);
  EXPECT_EQ(pages->item(7)->text(), QStringLiteral(" Keyboard"));

  combo->setCurrentIndex(1);
  EXPECT_EQ(settings.Language, 1);
  EXPECT_EQ(host.languageApplied, 1) << "refilling the combos applies nothing again";
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Einstellungen"));
  EXPECT_EQ(pages->item(7)->text(), QStringLiteral(" Tastatur"));
  EXPECT_EQ(keyList->item(0)->text(), QStringLiteral(" 1. Neu - Ctrl+N"));
  EXPECT_EQ(first->currentIndex(), 1);
  EXPECT_EQ(first->currentText(), QStringLiteral("Deutsch"));
  EXPECT_EQ(dialog->CurrentPage(), SettingsPage::Keyboard);

  first->setCurrentIndex(0);
  EXPECT_EQ(host.languageApplied, 2);
  EXPECT_EQ(pages->item(7)->text(), QStringLiteral(" Keyboard"));
  EXPECT_EQ(combo->currentIndex(), 0);
}

TEST_F(SettingsDialogTest, PageListAndEnter) {
  auto* pages = dialog->findChild<QListWidget*>(QStringLiteral("lbSets"));
  ASSERT_EQ(pages->count(), 9);
  EXPECT_EQ(pages->item(0)->text(), QStringLiteral(" Interface"));
  EXPECT_EQ(pages->item(8)->text(), QStringLiteral(" Additional"));

  QTest::keyClick(dialog.get(), Qt::Key_Return);
  EXPECT_TRUE(dialog->isVisible()) << "Enter on the Keyboard page is the list's";
  EXPECT_EQ(host.saved, 0);
  dialog->ShowPage(SettingsPage::Interface);
  QTest::keyClick(dialog.get(), Qt::Key_Return);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(host.saved, 1);
}

}  // namespace
}  // namespace plumex
