#pragma once
// Screen readers on Linux announce a stock combo box by its current value
// ("30", "0.0"). Ours announce their caption (the accessible name, else the
// buddy label), as the text boxes do, and keep the value as the value.
// Labels given a caption as accessible name (a month's balance, a yearly
// total) announce that caption, with the text they show as the value.
#include <QString>

namespace tq {

// Once, after the QApplication exists.
void installAccessibleCaptions();

// A caption as a name is spoken: "Balance: " is "Balance".
QString spokenCaption(const QString &caption);

} // namespace tq
