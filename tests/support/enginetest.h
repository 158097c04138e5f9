#pragma once
// The main of an engine test: no GUI at all, so a test that links an engine
// library and this alone proves the engine needs nothing but QtCore.
#include <QCoreApplication>
#include <QLocale>
#include <QTest>

#define TQ_ENGINE_TEST_MAIN(TestClass)                                                                       \
    int main(int argc, char **argv)                                                                          \
    {                                                                                                        \
        QCoreApplication app(argc, argv);                                                                    \
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));                               \
        TestClass tc;                                                                                        \
        QTEST_SET_MAIN_SOURCE_PATH                                                                           \
        return QTest::qExec(&tc, argc, argv);                                                                \
    }
