#include "common/changed_elsewhere.h"

#include "common/desk.h"
#include "common/dialogs.h"
#include "data/query.h"

void noteChangedField(QStringList& lines, const QString& caption, const QString& before,
                      const QString& after) {
    if (before == after) return;
    const auto shown = [](const QString& value) {
        return value.isEmpty() ? QStringLiteral("(빈칸)") : value;
    };
    lines.append(QStringLiteral("%1: %2 → %3").arg(caption, shown(before), shown(after)));
}

ChangedElsewhereChoice askChangedElsewhere(const QString& thing, const QString& desk,
                                           const QStringList& changes) {
    const QString where = desk.isEmpty() ? QString() : QStringLiteral("(%1번)").arg(desk);
    const QString text =
        QStringLiteral(
            "다른 자리%1에서 이 %2 먼저 수정하였습니다.\n\n%3\n\n"
            "예: 다른 자리의 내용을 다시 읽습니다 (이 화면에서 고친 내용은 버립니다).\n"
            "아니오: 이 화면의 내용으로 덮어씁니다.\n"
            "취소: 저장하지 않고 이 화면으로 돌아갑니다.")
            .arg(where, thing,
                 changes.isEmpty() ? QStringLiteral("바뀐 항목은 없습니다.") : changes.join(u'\n'));
    switch (dialogs().message(Dialogs::Icon::Question, text, Dialogs::Buttons::YesNoCancel)) {
        case Dialogs::Answer::Yes:
            return ChangedElsewhereChoice::ReadAgain;
        case Dialogs::Answer::No:
            return ChangedElsewhereChoice::Overwrite;
        default:
            return ChangedElsewhereChoice::Cancel;
    }
}

bool claimRowChange(Database& database, const QString& table, const QString& keyField,
                    const QVariant& key, qint64 loaded) {
    Query claim(&database);
    claim.add(QStringLiteral("update \"%1\" C set C.\"changes\" = :next, C.\"changedby\" = :desk")
                  .arg(table));
    claim.add(QStringLiteral(" where C.\"%1\" = :key and coalesce(C.\"changes\", 0) = :loaded")
                  .arg(keyField.isEmpty() ? QStringLiteral("rowid") : keyField));
    claim.setParam(QStringLiteral("next"), loaded + 1);
    claim.setParam(QStringLiteral("desk"), deskNumber());
    claim.setParam(QStringLiteral("key"), key);
    claim.setParam(QStringLiteral("loaded"), loaded);
    return claim.exec() == 1;
}

QString countedChangeAssignments(const QString& alias) {
    return QStringLiteral(
               ", %1.\"changes\" = coalesce(%1.\"changes\", 0) + 1, "
               "%1.\"changedby\" = :changedby")
        .arg(alias);
}

void setCountedChangeParams(Query& query) {
    query.setParam(QStringLiteral("changedby"), deskNumber());
}
