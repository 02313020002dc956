#include "app/main_notices.h"

#include "common/clock.h"
#include "common/dialogs.h"
#include "tools/diary_entries.h"

#include <functional>
#include <vector>

namespace {
using NoticePart = std::function<QString()>;

// The parts of the notice, in the order they are shown.
const std::vector<NoticePart>& noticeParts() {
    static const std::vector<NoticePart> parts{
        [] { return diaryDayNotice(appClock().today()); },
    };
    return parts;
}
}  // namespace

QString joinNotices(const QStringList& parts) {
    QStringList said;
    for (const QString& part : parts) {
        if (!part.isEmpty()) said.append(part);
    }
    return said.join(QStringLiteral("  ·  "));
}

QString mainNoticeText() {
    QStringList parts;
    for (const NoticePart& part : noticeParts()) {
        // A part that cannot be read is shown as an error; the others still speak.
        try {
            parts.append(part());
        } catch (const std::exception& error) {
            dialogs().showError(error);
        }
    }
    return joinNotices(parts);
}
