#include "components/spelldialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq {

namespace {

QLabel *caption(const QString &name, const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text);
    label->setObjectName(name);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

} // namespace

SpellDialog::SpellDialog(QWidget *parent)
    : QDialog(parent), m_context(new QLabel), m_changeTo(new QLineEdit), m_suggestions(new QListWidget)
{
    setObjectName(QStringLiteral("SpellDialog"));
    setWindowTitle(tr("Spelling Check"));

    m_context->setObjectName(QStringLiteral("txtContext"));
    m_context->setAccessibleName(tr("Not in Dictionary:"));
    m_context->setTextFormat(Qt::RichText);
    m_context->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    m_context->setMinimumSize(260, 44);
    m_context->setWordWrap(true);
    m_changeTo->setObjectName(QStringLiteral("txtChangeTo"));
    m_suggestions->setObjectName(QStringLiteral("lstSuggestions"));

    auto *fields = new QVBoxLayout;
    fields->addWidget(caption(QStringLiteral("lblNotInDictionary"), tr("Not in Dictionary:"), nullptr));
    fields->addWidget(m_context);
    fields->addWidget(caption(QStringLiteral("lblChangeTo"), tr("Change &To:"), m_changeTo));
    fields->addWidget(m_changeTo);
    fields->addWidget(caption(QStringLiteral("lblSuggestions"), tr("Suggestio&ns:"), m_suggestions));
    fields->addWidget(m_suggestions, 1);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(addButton(QStringLiteral("cmdIgnore"), tr("&Ignore"), SpellAction::Ignore));
    buttons->addWidget(addButton(QStringLiteral("cmdIgnoreAll"), tr("I&gnore All"), SpellAction::IgnoreAll));
    buttons->addWidget(addButton(QStringLiteral("cmdAdd"), tr("&Add"), SpellAction::Add));
    buttons->addSpacing(8);
    buttons->addWidget(m_change = addButton(QStringLiteral("cmdChange"), tr("&Change"), SpellAction::Change));
    buttons->addWidget(
        m_changeAll = addButton(QStringLiteral("cmdChangeAll"), tr("Change A&ll"), SpellAction::ChangeAll));
    buttons->addStretch(1);
    auto *cancel = new QPushButton(tr("Cancel"));
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
    buttons->addWidget(addButton(QStringLiteral("cmdHelp"), tr("&Help"), SpellAction::Help));
    m_change->setDefault(true);

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    connect(m_changeTo, &QLineEdit::textChanged, this, &SpellDialog::updateButtons);
    connect(m_suggestions, &QListWidget::currentTextChanged, this, [this](const QString &text) {
        if (m_suggestions->currentItem() && (m_suggestions->currentItem()->flags() & Qt::ItemIsEnabled))
            m_changeTo->setText(text);
    });
    connect(m_suggestions, &QListWidget::itemActivated, this,
            [this] { Q_EMIT chosen(SpellAction::Change, changeTo()); });
}

QPushButton *SpellDialog::addButton(const QString &name, const QString &caption, SpellAction action)
{
    auto *button = new QPushButton(caption);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, action] { Q_EMIT chosen(action, changeTo()); });
    return button;
}

void SpellDialog::showMisspelling(const QString &text, qsizetype start, qsizetype length,
                                  const QStringList &suggestions)
{
    m_word = text.mid(start, length);
    const QString &word = m_word;
    m_context->setText(
        QStringLiteral("<span style=\"white-space:pre\">%1<b><font color=\"#c00000\">%2</font></b>%3</span>")
            .arg(text.left(start).toHtmlEscaped(), word.toHtmlEscaped(),
                 text.mid(start + length).toHtmlEscaped()));
    m_suggestions->clear();
    if (suggestions.isEmpty()) {
        auto *none = new QListWidgetItem(tr("(no suggestions)"), m_suggestions);
        none->setFlags(Qt::NoItemFlags);
        m_changeTo->setText(word);
    } else {
        m_suggestions->addItems(suggestions);
        m_suggestions->setCurrentRow(0);
    }
    updateButtons();
}

QString SpellDialog::changeTo() const
{
    return m_changeTo->text();
}

void SpellDialog::updateButtons()
{
    const bool hasReplacement = !m_changeTo->text().trimmed().isEmpty();
    m_change->setEnabled(hasReplacement);
    m_changeAll->setEnabled(hasReplacement);
}

} // namespace tq
