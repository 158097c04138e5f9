#include "components/fontdialog.h"

#include "common/numberformat.h"
#include "components/fontfamily.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace tq {

namespace {

const QStringList styles{QStringLiteral("Regular"), QStringLiteral("Italic"), QStringLiteral("Bold"),
                         QStringLiteral("Bold Italic")};
constexpr int offeredSizes[] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

QComboBox *namedCombo(const QString &name, bool editable)
{
    auto *combo = new QComboBox;
    combo->setObjectName(name);
    combo->setEditable(editable);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

// A caption above its input; the input announces the caption.
void addCaptioned(QGridLayout *grid, int col, const QString &caption, QWidget *input)
{
    auto *label = new QLabel(caption);
    label->setBuddy(input);
    input->setAccessibleName(QString(caption).remove(u'&'));
    grid->addWidget(label, 0, col);
    grid->addWidget(input, 1, col);
}

} // namespace

QFont sampleFont(const FontChoice &c)
{
    QFont font(resolvedFamily(c.family));
    font.setPointSizeF(c.pointSize);
    font.setBold(c.bold);
    font.setItalic(c.italic);
    font.setUnderline(c.underline);
    font.setStrikeOut(c.strikeOut);
    return font;
}

FontDialog::FontDialog(Prompter &prompter, const FontChoice &initial, QWidget *parent)
    : QDialog(parent), m_prompter(prompter), m_initial(initial)
{
    setObjectName(QStringLiteral("FontDialog"));
    setWindowTitle(tr("Printer Font"));
    buildControls();
    preset(initial);
}

void FontDialog::buildControls()
{
    m_family = namedCombo(QStringLiteral("fontFamily"), true);
    QStringList families = QFontDatabase::families();
    families.erase(std::remove_if(families.begin(), families.end(), QFontDatabase::isPrivateFamily),
                   families.end());
    m_family->addItems(families);
    m_style = namedCombo(QStringLiteral("fontStyle"), false);
    m_style->addItems(styles);
    m_size = namedCombo(QStringLiteral("fontSize"), true);
    for (int size : offeredSizes)
        m_size->addItem(QString::number(size));
    m_size->setValidator(new QIntValidator(minimumPointSize, maximumPointSize, m_size));

    auto *grid = new QGridLayout;
    addCaptioned(grid, 0, tr("&Font:"), m_family);
    addCaptioned(grid, 1, tr("Font st&yle:"), m_style);
    addCaptioned(grid, 2, tr("&Size:"), m_size);
    grid->setColumnStretch(0, 1);

    auto *effects = new QGroupBox(tr("Effects"));
    m_strikeOut = new QCheckBox(tr("Stri&keout"));
    m_strikeOut->setObjectName(QStringLiteral("fontStrikeOut"));
    m_underline = new QCheckBox(tr("&Underline"));
    m_underline->setObjectName(QStringLiteral("fontUnderline"));
    m_colourButton = new QPushButton(tr("&Color..."));
    m_colourButton->setObjectName(QStringLiteral("fontColour"));
    auto *effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(m_strikeOut);
    effectsLayout->addWidget(m_underline);
    effectsLayout->addWidget(m_colourButton);

    auto *sampleBox = new QGroupBox(tr("Sample"));
    m_sample = new QLabel(QStringLiteral("AaBbYyZz"));
    m_sample->setObjectName(QStringLiteral("fontSample"));
    m_sample->setAccessibleName(sampleBox->title());
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumSize(260, 110);
    m_sample->setSizePolicy(QSizePolicy::Ignored,
                            QSizePolicy::Ignored); // a large size is clipped, not grown into
    (new QVBoxLayout(sampleBox))->addWidget(m_sample);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *lower = new QHBoxLayout;
    lower->addWidget(effects);
    lower->addWidget(sampleBox, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(lower);
    layout->addWidget(buttons);

    connect(m_family, &QComboBox::currentTextChanged, this, &FontDialog::showSample);
    connect(m_style, &QComboBox::currentIndexChanged, this, &FontDialog::showSample);
    connect(m_size, &QComboBox::currentTextChanged, this, &FontDialog::showSample);
    connect(m_strikeOut, &QCheckBox::toggled, this, &FontDialog::showSample);
    connect(m_underline, &QCheckBox::toggled, this, &FontDialog::showSample);
    connect(m_colourButton, &QPushButton::clicked, this, &FontDialog::chooseColour);
}

QString FontDialog::styleName(bool bold, bool italic)
{
    return styles.at((bold ? 2 : 0) + (italic ? 1 : 0));
}

void FontDialog::preset(const FontChoice &font)
{
    // A family that is not installed stays as its name, as the document keeps it.
    m_family->setCurrentText(font.family);
    m_style->setCurrentText(styleName(font.bold, font.italic));
    m_size->setCurrentText(
        QString::number(std::clamp(int(std::lround(font.pointSize)), minimumPointSize, maximumPointSize)));
    m_strikeOut->setChecked(font.strikeOut);
    m_underline->setChecked(font.underline);
    m_colour = font.colour;
    showSample();
}

FontChoice FontDialog::choice() const
{
    FontChoice c = m_initial;
    const QString family = m_family->currentText().trimmed();
    if (!family.isEmpty())
        c.family = family;
    c.bold = m_style->currentIndex() >= 2;
    c.italic = m_style->currentIndex() % 2 == 1;
    // An emptied size box keeps the size; a typed one is held to the offered range.
    if (!m_size->currentText().trimmed().isEmpty())
        c.pointSize = std::clamp(std::trunc(leadingNumber(m_size->currentText())), double(minimumPointSize),
                                 double(maximumPointSize));
    c.underline = m_underline->isChecked();
    c.strikeOut = m_strikeOut->isChecked();
    c.colour = m_colour;
    return c;
}

void FontDialog::chooseColour()
{
    if (const std::optional<QColor> picked = m_prompter.colour(this, m_colour)) {
        m_colour = *picked;
        showSample();
    }
}

void FontDialog::showSample()
{
    const FontChoice c = choice();
    m_sample->setFont(sampleFont(c));
    QPalette p = m_sample->palette();
    p.setColor(QPalette::WindowText, c.colour);
    m_sample->setPalette(p);
    QPixmap swatch(16, 16);
    swatch.fill(c.colour);
    m_colourButton->setIcon(swatch);
}

} // namespace tq
