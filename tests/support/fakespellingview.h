#pragma once
// The budget's item names as a plain list, recording what the spelling check does to them.
#include "budgetengine/budgetspelling.h"

#include <QList>
#include <QStringList>

namespace tq::test {

struct FakeSpellingView : SpellingView {
    QStringList names = QStringList(BudgetSpelling::rows, QString());
    int changedMarks = 0;
    QList<bool> highlights;
    QList<int> helpTopics;

    QString itemName(int row) const override { return names.value(row - 1); }
    void setItemName(int row, const QString &text) override { names[row - 1] = text; }
    void markChanged() override { ++changedMarks; }
    void moveCursor(int) override {}
    void setHighlightAlways(bool always) override { highlights << always; }
    void repaint() override {}
    void showHelp(int topicId) override { helpTopics << topicId; }
};

} // namespace tq::test
