#include "budget/budgetundo.h"

#include "budgetengine/budgetmodel.h"

namespace tq {

class SheetStep : public QUndoCommand
{
public:
    SheetStep(BudgetUndo &undo, BudgetSheet before, BudgetSheet after, int key)
        : m_undo(undo), m_before(std::move(before)), m_after(std::move(after)), m_key(key)
    {
    }
    int id() const override { return m_key >= 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const SheetStep *>(other);
        if (next->m_key != m_key)
            return false;
        m_after = next->m_after;
        return true;
    }
    void undo() override { m_undo.show(m_before); }
    // The first redo is the push: the edit is already on screen.
    void redo() override
    {
        if (m_pushed)
            m_undo.show(m_after);
        m_pushed = true;
    }

private:
    BudgetUndo &m_undo;
    BudgetSheet m_before;
    BudgetSheet m_after;
    int m_key;
    bool m_pushed = false;
};

BudgetUndo::BudgetUndo(BudgetModel &model, QObject *parent) : QObject(parent), m_model(model)
{
    connect(&m_model, &BudgetModel::edited, this, [this] {
        if (m_batchDepth == 0)
            edited();
    });
    const auto followClean = [this] { m_model.setModified(!m_stack.isClean()); };
    connect(&m_stack, &QUndoStack::indexChanged, this, followClean);
    connect(&m_stack, &QUndoStack::cleanChanged, this, followClean);
    reset();
}

BudgetUndo::Batch::~Batch()
{
    if (--m_undo.m_batchDepth == 0)
        m_undo.edited();
}

void BudgetUndo::edited()
{
    const int key = std::exchange(m_mergeKey, -1);
    if (m_model.sheet() == m_known)
        return;
    BudgetSheet before = std::exchange(m_known, m_model.sheet());
    m_stack.push(new SheetStep(*this, std::move(before), m_known, key));
}

void BudgetUndo::show(const BudgetSheet &sheet)
{
    m_known = sheet;
    m_model.replaceSheet(sheet);
}

void BudgetUndo::reset()
{
    const bool unsaved = m_model.isModified();
    m_stack.clear();
    m_known = m_model.sheet();
    if (unsaved)
        m_stack.resetClean();
    m_model.setModified(unsaved);
}

} // namespace tq
