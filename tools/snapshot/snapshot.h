#pragma once
// A scene puts windows into a state and saves PNG files into the output folder.
#include "components/program.h"

#include <QString>
#include <functional>

namespace tq::snapshot {

struct Context {
    Program &program;
    QString outputFolder;
    // Saves the widget (or the whole window) as <outputFolder>/<name>.png.
    void save(QWidget *widget, const QString &name) const;
    void saveImage(const QImage &image, const QString &name) const;
};

using Scene = std::function<void(Context &)>;
bool registerScene(const char *name, Scene scene);

} // namespace tq::snapshot

#define TQ_SNAPSHOT_SCENE_CAT2(a, b) a##b
#define TQ_SNAPSHOT_SCENE_CAT(a, b) TQ_SNAPSHOT_SCENE_CAT2(a, b)
// TQ_SNAPSHOT_SCENE("launcher-full") { ... uses ctx ... }
#define TQ_SNAPSHOT_SCENE(name)                                                                                       \
    static void TQ_SNAPSHOT_SCENE_CAT(scene_, __LINE__)(tq::snapshot::Context & ctx);                                 \
    static const bool TQ_SNAPSHOT_SCENE_CAT(registered_, __LINE__) =                                                  \
        tq::snapshot::registerScene(name, TQ_SNAPSHOT_SCENE_CAT(scene_, __LINE__));                                   \
    static void TQ_SNAPSHOT_SCENE_CAT(scene_, __LINE__)(tq::snapshot::Context & ctx)
