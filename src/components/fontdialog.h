#pragma once
// The printer font dialog: family, style, size, underline, strikethrough and
// text colour, with a sample in the chosen font. The colour button asks
// through the Prompter, so a test answers it as any other colour dialog.
#include "components/prompter.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tq {

// The print font as a sample shows it on the screen.
QFont sampleFont(const FontChoice &font);

class FontDialog : public QDialog
{
    Q_OBJECT
public:
    // The sizes the dialog offers, in points; typed sizes are held to them.
    static constexpr int minimumPointSize = 4;
    static constexpr int maximumPointSize = 72;

    FontDialog(Prompter &prompter, const FontChoice &initial, QWidget *parent = nullptr);

    FontChoice choice() const;

private:
    void buildControls();
    void preset(const FontChoice &font);
    void chooseColour();
    void showSample();
    static QString styleName(bool bold, bool italic);

    Prompter &m_prompter;
    FontChoice m_initial;
    QColor m_colour;
    QComboBox *m_family = nullptr;
    QComboBox *m_style = nullptr;
    QComboBox *m_size = nullptr;
    QCheckBox *m_underline = nullptr;
    QCheckBox *m_strikeOut = nullptr;
    QPushButton *m_colourButton = nullptr;
    QLabel *m_sample = nullptr;
};

} // namespace tq
