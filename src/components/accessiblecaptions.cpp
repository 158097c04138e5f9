#include "components/accessiblecaptions.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace tq {

namespace {

class CaptionedComboBox : public QAccessibleWidget
{
public:
    explicit CaptionedComboBox(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) {
            // The accessible name, else the buddy label's caption.
            const QString caption = QAccessibleWidget::text(t);
            return caption.isEmpty() ? combo()->currentText() : caption;
        }
        if (t == QAccessible::Value)
            return combo()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The list, then the edit line, as the stock interface has them.
    int childCount() const override { return combo()->lineEdit() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override
    {
        QWidget *w = index == 0   ? static_cast<QWidget *>(combo()->view())
                     : index == 1 ? combo()->lineEdit()
                                  : nullptr;
        return w ? QAccessible::queryAccessibleInterface(w) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == combo()->view())
            return 0;
        return combo()->lineEdit() && child->object() == combo()->lineEdit() ? 1 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString &) override { combo()->showPopup(); }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
};

// A figure label named by its caption ("Balance Feb") would otherwise hide
// the figure it shows; the figure is its value.
class CaptionedFigure : public QAccessibleWidget
{
public:
    explicit CaptionedFigure(QLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        return label()->pixmap().isNull() ? QAccessible::StaticText : QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return label()->text().trimmed();
        return QAccessibleWidget::text(t);
    }

private:
    QLabel *label() const { return static_cast<QLabel *>(widget()); }
};

QAccessibleInterface *captionedInterface(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QComboBox"))
        return new CaptionedComboBox(static_cast<QComboBox *>(object));
    if (className == QLatin1String("QLabel") && !static_cast<QWidget *>(object)->accessibleName().isEmpty())
        return new CaptionedFigure(static_cast<QLabel *>(object));
    return nullptr;
}

} // namespace

void installAccessibleCaptions()
{
    QAccessible::installFactory(captionedInterface);
}

QString spokenCaption(const QString &caption)
{
    QString spoken = caption.trimmed();
    if (spoken.endsWith(u':'))
        spoken.chop(1);
    return spoken;
}

} // namespace tq
