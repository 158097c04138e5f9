#include "budget/budgetgridcolours.h"

#include "common/numberformat.h"
#include "components/colours.h"
#include "components/grid.h"
#include "components/program.h"
#include "frame/gridcolours.h"
#include "frame/panelcolourchoice.h"

namespace tq {

namespace {

QString pictureName(int index)
{
    return QStringLiteral("WP%1").arg(index + 1);
}

QString trimmedRight(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

bool isPictureName(const QString &setting)
{
    return setting.left(2).toUpper() == u"WP";
}

} // namespace

BudgetGridColours::BudgetGridColours(Program &program, Grid &grid, QWidget *dialogParent)
    : QObject(dialogParent), m_program(program), m_grid(grid), m_dialogParent(dialogParent)
{
}

QColor BudgetGridColours::systemWindowColour() const
{
    // The grid widget keeps the default palette; its table carries the chosen colours.
    return m_grid.palette().color(QPalette::Base);
}

bool BudgetGridColours::settingIsPicture() const
{
    return isPictureName(m_setting);
}

QPixmap BudgetGridColours::picture(const QString &name) const
{
    const QString path = m_program.findDataFile(name + QStringLiteral(".jpg"));
    return path.isEmpty() ? QPixmap() : QPixmap(path);
}

QPixmap BudgetGridColours::thumbnailPicture(int index, const QSize &size) const
{
    const QPixmap full = picture(pictureName(index));
    if (full.isNull() || !size.isValid())
        return full;
    return full.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void BudgetGridColours::load()
{
    applyStoredGridColours(m_grid, m_program);
    const QString stored = trimmedRight(m_program.settings.gridBackground());
    if (isPictureName(stored) || (stored != u"Default" && strictNumber(stored)))
        m_setting = stored;
    else
        m_setting = QString::number(numberFromColor(systemWindowColour()));
    m_program.state.printFont.colour = m_grid.textColor();
}

void BudgetGridColours::store() const
{
    switch (m_pending) {
    case Pending::Colour:
        m_program.settings.setGridBackground(QString::number(numberFromColor(m_grid.backgroundColor())));
        break;
    case Pending::Default:
        m_program.settings.setGridBackground(QStringLiteral("Default"));
        break;
    case Pending::Picture:
        m_program.settings.setGridBackground(m_setting);
        break;
    case Pending::None:
        break;
    }
    m_program.settings.setGridTextColour(numberFromColor(m_grid.textColor()));
}

void BudgetGridColours::showSettingPicture()
{
    m_grid.setBackgroundPicture(settingIsPicture() ? picture(m_setting) : QPixmap());
}

void BudgetGridColours::preview(int index)
{
    // A picture that cannot be loaded leaves the grid as it is.
    const QPixmap shown = picture(pictureName(index));
    if (!shown.isNull())
        m_grid.setBackgroundPicture(shown);
    m_lastClicked = pictureName(index);
}

void BudgetGridColours::chooseColourBackground()
{
    m_grid.setBackgroundPicture({});
    const std::optional<QColor> chosen = m_program.prompter.colour(m_dialogParent, m_grid.backgroundColor());
    if (!chosen || !chosen->isValid()) {
        showSettingPicture();
        m_pending = Pending::None;
        return;
    }
    m_grid.setBackgroundColor(*chosen);
    m_setting = QString::number(numberFromColor(*chosen));
    m_pending = Pending::Colour;
    Q_EMIT changed();
}

void BudgetGridColours::useDefaultBackground()
{
    m_grid.setBackgroundPicture({});
    m_grid.setBackgroundColor(systemWindowColour());
    m_setting = QStringLiteral("Default");
    m_pending = Pending::Default;
    Q_EMIT changed();
}

void BudgetGridColours::useClickedPicture()
{
    if (m_lastClicked.isEmpty())
        return;
    m_setting = m_lastClicked;
    m_pending = Pending::Picture;
    Q_EMIT changed();
    rebuildOverPicture();
}

void BudgetGridColours::rebuildOverPicture()
{
    // No cell keeps a colour of its own over the picture.
    m_grid.setCellBackground({1, 1, m_grid.rows() - 1, m_grid.cols() - 1}, QColor());
    m_grid.setBackgroundPicture({});
    showSettingPicture();
    m_grid.setCurrentCell(1, 1);
}

void BudgetGridColours::cancelChoice()
{
    showSettingPicture();
    m_pending = Pending::None;
}

void BudgetGridColours::chooseTextColour()
{
    Q_EMIT statusText(QStringLiteral("Grid Text Color"));
    const std::optional<QColor> chosen = m_program.prompter.colour(m_dialogParent, m_grid.textColor());
    if (chosen && chosen->isValid()) {
        if (numberFromColor(*chosen) == numberFromColor(m_grid.backgroundColor())) {
            PanelColourChoice::warnColourConflict(m_program.prompter, m_dialogParent);
        } else {
            m_grid.setTextColor(*chosen);
            Q_EMIT textColourChanged(*chosen);
            Q_EMIT changed();
        }
    }
    m_program.state.printFont.colour = m_grid.textColor();
    Q_EMIT statusText(QString());
}

} // namespace tq
