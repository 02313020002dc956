#include "app/main_notices.h"

#include "backup/backup_settings.h"
#include "common/clock.h"
#include "common/dialogs.h"
#include "common/office_folder.h"
#include "tools/diary_entries.h"

#include <functional>

namespace {
using NoticePart = std::function<MainNotice()>;

// The parts of the notice, in the order they are shown.
const std::vector<NoticePart>& noticeParts() {
    static const std::vector<NoticePart> parts{
        [] {
            return MainNotice{diaryDayNotice(appClock().today()), {}};
        },
        [] {
            const BackupNotice notice =
                backupNotice(readBackupState(officeFolder()), appClock().now());
            return MainNotice{notice.text, notice.detail};
        },
    };
    return parts;
}
}  // namespace

MainNotice joinNotices(const std::vector<MainNotice>& parts) {
    QStringList texts;
    QStringList details;
    for (const MainNotice& part : parts) {
        if (part.text.isEmpty()) continue;
        texts.append(part.text);
        details.append(part.detail.isEmpty() ? part.text : part.detail);
    }
    return {texts.join(QStringLiteral("  ·  ")), details.join(u'\n')};
}

MainNotice mainNotice() {
    std::vector<MainNotice> parts;
    for (const NoticePart& part : noticeParts()) {
        // A part that cannot be read is shown as an error; the others still speak.
        try {
            parts.push_back(part());
        } catch (const std::exception& error) {
            dialogs().showError(error);
        }
    }
    return joinNotices(parts);
}
