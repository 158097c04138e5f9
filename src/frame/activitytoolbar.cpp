#include "frame/activitytoolbar.h"

#include "frame/toolbaricons.h"

#include <QResizeEvent>
#include <QToolButton>

namespace tq {

namespace {

// Activities this program does not contain keep a place on the toolbar, as in
// the family of programs it belongs to; they close the window like the others.
const char *const otherActivities[] = {
    "Checkbook Register",
    "Savings Planner",
    "Net Worth Statement",
    "Credit Card Tracker",
    "Bill Payment Calendar",
    "Auto Expenses",
    "Insurance Records",
    "Investment Tracker",
    "Retirement Planner",
    "College Savings",
    "Household Inventory",
    "Home Maintenance Log",
    "Utility Costs",
    "Grocery List",
    "Meal Planner",
    "Recipe File",
    "Address Book",
    "Birthday Reminders",
    "Gift List",
    "Holiday Planner",
    "Travel Expenses",
    "Medical Records",
    "Prescription Log",
    "Pet Records",
    "Garden Planner",
    "Tax Records",
    "Charitable Giving",
    "Warranty Records",
    "Rental Property",
    "Mileage Log",
    "Savings Goals",
    "Debt Payoff Planner",
    "Currency Converter",
    "Tip Calculator",
    "Unit Converter",
    "Calendar",
    "Notepad",
    "Home Projects",
};

struct Named {
    int number;
    const char *toolTip;
    Glyph glyph;
};
const Named namedActivities[] = {
    {1, "Main Menu", Glyph::MainMenu},     {11, "Actuarial Calculator", Glyph::Actuarial},
    {12, "Calculator", Glyph::Calculator}, {13, "Home Calculator", Glyph::HomeCalc},
    {14, "Loan Calculator", Glyph::Loan},  {15, "Home Budget", Glyph::Budget},
};

const Named *namedActivity(int number)
{
    for (const Named &n : namedActivities)
        if (n.number == number)
            return &n;
    return nullptr;
}

QString otherActivity(int number)
{
    // Buttons 2..10 and 16.. take the names in order.
    const int index = number <= 10 ? number - 2 : number - 16 + 9;
    constexpr int known = int(std::size(otherActivities));
    return index >= 0 && index < known ? QString::fromLatin1(otherActivities[index])
                                       : QStringLiteral("Activity %1").arg(number);
}

QString initials(const QString &name)
{
    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString out;
    for (const QString &w : words.mid(0, 2))
        out += w.front();
    return out;
}

// Lays its buttons out in rows and asks for the height those rows need.
class ButtonStrip : public QWidget
{
public:
    explicit ButtonStrip(QWidget *parent) : QWidget(parent)
    {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    void add(QToolButton *b) { m_buttons.append(b); }

    QSize cell() const { return m_buttons.isEmpty() ? QSize(24, 24) : m_buttons.front()->sizeHint(); }
    int columnsFor(int width) const { return qMax(1, width / qMax(1, cell().width())); }
    int rowsFor(int width) const
    {
        const int columns = columnsFor(width);
        return qMax(1, int((m_buttons.size() + columns - 1) / columns));
    }

    QSize sizeHint() const override { return {cell().width() * 8, rowsFor(width()) * cell().height()}; }
    QSize minimumSizeHint() const override { return {cell().width(), rowsFor(width()) * cell().height()}; }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        const QSize c = cell();
        const int columns = columnsFor(event->size().width());
        for (int i = 0; i < m_buttons.size(); ++i)
            m_buttons[i]->setGeometry((i % columns) * c.width(), (i / columns) * c.height(), c.width(),
                                      c.height());
        if (rowsFor(event->size().width()) != rowsFor(event->oldSize().width()))
            updateGeometry();
    }

private:
    QList<QToolButton *> m_buttons;
};

} // namespace

QString ActivityToolbar::toolTipFor(int number, int count)
{
    const int utility = number - (count - 5);
    switch (utility) {
    case 1:
        return QStringLiteral("Family Names Entry");
    case 2:
        return QStringLiteral("Sound Information");
    case 3:
        return QStringLiteral("Web Site");
    case 4:
        return QStringLiteral("Help");
    case 5:
        return QStringLiteral("Exit");
    default:
        break;
    }
    if (const Named *n = namedActivity(number))
        return QString::fromLatin1(n->toolTip);
    return otherActivity(number);
}

ActivityToolbar::ActivityToolbar(int count, QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("Toolbar1"));
    setMovable(false);
    setFloatable(false);
    setAllowedAreas(Qt::TopToolBarArea);
    setIconSize(QSize(iconSide, iconSide));
    auto *strip = new ButtonStrip(this);
    const Glyph utilityGlyphs[] = {Glyph::FamilyNames, Glyph::Sound, Glyph::WebSite, Glyph::Help,
                                   Glyph::Exit};
    for (int number = 1; number <= count; ++number) {
        auto *b = new QToolButton(strip);
        const QString tip = toolTipFor(number, count);
        b->setObjectName(QStringLiteral("Toolbar1(%1)").arg(number));
        b->setToolTip(tip);
        b->setAccessibleName(tip);
        b->setAutoRaise(true);
        b->setIconSize(iconSize());
        const int utility = number - (count - 5);
        if (utility >= 1)
            b->setIcon(ToolbarIcons::glyph(utilityGlyphs[utility - 1]));
        else if (const Named *n = namedActivity(number))
            b->setIcon(ToolbarIcons::glyph(n->glyph));
        else
            b->setIcon(ToolbarIcons::activity(initials(tip)));
        connect(b, &QToolButton::clicked, this, [this, number] { Q_EMIT buttonClicked(number); });
        strip->add(b);
        m_buttons.append(b);
    }
    addWidget(strip);
}

QToolButton *ActivityToolbar::button(int number) const
{
    return number >= 1 && number <= count() ? m_buttons[number - 1] : nullptr;
}

} // namespace tq
