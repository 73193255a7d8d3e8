// The Keyboard page and the language combos, driven by keys and clicks.
#include "app/settings_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include "language/qt_language.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

// The window's side, as the dialog sees it: the language is put in force
// the way the window does it.
struct FakeHost : SettingsHost {
  FakeHost(Settings& s, const LanguageList& list) : settings(s), languages(list) {}
  void ApplyLanguage() override {
    ++languageApplied;
    plumex::ApplyLanguage(settings.Language, languages, settings, 1, texts, {settingsFile, {}});
    PutTextsInForce(&texts);
  }
  void HotKeysChanged() override { ++hotKeysChanged; }
  void SaveSettings() override { ++saved; }

  Settings& settings;
  const LanguageList& languages;
  IniFile settingsFile;
  LanguageTable texts;
  int languageApplied = 0, hotKeysChanged = 0, saved = 0;
};

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override { Show(dialog); }
  void TearDown() override { PutTextsInForce(nullptr); }

  void Show(SettingsDialog& shown) {
    shown.ShowPage(SettingsPage::Keyboard);
    shown.show();
    keyList = shown.findChild<QListWidget*>(QStringLiteral("lbKeys"));
  }
  void Select(ActionId id) { keyList->setCurrentRow(static_cast<int>(id)); }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(keyList, key, modifiers); }
  QString Label(const char* name) const { return keyList->window()->findChild<QLabel*>(QLatin1String(name))->text(); }
  QString Item(ActionId id) const { return keyList->item(static_cast<int>(id))->text(); }
  // The key of an action as hotkeys.ini holds it now.
  std::string Written(ActionId id) const {
    HotKeys file(dir / "hotkeys.ini");
    file.Load();
    return KeyText(file.Key(id));
  }

  test::TempDir dir;
  Settings settings;
  HotKeys hotKeys{dir / "hotkeys.ini"};
  LanguageList languages = [this] {
    test::WriteRaw(dir / "de.lng", "[LANGUAGE]\r\nLanguage=Deutsch\r\naPrefs=Einstellungen\r\ntsetsKeyboard=Tastatur\r\n"
                                   "aNew=Neu\r\n");
    hotKeys.Load();
    return ScanLanguageFiles(dir.path());
  }();
  FakeHost host{settings, languages};
  SettingsDialog dialog{settings, hotKeys, languages, host};
  QListWidget* keyList = nullptr;
};

TEST_F(SettingsDialogTest, PagesAndEntriesWithNumberCaptionAndShortcutAndEnterOnTheKeyboardPageIsTheLists) {
  auto* pages = dialog.findChild<QListWidget*>(QStringLiteral("lbSets"));
  ASSERT_EQ(std::pair(pages->count(), keyList->count()), std::pair(9, static_cast<int>(Actions().size())));
  EXPECT_EQ(QStringList({pages->item(0)->text(), pages->item(8)->text(), Item(ActionId::New), Item(ActionId::QPrint),
                         Item(ActionId::LO_12)}),
            QStringList({" Interface", " Additional", " 1. New - Ctrl+N", " 8. Print - ", " 66. En -> Ru - Ctrl+["}));
  Select(ActionId::Save);
  EXPECT_EQ(Label("lblHotKey"), "Ctrl+S");
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_TRUE(dialog.isVisible());
  dialog.ShowPage(SettingsPage::Interface);
  QTest::keyClick(&dialog, Qt::Key_Return);  // elsewhere it is OK
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(host.saved, 1);
}

