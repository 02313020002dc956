#include "contracts/tfmcontract.h"

#include "common/action_guard.h"
#include "contracts/tfmcont_inq.h"
#include "contracts/tfmimdae.h"
#include "contracts/tfmjungga.h"
#include "contracts/tfmmama.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton* chooserButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setMinimumHeight(36);
    return button;
}
}  // namespace

TFMcontract::TFMcontract(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("TFMcontract"));
    setWindowTitle(QStringLiteral("계약서"));
    LBscancode = new QLabel(this);
    LBscancode->setObjectName(QStringLiteral("LBscancode"));
    LBscancode->hide();
    auto* heading = new QLabel(QStringLiteral("계약서 작성.관리.출력"), this);
    heading->setObjectName(QStringLiteral("LBheading"));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 3);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    BitBtn1 = chooserButton(this, "BitBtn1", QStringLiteral("임대차  계약서"));
    BitBtn2 = chooserButton(this, "BitBtn2", QStringLiteral("매  매  계약서"));
    BitBtn4 = chooserButton(this, "BitBtn4", QStringLiteral("계약서 검색"));
    BitBtn5 = chooserButton(this, "BitBtn5", QStringLiteral("중개대상물 확인 설명서"));
    BitBtn3 = chooserButton(this, "BitBtn3", QStringLiteral("종  료"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(8);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn4, BitBtn5})
        layout->addWidget(b);
    layout->addSpacing(8);
    layout->addWidget(BitBtn3);
    setFixedWidth(280);

    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { openDocument<TFMimdae>(); }));
    connect(BitBtn2, &QPushButton::clicked, this, guarded([this] { openDocument<TFMmama>(); }));
    connect(BitBtn4, &QPushButton::clicked, this, guarded([this] { openSearch(); }));
    connect(BitBtn5, &QPushButton::clicked, this, guarded([this] { openDocument<TFMjungGa>(); }));
    connect(BitBtn3, &QPushButton::clicked, this, [this] { reject(); });
    setEscapeCancels();
}

template <typename Form>
void TFMcontract::openDocument() {
    Form form(this);
    form.LBscancode->setText(LBscancode->text());
    form.exec();
}

void TFMcontract::openSearch() {
    TFMcont_inq search(this);
    search.exec();
}
