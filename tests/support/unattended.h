#pragma once
// Seams for runs with nobody at the screen (the snapshot tool, benchmarks):
// no dialog opens, no desktop service is asked, and the date is fixed so that
// rendered pages come out the same every time.
#include "components/clock.h"
#include "components/platform.h"
#include "components/prompter.h"

#include <QDialog>

namespace tq {

// Every prompt takes its default answer; dialogs count as cancelled.
class DefaultAnswerPrompter : public Prompter
{
protected:
    Button showMessage(QWidget *, const Message &m) override { return m.defaultButton; }
    QString showInput(QWidget *, const QString &, const QString &, const QString &initial) override
    {
        return initial;
    }
    std::optional<QColor> showColour(QWidget *, const QColor &) override { return std::nullopt; }
    std::optional<FontChoice> showFont(QWidget *, const FontChoice &) override { return std::nullopt; }
    bool showPageSetup(QWidget *, QPrinter &) override { return false; }
    bool showPrintDialog(QWidget *, QPrinter &) override { return false; }
    QString showSaveFileName(QWidget *, const QString &, const QString &, const QString &,
                             const QString &) override
    {
        return {};
    }
    int showDialog(QDialog &) override { return QDialog::Rejected; }
};

class SilentPlatform : public Platform
{
public:
    void setClipboardText(const QString &) override {}
    void setClipboardImage(const QImage &) override {}
    void showHelp(int) override {}
    void openWebPage(const QString &) override {}
    void beep() override {}
    void setBusy(bool) override {}
};

class PinnedClock : public Clock
{
public:
    QDateTime now() const override { return {QDate(2007, 3, 14), QTime(9, 30)}; }
};

} // namespace tq
