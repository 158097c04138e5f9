#include "pressingchecker.h"

#include "components/spelldialog.h"
#include "windowdriver.h"

#include <QListWidget>

namespace tq::test {

int SpellDialogPresser::showDialog(QDialog &dialog)
{
    if (dialog.objectName() != u"SpellDialog")
        return m_others.runDialog(dialog);
    ++dialogs;
    auto &spell = static_cast<SpellDialog &>(dialog);
    const auto *list = findNamed<QListWidget>(&dialog, QStringLiteral("lstSuggestions"));
    for (const QString &button : presses.isEmpty() ? QStringList() : presses.takeFirst()) {
        if (spell.result() == QDialog::Accepted)
            break;
        wordsShown << spell.word();
        QStringList suggestions;
        for (int i = 0; i < list->count(); ++i)
            suggestions << list->item(i)->text();
        suggestionsShown << suggestions;
        clickButton(&dialog, button);
    }
    return dialog.result();
}

} // namespace tq::test
