#pragma once
// The top toolbar `Toolbar1`: numbered activity buttons followed by the five
// utility buttons (family names, sound, web site, help, exit). Its buttons wrap
// into further rows when the window is too narrow for one row, so "Help" and
// "Exit" stay reachable in smaller screen display.
#include <QList>
#include <QToolBar>

class QToolButton;

namespace tq {

class ActivityToolbar : public QToolBar
{
    Q_OBJECT
public:
    // count: 48 in most tools (1 to 43 activities), 49 in the budget (1 to 44).
    explicit ActivityToolbar(int count, QWidget *parent = nullptr);

    static constexpr int iconSide = 18; // pixels

    int count() const { return int(m_buttons.size()); }
    int lastActivity() const { return count() - 5; }
    int familyNamesButton() const { return count() - 4; }
    int soundButton() const { return count() - 3; }
    int webSiteButton() const { return count() - 2; }
    int helpButton() const { return count() - 1; }
    int exitButton() const { return count(); }

    // 1-based, as the buttons are numbered; nullptr outside 1..count().
    QToolButton *button(int number) const;

    // The tooltip of button `number` in a toolbar of `count` buttons.
    static QString toolTipFor(int number, int count);

Q_SIGNALS:
    void buttonClicked(int number);

private:
    QList<QToolButton *> m_buttons;
};

} // namespace tq
