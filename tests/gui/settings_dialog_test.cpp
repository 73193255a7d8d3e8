// The settings dialog driven by keys and clicks: every control against the
// settings file, when values are taken, Enter per page, and the Keyboard page.
#include "app/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>
#include <functional>
#include <map>

#include "convert/translit.h"
#include "language/qt_language.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

// The window's side, as the dialog sees it: the language is put in force
// the way the window does it, and a save writes the settings file.
struct FakeHost : SettingsHost {
  FakeHost(Settings& s, const LanguageList& list, LanguageTable& t) : settings(s), languages(list), texts(t) {}
  void ApplyLanguage() override {
    ++languageApplied;
    plumex::ApplyLanguage(settings.Language, languages, settings, 1, texts, {IniFile(), {}});
  }
  void HotKeysChanged() override { ++hotKeysChanged; }
  void SaveSettings() override {
    if (settings.RestoreLastPath) settings.LastPath = "/home/";  // the working folder
    plumex::SaveSettings(settings, file, TableSource::SettingsFile);
    ++saved;
  }
  void SettingApplied(SettingEffect effect) override { effects.push_back(effect); }
  std::vector<std::string> ListLines(AuxList list) const override { return lists.at(list); }
  void SetListLines(AuxList list, const std::vector<std::string>& lines) override { lists[list] = lines; }

  Settings& settings;
  const LanguageList& languages;
  LanguageTable& texts;
  IniFile file;
  std::vector<SettingEffect> effects;
  std::map<AuxList, std::vector<std::string>> lists = {
      {AuxList::Signature, {"Ivan"}}, {AuxList::Translit, {"a=b"}}, {AuxList::Ruslit, {"c=d"}}};
  int languageApplied = 0, hotKeysChanged = 0, saved = 0;
};

std::string ValueText(const SettingEntry& entry, Settings& s) {
  if (const auto* field = std::get_if<IntField>(&entry.field)) return std::to_string((*field)(s));
  if (const auto* field = std::get_if<BoolField>(&entry.field)) return (*field)(s) ? "1" : "0";
  if (const auto* field = std::get_if<TextField>(&entry.field)) return (*field)(s);
  return {};
}

class SettingsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PutTextsInForce(&texts);
    hotKeys.Load();
    Show(dialog, SettingsPage::Keyboard);
  }
  void TearDown() override { PutTextsInForce(nullptr); }

  void Show(SettingsDialog& shown, SettingsPage page) {
    shown.ShowPage(page);
    shown.show();
    keyList = shown.findChild<QListWidget*>(QStringLiteral("lbKeys"));
  }
  template <class Control = QWidget>
  Control* Find(const char* name) const { return dialog.findChild<Control*>(QLatin1String(name)); }
  // Shows the page of the control the table names, so it can be clicked.
  template <class Control = QWidget>
  Control* OnItsPage(const char* name) {
    for (const SettingEntry& entry : SettingsTable())
      if (entry.dialog.name == name) dialog.ShowPage(entry.dialog.page);
    return Find<Control>(name);
  }
  void Type(QWidget* control, const QString& text) {
    if (auto* spin = qobject_cast<QSpinBox*>(control)) control = spin->findChild<QLineEdit*>();
    if (auto* combo = qobject_cast<QComboBox*>(control)) control = combo->lineEdit();
    static_cast<QLineEdit*>(control)->selectAll();
    QTest::keyClicks(control, text);
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
  LanguageTable texts;
  Settings settings;
  HotKeys hotKeys{dir / "hotkeys.ini"};
  LanguageList languages = [this] {
    test::WriteRaw(dir / "de.lng", "[LANGUAGE]\r\nLanguage=Deutsch\r\naPrefs=Einstellungen\r\ntsetsKeyboard=Tastatur\r\n"
                                   "aNew=Neu\r\ntEsc=Esc-Taste\r\ntEscExit=Beenden\r\n");
    return ScanLanguageFiles(dir.path());
  }();
  FakeHost host{settings, languages, texts};
  FontChoosers choosers{[](const QFont&, QWidget*) { return std::optional(QFont("Serif", 14, QFont::Bold)); },
                        [](const QColor&, QWidget*) { return std::optional(QColor(0x12, 0x34, 0x56)); }};
  SettingsDialog dialog{settings, hotKeys, languages, host, nullptr, choosers};
  QListWidget* keyList = nullptr;
};

