#pragma once
#include <QPushButton>

namespace tq {

// A push button whose caption wraps onto a second line when it is too wide,
// as the launcher's narrow buttons need.
class WrapButton : public QPushButton
{
    Q_OBJECT
public:
    explicit WrapButton(const QString &text, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace tq
