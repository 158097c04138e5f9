#pragma once
// What the actuarial entry boxes do to their text on every change.
#include <QString>

namespace tq {

struct EntryFilterResult {
    QString text;
    bool changed = false;            // put the caret at the end
    bool showMaximumMessage = false; // the value was cut to 100
};

// Amount box: only a trailing digit may be added.
EntryFilterResult filterDigitEntry(const QString &text);
// Payments and year boxes: as above, and nothing above 100.
EntryFilterResult filterCappedEntry(const QString &text);

inline constexpr char16_t kMaximumEntryTitle[] = u"Maximum Entry";
inline constexpr char16_t kMaximumEntryText[] = u"Maximum entry for this input box is 100";

} // namespace tq