// Each control set to a value other than its default, then OK: the settings
// file read into a fresh record gives back every value.
TEST_F(SettingsDialogTest, EveryControlReachesTheSettingsFileOnOk) {
  const auto click = [](QWidget* w) { static_cast<QAbstractButton*>(w)->click(); };
  const auto key = [](Qt::Key k) { return [k](QWidget* w) { QTest::keyClick(w, k); }; };
  const auto type = [this](const char* text) { return [this, text](QWidget* w) { Type(w, text); }; };
  const auto mouse = [](QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); };
  const std::pair<const char*, std::function<void(QWidget*)>> steps[] = {
      {"seLinesToScroll", type("7")}, {"comboxBook", key(Qt::Key_Down)}, {"comboxEsc", key(Qt::Key_Up)},
      {"chbxShowTBar", click}, {"chbxShowStBar", click}, {"chbxSavePosition", click}, {"chbxSuperPopUp", click},
      {"chbxRestoreCaret", click}, {"eDefExt", type(" .md ")}, {"chbxNewWindow", click}, {"chbxURL", click},
      {"chbxLastPath", click}, {"chbxConfirmSaveAs", click}, {"chbxFindDlgPos", click}, {"chbxDefRO", click},
      {"chbxChangeAttrs", click}, {"chbxUseTemp", click}, {"chbxUseAppFolder", click}, {"chbxAutoDetect", click},
      {"chbxDirectConvert", click}, {"chbxDetectLOG", click}, {"seLInd", type("40")}, {"seRInd", type("9999")},
      {"chbxShowMenu", click}, {"chbxShowScroll", click}, {"chbxShowStatus", click}, {"chbxAutoSave", click},
      {"seMins", type("12")}, {"chbxLostFocus", click}, {"chbxSaveExit", click}, {"chbxSound", click},
      {"chbxLimit", click}, {"seLimit", type("72")}, {"chbxIsBeepOff", click}, {"comboxHR", key(Qt::Key_Down)},
      {"eSpecChars", type(" a  b ")}, {"pnlColor", mouse}, {"pnlEditFont", mouse}, {"pnlPrintFont", mouse},
  };
  for (const auto& [name, step] : steps) {
    QWidget* control = OnItsPage(name);
    ASSERT_NE(control, nullptr) << name;
    step(control);
  }
  dialog.ShowPage(SettingsPage::Transliteration);
  QTest::mouseDClick(Find<QPlainTextEdit>("memoTrans")->viewport(), Qt::LeftButton);
  EXPECT_EQ(host.lists[AuxList::Translit], std::vector<std::string>{"a=b"}) << "the memo only, until OK";
  Find<QPlainTextEdit>("memoSign")->setPlainText("Petr\n\xD0\x9F");
  QTest::mouseClick(Find("rsbOK"), Qt::LeftButton);

  Settings expected;
  for (bool* flag : {&expected.IsShowToolNorm, &expected.IsShowStatusNorm, &expected.IsSavePosition,
                     &expected.IsUseSuperPopup, &expected.IsRestoreCaret, &expected.IsNewWindow, &expected.IsDetectURL,
                     &expected.RestoreLastPath, &expected.IsConfirmSaveAs, &expected.IsChangeFindDlgPos,
                     &expected.IsDefReadOnly, &expected.IsChAttrs, &expected.UseTempFile, &expected.UseAppFolder,
                     &expected.IsAutoDetect, &expected.IsDirectConvert, &expected.IsDetectFormat, &expected.IsShowMenu,
                     &expected.IsShowScroll, &expected.IsShowStatusFS, &expected.IsAutoSaving, &expected.IsSaveFocus,
                     &expected.IsSaveExit, &expected.IsSound, &expected.IsLimit, &expected.IsBeepOff})
    *flag = !*flag;
  std::tie(expected.LinesToScroll, expected.BookmarkType, expected.EscFunction, expected.LInd, expected.RInd,
           expected.Mins, expected.CharsLimit) = std::tuple(7, 1, 1, 40, 9999, 12, 72);
  std::tie(expected.DefExt, expected.LastPath, expected.strHR, expected.strSpecChars) =
      std::tuple("md", "/home/", std::string(30, '='), "ab");
  expected.UserStyle.BackColor = 0x563412;  // red in the low byte
  std::tie(expected.UserStyle.Name, expected.UserStyle.Size, expected.UserStyle.Bold) = std::tuple("Serif", 14, true);
  std::tie(expected.PrintFont.Name, expected.PrintFont.Size, expected.PrintFont.Bold) = std::tuple("Serif", 14, true);
  Settings reloaded;
  LoadSettings(IniFile::Parse(host.file.Serialize()), reloaded);
  for (const SettingEntry& entry : SettingsTable())
    EXPECT_EQ(ValueText(entry, reloaded), ValueText(entry, expected)) << entry.section << "/" << entry.key;
  EXPECT_EQ(std::tuple(reloaded.RestoreLastPath, host.lists[AuxList::Translit], host.lists[AuxList::Signature]),
            std::tuple(true, BuiltInTranslitLines(), std::vector<std::string>{"Petr", "\xCF"}));
  EXPECT_FALSE(dialog.isVisible());
  using enum SettingEffect;
  for (SettingEffect effect : {ToolBar, StatusBar, SavePosition, ReadOnly, AutoSave, FullScreenParts, Margins,
                               WheelScroll, SpecialChars, Appearance})
    EXPECT_NE(std::find(host.effects.begin(), host.effects.end(), effect), host.effects.end()) << int(effect);
}

