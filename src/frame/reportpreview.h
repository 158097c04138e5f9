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
        int autoSizeLetters = 76; // the "Auto Size" test line
        // The range frame and its options, the first chosen when the window
        // opens. One option is "SSOption81", several "SSOption81(i)".
        QString rangeFrameCaption = QStringLiteral("Print Range");
        QStringList rangeCaptions{QStringLiteral("Print all data")};
    };

    // One of the documents a tool previews; the tool chooses which to open
    // from its own state, and the preview rebuilds the open one after every
    // font, page or range change.
    struct Document {
        QString status = QStringLiteral("Print");               // status panel 1 while it is open
        QString fontFamily = QStringLiteral("Times New Roman"); // the print font each opening starts with
        bool rangesEnabled = true;                              // the range frame, until the preview closes
        // Fills a started document; `range` is the chosen range option.
        std::function<void(PrintDocument &, int range)> build;
        // What follows the window's caption in the name "Save as PDF"
        // suggests (the year a document shows); empty: today's date.
        QString pdfNameSuffix;
    };

    ReportPreview(Program &program, Options options, QWidget *parent);
    ~ReportPreview() override;

    // The tool fills a started document; the preview starts and ends it.
    // open() without a document shows this one.
    std::function<void(PrintDocument &)> builder;

    void open(); // opening steps, then builds the document
    void open(Document document);
    int printRange() const;
    void setPrintRange(int option); // without rebuilding
    void rebuild();
    bool isShown() const;
    bool isEnlarged() const; // the "Enlarge" button reads "Normal"
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
    void printRangeChosen(int option);           // by the user; the document is rebuilt

private:
    struct Impl;
    Impl *d;
};

} // namespace tq
