#include "fakes.h"

#include <QLocale>

namespace tq::test {

void setUpTestEnvironment()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

} // namespace tq::test
