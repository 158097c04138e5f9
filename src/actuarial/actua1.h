#pragma once
// The actuarial calculator: present and future value tables of an amount or
// an annuity over a range of rates and years; the highlighted block copies to
// the clipboard as text and prints through the report preview.
#include "actuarial/valueblock.h"
#include "actuarial/valuetables.h"
#include "frame/toolwindow.h"

#include <memory>
#include <optional>

class QLabel;
class QPushButton;

namespace tq {

class ActuarialGrid;
class ActuarialInputs;
class Grid;

class Actua1 : public ToolWindow
{
    Q_OBJECT
public:
    Actua1(Program &program, QWidget *launcher);
    ~Actua1() override;

    void buildTable(TableKind kind);

    Grid *grid() const { return m_grid; }
    float cornerValue() const { return m_corner; }
    QString sentence() const { return m_sentence; }

protected:
    void copyResults() override;
    void openReport() override;
    void onActivated() override;
    void onEscape() override;
    void closeEvent(QCloseEvent *event) override;

private:
    static ToolWindowConfig windowConfig();
    void buildCommands();
    void buildTablePanel();
    void setCopyAndPrint(bool available);
    void onGridClicked();
    ValueBlock currentBlock() const;
    QString copyText(const ValueBlock &block) const;
    void resetState();

    ActuarialInputs *m_inputs = nullptr;
    Grid *m_grid = nullptr;
    std::unique_ptr<ActuarialGrid> m_table;
    QLabel *m_label1 = nullptr;
    GridBlock m_printBlock;
    std::optional<ValueTable> m_values; // the table the grid shows, copied and printed from
    float m_corner = 0;
    QString m_sentence;
    QString m_amount;   // Text1 in the currency format, as the last table read it
    QString m_payments; // Text2 as the last table read it
    bool m_opened = false;
};

} // namespace tq
