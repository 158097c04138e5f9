#pragma once
// Every message box, input box and common dialog goes through this seam, so a
// test can answer them and assert the exact title and text a user would see.
#include "components/fontchoice.h"

#include <QColor>
#include <QString>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

namespace tq {

enum class Icon { Information, Question, Exclamation, Critical };
enum class Button { Ok = 1, Cancel = 2, Yes = 4, No = 8 };
using Buttons = int; // or-ed Button values

struct Message {
    QString title;
    QString text;
    Icon icon = Icon::Information;
    Buttons buttons = int(Button::Ok);
    Button defaultButton = Button::Ok;
};

class Prompter
{
public:
    virtual ~Prompter() = default;
    // Each prompt runs in a DialogScope: no window under it closes before it returns.
    Button message(QWidget *parent, const Message &message);
    // Cancel or Esc give an empty text, which callers read as "nothing entered".
    QString input(QWidget *parent, const QString &title, const QString &prompt, const QString &initial);
    std::optional<QColor> colour(QWidget *parent, const QColor &initial);
    std::optional<FontChoice> font(QWidget *parent, const FontChoice &initial);
    // Returns false when the user cancels; the printer keeps its settings then.
    bool pageSetup(QWidget *parent, QPrinter &printer);
    bool printDialog(QWidget *parent, QPrinter &printer);
    // The path to save a file to, starting at `suggested`; empty when cancelled.
    // `suffix` is added to a name typed without one.
    QString saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                         const QString &filter, const QString &suffix);
    // The program's own modal dialogs (income entry, spelling correction,
    // background selector, backup, the printer font dialog) all pass here:
    // the caller builds the dialog with its parent, gives it an objectName
    // (the name tests script it by), runs it through this call and reads its
    // fields afterwards. Returns QDialog::Accepted or QDialog::Rejected.
    int runDialog(QDialog &dialog);

    // Shorthand for the common one-button information message.
    void inform(QWidget *parent, const QString &title, const QString &text)
    {
        message(parent, {title, text, Icon::Information, int(Button::Ok), Button::Ok});
    }

protected:
    virtual Button showMessage(QWidget *parent, const Message &message) = 0;
    virtual QString showInput(QWidget *parent, const QString &title, const QString &prompt,
                              const QString &initial) = 0;
    virtual std::optional<QColor> showColour(QWidget *parent, const QColor &initial) = 0;
    virtual std::optional<FontChoice> showFont(QWidget *parent, const FontChoice &initial) = 0;
    virtual bool showPageSetup(QWidget *parent, QPrinter &printer) = 0;
    virtual bool showPrintDialog(QWidget *parent, QPrinter &printer) = 0;
    virtual QString showSaveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                     const QString &filter, const QString &suffix) = 0;
    virtual int showDialog(QDialog &dialog) = 0;
};

// The real dialogs.
class DialogPrompter : public Prompter
{
protected:
    Button showMessage(QWidget *parent, const Message &message) override;
    QString showInput(QWidget *parent, const QString &title, const QString &prompt,
                      const QString &initial) override;
    std::optional<QColor> showColour(QWidget *parent, const QColor &initial) override;
    std::optional<FontChoice> showFont(QWidget *parent, const FontChoice &initial) override;
    bool showPageSetup(QWidget *parent, QPrinter &printer) override;
    bool showPrintDialog(QWidget *parent, QPrinter &printer) override;
    QString showSaveFileName(QWidget *parent, const QString &title, const QString &suggested,
                             const QString &filter, const QString &suffix) override;
    int showDialog(QDialog &dialog) override;
};

} // namespace tq
