#include "commands/product_facts.h"

#include <initializer_list>

namespace plumex {

std::string CreditsText(const CreditSources& sources, const LanguageTable& texts) {
  std::string text = std::string("--- ") + kProductName + " ---\r\n";
  const auto part = [&text](std::initializer_list<std::string> lines) {
    text += "\r\n";
    for (const std::string& line : lines) text += line + "\r\n";
  };
  if (!sources.english) part({texts.Text("strTransText"), texts.Text("Author"), texts.Text("AuthorEMail")});
  if (!sources.skinAuthor.empty()) part({texts.Text("strSkin"), sources.skinAuthor, sources.skinMail});
  part({texts.Text("strThanxText"), "Everyone who sent a bug report or a wish", "The translators of the language files",
        "The makers of the skins"});
  return text;
}

}  // namespace plumex
