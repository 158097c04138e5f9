#include "common/settings.h"

#include "common/numberformat.h"
#include "common/wholenumber.h"

#include <climits>

namespace tq {

namespace {

QString trimmedRight(QString s)
{
    while (s.endsWith(u' '))
        s.chop(1);
    return s;
}

int panelRecord(ToolId tool)
{
    switch (tool) {
    case ToolId::HomeCalc:
        return 8;
    case ToolId::SciCalc:
        return 10;
    case ToolId::Actuarial:
        return 11;
    case ToolId::Loan:
        return 12;
    case ToolId::Budget:
        return 13;
    }
    return 0;
}

int guideLineRecord(ToolId tool)
{
    switch (tool) {
    case ToolId::Budget:
        return 12;
    case ToolId::Loan:
        return 20;
    case ToolId::Actuarial:
        return 22;
    case ToolId::HomeCalc:
        return 24;
    case ToolId::SciCalc:
        return 0; // no preview
    }
    return 0;
}

std::optional<PanelColour> panelFromText(const QString &text)
{
    if (trimmedRight(text) == u"Default")
        return PanelColour{true, 0};
    const auto n = strictNumber(text);
    if (!n || *n < 0 || *n > 4294967295.0)
        return std::nullopt;
    return PanelColour{false, quint32(qint64(*n))};
}

} // namespace

Settings::Settings(QDir folder) : m_folder(std::move(folder)) {}

RecordFile Settings::pref3() const
{
    return {m_folder.filePath(QStringLiteral("PREF3.Fil")), 10};
}
RecordFile Settings::prefName() const
{
    return {m_folder.filePath(QStringLiteral("PREFNAME.FIL")), 40};
}
RecordFile Settings::gcolor1() const
{
    return {m_folder.filePath(QStringLiteral("GColor1.Fil")), 20};
}
RecordFile Settings::gcolor3() const
{
    return {m_folder.filePath(QStringLiteral("GColor3.Fil")), 20};
}

BackgroundValue Settings::background() const
{
    const RecordVariant v = pref3().readVariant(3);
    BackgroundValue bg;
    switch (v.kind) {
    case RecordVariant::Kind::Int16:
    case RecordVariant::Kind::Int32:
        bg.colour = quint32(v.number);
        return bg;
    case RecordVariant::Kind::String: {
        if (trimmedRight(v.text) == u"Def")
            return {BackgroundValue::Kind::SystemDefault, 0, {}};
        if (v.text.left(2).toUpper() == u"WP")
            return {BackgroundValue::Kind::Picture, colourBlue, v.text};
        if (const auto n = strictNumber(v.text); n && *n >= 0 && *n <= 4294967295.0)
            bg.colour = quint32(qint64(*n));
        return bg;
    }
    default:
        return bg; // empty or unusable: blue
    }
}

void Settings::setBackgroundColour(quint32 colour) const
{
    pref3().writeVariant(3, RecordVariant::int32(qint32(colour)));
}

void Settings::setBackgroundSystemDefault() const
{
    pref3().writeVariant(3, RecordVariant::string(QStringLiteral("Def")));
}

bool Settings::topToolbarOff() const
{
    return trimmedRight(gcolor1().readString(55)) == u"OFF";
}
void Settings::clearTopToolbarOff() const
{
    gcolor1().writeString(55, QString());
}
void Settings::writeSideToolbarFlag(qint16 flag) const
{
    pref3().writeInt16(10, flag);
}

QString Settings::familyName() const
{
    return prefName().readString(1);
}

QString Settings::setFamilyName(const QString &name) const
{
    const QString kept = name.left(15);
    prefName().writeString(1, kept);
    return kept;
}

bool Settings::smallerScreenDisplay() const
{
    return gcolor3().readString(35).left(3) == u"Yes";
}

void Settings::setSmallerScreenDisplay(bool smaller) const
{
    gcolor3().writeString(35, smaller ? QStringLiteral("Yes") : QStringLiteral("No"));
}

std::optional<PanelColour> Settings::panelColour(ToolId tool) const
{
    if (tool == ToolId::HomeCalc)
        return panelFromText(gcolor1().readVariant(panelRecord(tool)).toText());
    return panelFromText(gcolor1().readString(panelRecord(tool)));
}

void Settings::setPanelColour(ToolId tool, const PanelColour &colour) const
{
    const QString text = colour.isDefault ? QStringLiteral("Default") : QString::number(colour.colour);
    if (tool == ToolId::HomeCalc) {
        gcolor1().writeVariant(panelRecord(tool), colour.isDefault
                                                      ? RecordVariant::string(text)
                                                      : RecordVariant::int32(qint32(colour.colour)));
    } else {
        gcolor1().writeString(panelRecord(tool), text);
    }
}

int Settings::guideLineOption(ToolId tool) const
{
    const int record = guideLineRecord(tool);
    if (!record)
        return 0;
    const auto n = strictNumber(gcolor3().readString(record));
    return n ? wholeIntIn(*n, INT_MIN, INT_MAX).value_or(0) : 0;
}

void Settings::setGuideLineOption(ToolId tool, int option) const
{
    if (const int record = guideLineRecord(tool))
        gcolor3().writeString(record, QString::number(option));
}

RecordVariant Settings::homeCalcRate() const
{
    return gcolor3().readVariant(20);
}

void Settings::setHomeCalcRate(const QString &rateText) const
{
    gcolor3().writeVariant(20, RecordVariant::string(rateText));
}

QString Settings::gridBackground() const
{
    return gcolor1().readString(14);
}
QString Settings::gridTextColour() const
{
    return gcolor1().readString(15);
}
bool Settings::setGridBackground(const QString &value) const
{
    return gcolor1().writeString(14, value);
}
bool Settings::setGridTextColour(quint32 colour) const
{
    return gcolor1().writeString(15, QString::number(colour));
}

bool Settings::anyUnreadable() const
{
    return pref3().isUnreadable() || prefName().isUnreadable() || gcolor1().isUnreadable() ||
           gcolor3().isUnreadable();
}

} // namespace tq
