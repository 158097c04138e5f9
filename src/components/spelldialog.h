#pragma once
// The correction dialog: one misspelt word at a time, in its text, with
// suggestions and the usual choices. The checker decides what each choice does.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace tq {

enum class SpellAction { Change, ChangeAll, Ignore, IgnoreAll, Add, Help };

class SpellDialog : public QDialog
{
    Q_OBJECT
public:
    explicit SpellDialog(QWidget *parent = nullptr);

    // The word at [start, start + length) of `text`; the first suggestion is preselected.
    void showMisspelling(const QString &text, qsizetype start, qsizetype length,
                         const QStringList &suggestions);
    QString changeTo() const;
    QString word() const { return m_word; }

Q_SIGNALS:
    void chosen(tq::SpellAction action, const QString &changeTo);

private:
    QPushButton *addButton(const QString &name, const QString &caption, SpellAction action);
    void updateButtons();

    QString m_word;
    QLabel *m_context;
    QLineEdit *m_changeTo;
    QListWidget *m_suggestions;
    QPushButton *m_change = nullptr;
    QPushButton *m_changeAll = nullptr;
};

} // namespace tq
