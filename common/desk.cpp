#include "common/desk.h"

#include "common/ini_file.h"
#include "common/office_folder.h"

QString deskNumber() {
    const QString desk = IniFile(officeFolder().iniPath())
                             .text(QStringLiteral("Office"), QStringLiteral("desk"))
                             .trimmed();
    if (desk.size() != 1 || desk[0].unicode() > 127 || !desk[0].isLetterOrNumber()) return {};
    return desk;
}
