// Placeholder until the preview panel lands; keeps the frame linkable.
#include "frame/reportpreview.h"

namespace tq {

struct ReportPreview::Impl {};

ReportPreview::ReportPreview(Program &, Options, QWidget *parent) : QFrame(parent), d(new Impl) { hide(); }
ReportPreview::~ReportPreview() { delete d; }
void ReportPreview::open() {}
void ReportPreview::rebuild() {}
bool ReportPreview::isShown() const { return isVisible(); }
bool ReportPreview::isEnlarged() const { return false; }
void ReportPreview::toggleEnlarge() {}
void ReportPreview::cancel() { hide(); }
void ReportPreview::windowActivated(bool) {}

} // namespace tq
