#pragma once
// The budget grid's background (a picture, a colour or the system window
// colour) and text colour: loaded from records 14 and 15 of GColor1.Fil when
// the window opens, changed by the background selector and the text colour
// choice, and stored when the user agrees to keep the colour changes.
//
// The budget window wires it as follows:
//     changed()            -> markColoursChanged() (the frame's colour question)
//     statusText(text)     -> setStatusText(text) (empty: the caption)
//     textColourChanged(c) -> the item totals list takes the text colour
//     storeColourChoice()  -> the frame's record 13, then store()
#include <QColor>
#include <QObject>
#include <QPixmap>
#include <QString>

class QWidget;

namespace tq {

class Grid;
struct Program;

class BudgetGridColours : public QObject
{
    Q_OBJECT
public:
    // What record 14 receives at closing.
    enum class Pending { None, Colour, Default, Picture };

    // `dialogParent` owns the colour dialog and the conflict warning.
    BudgetGridColours(Program &program, Grid &grid, QWidget *dialogParent);

    void load();
    // Records 14 (only when a background choice is pending) and 15.
    void store() const;

    // A picture name "WP1" to "WP16", a colour number in digits.
    QString setting() const { return m_setting; }
    bool settingIsPicture() const;
    Pending pending() const { return m_pending; }
    QString lastClicked() const { return m_lastClicked; }
    // "WP5.jpg" for thumbnail index 4, scaled when a size is given; null when it cannot be loaded.
    QPixmap thumbnailPicture(int index, const QSize &size = {}) const;

    // --- The selector's operations -----------------------------------------
    // Shows thumbnail `index`'s picture on the grid; nothing is chosen yet.
    void preview(int index);
    void chooseColourBackground();
    void useDefaultBackground();
    // Takes the thumbnail clicked last, in this opening of the selector or an earlier one.
    void useClickedPicture();
    // Undoes a preview and forgets a pending choice.
    void cancelChoice();

    // The grid text colour choice.
    void chooseTextColour();

Q_SIGNALS:
    void changed();
    void statusText(const QString &text);
    void textColourChanged(const QColor &colour);

private:
    QColor systemWindowColour() const;
    QPixmap picture(const QString &name) const;
    void showSettingPicture();
    void rebuildOverPicture();

    Program &m_program;
    Grid &m_grid;
    QWidget *m_dialogParent;
    QString m_setting;
    Pending m_pending = Pending::None;
    QString m_lastClicked;
};

} // namespace tq
