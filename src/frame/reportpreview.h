#pragma once
// The preview panel that covers a tool's main panel: print font, page setup,
// guide lines, enlarge, copy page, print and cancel.
#include "common/settings.h"

#include <QFrame>
#include <functional>

namespace tq {

struct Program;
class PageView;
class PrintDocument;

class ReportPreview : public QFrame
{
    Q_OBJECT
public:
    struct Options {
        ToolId tool = ToolId::HomeCalc;
        int autoSizeLetters = 76;                               // the "Auto Size" test line
        QString printRangeCaption = QStringLiteral("Print all data");
    };

    ReportPreview(Program &program, Options options, QWidget *parent);
    ~ReportPreview() override;

    // The tool fills a started document; the preview starts and ends it.
    std::function<void(PrintDocument &)> builder;

    void open();              // opening steps, then builds the document
    void rebuild();
    bool isShown() const;
    bool isEnlarged() const;  // the "Enlarge" button reads "Normal"
    void toggleEnlarge();
    void cancel();
    // Each time the tool window becomes active: small-button tops and the
    // preview geometry that "Normal" returns to.
    void windowActivated(bool fullScreen);

    // The document the builder fills, and the view that shows its pages.
    PrintDocument &document();
    PageView *pageView() const;

Q_SIGNALS:
    void statusTextChanged(const QString &text); // empty text: back to the window caption

private:
    struct Impl;
    Impl *d;
};

} // namespace tq
