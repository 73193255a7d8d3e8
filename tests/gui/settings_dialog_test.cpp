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
#include <gmock/gmock.h>
#include <functional>
#include <map>

#include "convert/translit.h"
#include "language/qt_language.h"
#include "support/file_helpers.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

using ::testing::HasSubstr;

// The fixture is the window's side, as the dialog sees it: the language is put
// in force the way the window does it, and a save writes the settings file.
class SettingsDialogTest : public ::testing::Test, public SettingsHost {
 protected:
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
  std::vector<std::string> SkinNames() const override { return {"Alpha", "beta"}; }
  std::vector<std::string> ListLines(AuxList list) const override { return lists.at(list); }
  void SetListLines(AuxList list, const std::vector<std::string>& lines) override { lists[list] = lines; }
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
  std::string Note() const { return Label("lblKeyNote").toStdString(); }
  // The key of an action as hotkeys.ini holds it now.
  std::string Written(ActionId id) const {
    HotKeys stored(dir / "hotkeys.ini");
    stored.Load();
    return KeyText(stored.Key(id));
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
  IniFile file;
  std::vector<SettingEffect> effects;
  std::map<AuxList, std::vector<std::string>> lists = {
      {AuxList::Signature, {"Ivan"}}, {AuxList::Translit, {"a=b"}}, {AuxList::Ruslit, {"c=d"}}};
  int languageApplied = 0, hotKeysChanged = 0, saved = 0;
  FontChoosers choosers{[](const QFont&, QWidget*) { return std::optional(QFont("Serif", 14, QFont::Bold)); },
                        [](const QColor&, QWidget*) { return std::optional(QColor(0x12, 0x34, 0x56)); }};
  SettingsDialog dialog{settings, hotKeys, languages, *this, nullptr, choosers};
  QListWidget* keyList = nullptr;
};

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
      {"chbxDirectConvert", click}, {"chbxDetectLOG", click}, {"chbxDetectMethod", click}, {"comboxStyle", key(Qt::Key_End)},
      {"seLInd", type("40")}, {"seRInd", type("9999")},
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
  EXPECT_EQ(lists[AuxList::Translit], std::vector<std::string>{"a=b"}) << "the memo only, until OK";
  Find<QPlainTextEdit>("memoSign")->setPlainText("Petr\n\xD0\x9F");
  QTest::mouseClick(Find("rsbOK"), Qt::LeftButton);

  Settings want;
  for (bool* flag : {&want.IsShowToolNorm, &want.IsShowStatusNorm, &want.IsSavePosition, &want.IsUseSuperPopup,
                     &want.IsRestoreCaret, &want.IsNewWindow, &want.IsDetectURL, &want.RestoreLastPath,
                     &want.IsConfirmSaveAs, &want.IsChangeFindDlgPos, &want.IsDefReadOnly, &want.IsChAttrs,
                     &want.UseTempFile, &want.UseAppFolder, &want.IsAutoDetect, &want.IsDirectConvert,
                     &want.IsDetectFormat, &want.IsShowMenu, &want.IsShowScroll, &want.IsShowStatusFS,
                     &want.IsAutoSaving, &want.IsSaveFocus, &want.IsSaveExit, &want.IsSound, &want.IsLimit,
                     &want.IsBeepOff})
    *flag = !*flag;
  std::tie(want.LinesToScroll, want.BookmarkType, want.EscFunction, want.LInd, want.RInd, want.Mins, want.CharsLimit,
           want.DetectMethod, want.Style) = std::tuple(7, 1, 1, 40, 9999, 12, 72, 1, 2);
  std::tie(want.DefExt, want.LastPath, want.strHR, want.strSpecChars, want.UserStyle.BackColor) =
      std::tuple("md", "/home/", std::string(30, '='), "ab", 0x563412);  // red in the colour's low byte
  std::tie(want.UserStyle.Name, want.UserStyle.Size, want.UserStyle.Bold) = std::tuple("Serif", 14, true);
  std::tie(want.PrintFont.Name, want.PrintFont.Size, want.PrintFont.Bold) = std::tuple("Serif", 14, true);
  Settings reloaded;
  LoadSettings(IniFile::Parse(file.Serialize()), reloaded);
  EXPECT_TRUE(reloaded == want);
  EXPECT_EQ(std::tuple(dialog.isVisible(), lists[AuxList::Translit], lists[AuxList::Signature]),
            std::tuple(false, BuiltInTranslitLines(), std::vector<std::string>{"Petr", "\xCF"}));
  using enum SettingEffect;
  EXPECT_THAT(effects, ::testing::IsSupersetOf({ToolBar, StatusBar, SavePosition, ReadOnly, AutoSave, FullScreenParts,
                                                Margins, WheelScroll, SpecialChars, Appearance, Skin, Detection}));
}

