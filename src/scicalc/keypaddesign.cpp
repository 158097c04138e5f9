#include "scicalc/keypaddesign.h"

namespace tq::keypad {

namespace {

constexpr int keyWidth = 975;
constexpr int keyHeight = 402;
constexpr int columnLefts[] = {240, 1320, 2400, 3480};
constexpr int rowTops[] = {1175, 1947, 2742, 3257, 3772, 4286, 4801, 5317};
constexpr int equalLeft = 2415; // the one key off its column

struct Cell {
    const char *caption = nullptr; // none: an empty place
    const char *name = nullptr;    // none: a digit key, named by its value
};

// clang-format off
constexpr Cell grid[8][4] = {
    {{},                   {},                      {"Pi", "PiBtn"},   {"1/X", "ReciprocalBtn"}},
    {{"SIN", "SinBtn"},    {"COS", "CosBtn"},       {"TAN", "TanBtn"}, {"Y^X", "PowerBtn"}},
    {{"SQRT", "SqrtBtn"},  {"X^1/3", "CubeRootBtn"}, {"LN", "LnBtn"},   {"LOG", "LogBtn"}},
    {{"7"},                {"8"},                   {"9"},             {"/", "DivBtn"}},
    {{"4"},                {"5"},                   {"6"},             {"x", "MulBtn"}},
    {{"1"},                {"2"},                   {"3"},             {"-", "SubBtn"}},
    {{"0"},                {".", "DecimalBtn"},     {"+/-", "ChsBtn"}, {"+", "AddBtn"}},
    {{"E&XIT", "OffBtn"},  {},                      {"=", "EqualBtn"}, {"CLX", "ClxBtn"}},
};
// clang-format on

} // namespace

const QList<KeyDesign> &keys()
{
    static const QList<KeyDesign> all = [] {
        QList<KeyDesign> list;
        for (int row = 0; row < 8; ++row) {
            for (int column = 0; column < 4; ++column) {
                const Cell &cell = grid[row][column];
                if (!cell.caption)
                    continue;
                const QString caption = QString::fromLatin1(cell.caption);
                const QString name =
                    cell.name ? QString::fromLatin1(cell.name) : QStringLiteral("DigitBtn(%1)").arg(caption);
                const int left = caption == u"=" ? equalLeft : columnLefts[column];
                list.append({caption, name, QRect(left, rowTops[row], keyWidth, keyHeight)});
            }
        }
        return list;
    }();
    return all;
}

const QList<CaptionDesign> &captions()
{
    static const QList<CaptionDesign> all{
        {QStringLiteral("Abs"), {3775, 923, 375, 273}},
        {QStringLiteral("hyp/arcsin"), {260, 1689, 945, 273}},
        {QStringLiteral("hyp/arccos"), {1320, 1689, 975, 273}},
        {QStringLiteral("hyp/arctan"), {2415, 1689, 975, 273}},
        {QStringLiteral("Y^1/X"), {3645, 1689, 615, 273}},
        {QStringLiteral("X^2"), {545, 2484, 375, 273}},
        {QStringLiteral("X^3"), {1615, 2484, 375, 273}},
        {QStringLiteral("e^X"), {2700, 2484, 375, 273}},
        {QStringLiteral("10^X"), {3720, 2484, 495, 273}},
    };
    return all;
}

bool isDigit(const QString &caption)
{
    return caption.size() == 1 && caption[0].isDigit();
}

bool isArithmetic(const QString &caption)
{
    return caption == u"+" || caption == u"-" || caption == u"x" || caption == u"/";
}

} // namespace tq::keypad
