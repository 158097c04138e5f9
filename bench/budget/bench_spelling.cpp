#include "budgetengine/budgetspelling.h"
#include "components/hunspellchecker.h"
#include "fakespellingview.h"
#include "unattended.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace tq;

namespace {

const QStringList correctItems{
    "Rent",           "Mortgage",      "Electricity",   "Water",          "Gas",
    "Groceries",      "Car Payment",   "Car Insurance", "Home Insurance", "Phone",
    "Internet",       "Cable",         "Fuel",          "Clothing",       "Medical",
    "Dental",         "Eye Care",      "Child Care",    "Tuition",        "School Supplies",
    "Gifts",          "Charity",       "Savings",       "Retirement",     "Vacation",
    "Dining Out",     "Entertainment", "Books",         "Haircuts",       "Pet Food",
    "Veterinary",     "Gym",           "Subscriptions", "Property Taxes", "Home Repairs",
    "Garden",         "Laundry",       "Toiletries",    "Furniture",      "Appliances",
    "Parking",        "Tolls",         "Bus Fare",      "Credit Card",    "Student Loan",
    "Life Insurance", "Trash Pickup",  "Postage",       "Newspaper",      "Allowance"};

// A freshly opened budget's first spelling check: the dictionary loads, the
// autocorrect list is in place, and 50 well-spelled items pass without a dialog.
void firstCheckOf50Items(benchmark::State &state)
{
    QTemporaryDir folder;
    DefaultAnswerPrompter prompter;
    test::FakeSpellingView view;
    view.names = correctItems;
    for (auto _ : state) {
        HunspellChecker checker(prompter, QDir(folder.path()),
                                QLocale(QLocale::English, QLocale::UnitedStates));
        BudgetSpelling spelling(checker, view);
        spelling.loadAutocorrectList();
        const SpellingOutcome outcome = spelling.run();
        if (outcome.keepsStatus || !checker.dictionaryLoaded())
            state.SkipWithError("an item was taken for a misspelling, or no dictionary");
    }
}
BENCHMARK(firstCheckOf50Items)->Unit(benchmark::kMillisecond);

} // namespace