TEST_F(SettingsDialogTest, OpeningActsOnNothingAndEscOrCloseTakeNoValueOfOk) {
  dialog.hide();
  std::tie(settings.Language, settings.IsDefReadOnly, settings.IsAutoSaving, settings.Mins, settings.EscFunction,
           settings.DefExt, settings.strHR, settings.UserStyle.BackColor, settings.Style) =
      std::tuple(1, true, true, 7, 0, "", "~", 0xEFFCFC, 2);
  const Settings before = settings;
  dialog.Open(SettingsPage::Interface);
  EXPECT_EQ(std::tuple(settings == before, effects.size(), languageApplied, saved), std::tuple(true, 0u, 0, 0));
  EXPECT_EQ(std::tuple(Find<QSpinBox>("seMins")->value(), Find<QComboBox>("comboxLang2")->currentIndex(),
                       Find<QCheckBox>("chbxDefExt")->isChecked(), Find<QComboBox>("comboxHR")->currentText(),
                       Find("pnlColor")->palette().color(QPalette::Window),
                       Find<QComboBox>("comboxStyle")->currentText()),
            std::tuple(7, 1, false, QString("~"), QColor(0xFC, 0xFC, 0xEF), QString("beta")));

  for (const bool esc : {true, false}) {
    dialog.Open(SettingsPage::Interface);
    OnItsPage<QAbstractButton>("chbxShowTBar")->click();
    Type(OnItsPage("seLInd"), "40");
    Type(OnItsPage("eSpecChars"), "xyz");
    Find<QPlainTextEdit>("memoSign")->setPlainText("other");
    esc ? QTest::keyClick(&dialog, Qt::Key_Escape) : void(dialog.close());  // the tool bar box acted at once
    EXPECT_EQ(std::tuple(dialog.isVisible(), settings.IsShowToolNorm, settings.LInd, settings.strSpecChars, saved,
                         lists[AuxList::Signature]),
              std::tuple(false, !before.IsShowToolNorm, before.LInd, before.strSpecChars, 0,
                         std::vector<std::string>{"Ivan"})) << esc;
    settings.IsShowToolNorm = before.IsShowToolNorm;
  }
  dialog.Open(SettingsPage::Interface);
  EXPECT_EQ(std::pair(Find<QSpinBox>("seLInd")->value(), Find<QPlainTextEdit>("memoSign")->toPlainText()),
            std::pair(130, QString("Ivan")));
}

TEST_F(SettingsDialogTest, EnterIsOkExceptOnTheListAndMemoPagesAndATypedNumberCounts) {
  using enum SettingsPage;
  for (SettingsPage page : {Interface, Editor, FullScreen, Autosave, Transliteration, Integration, Sounds, Keyboard,
                            Additional}) {
    dialog.Open(page);
    QWidget* focus = page == FullScreen ? Find("seLInd") : Find("rsbOK");
    if (page == FullScreen) Type(focus, "33");
    QTest::keyClick(focus, Qt::Key_Return);
    const bool keepsEnter = page == Transliteration || page == Integration || page == Keyboard || page == Additional;
    EXPECT_EQ(dialog.isVisible(), keepsEnter) << static_cast<int>(page);
  }
  EXPECT_EQ(std::pair(settings.LInd, saved), std::pair(33, 5));
}

TEST_F(SettingsDialogTest, DefaultExtensionIsCheckedCleanedAndOfferedAgain) {
  auto* box = Find<QCheckBox>("chbxDefExt");
  auto* edit = Find<QLineEdit>("eDefExt");
  for (const auto& [text, kept] : {std::pair(" ..log ", "log"), {"a/b", "log"}, {"x\ty", "log"}, {"", ""}}) {
    dialog.Open(SettingsPage::Editor);
    edit->setText(text);
    QTest::mouseClick(Find("rsbOK"), Qt::LeftButton);
    EXPECT_EQ(settings.DefExt, kept) << text;
  }
  dialog.Open(SettingsPage::Editor);
  EXPECT_EQ(std::pair(box->isChecked(), edit->isEnabled()), std::pair(false, false));
  box->click();
  EXPECT_EQ(edit->text(), "txt");
  box->click();
  EXPECT_EQ(std::pair(settings.DefExt, edit->text()), std::pair(std::string(), QString()));
}

TEST_F(SettingsDialogTest, SizeStaysBetweenTheLeastAndTheScreenAndDebugShowsIt) {
  dialog.ApplySize({100, 100});
  EXPECT_EQ(std::pair(settings.SetsWidth, settings.SetsHeight), std::pair(500, 390));
  dialog.ApplySize({100000, 100000});
  EXPECT_EQ(QSize(settings.SetsWidth, settings.SetsHeight), dialog.screen()->availableGeometry().size());
  settings.IsDebug = true;
  dialog.ApplySize({520, 400});
  EXPECT_EQ(Find<QLabel>("StatBar")->text(), "520 : 400");
}