// Filling the controls runs no handler; Esc and closing run no OK step,
// while what acted at once stays; the next opening shows the record again.
TEST_F(SettingsDialogTest, OpeningActsOnNothingAndEscOrCloseTakeNoValueOfOk) {
  dialog.hide();
  std::tie(settings.Language, settings.IsDefReadOnly, settings.IsAutoSaving, settings.Mins, settings.EscFunction,
           settings.DefExt, settings.strHR, settings.UserStyle.BackColor) = std::tuple(1, true, true, 7, 0, "", "~", 0xEFFCFC);
  const Settings before = settings;
  dialog.Open(SettingsPage::Interface);
  EXPECT_TRUE(settings == before);
  EXPECT_EQ(std::tuple(host.effects.size(), host.languageApplied, host.saved), std::tuple(0u, 0, 0));
  EXPECT_EQ(std::tuple(Find<QSpinBox>("seMins")->value(), Find<QComboBox>("comboxLang2")->currentIndex(),
                       Find<QCheckBox>("chbxDefExt")->isChecked(), Find<QComboBox>("comboxHR")->currentText(),
                       Find("pnlColor")->palette().color(QPalette::Window)),
            std::tuple(7, 1, false, QString("~"), QColor(0xFC, 0xFC, 0xEF)));

  for (const auto& [leave, name] : std::initializer_list<std::pair<std::function<void()>, const char*>>{
           {[&] { QTest::keyClick(&dialog, Qt::Key_Escape); }, "Esc"}, {[&] { dialog.close(); }, "close"}}) {
    dialog.Open(SettingsPage::Interface);
    OnItsPage<QAbstractButton>("chbxShowTBar")->click();
    Type(OnItsPage("seLInd"), "40");
    Type(OnItsPage("eSpecChars"), "xyz");
    Find<QPlainTextEdit>("memoSign")->setPlainText("other");
    leave();
    EXPECT_FALSE(dialog.isVisible()) << name;
    EXPECT_EQ(std::tuple(settings.LInd, settings.strSpecChars, host.lists[AuxList::Signature], host.saved),
              std::tuple(before.LInd, before.strSpecChars, std::vector<std::string>{"Ivan"}, 0))
        << name;
    EXPECT_NE(settings.IsShowToolNorm, before.IsShowToolNorm) << name << ": acted at once";
    settings.IsShowToolNorm = before.IsShowToolNorm;
  }
  dialog.Open(SettingsPage::Interface);
  EXPECT_EQ(std::pair(Find<QSpinBox>("seLInd")->value(), Find<QPlainTextEdit>("memoSign")->toPlainText()),
            std::pair(130, QString("Ivan")));
}

// Enter is OK wherever the focus is, except on the pages whose controls
// use it; a number typed but not confirmed counts.
TEST_F(SettingsDialogTest, EnterIsOkExceptOnTheListAndMemoPagesAndATypedNumberCounts) {
  const std::pair<SettingsPage, bool> pages[] = {
      {SettingsPage::Interface, true},     {SettingsPage::Editor, true},       {SettingsPage::FullScreen, true},
      {SettingsPage::Autosave, true},      {SettingsPage::Transliteration, false}, {SettingsPage::Integration, false},
      {SettingsPage::Sounds, true},        {SettingsPage::Keyboard, false},    {SettingsPage::Additional, false}};
  for (const auto& [page, closes] : pages) {
    dialog.Open(page);
    QWidget* focus = page == SettingsPage::FullScreen ? Find("seLInd") : Find("rsbOK");
    if (page == SettingsPage::FullScreen) Type(focus, "33");
    QTest::keyClick(focus, Qt::Key_Return);
    EXPECT_EQ(dialog.isVisible(), !closes) << static_cast<int>(page);
  }
  EXPECT_EQ(std::pair(settings.LInd, host.saved), std::pair(33, 5));
}

