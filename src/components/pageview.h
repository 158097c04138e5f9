#pragma once
// Shows one page of a PrintDocument, either whole or scaled to the view's
// width and scrolled, with optional guide lines and page navigation.
#include <QAbstractScrollArea>
#include <QPointer>

class QLabel;
class QToolButton;

namespace tq {

class PrintDocument;

class PageView : public QAbstractScrollArea
{
    Q_OBJECT
public:
    enum class Zoom { WholePage, PageWidth };

    explicit PageView(QWidget *parent = nullptr);
    ~PageView() override;

    // The view shows page 1 each time the document ends.
    void setDocument(PrintDocument *document);
    PrintDocument *document() const { return m_document; }

    int currentPage() const { return m_page; }
    void setCurrentPage(int pageNumber);
    void nextPage() { setCurrentPage(m_page + 1); }
    void previousPage() { setCurrentPage(m_page - 1); }

    Zoom zoom() const { return m_zoom; }
    void setZoom(Zoom zoom);
    bool guideLines() const { return m_guideLines; }
    void setGuideLines(bool on);

    // Where the page is drawn, in viewport pixels.
    QRectF pageRect() const;

Q_SIGNALS:
    void currentPageChanged(int pageNumber);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSizeF pageSizeTwips() const;
    void documentEnded();
    void updateScrollRange();
    void updateNavigation();
    void paintGuideLines(QPainter &painter, const QRectF &page) const;

    QPointer<PrintDocument> m_document;
    int m_page = 1;
    Zoom m_zoom = Zoom::WholePage;
    bool m_guideLines = false;
    QWidget *m_navigation = nullptr;
    QToolButton *m_previous = nullptr;
    QToolButton *m_next = nullptr;
    QLabel *m_pageLabel = nullptr;
};

} // namespace tq
