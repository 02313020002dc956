#include "people/tfmsizeset.h"

#include "common/action_guard.h"
#include "common/dialogs.h"
#include "common/ini_file.h"
#include "people/label_presets.h"
#include "people/label_print.h"
#include "people/tfmini.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
const QString kTooSmall =
    QStringLiteral("라벨의 크기가 1mm보다 작습니다. 여유, 사이, 줄수와 열수를 확인하세요 ...!");
const QString kNotWritten =
    QStringLiteral("Lablo.ini 파일에 저장할 수 없습니다. 폴더의 쓰기 권한을 확인하세요 ...!");

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QSpinBox* spin(QWidget* parent, const char* name, int least, int most) {
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(least, most);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QLineEdit* resultField(QWidget* parent, const char* name) {
    auto* field = named(new QLineEdit(parent), name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}
}  // namespace

TFMsizeset::TFMsizeset(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMsizeset"));
    setWindowTitle(QStringLiteral("라벨폼 설정"));
    setFont(QFont(QStringLiteral("굴림체"), 10));
    openPrinterSettings = [](QWidget* owner) {
        TFMini form(owner);
        form.exec();
    };
    buildControls();
    placeControls();
}

void TFMsizeset::buildControls() {
    using namespace label_limits;
    EDleftMargin = spin(this, "EDleftMargin", kLeastLength, kMostLength);
    EDrightMargin = spin(this, "EDrightMargin", kLeastLength, kMostLength);
    EDtopMargin = spin(this, "EDtopMargin", kLeastLength, kMostLength);
    EDbottomMargin = spin(this, "EDbottomMargin", kLeastLength, kMostLength);
    EDhterm = spin(this, "EDhterm", kLeastLength, kMostLength);
    EDvterm = spin(this, "EDvterm", kLeastLength, kMostLength);
    EDcolcount = spin(this, "EDcolcount", 1, kMostColumns);
    EDrowCount = spin(this, "EDrowCount", 1, kMostRows);
    EDhorizontalL = spin(this, "EDhorizontalL", kLeastPaper, kMostPaper);
    EDverticalL = spin(this, "EDverticalL", kLeastPaper, kMostPaper);
    EDxLength = resultField(this, "EDxLength");
    EDyLength = resultField(this, "EDyLength");
    EDlm = resultField(this, "EDlm");
    EDrm = resultField(this, "EDrm");
    EDtm = resultField(this, "EDtm");
    EDbm = resultField(this, "EDbm");
    CBpreset = named(new QComboBox(this), "CBpreset");
    CBpreset->addItem(QStringLiteral("직접 입력"));
    for (const LabelPreset& preset : labelPresets())
        CBpreset->addItem(preset.name);
    BTset = named(new QPushButton(QStringLiteral("저 장"), this), "BTset");
    BTprtset = named(new QPushButton(QStringLiteral("Print 설정"), this), "BTprtset");
    BTalign = named(new QPushButton(QStringLiteral("맞춤 인쇄"), this), "BTalign");
    BTalign->setToolTip(QStringLiteral("라벨 외곽선만 한 장 인쇄하여 라벨 용지에 겹쳐 봅니다"));
    BTquit = named(new QPushButton(QStringLiteral("종 료"), this), "BTquit");
    for (QPushButton* button : {BTset, BTprtset, BTalign, BTquit})
        button->setAutoDefault(false);
    Bevel1 = named(new SheetDrawing(this), "Bevel1");

    for (QSpinBox* box : findChildren<QSpinBox*>())
        connect(box, &QSpinBox::valueChanged, this, [this] { fieldsChanged(); });
    connect(CBpreset, &QComboBox::activated, this, [this](int index) { presetChosen(index); });
    connect(BTset, &QPushButton::clicked, this, guarded([this] { save(); }));
    connect(BTprtset, &QPushButton::clicked, this, guarded([this] { printerSettings(); }));
    connect(BTalign, &QPushButton::clicked, this, guarded([this] { printAlignment(); }));
    connect(BTquit, &QPushButton::clicked, this, &QDialog::close);
}

void TFMsizeset::placeControls() {
    auto* fields = new QGroupBox(QStringLiteral("단위 0.1 MM"), this);
    auto* form = new QFormLayout(fields);
    form->addRow(QStringLiteral("라벨 용지"), CBpreset);
    form->addRow(QStringLiteral("좌측 여유"), EDleftMargin);
    form->addRow(QStringLiteral("우측 여유"), EDrightMargin);
    form->addRow(QStringLiteral("상부 여유"), EDtopMargin);
    form->addRow(QStringLiteral("바닥 여유"), EDbottomMargin);
    form->addRow(QStringLiteral("좌우 사이"), EDhterm);
    form->addRow(QStringLiteral("상하 사이"), EDvterm);
    form->addRow(QStringLiteral("세로 열수"), EDcolcount);
    form->addRow(QStringLiteral("가로 줄수"), EDrowCount);
    form->addRow(QStringLiteral("용지 가로"), EDhorizontalL);
    form->addRow(QStringLiteral("용지 세로"), EDverticalL);

    auto* size = new QGroupBox(QStringLiteral("라벨 크기(MM)"), this);
    auto* sizeForm = new QFormLayout(size);
    sizeForm->addRow(QStringLiteral("가로"), EDxLength);
    sizeForm->addRow(QStringLiteral("세로"), EDyLength);

    auto* gutters = new QGroupBox(QStringLiteral("프린터 기본 마진(MM)"), this);
    auto* gutterGrid = new QGridLayout(gutters);
    gutterGrid->addWidget(new QLabel(QStringLiteral("좌측"), gutters), 0, 0);
    gutterGrid->addWidget(EDlm, 0, 1);
    gutterGrid->addWidget(new QLabel(QStringLiteral("우측"), gutters), 0, 2);
    gutterGrid->addWidget(EDrm, 0, 3);
    gutterGrid->addWidget(new QLabel(QStringLiteral("상부"), gutters), 1, 0);
    gutterGrid->addWidget(EDtm, 1, 1);
    gutterGrid->addWidget(new QLabel(QStringLiteral("하부"), gutters), 1, 2);
    gutterGrid->addWidget(EDbm, 1, 3);

    auto* buttons = new QGridLayout;
    buttons->addWidget(BTset, 0, 0);
    buttons->addWidget(BTprtset, 0, 1);
    buttons->addWidget(BTalign, 1, 0);
    buttons->addWidget(BTquit, 1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(fields);
    left->addWidget(size);
    left->addWidget(gutters);
    left->addLayout(buttons);
    left->addStretch();

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(Bevel1);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setMinimumWidth(560);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(scroll, 1);
    resize(900, 800);
}

void TFMsizeset::showEvent(QShowEvent* event) {
    TaskForm::showEvent(event);
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMsizeset::formActivate() {
    showGeometry();
}

void TFMsizeset::showGeometry() {
    filling_ = true;
    EDleftMargin->setValue(geometry.leftMargin);
    EDrightMargin->setValue(geometry.rightMargin);
    EDtopMargin->setValue(geometry.topMargin);
    EDbottomMargin->setValue(geometry.bottomMargin);
    EDhterm->setValue(geometry.hterm);
    EDvterm->setValue(geometry.vterm);
    EDcolcount->setValue(geometry.colCount);
    EDrowCount->setValue(geometry.rowCount);
    EDhorizontalL->setValue(geometry.paperWidth);
    EDverticalL->setValue(geometry.paperHeight);
    filling_ = false;
    showResults();
}

void TFMsizeset::fieldsChanged() {
    if (filling_) return;
    geometry.leftMargin = EDleftMargin->value();
    geometry.rightMargin = EDrightMargin->value();
    geometry.topMargin = EDtopMargin->value();
    geometry.bottomMargin = EDbottomMargin->value();
    geometry.hterm = EDhterm->value();
    geometry.vterm = EDvterm->value();
    geometry.colCount = EDcolcount->value();
    geometry.rowCount = EDrowCount->value();
    geometry.paperWidth = EDhorizontalL->value();
    geometry.paperHeight = EDverticalL->value();
    showResults();
}

void TFMsizeset::showResults() {
    EDxLength->setText(tenthsAsMillimetres(geometry.labelWidth()));
    EDyLength->setText(tenthsAsMillimetres(geometry.labelHeight()));
    EDlm->setText(tenthsAsMillimetres(geometry.gutterLeft));
    EDrm->setText(tenthsAsMillimetres(geometry.gutterRight));
    EDtm->setText(tenthsAsMillimetres(geometry.gutterTop));
    EDbm->setText(tenthsAsMillimetres(geometry.gutterBottom));
    Bevel1->setGeometryToDraw(geometry);
}

void TFMsizeset::presetChosen(int index) {
    const auto& presets = labelPresets();
    if (index < 1 || index > static_cast<int>(presets.size())) return;
    geometry = appliedPreset(geometry, presets[static_cast<size_t>(index - 1)]);
    showGeometry();
}

void TFMsizeset::save() {
    if (!geometry.labelFits()) {
        dialogs().information(kTooSmall);
        return;
    }
    IniFile ini(labelSettingsPath());
    writeLabelGeometry(ini, geometry);
    if (!ini.save()) dialogs().warning(kNotWritten);
}

void TFMsizeset::printerSettings() {
    if (openPrinterSettings) openPrinterSettings(this);
    // The printer form may have saved new gutters; the labels keep their
    // place on the paper.
    readGutters(IniFile(labelSettingsPath()), geometry);
    showGeometry();
}

void TFMsizeset::printAlignment() {
    if (!geometry.labelFits()) {
        dialogs().information(kTooSmall);
        return;
    }
    const LabelGeometry sheet = geometry;
    const Dialogs::PrintRequest request{
        QStringLiteral("라벨 용지 맞춤"), PrintDevice::Orientation::Portrait,
        [sheet](PrintDevice& device) { printAlignmentSheet(device, sheet); }};
    dialogs().print(request);
}

SheetDrawing::SheetDrawing(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setFrameShadow(QFrame::Sunken);
}

void SheetDrawing::setGeometryToDraw(const LabelGeometry& geometry) {
    geometry_ = geometry;
    const QSize paper = geometry.screenPaper();
    setFixedSize(paper.width() + 8, paper.height() + 8);
    update();
}

QPoint SheetDrawing::paperOrigin() const {
    return {4, height() - 4 - geometry_.screenPaper().height()};
}

void SheetDrawing::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QPoint origin = paperOrigin();
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(origin, geometry_.screenPaper()));
    if (!geometry_.labelFits()) return;
    painter.setPen(Qt::blue);
    for (int row = 0; row < geometry_.rowCount; ++row) {
        for (int col = 0; col < geometry_.colCount; ++col)
            painter.drawRect(geometry_.drawnLabel(row, col).translated(origin));
    }
}
