#include "frame/reportpreview.h"

#include "common/twips.h"
#include "components/colours.h"
#include "components/eventyield.h"
#include "components/fittext.h"
#include "components/fontdialog.h"
#include "components/pageview.h"
#include "components/printdocument.h"
#include "components/program.h"
#include "frame/fontautosize.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <cmath>
#include <memory>

namespace tq {

namespace {

constexpr double defaultPrintSize = 14;
constexpr double copyDpi = 120; // resolution of the page picture put on the clipboard

// Controls are placed in twips, like the rest of the program's design.
struct Placer {
    double dpi;
    int px(double twips) const { return twipsToPixels(twips, dpi); }
    QRect rect(double left, double top, double width, double height) const
    {
        return QRect(px(left), px(top), px(width), px(height));
    }
    template <typename W> W *place(W *widget, const QString &name, const QRect &geometry) const
    {
        widget->setObjectName(name);
        widget->setGeometry(geometry);
        return widget;
    }
};

QLabel *displayPanel(QWidget *parent, const QString &caption)
{
    auto *panel = new QLabel(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAccessibleName(caption);
    return panel;
}

} // namespace

struct ReportPreview::Impl {
    ReportPreview *q;
    Program &program;
    Options options;
    Placer placer;
    PrintDocument document;
    PageView *view = nullptr;
    Document shown;
    QGroupBox *rangeFrame = nullptr;
    QButtonGroup *ranges = nullptr;
    QButtonGroup *guides = nullptr;
    QLabel *orientationPanel = nullptr;
    QLabel *fontPanel = nullptr;
    QLabel *sizePanel = nullptr;
    QLabel *sample = nullptr;
    QPushButton *fontButton = nullptr;
    QPushButton *setupButton = nullptr;
    QPushButton *copyButton = nullptr;
    QPushButton *printButton = nullptr;
    QPushButton *pdfButton = nullptr;
    QPushButton *cancelButton = nullptr;
    QPushButton *autoSizeButton = nullptr;
    QPushButton *enlargeButton = nullptr;
    std::unique_ptr<QPrinter> printer;
    bool enlarged = false;
    bool autoSizing = false;
    int normalLeft = 0;
    int normalWidth = 0;

    Impl(ReportPreview *owner, Program &p, Options o)
        : q(owner), program(p), options(std::move(o)), placer{double(owner->logicalDpiX())}
    {
    }

    void createRangeFrame();
    void createDisplayFrame();
    void createFontDisplays();
    void createButtons();
    void restoreGuideLineOption();

    void showFontValues();
    void showOrientation();
    void bringSmallButtonsToFront();
    QPrinter &thePrinter();

