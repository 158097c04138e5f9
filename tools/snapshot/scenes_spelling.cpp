// The spelling correction dialog over a misspelt budget item.
#include "snapshot.h"

#include "components/hunspellchecker.h"
#include "unattended.h"

#include <QDialog>

namespace {

// Photographs the dialog on its first misspelling and cancels the check.
class PhotographingPrompter : public tq::DefaultAnswerPrompter
{
public:
    explicit PhotographingPrompter(tq::snapshot::Context &ctx) : m_ctx(ctx) {}

protected:
    int showDialog(QDialog &dialog) override
    {
        dialog.show();
        QApplication::processEvents();
        m_ctx.save(&dialog, QStringLiteral("spelling-dialog"));
        return QDialog::Rejected;
    }

private:
    tq::snapshot::Context &m_ctx;
};

} // namespace

TQ_SNAPSHOT_SCENE("spelling-dialog")
{
    PhotographingPrompter prompter(ctx);
    tq::HunspellChecker checker(prompter, ctx.program.folder,
                                QLocale(QLocale::English, QLocale::UnitedStates));
    checker.addPair(QStringLiteral("morgage"), QStringLiteral("mortgage"));
    checker.setText(QStringLiteral("Morgage payment"));
    checker.checkWithDialog();
}