TEST_F(SettingsDialogTest, KeysThatMayNotBindChangeNothingAndSayWhyAndAFailedWriteIsShown) {
  const std::vector<std::string> before = hotKeys.Lines();
  keyList->clearSelection();
  Press(Qt::Key_K, Qt::ControlModifier);  // nothing selected
  Select(ActionId::Exit);
  Press(Qt::Key_A, Qt::ShiftModifier);
  EXPECT_TRUE(Label("lblKeyNote").contains("Ctrl or Alt")) << Label("lblKeyNote").toStdString();
  Press(Qt::Key_Backspace, Qt::AltModifier);  // the window's undo
  EXPECT_TRUE(Label("lblKeyNote").contains("Alt+BkSp")) << Label("lblKeyNote").toStdString();
  EXPECT_EQ(hotKeys.Lines(), before);
  EXPECT_EQ(host.hotKeysChanged, 0);
  EXPECT_TRUE(test::ReadRaw(dir / "hotkeys.ini").empty()) << "nothing was written";
  HotKeys nowhere(dir / "missing/hotkeys.ini");  // a key that binds but cannot be written
  SettingsDialog other(settings, nowhere, languages, host);
  Show(other);
  Select(ActionId::Exit);
  Press(Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(KeyText(nowhere.Key(ActionId::Exit)), "Alt+Q");
  EXPECT_TRUE(Label("lblKeyNote").contains("could not be saved")) << Label("lblKeyNote").toStdString();
}

TEST_F(SettingsDialogTest, CtrlKBindsTakesTheKeyAndWritesHotkeysIni) {
  Select(ActionId::Open);
  Press(Qt::Key_End, Qt::ControlModifier);  // binds instead of moving
  EXPECT_EQ(keyList->currentRow(), static_cast<int>(ActionId::Open));
  EXPECT_EQ(Label("lblHotKey"), "Ctrl+End");
  Select(ActionId::Exit);
  Press(Qt::Key_K, Qt::ControlModifier);
  EXPECT_TRUE(Label("lblKeyNote").contains("Capitalize Words")) << Label("lblKeyNote").toStdString();
  EXPECT_EQ(Item(ActionId::Exit), " 10. Exit - Ctrl+K");
  const std::pair<ActionId, const char*> written[] = {{ActionId::Open, "Ctrl+End"}, {ActionId::Exit, "Ctrl+K"},
                                                      {ActionId::CapWords, ""}, {ActionId::ClearRecent, "Ctrl+Alt+F11"}};
  for (const auto& [id, key] : written) EXPECT_EQ(Written(id), key) << ActionOf(id).name;
  EXPECT_EQ(host.hotKeysChanged, 2);
  Press(Qt::Key_F5);  // F1 to F12 bind alone
  EXPECT_EQ(Written(ActionId::Exit), "F5");

  const QPoint at = keyList->visualItemRect(keyList->item(0)).center();
  QTest::mouseClick(keyList->viewport(), Qt::LeftButton, {}, at);  // a double click's first half
  QTest::mouseDClick(keyList->viewport(), Qt::LeftButton, {}, at);  // removes the key
  EXPECT_EQ(Item(ActionId::New), " 1. New - ");
  EXPECT_EQ(Written(ActionId::New), "");
  EXPECT_EQ(Written(ActionId::NewWnd), "Shift+Ctrl+N");
}

TEST_F(SettingsDialogTest, ALanguageComboAppliesTheLanguageAndKeepsThePage) {
  auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("comboxLang2"));
  auto* first = dialog.findChild<QComboBox*>(QStringLiteral("comboxLang"));
  auto* pages = dialog.findChild<QListWidget*>(QStringLiteral("lbSets"));
  combo->setCurrentIndex(1);
  EXPECT_EQ(std::pair(settings.Language, host.languageApplied), std::pair(1, 1)) << "a refill applies nothing again";
  EXPECT_EQ(QStringList({dialog.windowTitle(), pages->item(7)->text(), Item(ActionId::New), first->currentText()}),
            QStringList({"Einstellungen", " Tastatur", " 1. Neu - Ctrl+N", "Deutsch"}));
  EXPECT_EQ(dialog.CurrentPage(), SettingsPage::Keyboard);
  first->setCurrentIndex(0);
  EXPECT_EQ(std::tuple(host.languageApplied, pages->item(7)->text(), combo->currentIndex()), std::tuple(2, " Keyboard", 0));
}

}  // namespace
}  // namespace plumex
