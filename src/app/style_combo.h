#pragma once
// The settings dialog's style combo (comboxStyle): the built-in look, then
// every skin found, in the skin list's order.
#include <QString>
#include <string>
#include <vector>

class QComboBox;

namespace plumex {

// Item 0 is `builtInName` (tPlumexStyle), item n the n-th skin; `style` is
// selected, or item 0 when there is no such item. Filling says nothing to
// the combo's listeners.
void FillStyleCombo(QComboBox& combo, const QString& builtInName, const std::vector<std::string>& skins, int style);

}  // namespace plumex
