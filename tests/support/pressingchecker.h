#pragma once
// The Hunspell checker with a scripted user: each correction dialog gets the
// next list of button presses (objectNames); a dialog whose presses run out
// counts as closed by its window frame, that is, cancelled.
#include "components/hunspellchecker.h"

#include <QList>
#include <QStringList>

namespace tq::test {

class PressingChecker : public HunspellChecker
{
public:
    using HunspellChecker::HunspellChecker;
    QList<QStringList> presses;
    int dialogs = 0;
    // The misspelt word and the suggestions the dialog showed before each press.
    QStringList wordsShown;
    QList<QStringList> suggestionsShown;

protected:
    void runDialog(QDialog &dialog) override;
};

} // namespace tq::test
