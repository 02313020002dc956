#include "contracts/tfmmy_lst.h"

#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "data/transaction.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
struct OfficeField {
    const char* control;
    const char* field;
    const char* label;
    int bytes;
    int widthChars;
};
constexpr OfficeField kFields[] = {
    {"DBComname1", "Comname1", "대표자", 8, 12},
    {"DBComtitle1", "Comtitle1", "사무소 명칭", 20, 24},
    {"DBComadd1", "Comadd1", "사무소 소재지", 60, 62},
    {"DBComtel1", "Comtel1", "전화", 14, 18},
    {"DBComno1", "Comno1", "허가번호", 15, 19},
};
}  // namespace

TFMmy_lst::TFMmy_lst(QWidget* parent) : TaskForm(parent), TBmy(QStringLiteral("MY.DB")) {
    setObjectName(QStringLiteral("TFMmy_lst"));
    setWindowTitle(QStringLiteral("중개소 기본정보"));
    buildControls();
    connect(BTinp, &QPushButton::clicked, this, guarded([this] { save(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] {
        confirmed_ = true;
        reject();
    });
    setEscapePresses(BTquit, [this] { return changed(); });
}

void TFMmy_lst::buildControls() {
    auto* grid = new QGridLayout;
    QLineEdit** edits[] = {&DBComname1, &DBComtitle1, &DBComadd1, &DBComtel1, &DBComno1};
    int row = 0;
    for (const OfficeField& f : kFields) {
        auto* label = new QLabel(QString::fromUtf8(f.label), this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(f.control));
        limitCp949(edit, f.bytes);
        edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) *
                              f.widthChars);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1, Qt::AlignLeft);
        *edits[row] = edit;
        ++row;
    }
    BTinp = new QPushButton(QStringLiteral("확인"), this);
    BTinp->setObjectName(QStringLiteral("BTinp"));
    BTinp->setToolTip(QStringLiteral("기본정보를 등록합니다"));
    BTquit = new QPushButton(QStringLiteral("취소"), this);
    BTquit->setObjectName(QStringLiteral("BTquit"));
    BTquit->setToolTip(QStringLiteral("이전화면으로 복귀"));
    BTinp->setAutoDefault(false);
    BTquit->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BTinp);
    buttons->addWidget(BTquit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    FocusKeys::install({DBComname1, DBComtitle1, DBComadd1, DBComtel1, DBComno1}, true);
}

void TFMmy_lst::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    formActivate();
}

void TFMmy_lst::formActivate() {
    if (activated_) return;
    activated_ = true;
    const bool read = runGuarded([this] {
        TBmy.open();
        QLineEdit* edits[] = {DBComname1, DBComtitle1, DBComadd1, DBComtel1, DBComno1};
        for (int i = 0; i < 5; ++i) {
            const QString value =
                TBmy.eof() ? QString() : TBmy.text(QString::fromLatin1(kFields[i].field));
            edits[i]->setText(value);
            loaded_.append(value);
        }
        TBmy.close();
    });
    if (!read) QTimer::singleShot(0, this, [this] { QDialog::reject(); });
    DBComname1->setFocus();
}

bool TFMmy_lst::changed() const {
    const QLineEdit* edits[] = {DBComname1, DBComtitle1, DBComadd1, DBComtel1, DBComno1};
    for (int i = 0; i < 5 && i < loaded_.size(); ++i) {
        if (edits[i]->text() != loaded_[i]) return true;
    }
    return false;
}

// The office's row is written as a whole: the first row when there is one,
// else a new row.
void TFMmy_lst::save() {
    const QLineEdit* edits[] = {DBComname1, DBComtitle1, DBComadd1, DBComtel1, DBComno1};
    Transaction transaction(Database::qdb3());
    TBmy.open();
    try {
        if (TBmy.eof()) {
            TBmy.append();
        } else {
            TBmy.edit();
        }
        for (int i = 0; i < 5; ++i)
            TBmy.setValue(QString::fromLatin1(kFields[i].field), edits[i]->text());
        TBmy.post();
    } catch (...) {
        TBmy.cancel();
        TBmy.close();
        throw;
    }
    TBmy.close();
    transaction.commit();
    confirmed_ = true;
    accept();
}

void TFMmy_lst::reject() {
    if (!confirmed_ && changed() && !dialogs().askYesNo(escapeQuestion())) return;
    QDialog::reject();
}