TEST_F(SettingsDialogTest, KeysThatMayNotBindChangeNothingAndSayWhyAndAFailedWriteIsShown) {
  const std::vector<std::string> before = hotKeys.Lines();
  keyList->clearSelection();
  Press(Qt::Key_K, Qt::ControlModifier);  // nothing selected
  Select(ActionId::Exit);
  Press(Qt::Key_A, Qt::ShiftModifier);
  EXPECT_THAT(Note(), HasSubstr("Ctrl or Alt"));
  Press(Qt::Key_Backspace, Qt::AltModifier);  // the window's undo
  EXPECT_THAT(Note(), HasSubstr("Alt+BkSp"));
  EXPECT_EQ(std::tuple(hotKeys.Lines(), hotKeysChanged, test::ReadRaw(dir / "hotkeys.ini")), std::tuple(before, 0, ""));
  HotKeys nowhere(dir / "missing/hotkeys.ini");  // a key that binds but cannot be written
  SettingsDialog other(settings, nowhere, languages, *this);
  Show(other, SettingsPage::Keyboard);
  Select(ActionId::Exit);
  Press(Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(KeyText(nowhere.Key(ActionId::Exit)), "Alt+Q");
  EXPECT_THAT(Note(), HasSubstr("could not be saved"));
}

TEST_F(SettingsDialogTest, PagesAndEntriesShowNumberCaptionAndKeyAndCtrlKBindsTakesTheKeyAndWritesHotkeysIni) {
  auto* pages = Find<QListWidget>("lbSets");
  ASSERT_EQ(std::pair(pages->count(), keyList->count()), std::pair(9, static_cast<int>(Actions().size())));
  Select(ActionId::Save);
  EXPECT_EQ(QStringList({pages->item(0)->text(), pages->item(8)->text(), Item(ActionId::LO_12), Label("lblHotKey")}),
            QStringList({" Interface", " Additional", " 66. En -> Ru - Ctrl+[", "Ctrl+S"}));
  Select(ActionId::Open);
  Press(Qt::Key_End, Qt::ControlModifier);  // binds instead of moving
  EXPECT_EQ(std::pair(keyList->currentRow(), Label("lblHotKey")), std::pair(int(ActionId::Open), QString("Ctrl+End")));
  Select(ActionId::Exit);
  Press(Qt::Key_K, Qt::ControlModifier);
  EXPECT_THAT(Note(), HasSubstr("Capitalize Words"));
  EXPECT_EQ(std::pair(Item(ActionId::Exit), hotKeysChanged), std::pair(QString(" 10. Exit - Ctrl+K"), 2));
  using enum ActionId;
  for (const auto& [id, key] :
       {std::pair(Open, "Ctrl+End"), {Exit, "Ctrl+K"}, {CapWords, ""}, {ClearRecent, "Ctrl+Alt+F11"}})
    EXPECT_EQ(Written(id), key) << ActionOf(id).name;
  Press(Qt::Key_F5);  // F1 to F12 bind alone
  EXPECT_EQ(Written(ActionId::Exit), "F5");

  const QPoint at = keyList->visualItemRect(keyList->item(0)).center();
  QTest::mouseClick(keyList->viewport(), Qt::LeftButton, {}, at);  // a double click's first half
  QTest::mouseDClick(keyList->viewport(), Qt::LeftButton, {}, at);  // removes the key
  EXPECT_EQ(std::tuple(Item(ActionId::New), Written(ActionId::New), Written(ActionId::NewWnd)),
            std::tuple(QString(" 1. New - "), "", "Shift+Ctrl+N"));
}

TEST_F(SettingsDialogTest, ALanguageComboAppliesTheLanguageAndKeepsThePage) {
  auto* combo = Find<QComboBox>("comboxLang2");
  auto* pages = Find<QListWidget>("lbSets");
  QTest::keyClick(combo, Qt::Key_Down);
  EXPECT_EQ(std::pair(settings.Language, languageApplied), std::pair(1, 1)) << "a refill applies nothing again";
  EXPECT_EQ(QStringList({dialog.windowTitle(), pages->item(7)->text(), Item(ActionId::New),
                         Find<QComboBox>("comboxLang")->currentText(), Find<QComboBox>("comboxEsc")->currentText()}),
            QStringList({"Einstellungen", " Tastatur", " 1. Neu - Ctrl+N", "Deutsch", "Beenden"}));
  EXPECT_EQ(dialog.CurrentPage(), SettingsPage::Keyboard);
  QTest::keyClick(Find("comboxLang"), Qt::Key_Up);
  EXPECT_EQ(std::tuple(languageApplied, pages->item(7)->text(), combo->currentIndex()), std::tuple(2, " Keyboard", 0));
}

}  // namespace
}  // namespace plumex
