#pragma once
// Typed access to the program's four fixed-record settings files. Every call
// opens, reads or writes and closes the file again; nothing is cached.
#include "common/recordfile.h"

#include <QDir>
#include <optional>

namespace tq {

enum class ToolId { HomeCalc, Loan, Actuarial, Budget, SciCalc };

constexpr quint32 colourBlue = 0x00FF0000;
constexpr quint32 colourLightCyan = 0x00FFFF00;

struct BackgroundValue {
    enum class Kind { Colour, SystemDefault, Picture };
    Kind kind = Kind::Colour;
    quint32 colour = colourBlue;
    QString picture; // "WP3" names WP3.jpg
    bool operator==(const BackgroundValue &) const = default;
};

struct PanelColour {
    bool isDefault = false; // the system default colour
    quint32 colour = colourLightCyan;
    bool operator==(const PanelColour &) const = default;
};

class Settings
{
public:
    explicit Settings(QDir folder);

    QDir folder() const { return m_folder; }

    BackgroundValue background() const;
    void setBackgroundColour(quint32 colour) const;
    void setBackgroundSystemDefault() const;

    bool topToolbarOff() const;
    void clearTopToolbarOff() const;
    void writeSideToolbarFlag(qint16 flag) const;

    QString familyName() const;
    // Keeps the first 15 characters; returns the name as stored.
    QString setFamilyName(const QString &name) const;

    bool smallerScreenDisplay() const;
    void setSmallerScreenDisplay(bool smaller) const;

    // Nothing when the record cannot be read as "Default" or a colour number:
    // the caller then uses the tool's design colour.
    std::optional<PanelColour> panelColour(ToolId tool) const;
    void setPanelColour(ToolId tool, const PanelColour &colour) const;

    // The stored option index (0 or 1 for the two known options). An empty
    // record gives 0; a value that is no whole number gives 0; others as stored.
    int guideLineOption(ToolId tool) const;
    void setGuideLineOption(ToolId tool, int option) const;

    RecordVariant homeCalcRate() const;
    void setHomeCalcRate(const QString &rateText) const;

    QString gridBackground() const;
    QString gridTextColour() const;
    // "Default", a colour number in digits or a picture name; false when not written.
    bool setGridBackground(const QString &value) const;
    bool setGridTextColour(quint32 colour) const;

    // True when a settings file exists but cannot be read.
    bool anyUnreadable() const;

private:
    RecordFile pref3() const;
    RecordFile prefName() const;
    RecordFile gcolor1() const;
    RecordFile gcolor3() const;

    QDir m_folder;
};

} // namespace tq
