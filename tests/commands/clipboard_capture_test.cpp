#include "commands/clipboard_capture.h"

#include <gtest/gtest.h>

#include "convert/clipboard_text.h"
#include "support/fake_clipboard.h"
#include "support/fake_dialogs.h"
#include "support/fake_editor.h"

namespace plumex {
namespace {

// A lone CR or LF comes back as a line break of the document's.
TEST(ClipboardText, EveryOtherByteSurvivesTheTripAndACharacterOutsideTheTableIsOneQuestionMark) {
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes += static_cast<char>(b);
  const ClipboardBytes back = FromClipboardText(ToClipboardText(bytes, LineBreak::CrLf), LineBreak::CrLf);
  EXPECT_EQ(std::tuple(back.bytes, back.characters, back.lost), std::tuple(bytes, 254u, 0u));
  const ClipboardBytes hostile = FromClipboardText(u"\U0001F600\xD800|\xDC00\r", LineBreak::Lf);
  EXPECT_EQ(std::tuple(hostile.bytes, hostile.characters, hostile.lost), std::tuple("??|?\n", 5u, 3u));
}

// Texts that come while the window is busy, our own Copy All's among them,
// follow in order; Copy All keeps the flag, the caught text sets it.
TEST(ClipboardCapture, TextsArrivingWhileBusyFollowInOrderAndSetModified) {
  bool busy = true;
  Settings settings;
  settings.strHR.clear();
  const LanguageTable texts;
  test::FakeDialogs dialogs;
  test::FakeEditor editor("x");
  Document document(editor, settings, texts, dialogs, 100);
  test::FakeClipboard clipboard;
  ClipboardCapture capture(editor, document, settings, texts, clipboard,
                           {[&] { return busy || editor.TransformBusy(); }, [] {}, [](const std::string&) {}}, 100);
  clipboard.SetTextHandler([&](std::u16string text) { capture.Arrived(std::move(text)); });
  capture.ToggleCatch();
  clipboard.Copy(u"A");
  clipboard.Copy(u"B");
  busy = false;
  capture.CopyAll();
  EXPECT_EQ(std::tuple(editor.Text(), document.Modified(), capture.Waiting()), std::tuple("x", false, true));
  capture.Flush();
  EXPECT_EQ(std::tuple(editor.Text(), document.Modified(), capture.Waiting()), std::tuple("xA\nB\nx\n", true, false));
}

}  // namespace
}  // namespace plumex
