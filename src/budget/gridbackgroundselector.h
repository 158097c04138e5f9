#pragma once
// The grid background selector (SSPanel4): sixteen picture thumbnails, the
// selection frame, the note and four buttons over the budget's main panel.
// The budget window places it with its design size (designTwips(), children
// laid out at 96 dpi so the window's proportional layout scales them) and runs
//     mOGB, side button 1:         toggle()
//     Esc, opening the totals:      cancelIfShown()
//     unloading:                    hideSelector()
// and shows statusText() in status panel 1 (empty: the caption).
#include <QFrame>
#include <QList>

class QPushButton;

namespace tq {

class BudgetGridColours;

class GridBackgroundSelector : public QFrame
{
    Q_OBJECT
public:
    static constexpr int thumbnailCount = 16;
    static QSize designTwips();

    GridBackgroundSelector(BudgetGridColours &colours, QWidget *parent);

    void toggle();
    void cancelIfShown();
    // Hides the panel and lets go of the thumbnails' pictures.
    void hideSelector();

    // The thumbnail `index` as a user's click.
    void clickThumbnail(int index);
    int selectedThumbnail() const { return m_selected; }

Q_SIGNALS:
    void statusText(const QString &text);

private:
    void buildControls();
    void open();
    void press(int button);
    void select(int index);
    QRect thumbnailRect(int index) const;

    BudgetGridColours &m_colours;
    QList<QFrame *> m_thumbnails;
    QFrame *m_frame = nullptr;
    QList<QPushButton *> m_buttons;
    int m_selected = -1;
};

} // namespace tq
