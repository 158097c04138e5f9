#pragma once
// Screen readers on Linux announce a stock combo box by its current value
// ("30", "0.0"). Ours announce their caption (the accessible name, else the
// buddy label), as the text boxes do, and keep the value as the value.
namespace tq {

// Once, after the QApplication exists.
void installAccessibleCaptions();

} // namespace tq
