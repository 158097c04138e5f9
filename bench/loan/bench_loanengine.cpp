#include "loan/loanengine.h"

#include <benchmark/benchmark.h>

using namespace tq;

namespace {

// 50 rates (0.5 to 25.0) by 100 lengths (1 to 100 years): the widest table the rate lists offer.
void tableOf50RatesBy100Lengths(benchmark::State &state)
{
    LoanInputs in;
    in.purchaseAmount = 250000;
    in.downPayment = 20;
    in.minimumLength = 1;
    in.maximumLength = 100;
    in.minimumRate = 0.5;
    in.maximumRate = 25.0;
    for (auto _ : state) {
        PaymentTable table = LoanEngine::buildTable(in);
        benchmark::DoNotOptimize(table.referencePayment());
    }
}
BENCHMARK(tableOf50RatesBy100Lengths)->Unit(benchmark::kMicrosecond);

// The largest table the bounds let through: 200 rates (0.5 to 100) by 1,200 months.
void largestAllowedTable(benchmark::State &state)
{
    LoanInputs in;
    in.purchaseAmount = 250000;
    in.lengthUnit = LengthUnit::Months;
    in.minimumLength = 1;
    in.maximumLength = LoanEngine::maxLengthMonths;
    in.minimumRate = 0.5;
    in.maximumRate = LoanEngine::maxRatePercent;
    for (auto _ : state) {
        PaymentTable table = LoanEngine::buildTable(in);
        benchmark::DoNotOptimize(table.referencePayment());
    }
}
BENCHMARK(largestAllowedTable)->Unit(benchmark::kMillisecond);

// The longest loan the window accepts: 1,200 monthly payments.
void scheduleOf1200Payments(benchmark::State &state)
{
    LoanInputs in;
    in.purchaseAmount = 250000;
    in.lengthUnit = LengthUnit::Months;
    in.minimumLength = in.maximumLength = 1200;
    in.minimumRate = in.maximumRate = 6.5;
    const PaymentTable table = LoanEngine::buildTable(in);
    for (auto _ : state) {
        auto schedule = LoanEngine::buildSchedule(table, 1, 1);
        benchmark::DoNotOptimize(schedule->totalInterest);
    }
}
BENCHMARK(scheduleOf1200Payments)->Unit(benchmark::kMicrosecond);

} // namespace
