#include "accessibility.h"
#include "components/fontdialog.h"
#include "fakes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tq;
using tq::test::ScriptedPrompter;

namespace {

const FontChoice preset{QStringLiteral("Times New Roman"), 14, true, false, true, false, QColor(0, 0, 128)};

template <typename T> T *control(const FontDialog &dialog, const char *name)
{
    return dialog.findChild<T *>(QString::fromLatin1(name));
}

// Replaces a combo box's text by typing, as a user would.
void typeInto(QComboBox *combo, const QString &text)
{
    combo->lineEdit()->selectAll();
    QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
    QTest::keyClicks(combo->lineEdit(), text);
}

} // namespace

class TestFontDialog : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void presetShowsTheCurrentFont()
    {
        ScriptedPrompter prompter;
        FontDialog dialog(prompter, preset);
        QCOMPARE(control<QComboBox>(dialog, "fontFamily")->currentText(), QStringLiteral("Times New Roman"));
        QCOMPARE(control<QComboBox>(dialog, "fontStyle")->currentText(), QStringLiteral("Bold"));
        QCOMPARE(control<QComboBox>(dialog, "fontSize")->currentText(), QStringLiteral("14"));
        QVERIFY(control<QCheckBox>(dialog, "fontUnderline")->isChecked());
        QVERIFY(!control<QCheckBox>(dialog, "fontStrikeOut")->isChecked());
        const QLabel *sample = control<QLabel>(dialog, "fontSample");
        QVERIFY(sample->font().bold());
        QVERIFY(sample->font().underline());
        QCOMPARE(sample->palette().color(QPalette::WindowText), preset.colour);
        QCOMPARE(dialog.choice(), preset); // nothing touched, nothing changed
        tq::test::verifyInputsAnnounceCaptions(&dialog);
    }

    void everyPropertyIsChosenThroughItsControl()
    {
        ScriptedPrompter prompter;
        FontDialog dialog(prompter, preset);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *family = control<QComboBox>(dialog, "fontFamily");
        const QString other = family->itemText(family->count() - 1);
        family->setCurrentIndex(family->count() - 1);
        control<QComboBox>(dialog, "fontStyle")->setCurrentIndex(1);
        typeInto(control<QComboBox>(dialog, "fontSize"), QStringLiteral("28"));
        QTest::mouseClick(control<QCheckBox>(dialog, "fontStrikeOut"), Qt::LeftButton);
        QTest::mouseClick(control<QCheckBox>(dialog, "fontUnderline"), Qt::LeftButton);
        prompter.answerColour(QColor(Qt::red));
        QTest::mouseClick(control<QPushButton>(dialog, "fontColour"), Qt::LeftButton);
        QCOMPARE(prompter.last().kind, tq::test::Prompt::Kind::Colour);
        QCOMPARE(prompter.last().initialColour, preset.colour);
        prompter.answerColour(std::nullopt); // a cancelled colour dialog keeps the colour
        QTest::mouseClick(control<QPushButton>(dialog, "fontColour"), Qt::LeftButton);

        const FontChoice chosen = dialog.choice();
        QCOMPARE(chosen, (FontChoice{other, 28, false, true, false, true, QColor(Qt::red)}));
        const QLabel *sample = control<QLabel>(dialog, "fontSample");
        QVERIFY(sample->font().italic() && sample->font().strikeOut());
        QCOMPARE(sample->font().pointSizeF(), 28.0);
        QCOMPARE(sample->palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    void sizeStaysWithinTheOfferedRange_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("size");
        QTest::newRow("below the range") << "2" << 4.0;
        QTest::newRow("above the range") << "80" << 72.0;
        QTest::newRow("too many digits") << "100" << 10.0; // the third digit is refused
        QTest::newRow("largest") << "72" << 72.0;
        QTest::newRow("emptied") << "" << 14.0;
    }
    void sizeStaysWithinTheOfferedRange()
    {
        QFETCH(QString, typed);
        QFETCH(double, size);
        ScriptedPrompter prompter;
        FontDialog dialog(prompter, preset);
        dialog.show();
        typeInto(control<QComboBox>(dialog, "fontSize"), typed);
        QCOMPARE(dialog.choice().pointSize, size);
    }

    void thePromptersFontDialogIsThisOne()
    {
        DialogPrompter prompter;
        QTimer::singleShot(0, [] {
            auto *dialog = qobject_cast<FontDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->findChild<QCheckBox *>(QStringLiteral("fontStrikeOut"))->setChecked(true);
            dialog->accept();
        });
        FontChoice expected = preset;
        expected.strikeOut = true;
        QCOMPARE(prompter.font(nullptr, preset), std::optional<FontChoice>(expected));
    }
};

TQ_TEST_MAIN(TestFontDialog)
#include "tst_fontdialog.moc"
