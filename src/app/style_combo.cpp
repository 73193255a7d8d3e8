#include "app/style_combo.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace plumex {

void FillStyleCombo(QComboBox& combo, const QString& builtInName, const std::vector<std::string>& skins, int style) {
  const QSignalBlocker quiet(&combo);
  combo.clear();
  combo.addItem(builtInName);
  // Skin names are file names, in the file system's UTF-8.
  for (const std::string& skin : skins) combo.addItem(QString::fromStdString(skin));
  combo.setCurrentIndex(style >= 0 && style < combo.count() ? style : 0);
}

}  // namespace plumex
