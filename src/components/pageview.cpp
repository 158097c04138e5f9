#include "components/pageview.h"

#include "components/printdocument.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QToolButton>
#include <QWheelEvent>

namespace tq {

namespace {

constexpr int gap = 8; // pixels of desk around the page

QToolButton *navigationButton(QWidget *parent, Qt::ArrowType arrow, const QString &name, const QString &text)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRaise(true);
    button->setToolTip(text);
    button->setAccessibleName(text);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

PageView::PageView(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAccessibleName(tr("Page preview"));

    m_navigation = new QWidget(viewport());
    m_navigation->setObjectName(QStringLiteral("pageNavigation"));
    m_navigation->setAutoFillBackground(true);
    auto *layout = new QHBoxLayout(m_navigation);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    m_previous =
        navigationButton(m_navigation, Qt::LeftArrow, QStringLiteral("previousPage"), tr("Previous Page"));
    m_pageLabel = new QLabel(m_navigation);
    m_next = navigationButton(m_navigation, Qt::RightArrow, QStringLiteral("nextPage"), tr("Next Page"));
    layout->addWidget(m_previous);
    layout->addWidget(m_pageLabel);
    layout->addWidget(m_next);
    connect(m_previous, &QToolButton::clicked, this, &PageView::previousPage);
    connect(m_next, &QToolButton::clicked, this, &PageView::nextPage);
    updateNavigation();
}

PageView::~PageView() = default;

void PageView::setDocument(PrintDocument *document)
{
    if (m_document)
        disconnect(m_document, nullptr, this, nullptr);
    m_document = document;
    if (m_document)
        connect(m_document, &PrintDocument::ended, this, &PageView::documentEnded);
    documentEnded();
}

void PageView::documentEnded()
{
    m_page = 1;
    verticalScrollBar()->setValue(0);
    updateScrollRange();
    updateNavigation();
    viewport()->update();
    Q_EMIT currentPageChanged(m_page);
}

void PageView::setCurrentPage(int pageNumber)
{
    const int count = m_document ? m_document->pageCount() : 0;
    if (pageNumber < 1 || pageNumber > count || pageNumber == m_page)
        return;
    m_page = pageNumber;
    verticalScrollBar()->setValue(0);
    updateScrollRange();
    updateNavigation();
    viewport()->update();
    Q_EMIT currentPageChanged(m_page);
}

void PageView::setZoom(Zoom zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    verticalScrollBar()->setValue(0);
    updateScrollRange();
    viewport()->update();
}

void PageView::setGuideLines(bool on)
{
    if (on == m_guideLines)
        return;
    m_guideLines = on;
    viewport()->update();
}

QSizeF PageView::pageSizeTwips() const
{
    if (!m_document)
        return QSizeF(12240, 15840);
    if (m_page >= 1 && m_page <= m_document->pageCount()) {
        const PrintPage &page = m_document->pages().at(m_page - 1);
        return QSizeF(page.width, page.height);
    }
    return QSizeF(m_document->pageWidth(), m_document->pageHeight());
}

QRectF PageView::pageRect() const
{
    const QSizeF paper = pageSizeTwips();
    const QSizeF room(qMax(1, viewport()->width() - 2 * gap), qMax(1, viewport()->height() - 2 * gap));
    if (m_zoom == Zoom::PageWidth) {
        const double scale = room.width() / paper.width();
        return QRectF(gap, gap - verticalScrollBar()->value(), room.width(), paper.height() * scale);
    }
    const double scale = qMin(room.width() / paper.width(), room.height() / paper.height());
    const QSizeF size = paper * scale;
    return QRectF((viewport()->width() - size.width()) / 2, (viewport()->height() - size.height()) / 2,
                  size.width(), size.height());
}

void PageView::updateScrollRange()
{
    if (m_zoom == Zoom::WholePage) {
        verticalScrollBar()->setRange(0, 0);
        return;
    }
    const QSizeF paper = pageSizeTwips();
    const double pageHeight = paper.height() * (viewport()->width() - 2 * gap) / paper.width();
    const int overflow = int(pageHeight) + 2 * gap - viewport()->height();
    verticalScrollBar()->setRange(0, qMax(0, overflow));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(20);
}

void PageView::updateNavigation()
{
    const int count = m_document ? m_document->pageCount() : 0;
    m_navigation->setVisible(count > 1);
    m_previous->setEnabled(m_page > 1);
    m_next->setEnabled(m_page < count);
    m_pageLabel->setText(tr("Page %1 of %2").arg(m_page).arg(count));
    m_navigation->adjustSize();
    m_navigation->move(viewport()->width() - m_navigation->width() - 2,
                       viewport()->height() - m_navigation->height() - 2);
}

void PageView::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Mid));
    const QRectF page = pageRect();
    painter.fillRect(page.translated(3, 3), palette().color(QPalette::Shadow));
    painter.fillRect(page, Qt::white);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    if (m_document)
        m_document->paintPage(painter, m_page, page);
    if (m_guideLines)
        paintGuideLines(painter, page);
}

// Dotted lines on the margins and through the page's centre.
void PageView::paintGuideLines(QPainter &painter, const QRectF &page) const
{
    const QSizeF paper = pageSizeTwips();
    const double sx = page.width() / paper.width();
    const double sy = page.height() / paper.height();
    const double left = m_document ? m_document->marginLeft() : 0;
    const double top = m_document ? m_document->marginTop() : 0;
    const double right = m_document ? m_document->marginRight() : 0;
    const double bottom = m_document ? m_document->marginBottom() : 0;
    const QRectF margins(page.left() + left * sx, page.top() + top * sy,
                         page.width() - (left + right) * sx - 1, page.height() - (top + bottom) * sy - 1);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0, 0, 160), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(margins);
    painter.drawLine(QPointF(margins.center().x(), margins.top()),
                     QPointF(margins.center().x(), margins.bottom()));
    painter.drawLine(QPointF(margins.left(), margins.center().y()),
                     QPointF(margins.right(), margins.center().y()));
}

void PageView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    updateNavigation();
}

void PageView::keyPressEvent(QKeyEvent *event)
{
    const bool scrolls = verticalScrollBar()->maximum() > 0;
    switch (event->key()) {
    case Qt::Key_PageDown:
        if (!scrolls || verticalScrollBar()->value() == verticalScrollBar()->maximum())
            return nextPage();
        break;
    case Qt::Key_PageUp:
        if (!scrolls || verticalScrollBar()->value() == 0)
            return previousPage();
        break;
    case Qt::Key_Home:
        return setCurrentPage(1);
    case Qt::Key_End:
        return setCurrentPage(m_document ? m_document->pageCount() : 1);
    default:
        break;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void PageView::wheelEvent(QWheelEvent *event)
{
    if (m_zoom == Zoom::PageWidth) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const int steps = event->angleDelta().y();
    if (steps < 0)
        nextPage();
    else if (steps > 0)
        previousPage();
    event->accept();
}

void PageView::scrollContentsBy(int, int)
{
    viewport()->update();
}

} // namespace tq
