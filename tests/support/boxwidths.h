#pragma once
// Whether a window's boxes and lists show their longest values whole.
class QWidget;

namespace tq::test {

// Every list is as wide as its longest item needs, and every entry box with
// a length limit as wide as that many digits need, in the window's fonts.
// Check QTest::currentTestFailed() after the call.
void verifyBoxesShowLongestValues(const QWidget *window);

} // namespace tq::test
