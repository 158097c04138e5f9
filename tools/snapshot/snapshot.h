#pragma once
// A scene puts windows into a state and saves PNG files into the output folder.
#include "components/program.h"
#include "unattended.h"

#include <QApplication>
#include <QDialog>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>

namespace tq::snapshot {

struct Context {
    Program &program;
    QString outputFolder;
    // Saves the widget (or the whole window) as <outputFolder>/<name>.png.
    void save(QWidget *widget, const QString &name) const;
    void saveImage(const QImage &image, const QString &name) const;
    // The display mode, with the launcher at that mode's usual size (800 x 600
    // smaller, 1366 x 740 full screen) unless a geometry is given.
    Context &useDisplay(DisplayMode mode, const QRect &launcherGeometry = {});
};

// A tool window shown over a stand-in launcher, closed with the scene.
template <typename W> struct ToolWindowScene {
    QWidget launcher;
    W *window;

    explicit ToolWindowScene(Context &ctx) : window(new W(ctx.program, &launcher))
    {
        window->show();
        window->activateWindow();
        QApplication::processEvents();
    }
    ~ToolWindowScene() { delete window; }
    ToolWindowScene(const ToolWindowScene &) = delete;
    ToolWindowScene &operator=(const ToolWindowScene &) = delete;
};

// Opens the window, lets `before` put it into a state, saves it as `name`.
template <typename W>
void renderToolWindow(Context &ctx, const QString &name, const std::function<void(W &)> &before = {})
{
    ToolWindowScene<W> scene(ctx);
    if (before)
        before(*scene.window);
    QApplication::processEvents();
    ctx.save(scene.window, name);
}

// Answers every prompt with its default, and photographs the program's own
// dialog (spelling, earlier versions) as `name` before it counts as cancelled.
class PhotographingPrompter : public DefaultAnswerPrompter
{
public:
    PhotographingPrompter(Context &ctx, const QString &name) : m_ctx(ctx), m_name(name) {}

protected:
    int showDialog(QDialog &dialog) override
    {
        dialog.show();
        QApplication::processEvents();
        m_ctx.save(&dialog, m_name);
        return QDialog::Rejected;
    }

private:
    Context &m_ctx;
    QString m_name;
};

using Scene = std::function<void(Context &)>;
bool registerScene(const char *name, Scene scene);

} // namespace tq::snapshot

#define TQ_SNAPSHOT_SCENE_CAT2(a, b) a##b
#define TQ_SNAPSHOT_SCENE_CAT(a, b) TQ_SNAPSHOT_SCENE_CAT2(a, b)
// TQ_SNAPSHOT_SCENE("launcher-full") { ... uses ctx ... }
#define TQ_SNAPSHOT_SCENE(name)                                                                              \
    static void TQ_SNAPSHOT_SCENE_CAT(scene_, __LINE__)(tq::snapshot::Context & ctx);                        \
    static const bool TQ_SNAPSHOT_SCENE_CAT(registered_, __LINE__) =                                         \
        tq::snapshot::registerScene(name, TQ_SNAPSHOT_SCENE_CAT(scene_, __LINE__));                          \
    static void TQ_SNAPSHOT_SCENE_CAT(scene_, __LINE__)(tq::snapshot::Context & ctx)
