#include "components/prompter.h"

#include "components/dialogscope.h"
#include "components/fontdialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tq {

namespace {

QMessageBox::StandardButton toStandard(Button b)
{
    switch (b) {
    case Button::Ok:
        return QMessageBox::Ok;
    case Button::Cancel:
        return QMessageBox::Cancel;
    case Button::Yes:
        return QMessageBox::Yes;
    case Button::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon toIcon(Icon i)
{
    switch (i) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    }
    return QMessageBox::Information;
}

} // namespace

Button Prompter::message(QWidget *parent, const Message &message)
{
    const DialogScope scope(parent);
    return showMessage(parent, message);
}

QString Prompter::input(QWidget *parent, const QString &title, const QString &prompt, const QString &initial)
{
    const DialogScope scope(parent);
    return showInput(parent, title, prompt, initial);
}

std::optional<QColor> Prompter::colour(QWidget *parent, const QColor &initial)
{
    const DialogScope scope(parent);
    return showColour(parent, initial);
}

std::optional<FontChoice> Prompter::font(QWidget *parent, const FontChoice &initial)
{
    const DialogScope scope(parent);
    return showFont(parent, initial);
}

bool Prompter::pageSetup(QWidget *parent, QPrinter &printer)
{
    const DialogScope scope(parent);
    return showPageSetup(parent, printer);
}

bool Prompter::printDialog(QWidget *parent, QPrinter &printer)
{
    const DialogScope scope(parent);
    return showPrintDialog(parent, printer);
}

QString Prompter::saveFileName(QWidget *parent, const QString &title, const QString &suggested,
                               const QString &filter, const QString &suffix)
{
    const DialogScope scope(parent);
    return showSaveFileName(parent, title, suggested, filter, suffix);
}

int Prompter::runDialog(QDialog &dialog)
{
    const DialogScope scope(dialog.parentWidget());
    return showDialog(dialog);
}

Button DialogPrompter::showMessage(QWidget *parent, const Message &m)
{
    QMessageBox box(toIcon(m.icon), m.title, QString(m.text).replace(u'\r', u'\n'), QMessageBox::NoButton,
                    parent);
    for (Button b : {Button::Yes, Button::No, Button::Ok, Button::Cancel})
        if (m.buttons & int(b))
            box.addButton(toStandard(b));
    box.setDefaultButton(toStandard(m.defaultButton));
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Button::Yes;
    case QMessageBox::No:
        return Button::No;
    case QMessageBox::Cancel:
        return Button::Cancel;
    default:
        return (m.buttons & int(Button::Cancel)) && !(m.buttons & int(Button::Ok)) ? Button::Cancel
                                                                                   : Button::Ok;
    }
}

QString DialogPrompter::showInput(QWidget *parent, const QString &title, const QString &prompt,
                                  const QString &initial)
{
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, QString(prompt).replace(u'\r', u'\n'),
                                               QLineEdit::Normal, initial, &ok);
    return ok ? text : QString();
}

std::optional<QColor> DialogPrompter::showColour(QWidget *parent, const QColor &initial)
{
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid())
        return std::nullopt;
    return c;
}

std::optional<FontChoice> DialogPrompter::showFont(QWidget *parent, const FontChoice &initial)
{
    // Qt's own font dialog has no text colour; ours does, and asks for it through this prompter.
    FontDialog dialog(*this, initial, parent);
    if (runDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

bool DialogPrompter::showPageSetup(QWidget *parent, QPrinter &printer)
{
    QPageSetupDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool DialogPrompter::showPrintDialog(QWidget *parent, QPrinter &printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString DialogPrompter::showSaveFileName(QWidget *parent, const QString &title, const QString &suggested,
                                         const QString &filter, const QString &suffix)
{
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int DialogPrompter::showDialog(QDialog &dialog)
{
    return dialog.exec();
}

} // namespace tq