// The default extension: trimmed and without leading dots, a refused one
// keeps the old, unchecking clears it and checking again offers "txt".
TEST_F(SettingsDialogTest, DefaultExtensionIsCheckedCleanedAndOfferedAgain) {
  const std::pair<const char*, const char*> typed[] = {{" ..log ", "log"}, {"a/b", "log"}, {"x\ty", "log"}, {"", ""}};
  for (const auto& [text, kept] : typed) {
    dialog.Open(SettingsPage::Editor);
    Find<QLineEdit>("eDefExt")->setText(text);
    QTest::mouseClick(Find("rsbOK"), Qt::LeftButton);
    EXPECT_EQ(settings.DefExt, kept) << text;
  }
  dialog.Open(SettingsPage::Editor);
  auto* box = Find<QCheckBox>("chbxDefExt");
  EXPECT_EQ(std::pair(box->isChecked(), Find("eDefExt")->isEnabled()), std::pair(false, false));
  box->click();
  EXPECT_EQ(Find<QLineEdit>("eDefExt")->text(), "txt");
  box->click();
  EXPECT_EQ(std::pair(settings.DefExt, Find<QLineEdit>("eDefExt")->text()), std::pair(std::string(), QString()));
}

TEST_F(SettingsDialogTest, SizeStaysBetweenTheLeastAndTheScreenAndDebugShowsIt) {
  const QSize screen = dialog.screen()->availableGeometry().size();
  dialog.ApplySize({100, 100});
  EXPECT_EQ(std::pair(settings.SetsWidth, settings.SetsHeight), std::pair(500, 390));
  dialog.ApplySize({100000, 100000});
  EXPECT_EQ(QSize(settings.SetsWidth, settings.SetsHeight), screen);
  settings.IsDebug = true;
  dialog.ApplySize({520, 400});
  EXPECT_EQ(Find<QLabel>("StatBar")->text(), "520 : 400");
}

TEST_F(SettingsDialogTest, PagesAndEntriesWithNumberCaptionAndShortcut) {
  auto* pages = Find<QListWidget>("lbSets");
  ASSERT_EQ(std::pair(pages->count(), keyList->count()), std::pair(9, static_cast<int>(Actions().size())));
  EXPECT_EQ(QStringList({pages->item(0)->text(), pages->item(8)->text(), Item(ActionId::New), Item(ActionId::QPrint),
                         Item(ActionId::LO_12)}),
            QStringList({" Interface", " Additional", " 1. New - Ctrl+N", " 8. Print - ", " 66. En -> Ru - Ctrl+["}));
  Select(ActionId::Save);
  EXPECT_EQ(Label("lblHotKey"), "Ctrl+S");
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
  Show(other, SettingsPage::Keyboard);
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

// Either combo puts the language in force, retitles the dialog and its
// combo items, and keeps the page.
TEST_F(SettingsDialogTest, ALanguageComboAppliesTheLanguageAndKeepsThePage) {
  auto* combo = Find<QComboBox>("comboxLang2");
  auto* first = Find<QComboBox>("comboxLang");
  auto* pages = Find<QListWidget>("lbSets");
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(std::pair(settings.Language, host.languageApplied), std::pair(1, 1)) << "a refill applies nothing again";
  EXPECT_EQ(QStringList({dialog.windowTitle(), pages->item(7)->text(), Item(ActionId::New), first->currentText(),
                         Find<QComboBox>("comboxEsc")->currentText()}),
            QStringList({"Einstellungen", " Tastatur", " 1. Neu - Ctrl+N", "Deutsch", "Beenden"}));
  EXPECT_EQ(dialog.CurrentPage(), SettingsPage::Keyboard);
  QTest::keyClick(first, Qt::Key_Up);
  EXPECT_EQ(std::tuple(host.languageApplied, pages->item(7)->text(), combo->currentIndex()), std::tuple(2, " Keyboard", 0));
}

}  // namespace
}  // namespace plumex
