#pragma once
// The About window: product name, version, credits and the web-site link.
#include <QDialog>
#include <QList>
#include <QRect>

class QLabel;
class QMenu;
class QPushButton;

namespace tq {

struct Program;

class About1 : public QDialog
{
    Q_OBJECT
public:
    About1(Program &program, QWidget *launcher);

    static QString aboutText();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void sizeFromLauncher();
    void placeOverLauncher();
    int px(double twips) const;

    Program &m_program;
    QWidget *m_launcher;
    QLabel *m_link = nullptr;
    QPushButton *m_ok = nullptr;
    QMenu *m_contextMenu = nullptr;
    // Controls and their design rectangles, scaled with the window in full screen display.
    QList<std::pair<QWidget *, QRect>> m_design;
};

} // namespace tq
