#include "common/person_code_lists.h"

#include "data/query.h"

#include <QComboBox>

namespace {
constexpr int kModeWithAll = 4;
const QString kCategories = QStringLiteral("CGPR");
}  // namespace

PersonCodeLists::PersonCodeLists() {
    lists_[0] = QStringList{QString()};
}

const QStringList& PersonCodeLists::list(int index) const {
    static const QStringList none;
    if (index < 0 || index >= kCount)
        return none;
    return lists_[static_cast<size_t>(index)];
}

QChar PersonCodeLists::categoryOf(int index) {
    return index >= 1 && index < kCount ? kCategories.at(index - 1) : QChar();
}

void PersonCodeLists::load(Query& query) {
    for (int index = 1; index < kCount; ++index) {
        lists_[static_cast<size_t>(index)] = readPersonCodes(query, categoryOf(index));
    }
}

QStringList readPersonCodes(Query& query, QChar category) {
    // The category letter is one of the program's own, never typed text.
    query.clear();
    query.clearParams();
    query.add(QStringLiteral("select C.\"code\" from \"MANCODE.DB\" C where C.\"gubun\" = \"%1\" ")
                  .arg(category));
    query.add(QStringLiteral("order by C.\"code\""));
    query.open();
    QStringList codes;
    for (query.first(); !query.eof(); query.next())
        codes.append(query.text(QStringLiteral("code")));
    query.close();
    return codes;
}

void fillWithPersonCodes(QComboBox& box, const QStringList& codes, int mode) {
    box.clear();
    if (mode == kModeWithAll)
        box.addItem(QStringLiteral("전체"));
    box.addItems(codes);
    if (box.count() > 0)
        box.setCurrentIndex(0);
}
