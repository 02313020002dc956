// Building the controls of the partner list TFMupche.

#include "common/query_model.h"
#include "people/tfmupche.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* shownValue(QWidget* parent, const char* name, int width) {
    auto* label = named(new QLabel(parent), name);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(width);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return label;
}

}  // namespace

void TFMupche::buildForm() {
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(buildSearchArea());
    auto* middle = new QHBoxLayout;
    DBGrid1 = named(new QTableView(this), "DBGrid1");
    model_ = new QueryModel(QRupche, this);
    DBGrid1->setModel(model_);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->verticalHeader()->setDefaultSectionSize(22);
    middle->addWidget(DBGrid1, 1);
    middle->addWidget(buildButtonColumn());
    outer->addLayout(middle, 1);
    outer->addWidget(buildBottomStrip());
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusCount = named(new QLabel(StatusBar1), "StatusCount");
    StatusBar1->addWidget(StatusCount, 1);
    outer->addWidget(StatusBar1);
    resize(900, 600);
}

QWidget* TFMupche::buildSearchArea() {
    auto* area = new QGroupBox(QStringLiteral("검색조건"), this);
    auto* layout = new QHBoxLayout(area);
    const struct {
        const char* name;
        const char* caption;
        QLineEdit** edit;
        int width;
    } fields[] = {{"EDcomno", "거래처번호", &EDcomno, 120},
                  {"EDcomname", "거래처명", &EDcomname, 150},
                  {"EDname", "대표자", &EDname, 100},
                  {"EDaddr", "주소", &EDaddr, 180}};
    for (const auto& f : fields) {
        layout->addWidget(new QLabel(QString::fromUtf8(f.caption), area));
        *f.edit = named(new QLineEdit(area), f.name);
        (*f.edit)->setMinimumWidth(f.width);
        layout->addWidget(*f.edit);
    }
    BTinq = named(new QPushButton(QStringLiteral("검색 !"), area), "BTinq");
    BTinq->setAutoDefault(false);
    layout->addWidget(BTinq);
    layout->addStretch(1);
    return area;
}

QWidget* TFMupche::buildButtonColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto button = [column](const char* name, const char* text, const char* hint) {
        auto* b = named(new QPushButton(QString::fromUtf8(text), column), name);
        if (*hint) b->setToolTip(QString::fromUtf8(hint));
        b->setAutoDefault(false);
        b->setMinimumSize(96, 34);
        return b;
    };
    BTinp = button("BTinp", "등록", "신규 거래처 등록");
    BTmod = button("BTmod", "수정", "선택한 거래처 수정");
    BTdel = button("BTdel", "삭제", "선택한 거래처 삭제");
    BTprint = button("BTprint", "Print", "검색중인 자료 출력");
    BTpreview = button("BTpreview", "미리보기", "출력할 내용을 화면으로 미리 봅니다");
    BTcsv = button("BTcsv", "CSV 저장", "검색중인 거래처를 CSV 파일로 저장");
    BTquit = button("BTquit", "종료", "메인화면으로 복귀");
    for (QPushButton* b : {BTinp, BTmod, BTdel, BTprint, BTpreview, BTcsv})
        layout->addWidget(b);
    layout->addStretch(1);
    layout->addWidget(BTquit);
    return column;
}

QWidget* TFMupche::buildBottomStrip() {
    auto* strip = new QWidget(this);
    auto* grid = new QGridLayout(strip);
    grid->setContentsMargins(0, 0, 0, 0);
    DBTaddr = shownValue(strip, "DBTaddr", 320);
    DBTzip = shownValue(strip, "DBTzip", 80);
    DBTremark = shownValue(strip, "DBTremark", 160);
    DBTupjong = shownValue(strip, "DBTupjong", 160);
    DBTupta = shownValue(strip, "DBTupta", 120);
    DBTfmoney = shownValue(strip, "DBTfmoney", 120);
    DBTfmoney->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const struct {
        const char* caption;
        QLabel* value;
        int row;
        int column;
    } parts[] = {{"주소", DBTaddr, 0, 0},   {"우편번호", DBTzip, 0, 2},
                 {"비고", DBTremark, 0, 4}, {"업종", DBTupjong, 1, 0},
                 {"업태", DBTupta, 1, 2},   {"초기미수", DBTfmoney, 1, 4}};
    for (const auto& p : parts) {
        grid->addWidget(new QLabel(QString::fromUtf8(p.caption), strip), p.row, p.column);
        grid->addWidget(p.value, p.row, p.column + 1, Qt::AlignVCenter);
    }
    LBcomname = named(new QLabel(strip), "LBcomname");
    QFont bold = LBcomname->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    LBcomname->setFont(bold);
    grid->addWidget(LBcomname, 0, 6);
    RG1 = named(new QGroupBox(QStringLiteral("정렬순서"), strip), "RG1");
    auto* sort = new QHBoxLayout(RG1);
    RBcomname = named(new QRadioButton(QStringLiteral("업체명"), RG1), "RBcomname");
    RBcomno = named(new QRadioButton(QStringLiteral("업체코드"), RG1), "RBcomno");
    RBcomno->setChecked(true);
    sort->addWidget(RBcomname);
    sort->addWidget(RBcomno);
    grid->addWidget(RG1, 1, 6);
    grid->setColumnStretch(1, 1);
    return strip;
}
