#include <QFile>
#include <sys/stat.h>

#include <filesystem>

#include "app/skins.h"
#include "app/tool_bar.h"
#include "platform/qt_sound_player.h"
#include "support/skin_maker.h"
#include "window_fixture.h"

namespace plumex {
namespace {

struct RecordingSounds : SoundPlayer {
  std::vector<Sound> played;
  void Play(Sound sound) override { played.push_back(sound); }
  void Beep() override {}
};

class ToolBarTest : public test::WindowTest {
 protected:
  ToolBarTest() { WindowTest::sounds = &sounds; }
  using Shown = std::vector<std::tuple<int, QRect, QString, bool>>;  // number, place, hint, no picture
  Shown Buttons() const {
    Shown shown;
    for (const PictureButton* b : window->toolBar()->buttons())
      shown.emplace_back(b->number(), b->geometry(), b->toolTip(), b->pictures().Empty());
    return shown;
  }
  RecordingSounds sounds;
};

// Skins are listed by name whatever the letter case; pictures that claim a
// huge size or do not decode are not used; a broken skin is said and gives
// the built-in bar, and a style past the list is stored back as 0.
TEST_F(ToolBarTest, SkinsDressTheBarAndBrokenOnesGiveTheBuiltInBar) {
  std::filesystem::create_directory(home / "Skins");
  const std::string ini = "Author=Ann\r\nButtonsCount=4\r\nToolButtonWidth=30\r\n"
                          "ToolButtonHeight=20\r\nToolButtonSpace=2\r\nSeparatorWidth=5\r\nTransparentSeparator=1\r\n";
  std::string huge = test::Bmp(2, 2);
  huge[19] = huge[23] = '\x7f';  // 32514 by 32514 pixels, says the header
  const std::string four = "SkinEngineVersion=1.0\r\n" + ini + "SkinType=True\r\nButtonsString=1-|-3-4\r\n";
  ASSERT_TRUE(test::MakeZip(home / "Skins/beta.zip", {{"skin.ini", four},
                                                       {"1Normal.bmp", test::Bmp(30, 20)}, {"1Active.bmp", "BM broken"},
                                                       {"3Normal.bmp", huge}, {"4normal.BMP", test::Bmp(30, 20)}}));
  ASSERT_TRUE(test::MakeZip(home / "Skins/Alpha.zip", {{"skin.ini", ini + "SkinType=0\r\nButtonsString=13\r\n"},
                                                        {"13.bmp", test::Bmp(60, 20)}}));
  test::WriteRaw(home / "Skins/gamma.zip", "not a zip");
  ASSERT_EQ(mkfifo((home / "Skins/delta.zip").c_str(), 0600), 0);  // never listed, never opened
  WriteSettings("Style=2\r\n");
  MainWindow& w = Start();
  EXPECT_EQ(w.skins().names(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
  EXPECT_EQ(Buttons(), (Shown{{1, {2, 4, 30, 20}, "New", false}, {0, {34, 4, 5, 20}, "", false},
                              {3, {41, 4, 30, 20}, "Open...", true}, {4, {73, 4, 30, 20}, "Save", false}}));
  const ButtonPictures& first = w.toolBar()->buttons()[0]->pictures();  // its broken Active is not used
  EXPECT_EQ(std::make_tuple(first.active.isNull(), first.normal.isNull(), w.toolBar()->buttons()[2]->text(),
                            w.skins().author(), w.toolBar()->height()),
            std::make_tuple(true, false, "Open...", "Ann", 27));
  w.ChooseStyle(1);
  EXPECT_EQ(std::make_tuple(w.toolBar()->buttons()[0]->pictures().glyphs.size(), w.skins().author()),
            std::make_tuple(3U, ""));
  w.ChooseStyle(3);
  EXPECT_EQ(std::make_tuple(prompter.errors.size(), Buttons().size()), std::make_tuple(1U, 20U));
  w.ChooseStyle(4);
  EXPECT_EQ(std::make_tuple(w.settings().Style, Buttons().size()), std::make_tuple(0, 20U));
}

TEST_F(ToolBarTest, TypingAndTheColumnBellSoundThroughThePlayer) {
  WriteSettings("IsSound=1\r\nIsLimit=1\r\nCharsLimit=3\r\n");
  Start();
  for (const QChar typed : QString::fromUtf8("Ж–a\tb"))
    QTest::sendKeyEvent(QTest::Click, area(), typed == '\t' ? Qt::Key_Tab : Qt::Key_unknown, typed, Qt::NoModifier);
  Key(Qt::Key_Return);
  using enum Sound;
  // "–" makes no sound; the bell rings at each refresh in its column, twice for a typed letter.
  EXPECT_EQ(sounds.played, (std::vector<Sound>{KeyClick, ColumnBell, ColumnBell, KeyClick, CarriageReturn, KeyClick,
                                               CarriageReturn}));
  sounds.played.clear();
  window->settings().IsSound = false;
  Type("xy");
  EXPECT_EQ(sounds.played, (std::vector<Sound>{ColumnBell, ColumnBell}));
}

TEST(SoundPlayer, TheSoundsArePcmWavesAndPlayingWithoutAudioSaysNothing) {
  for (const Sound sound : {Sound::KeyClick, Sound::CarriageReturn, Sound::ColumnBell}) {
    QFile file(QtSoundPlayer::ResourceOf(sound));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::string wave = file.readAll().toStdString();
    EXPECT_TRUE(IsPcmWave(wave));
    for (const std::size_t cut : {std::size_t{0}, std::size_t{11}, std::size_t{40}, wave.size() - 1})
      EXPECT_FALSE(IsPcmWave(wave.substr(0, cut))) << cut;
    std::string compressed = wave;
    compressed[20] = 2;  // ADPCM
    EXPECT_FALSE(IsPcmWave(compressed));
  }
  static QStringList messages;
  const QtMessageHandler previous = qInstallMessageHandler(
      [](QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; });
  {
    QtSoundPlayer player;
    for (const Sound sound : {Sound::KeyClick, Sound::CarriageReturn, Sound::ColumnBell, Sound::KeyClick})
      player.Play(sound);
    QApplication::processEvents();
  }
  qInstallMessageHandler(previous);
  EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

}  // namespace
}  // namespace plumex
