// The editor's look and the window's modes: schemes from the stored index,
// the font size's floor and cap, full screen there and back, always on top.
#include <QMenuBar>

#include "app/tool_bar.h"
#include "gui/window_fixture.h"
#include "platform/ini_file.h"

namespace plumex::test {
namespace {

using AppearanceFlow = WindowTest;

constexpr ActionId kSchemes[] = {ActionId::StdStyle, ActionId::ReadStyle, ActionId::UnixStyle, ActionId::RetroStyle,
                                 ActionId::UserStyle};

TEST_F(AppearanceFlow, EachStoredIndexGivesItsLookAndCheckAndTheFontStopsAtOneAndAtTheCap) {
  const QPalette plain = QApplication::palette();
  const QColor cream(252, 252, 239), black(0, 0, 0), base = plain.base().color(), ink = plain.text().color();
  const int size = QApplication::font().pointSize();
  const struct { int index; QColor ground, text; int points; } rows[] = {
      {0, base, ink, size}, {1, cream, black, 10}, {2, cream, black, 13}, {3, black, QColor(0, 255, 0), 11},
      {4, QColor(0, 0, 128), QColor(255, 255, 0), 11}, {5, QColor(128, 0, 0), QColor(0, 0, 255), 1},
      {6, base, ink, size}};
  for (const auto& row : rows) {
    WriteSettings("AppearStyle=" + std::to_string(row.index) +
                  "\r\nNormFontSize=2147483647\r\n[USER_STYLE]\r\nBackColor=128\r\nColor=16711680\r\nSize=0\r\n");
    const QPalette look = Start().editor()->focusProxy()->palette();
    QList<ActionId> checked;
    for (const ActionId id : kSchemes) if (window->action(id)->isChecked()) checked << id;
    QList<int> sizes{editor().FontSize()};
    for (const ActionId step : {ActionId::DecFont, ActionId::DecFont, ActionId::NormFont, ActionId::IncFont})
      sizes << (Run(step), editor().FontSize());
    const int smaller = std::max(row.points - 1, 1);
    EXPECT_EQ(std::tuple(look.color(QPalette::Base), look.color(QPalette::Text), checked, sizes),
              std::tuple(row.ground, row.text, row.index % 6 ? QList{kSchemes[row.index - 1]} : QList<ActionId>{},
                         QList{row.points, smaller, std::max(smaller - 1, 1), 16384, 16384})) << row.index;
    Restart();
  }
}

TEST_F(AppearanceFlow, FullScreenAndEscGiveBackThePlaceTheTopLineAndTheFlagAndSettingsKeepThePlace) {
  std::string text;
  for (int i = 0; i < 3000; ++i) text += std::to_string(i) + (i % 7 ? " a line\r\n" : " " + std::string(300, 'w') + "\r\n");
  MainWindow& w = Open(text);
  w.setGeometry(40, 50, 600, 400);
  editor().ScrollLines(1200);
  const auto place = [&w, this] { return std::tuple(w.pos(), w.size(), w.isFullScreen(), editor().TopPosition()); };
  const auto before = place();
  Key(Qt::Key_F11);
  Run(ActionId::DefSize);  // no standard size while full screen
  QEvent activation(QEvent::WindowActivate);  // writes the settings
  QApplication::sendEvent(&w, &activation);
  const auto stored = [ini = IniFile::Parse(ReadRaw(settingsPath()))](const char* k) { return ini.ReadInteger("EDITOR", k, -1); };
  EXPECT_EQ(std::tuple(w.isFullScreen(), w.action(ActionId::FullScreen)->isChecked(),
                       QRect(stored("EditorLeft"), stored("EditorTop"), stored("EditorWidth"), stored("EditorHeight"))),
            std::tuple(true, true, QRect(std::get<0>(before), std::get<1>(before))));
  Key(Qt::Key_Escape);  // leaves full screen, closes nothing
  QApplication::processEvents();
  EXPECT_EQ(std::tuple(place(), window->document().State().Modified), std::tuple(before, false));
  Run(ActionId::DefSize);
  EXPECT_EQ(w.size(), QSize(680, 530));
}

TEST_F(AppearanceFlow, F11ShowsTheChosenBarsKeysStillWorkAndAlwaysOnTopKeepsItShownAndIsRemembered) {
  const struct { const char* options; bool menus, status, percent, scrollBars, toolBar; } rows[] = {
      {"IsShowMenu=0\r\nIsShowStatusFS=0\r\nIsShowScroll=0\r\nIsShowToolNorm=0\r\n", false, false, false, false, false},
      {"IsShowStatusFS=0\r\n", true, false, true, true, true}, {"IsShowStatusFS=1\r\n", true, true, false, true, true}};
  bool onTop = false;  // as the row before left it
  for (const auto& row : rows) {
    WriteSettings(std::string(row.options) + "IsStayOnTop=" + (onTop ? "1" : "0") + "\r\n");
    MainWindow& w = Open(std::string(5000, 'x'));
    const auto shown = [&] {  // bars, scroll bars, shown, on top, margins, tool bar
      const auto bars = static_cast<QAbstractScrollArea*>(area())->horizontalScrollBarPolicy();
      return std::tuple(w.menuBar()->isVisible(), w.statusPanes()->isVisible(), w.percentItem()->isVisible(),
                        bars != Qt::ScrollBarAlwaysOff, w.isVisible(), bool(w.windowFlags() & Qt::WindowStaysOnTopHint),
                        viewport()->x() > 5, w.toolBar()->isVisible());
    };
    Key(Qt::Key_F11);
    auto full = std::tuple(row.menus, row.status, row.percent, row.scrollBars, true, onTop, true, false);
    EXPECT_EQ(shown(), full) << row.options;
    Key(Qt::Key_Equal, Qt::ControlModifier);
    Key(Qt::Key_T, Qt::ControlModifier | Qt::ShiftModifier);
    w.ChooseStyle(0);  // a new skin keeps the bar hidden
    std::get<5>(full) = onTop = !onTop;
    EXPECT_EQ(std::tuple(editor().FontSize(), w.isFullScreen(), w.action(ActionId::AOT)->isChecked(), shown()),
              std::tuple(11, true, onTop, full));
    Key(Qt::Key_F11);
    EXPECT_EQ(shown(), std::tuple(true, true, false, true, true, onTop, false, row.toolBar));
    Restart();
    EXPECT_EQ(IniFile::Parse(ReadRaw(settingsPath())).ReadInteger("EDITOR", "IsStayOnTop", -1), onTop ? 1 : 0);
  }
}

}  // namespace
}  // namespace plumex::test
