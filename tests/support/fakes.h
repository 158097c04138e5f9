#pragma once
// Test doubles for the platform and the clock, and a Program in a temporary folder.
#include "common/recordfile.h"
#include "components/program.h"
#include "scriptedprompter.h"

#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>

namespace tq::test {

class FakePlatform : public Platform
{
public:
    QString clipboardText;
    QImage clipboardImage;
    QList<int> helpTopics;
    QStringList webPages;
    int beeps = 0;
    int busyDepth = 0;
    int busyPeak = 0; // the deepest busyDepth reached

    void setClipboardText(const QString &text) override { clipboardText = text; }
    void setClipboardImage(const QImage &image) override { clipboardImage = image; }
    void showHelp(int topicId) override { helpTopics.append(topicId); }
    void openWebPage(const QString &page) override { webPages.append(page); }
    void beep() override { ++beeps; }
    void setBusy(bool busy) override
    {
        busyDepth += busy ? 1 : -1;
        busyPeak = std::max(busyPeak, busyDepth);
    }
};

class FixedClock : public Clock
{
public:
    QDateTime fixed{QDate(2007, 3, 14), QTime(9, 30)};
    QDateTime now() const override { return fixed; }
};

// A whole program context over a fresh temporary folder.
struct TestProgram {
    QTemporaryDir dir;
    ScriptedPrompter prompter;
    FakePlatform platform;
    FixedClock clock;
    Program program{QDir(dir.path()), prompter, platform, clock};

    // For records a test writes or reads as raw text.
    RecordFile gcolor1() const { return {program.folder.filePath(QStringLiteral("GColor1.Fil")), 20}; }
};

// Call from initTestCase(): en_US numbers and Qt's own dialogs.
void setUpTestEnvironment();

} // namespace tq::test

#define TQ_TEST_MAIN(TestClass)                                                                              \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                             \
        QApplication app(argc, argv);                                                                        \
        tq::test::setUpTestEnvironment();                                                                    \
        TestClass tc;                                                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
