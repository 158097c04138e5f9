// The spelling correction dialog over a misspelt budget item.
#include "snapshot.h"

#include "components/hunspellchecker.h"

TQ_SNAPSHOT_SCENE("spelling-dialog")
{
    tq::snapshot::PhotographingPrompter prompter(ctx, QStringLiteral("spelling-dialog"));
    tq::HunspellChecker checker(prompter, ctx.program.folder,
                                QLocale(QLocale::English, QLocale::UnitedStates));
    checker.addPair(QStringLiteral("morgage"), QStringLiteral("mortgage"));
    checker.setText(QStringLiteral("Morgage payment"));
    checker.checkWithDialog();
}
