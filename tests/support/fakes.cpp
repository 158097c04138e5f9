#include "fakes.h"

#include "components/accessiblecaptions.h"

#include <QLocale>

namespace tq::test {

void setUpTestEnvironment()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    static const bool captions = [] {
        installAccessibleCaptions();
        return true;
    }();
    Q_UNUSED(captions);
}

} // namespace tq::test
