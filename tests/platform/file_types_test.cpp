#include "platform/file_types_xdg.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/key_file_text.h"
#include "support/file_helpers.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace plumex {
namespace {

namespace fs = std::filesystem;
using Text = std::optional<std::string>;

constexpr char kProgram[] = "/opt/my apps/\"q\" 'a' $HOME `x` 100% a\\b\t\n\xD0\x94/plumex";

// How a desktop reads Exec: the value's string escapes first, then the
// quoting of the arguments and the doubled "%".
std::vector<std::string> ExecArguments(std::string_view value) {
  std::string text;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char c = value[i] == '\\' && i + 1 < value.size() ? value[++i] : '\0';
    text += c == 'n' ? '\n' : c == 't' ? '\t' : c == 'r' ? '\r' : c == 's' ? ' ' : c != '\0' ? c : value[i];
  }
  std::vector<std::string> args(1);
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (quoted && text[i] == '\\') args.back() += text[++i];
    else if (text[i] == '"') quoted = !quoted;
    else if (text[i] == ' ' && !quoted) args.emplace_back();
    else if (text.compare(i, 2, "%%") == 0) args.back() += text[++i];
    else args.back() += text[i];
  }
  return args;
}

class XdgFileTypesTest : public ::testing::Test {
 protected:
  Text Read(const std::string& name) const {
    return fs::exists(home / name) ? Text(test::ReadRaw(home / name)) : std::nullopt;
  }
  void Write(const std::string& name, const std::string& text) const {
    fs::create_directories(fs::path(home / name).parent_path());
    test::WriteRaw(home / name, text);
  }
  Text Value(const std::string& name, const char* group, const std::string& key) const {
    return KeyFileText(Read(name).value_or("")).Value(group, key);
  }

  test::TempDir home;
  test::ScopedEnv data{"XDG_DATA_HOME", home / "data"};
  test::ScopedEnv config{"XDG_CONFIG_HOME", home / "config"};
  XdgFileTypes types{kProgram};
  const std::string mimeapps = "config/mimeapps.list";
  const std::string registry = "config/plumex/registry.ini";
  const std::string entry = "data/applications/plumex.desktop";
};

// A desktop entry the user wrote himself is his again afterwards; the files
// keep a missing final line break.
TEST_F(XdgFileTypesTest, RegisteringTwiceThenUnregisteringGivesMimeappsListAndTheEntryBackByteForByte) {
  const struct { Text mimeapps, entry; } priors[] = {
      {std::nullopt, std::nullopt},
      {"[Default Applications]\ntext/plain=gedit.desktop;\n", "[Desktop Entry]\nName=Mine\nExec=mine %f"},
      {"# mine\n[Added Associations]\ntext/plain=a.desktop;\n\n[Default Applications]\n"
       "image/png=eog.desktop\ntext/plain = kate.desktop;b.desktop;\r\n\n[Other]\nk=v\n",
       "# by hand\n[Desktop Entry]\nExec = mine\nMimeType=text/x-mine;\n\n[Desktop Action x]\nExec=y\n"},
      {"[Added Associations]\nimage/png=eog.desktop;", std::nullopt}, {"[Default Applications]\n\n[Other]\nk=v", {}},
  };
  for (const auto& prior : priors) {
    for (const char* folder : {"config", "data"}) fs::remove_all(home / folder);
    if (prior.mimeapps) Write(mimeapps, *prior.mimeapps);
    if (prior.entry) Write(entry, *prior.entry);
    ASSERT_TRUE(types.Register("txt"));
    ASSERT_TRUE(types.Register("txt"));
    EXPECT_EQ(types.Registered("txt"), Registration::Yes);
    EXPECT_EQ(Value(mimeapps, "Default Applications", "text/plain"), "plumex.desktop;");
    EXPECT_EQ(Value(entry, "Desktop Entry", "MimeType"), "text/plain;");
    ASSERT_TRUE(types.Unregister("txt"));
    EXPECT_EQ(std::tuple(Read(mimeapps), Read(entry), Read(registry), types.Registered("txt")),
              std::tuple(prior.mimeapps, prior.entry, Text(), Registration::No));
  }
}

