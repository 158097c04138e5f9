#pragma once
// Undo and redo over the budget: each user action is one step that holds the
// sheet before and after it, so taking it back restores every cell and income
// it touched and the figures are recomputed from them. Steps are recorded when
// the model says an edit finished; the unsaved-changes flag follows the
// stack's clean state, so an undo back to the saved budget asks no question.
#include "budgetengine/budgetsheet.h"

#include <QObject>
#include <QUndoStack>

namespace tq {

class BudgetModel;

class BudgetUndo : public QObject
{
public:
    BudgetUndo(BudgetModel &model, QObject *parent);

    QUndoStack &stack() { return m_stack; }

    // The edits made while a Batch lives are one step (an income with its
    // copy to the right, a spelling check).
    class Batch
    {
    public:
        explicit Batch(BudgetUndo &undo) : m_undo(undo) { ++m_undo.m_batchDepth; }
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        BudgetUndo &m_undo;
    };

    // The next edit joins the step before it when that step had the same key:
    // typing into one cell through the Input Box is one step, not one a letter.
    void mergeNextEditWith(int key) { m_mergeKey = key; }

    // Another year, file or version is shown: no history. The budget counts as
    // saved unless the model says it holds unsaved changes.
    void reset();
    void markSaved() { m_stack.setClean(); }

private:
    friend class SheetStep;
    void edited();
    void show(const BudgetSheet &sheet);

    BudgetModel &m_model;
    QUndoStack m_stack;
    BudgetSheet m_known; // the sheet as the top step left it
    int m_batchDepth = 0;
    int m_mergeKey = -1;
};

} // namespace tq
