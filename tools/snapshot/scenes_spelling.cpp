// The spelling correction dialog over a misspelt budget item.
#include "snapshot.h"

#include "components/hunspellchecker.h"

#include <QDialog>

namespace {

// Photographs the dialog on its first misspelling and cancels the check.
class PhotographedChecker : public tq::HunspellChecker
{
public:
    explicit PhotographedChecker(tq::snapshot::Context &ctx)
        : tq::HunspellChecker(ctx.program.prompter, ctx.program.folder,
                              QLocale(QLocale::English, QLocale::UnitedStates)),
          m_ctx(ctx)
    {
    }

protected:
    void runDialog(QDialog &dialog) override
    {
        dialog.show();
        QApplication::processEvents();
        m_ctx.save(&dialog, QStringLiteral("spelling-dialog"));
        dialog.reject();
    }

private:
    tq::snapshot::Context &m_ctx;
};

} // namespace

TQ_SNAPSHOT_SCENE("spelling-dialog")
{
    PhotographedChecker checker(ctx);
    checker.addPair(QStringLiteral("morgage"), QStringLiteral("mortgage"));
    checker.setText(QStringLiteral("Morgage payment"));
    checker.checkWithDialog();
}
