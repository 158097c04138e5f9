// The loan calculator window at its heaviest: a 50 x 100 payments table and a
// 1,200-payment amortization shown in the grid (one repaint included), and the
// report of a 360-payment schedule built.
#include "components/grid.h"
#include "components/printdocument.h"
#include "fakes.h"
#include "loan/loansheet.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

struct ShownWindow {
    tq::test::TestProgram tp;
    QWidget launcher;
    tq::LoanSheet *window;

    ShownWindow()
    {
        tp.program.state.displayMode = tq::DisplayMode::Smaller;
        window = new tq::LoanSheet(tp.program, &launcher);
        window->show();
        QApplication::processEvents();
    }
    ~ShownWindow() { delete window; }

    void enter(const QString &maxLength, const QString &minLength, const QString &maxRate,
               const QString &minRate)
    {
        const tq::LoanForm &f = window->form();
        f.purchase->setText(QStringLiteral("250000"));
        f.down->setText(QStringLiteral("20"));
        f.lengthMax->setText(maxLength);
        f.lengthMin->setText(minLength);
        f.rateMax->setCurrentIndex(f.rateMax->findText(maxRate));
        f.rateMin->setCurrentIndex(f.rateMin->findText(minRate));
    }
    void showSchedule()
    {
        window->form().grid->setCurrentCell(1, 1);
        window->showAmortization();
    }
};

void tableOf50RatesBy100LengthsShown(benchmark::State &state)
{
    ShownWindow w;
    w.enter(QStringLiteral("100"), QStringLiteral("1"), QStringLiteral("25.0"), QStringLiteral("0.5"));
    for (auto _ : state) {
        w.window->showPayments();
        QApplication::processEvents();
    }
    state.counters["cells"] = double(w.window->table().rowCount() * w.window->table().columnCount());
}
BENCHMARK(tableOf50RatesBy100LengthsShown)->Unit(benchmark::kMillisecond);

void amortizationOf1200PaymentsShown(benchmark::State &state)
{
    ShownWindow w;
    w.enter(QStringLiteral("100"), QString(), QStringLiteral("6.0"), QStringLiteral("6.0"));
    for (auto _ : state) {
        state.PauseTiming();
        w.window->showPayments();
        QApplication::processEvents();
        state.ResumeTiming();
        w.showSchedule();
        QApplication::processEvents();
    }
    state.counters["payments"] = double(w.window->schedule().rows.size());
}
BENCHMARK(amortizationOf1200PaymentsShown)->Unit(benchmark::kMillisecond);

void reportOf360PaymentsBuilt(benchmark::State &state)
{
    ShownWindow w;
    w.enter(QStringLiteral("30"), QString(), QStringLiteral("6.0"), QStringLiteral("6.0"));
    w.window->showPayments();
    w.showSchedule();
    tq::PrintDocument doc;
    for (auto _ : state) {
        doc.startDoc();
        w.window->buildReport(doc);
        doc.endDoc();
    }
    state.counters["pages"] = doc.pageCount();
}
BENCHMARK(reportOf360PaymentsBuilt)->Unit(benchmark::kMillisecond);

} // namespace
