#pragma once
// What a screen reader announces for a window's inputs.
class QWidget;

namespace tq::test {

// Every entry box, list and spin box of the window announces the caption of
// the label that is its buddy; an input without a captioned buddy fails.
// Check QTest::currentTestFailed() after the call.
void verifyInputsAnnounceCaptions(const QWidget *window);

} // namespace tq::test