TEST_F(XdgFileTypesTest, ATypeOfTwoExtensionsGoesBackAfterTheLastAndATypeTakenMeanwhileStaysTaken) {
  Write(mimeapps, "[Default Applications]\ntext/x-c++src=kate.desktop;\n");
  ASSERT_TRUE(types.Register("cpp") && types.Register("cxx") && types.Unregister("cpp"));
  EXPECT_EQ(types.Registered("cxx"), Registration::Yes);
  ASSERT_TRUE(types.Unregister("cxx"));
  EXPECT_EQ(Read(mimeapps), "[Default Applications]\ntext/x-c++src=kate.desktop;\n");

  ASSERT_TRUE(types.Register("txt"));
  Write(mimeapps, "[Default Applications]\ntext/plain=other.desktop;\n");
  EXPECT_EQ(types.Registered("txt"), Registration::No);
  ASSERT_TRUE(types.Unregister("txt"));
  EXPECT_EQ(Read(mimeapps), "[Default Applications]\ntext/plain=other.desktop;\n");
  EXPECT_EQ(Read(registry), Text());
}

TEST_F(XdgFileTypesTest, AnUnknownExtensionGetsATypeOfOursAndTheEntryRunsTheProgramAsOneArgument) {
  ASSERT_TRUE(types.Register("zzz"));
  const std::string package = "data/mime/packages/plumex-zzz.xml";
  EXPECT_NE(Read(package).value_or("").find("type=\"application/x-plumex-zzz\""), std::string::npos);
  EXPECT_NE(Read(package).value_or("").find("pattern=\"*.zzz\""), std::string::npos);
  EXPECT_EQ(Value(mimeapps, "Default Applications", "application/x-plumex-zzz"), "plumex.desktop;");
  EXPECT_EQ(ExecArguments(Value(entry, "Desktop Entry", "Exec").value_or("")),
            (std::vector<std::string>{kProgram, "%f"}));
  ASSERT_TRUE(types.Unregister("zzz"));
  EXPECT_EQ(Read(package), Text());
}

TEST_F(XdgFileTypesTest, HostileExtensionsAndAnUnreadableMimeappsListChangeNothing) {
  for (const std::string ext : {"", "../x", "TXT", ".txt", "x\n", "a]", "\xD0\x94"})
    EXPECT_FALSE(types.Register(ext) || types.Unregister(ext)) << ext;
  EXPECT_FALSE(fs::exists(home / "config") || fs::exists(home / "data"));

  ASSERT_TRUE(types.Register("txt"));
  const Text recorded = Read(registry);
  fs::remove(home / mimeapps);
  fs::create_directories(home / mimeapps);  // a folder can never be read as the file
  EXPECT_EQ(types.Registered("txt"), Registration::Unknown);
  EXPECT_FALSE(types.Unregister("txt") || types.Register("log"));
  EXPECT_EQ(Read(registry), recorded);
}

TEST_F(XdgFileTypesTest, TheViewSourceEditorComesBackWhileItIsStillOursAndTheCodePageTableIsOurOwn) {
  XdgFileTypes viewer("/usr/bin/plumex");
  const struct {
    Text before, meanwhile, after;
  } rows[] = {
      {std::nullopt, std::nullopt, std::nullopt},
      {"/usr/bin/vi", std::nullopt, "/usr/bin/vi"},
      {"/usr/bin/plumex", std::nullopt, std::nullopt},
      {"/usr/bin/vi", "/usr/bin/emacs", "/usr/bin/emacs"},
  };
  for (const auto& row : rows) {
    fs::remove_all(home / "config");
    if (row.before) Write(registry, "[ViewSource]\nEditorName=" + *row.before + "\n");
    viewer.SetViewSourceEditor(true);
    EXPECT_TRUE(viewer.IsViewSourceEditor());
    if (row.meanwhile) Write(registry, "[ViewSource]\nEditorName=" + *row.meanwhile + "\n");
    viewer.SetViewSourceEditor(false);
    EXPECT_EQ(std::tuple(Value(registry, "ViewSource", "EditorName"), Value(registry, "ViewSource", "OldEditorName")),
              std::tuple(row.after, Text()));
  }
  EXPECT_EQ(viewer.CodePage(CodePageValue::Cp1253), "c_1253.nls");
  viewer.SetCodePage(CodePageValue::Cp1252, "c_1251.nls");
  EXPECT_EQ(std::tuple(viewer.CodePage(CodePageValue::Cp1252), Value(registry, "CodePage", "1252")),
            std::tuple("c_1251.nls", Text("c_1251.nls")));
}

}  // namespace
}  // namespace plumex