    void chooseFont();
    void pageSetup();
    void copyPage();
    void print();
    void savePdf();
    QString suggestedPdfPath() const;
    void autoSize();
    void guideLineChosen(int option);
};

void ReportPreview::Impl::createRangeFrame()
{
    const auto count = int(options.rangeCaptions.size());
    // Several options take the room above the frame's design place.
    const QRect place = count > 1 ? placer.rect(195, 60, 3240, 1040) : placer.rect(195, 208, 3240, 740);
    rangeFrame =
        placer.place(new QGroupBox(options.rangeFrameCaption, q), QStringLiteral("SSFrame80(0)"), place);
    ranges = new QButtonGroup(q);
    for (int i = 0; i < count; ++i) {
        const QString name =
            count > 1 ? QStringLiteral("SSOption81(%1)").arg(i) : QStringLiteral("SSOption81");
        auto *range = placer.place(new QRadioButton(options.rangeCaptions[i], rangeFrame), name,
                                   placer.rect(240, 330 - (count > 1 ? 80 : 0) + 250 * i, 2960, 300));
        if (count > 1) { // longer captions in less room
            QFont small = range->font();
            small.setPointSizeF(small.pointSizeF() * 0.9);
            range->setFont(small);
        }
        ranges->addButton(range, i);
    }
    if (QAbstractButton *first = ranges->button(0))
        first->setChecked(true);
    connect(ranges, &QButtonGroup::idClicked, q, [this](int id) {
        Q_EMIT q->printRangeChosen(id);
        q->rebuild();
    });
}

void ReportPreview::Impl::createDisplayFrame()
{
    auto *frame = placer.place(new QGroupBox(tr("Display Options"), q), QStringLiteral("SSFrame80(1)"),
                               placer.rect(195, 1129, 3240, 1398));
    guides = new QButtonGroup(q);
    const QString captions[] = {tr("Do Not Display Guide Lines"), tr("Display Guide Lines")};
    for (int i = 0; i < 2; ++i) {
        auto *option =
            placer.place(new QRadioButton(captions[i], frame), QStringLiteral("SSOption82(%1)").arg(i),
                         placer.rect(240, 300 + 320 * i, 2900, 300));
        guides->addButton(option, i);
    }
    connect(guides, &QButtonGroup::idClicked, q, [this](int id) { guideLineChosen(id); });

    auto *label = placer.place(new QLabel(tr("Orientation:"), frame), QStringLiteral("Label80(2)"),
                               placer.rect(240, 990, 1000, 300));
    orientationPanel = placer.place(displayPanel(frame, label->text()), QStringLiteral("Panel3D80(2)"),
                                    placer.rect(1260, 950, 1600, 329));
    label->setBuddy(orientationPanel);
    fitLabelToWidth(label, label->contentsRect().width());
}

void ReportPreview::Impl::createFontDisplays()
{
    auto *fontLabel = placer.place(new QLabel(tr("Printer Font:"), q), QStringLiteral("Label80(1)"),
                                   placer.rect(195, 2662, 890, 300));
    fontPanel = placer.place(displayPanel(q, fontLabel->text()), QStringLiteral("Panel3D80(0)"),
                             placer.rect(1090, 2632, 2325, 329));
    auto *sizeLabel = placer.place(new QLabel(tr("Font Size:"), q), QStringLiteral("Label80(0)"),
                                   placer.rect(195, 3056, 730, 300));
    sizePanel = placer.place(displayPanel(q, sizeLabel->text()), QStringLiteral("Panel3D80(1)"),
                             placer.rect(930, 3026, 585, 329));
    fitLabelToWidth(fontLabel, fontLabel->contentsRect().width());
    fitLabelToWidth(sizeLabel, sizeLabel->contentsRect().width());

    auto *frame = placer.place(new QGroupBox(tr("Sample"), q), QStringLiteral("Frame3"),
                               placer.rect(195, 3372, 3240, 1365));
    sample = placer.place(new QLabel(tr("AaBbYyZz"), frame), QStringLiteral("Panel3d82"),
                          placer.rect(120, 300, 3000, 960));
    sample->setAlignment(Qt::AlignCenter);
    sample->setAccessibleName(frame->title());
    sample->setAutoFillBackground(true);
}

void ReportPreview::Impl::createButtons()
{
    struct ControlPlace {
        QPushButton **button;
        QString caption;
        int index;
        int top, width, height;
        void (Impl::*action)();
    };
    const ControlPlace places[] = {
        {&fontButton, tr("Printer &Font"), 0, 4800, 2425, 390, &Impl::chooseFont},
        {&setupButton, tr("&Page Setup"), 1, 5230, 2425, 390, &Impl::pageSetup},
        {&copyButton, tr("C&opy Current Page"), 3, 5660, 2425, 390, &Impl::copyPage},
        {&printButton, tr("&Print"), 4, 6045, 1190, 390, &Impl::print},
    };
    for (const ControlPlace &s : places) {
        *s.button =
            placer.place(new QPushButton(s.caption, q), QStringLiteral("SSCommand80(%1)").arg(s.index),
                         placer.rect(565, s.top, s.width, s.height));
        connect(*s.button, &QPushButton::clicked, q, [this, action = s.action] { (this->*action)(); });
    }
    // Beside Print, sharing its row; "P&DF" keeps Alt+P for Print.
    pdfButton = placer.place(new QPushButton(tr("Save as P&DF..."), q), QStringLiteral("cmdSavePdf"),
                             placer.rect(1805, 6045, 1190, 390));
    fitButtonText(pdfButton);
    connect(pdfButton, &QPushButton::clicked, q, [this] { savePdf(); });
    cancelButton = placer.place(new QPushButton(tr("&Cancel"), q), QStringLiteral("SSCommand80(2)"),
                                placer.rect(565, 6475, 2430, 400));
    connect(cancelButton, &QPushButton::clicked, q, &ReportPreview::cancel);

    view = placer.place(new PageView(q), QStringLiteral("VSPrinter1"), placer.rect(3600, 120, 5325, 6795));
    view->setDocument(&document);
    normalLeft = view->x();
    normalWidth = view->width();

    // The two small buttons sit over the preview's top edge.
    QFont small = q->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    autoSizeButton = placer.place(new QPushButton(tr("Auto Size"), q), QStringLiteral("SSCommand2"),
                                  placer.rect(7060, 30, 795, 230));
    enlargeButton = placer.place(new QPushButton(tr("Enlarge"), q), QStringLiteral("SSCommand1"),
                                 placer.rect(8060, 30, 750, 230));
    for (QPushButton *b : {autoSizeButton, enlargeButton})
        b->setFont(small);
    connect(autoSizeButton, &QPushButton::clicked, q, [this] { autoSize(); });
    connect(enlargeButton, &QPushButton::clicked, q, &ReportPreview::toggleEnlarge);
}

// A stored value that names neither option selects none and leaves the
// guide lines as they are.
void ReportPreview::Impl::restoreGuideLineOption()
{
    const int option = program.settings.guideLineOption(options.tool);
    QAbstractButton *button = guides->button(option);
    if (!button)
        return;
    button->setChecked(true);
    view->setGuideLines(option == 1);
}

void ReportPreview::Impl::guideLineChosen(int option)
{
    view->setGuideLines(option == 1);
    program.settings.setGuideLineOption(options.tool, option);
}

void ReportPreview::Impl::showFontValues()
{
    const FontChoice &f = program.state.printFont;
    fontPanel->setText(QLatin1Char(' ') + f.family);
    sizePanel->setText(QLatin1Char(' ') + QString::number(f.pointSize));
    sample->setFont(sampleFont(f));
    QPalette palette = sample->palette();
    palette.setColor(QPalette::WindowText, f.colour);
    palette.setColor(QPalette::Window, systemDefaultColor());
    sample->setPalette(palette);
}

void ReportPreview::Impl::showOrientation()
{
    const bool landscape = document.orientation() == QPageLayout::Landscape;
    orientationPanel->setText(landscape ? tr(" Landscape") : tr(" Portrait"));
}

void ReportPreview::Impl::bringSmallButtonsToFront()
{
    view->raise();
    autoSizeButton->raise();
    enlargeButton->raise();
}

// Made on first use: asking for a printer can be slow where none is set up.
QPrinter &ReportPreview::Impl::thePrinter()
{
    if (!printer)
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageOrientation(document.orientation());
    printer->setPageSize(document.pageLayout().pageSize());
    return *printer;
}

void ReportPreview::Impl::chooseFont()
{
    const std::optional<FontChoice> chosen = program.prompter.font(q, program.state.printFont);
    if (!chosen)
        return;
    program.state.printFont = *chosen;
    showFontValues();
    q->rebuild();
}

// A cancelled dialog still refreshes the orientation and rebuilds.
void ReportPreview::Impl::pageSetup()
{
    QPrinter &p = thePrinter();
    if (program.prompter.pageSetup(q, p))
        document.setPageLayout(p.pageLayout());
    showOrientation();
    repaintNow(q);
    q->rebuild();
}

void ReportPreview::Impl::copyPage()
{
    const int page = view->currentPage();
    const QSize size(twipsToPixels(document.pageWidth(), copyDpi),
                     twipsToPixels(document.pageHeight(), copyDpi));
    program.platform.setClipboardImage(document.renderPage(page, size));
    program.prompter.message(q,
                             {tr("Copy Option"), tr("Current Page has been copied to the Windows Clipboard."),
                              Icon::Information, int(Button::Ok), Button::Ok});
    cancelButton->setFocus();
}

void ReportPreview::Impl::print()
{
    QPrinter &p = thePrinter();
    if (!program.prompter.printDialog(q, p))
        return;
    BusyPointer busy(program.platform);
    document.print(p);
}

QString ReportPreview::Impl::suggestedPdfPath() const
{
    const QString suffix =
        shown.pdfNameSuffix.isEmpty() ? program.clock.today().toString(Qt::ISODate) : shown.pdfNameSuffix;
    QString name = q->window()->windowTitle() + QLatin1Char(' ') + suffix;
    name.replace(QLatin1Char('/'), QLatin1Char('-')); // a caption is no folder
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

// Writes the pages the preview shows; the write replaces a file only when
// complete, so a failure leaves no partial PDF.
void ReportPreview::Impl::savePdf()
{
    const QString path = program.prompter.saveFileName(q, tr("Save as PDF"), suggestedPdfPath(),
                                                       tr("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (path.isEmpty())
        return;
    bool saved = false;
    {
        BusyPointer busy(program.platform);
        saved = document.savePdf(path);
    }
    if (!saved)
        program.prompter.message(q,
                                 {tr("Save as PDF"), tr("The PDF file could not be written:\r%1").arg(path),
                                  Icon::Exclamation, int(Button::Ok), Button::Ok});
    cancelButton->setFocus();
}

void ReportPreview::Impl::autoSize()
{
    if (autoSizing)
        return; // a click that arrives while the search yields
    autoSizing = true;
    const FontChoice &f = program.state.printFont;
    document.setFont(f);
    const QString testLine(options.autoSizeLetters, QLatin1Char('n'));
    const double found = fontAutoSize(document, testLine, [this] { repaintNow(q); });
    program.state.printFont.pointSize = std::max(1.0, std::trunc(found));
    autoSizing = false;
    showFontValues();
    bringSmallButtonsToFront();
    cancelButton->setFocus();
    q->rebuild();
}

ReportPreview::ReportPreview(Program &program, Options options, QWidget *parent)
    : QFrame(parent), d(new Impl(this, program, std::move(options)))
{
    setObjectName(QStringLiteral("SSPanel80"));
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    resize(d->placer.rect(0, 0, 8985, 6975).size());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, systemDefaultColor());
    setPalette(palette);

    d->createRangeFrame();
    d->createDisplayFrame();
    d->createFontDisplays();
    d->createButtons();
    d->restoreGuideLineOption();
    d->showFontValues();
    d->showOrientation();
    hide();
}

ReportPreview::~ReportPreview()
{
    delete d;
}

void ReportPreview::open()
{
    Document document;
    document.build = [this](PrintDocument &doc, int) {
        if (builder)
            builder(doc);
    };
    open(std::move(document));
}

void ReportPreview::open(Document document)
{
    d->shown = std::move(document);
    Q_EMIT statusTextChanged(d->shown.status);
    d->rangeFrame->setEnabled(d->shown.rangesEnabled);
    FontChoice &f = d->program.state.printFont;
    f.family = d->shown.fontFamily;
    f.pointSize = defaultPrintSize;
    f.bold = false;
    f.italic = false;
    d->fontButton->setEnabled(true);
    d->setupButton->setEnabled(true);
    d->showFontValues();
    show();
    raise();
    setFocus();
    d->bringSmallButtonsToFront();
    d->cancelButton->setFocus();
    repaintNow(this);
    rebuild();
}

void ReportPreview::rebuild()
{
    BusyPointer busy(d->program.platform);
    PrintDocument &doc = d->document;
    doc.setPreview(true);
    doc.setFont(d->program.state.printFont);
    doc.setMargins(0);
    doc.setIndentLeft(0);
    doc.setIndentRight(0);
    doc.setLineWidth(15);
    doc.startDoc();
    if (d->shown.build)
        d->shown.build(doc, printRange());
    else if (builder)
        builder(doc);
    doc.endDoc();
    d->showOrientation();
}

bool ReportPreview::isShown() const
{
    return !isHidden();
}

bool ReportPreview::isEnlarged() const
{
    return d->enlarged;
}

void ReportPreview::toggleEnlarge()
{
    PageView *view = d->view;
    d->enlarged = !d->enlarged;
    if (d->enlarged) {
        d->enlargeButton->setText(tr("Normal"));
        const int margin = d->placer.px(60);
        view->setGeometry(margin, view->y(), width() - 2 * margin, view->height());
        view->setZoom(PageView::Zoom::PageWidth);
        d->bringSmallButtonsToFront();
    } else {
        d->enlargeButton->setText(tr("Enlarge"));
        view->setGeometry(d->normalLeft, view->y(), d->normalWidth, view->height());
        view->setZoom(PageView::Zoom::WholePage);
        d->bringSmallButtonsToFront();
        d->cancelButton->setFocus();
    }
    repaintNow(this);
}

int ReportPreview::printRange() const
{
    return d->ranges->checkedId();
}

void ReportPreview::setPrintRange(int option)
{
    if (QAbstractButton *button = d->ranges->button(option))
        button->setChecked(true);
}

void ReportPreview::cancel()
{
    hide();
    d->rangeFrame->setEnabled(true);
    repaintNow(this);
    Q_EMIT statusTextChanged(QString());
}

void ReportPreview::windowActivated(bool fullScreen)
{
    const int top = d->placer.px(fullScreen ? 30 : 115);
    d->autoSizeButton->move(d->autoSizeButton->x(), top);
    d->enlargeButton->move(d->enlargeButton->x(), top);
    // While enlarged the preview's geometry is not its normal one; keeping
    // it would make "Normal" restore the enlarged size.
    if (!d->enlarged) {
        d->normalLeft = d->view->x();
        d->normalWidth = d->view->width();
    }
}

PrintDocument &ReportPreview::document()
{
    return d->document;
}

PageView *ReportPreview::pageView() const
{
    return d->view;
}

} // namespace tq
