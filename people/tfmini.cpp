#include "people/tfmini.h"

#include "common/action_guard.h"
#include "common/dialogs.h"
#include "common/ini_file.h"
#include "people/label_geometry.h"
#include "people/printer_settings.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kFormHint = QStringLiteral("프린터와 시스템을 링크합니다.");
const QString kResetHint = QStringLiteral("현재 연결된 프린터의 사양으로 재설정 합니다.");
const QString kSaveHint = QStringLiteral("현재 지정된 사양으로 프린터정보를 수정하여 저장 합니다.");
const QString kSaveQuestion = QStringLiteral("현재 설정사양을 저장 합니까 ...?");
const QString kNoPrinter = QStringLiteral(
    "연결된 프린터가 없어 사양을 읽을 수 없습니다. 프린터를 설치한 후 다시 하세요 ...!");
const QString kNotWritten =
    QStringLiteral("Lablo.ini 파일에 저장할 수 없습니다. 폴더의 쓰기 권한을 확인하세요 ...!");

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}
}  // namespace

TFMini::TFMini(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMini"));
    setWindowTitle(QStringLiteral("프린터 설정"));
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildControls();
    connect(Button1, &QPushButton::clicked, this, guarded([this] { resetFromPrinter(); }));
    connect(BitBtn1, &QPushButton::clicked, this, guarded([this] { save(); }));
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::close);
}

void TFMini::buildControls() {
    const auto& settingFields = printerSettingsFields();
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = named(new QLineEdit(this), settingFields[i].control);
        fields_[i]->setAlignment(Qt::AlignRight);
    }
    Edit1 = fields_[0], Edit2 = fields_[1], Edit3 = fields_[2], Edit4 = fields_[3];
    Edit5 = fields_[4], Edit6 = fields_[5], Edit7 = fields_[6], Edit8 = fields_[7];
    Edit9 = fields_[8], Edit10 = fields_[9];

    auto group = [this](const QString& title, const QList<QPair<QString, QLineEdit*>>& rows) {
        auto* box = new QGroupBox(title, this);
        auto* grid = new QGridLayout(box);
        for (int i = 0; i < rows.size(); ++i) {
            grid->addWidget(new QLabel(rows[i].first, box), i / 2, (i % 2) * 2);
            grid->addWidget(rows[i].second, i / 2, (i % 2) * 2 + 1);
        }
        return box;
    };
    const QString across = QStringLiteral("가로");
    const QString down = QStringLiteral("세로");
    auto* gutters = group(QStringLiteral("기본 마진 (MM)"), {{QStringLiteral("좌"), Edit7},
                                                             {QStringLiteral("우"), Edit8},
                                                             {QStringLiteral("상"), Edit9},
                                                             {QStringLiteral("하"), Edit10}});
    auto* resolution =
        group(QStringLiteral("프린트 해상도 (DPI)"), {{across, Edit5}, {down, Edit6}});
    auto* printable =
        group(QStringLiteral("프린트 가능 길이 (MM)"), {{across, Edit1}, {down, Edit2}});
    auto* perMm =
        group(QStringLiteral("미리미터당 픽셀 수 (MM)"), {{across, Edit3}, {down, Edit4}});

    Button1 = named(new QPushButton(QStringLiteral("프린터 사양 재설정"), this), "Button1");
    BitBtn1 = named(new QPushButton(QStringLiteral("저  장"), this), "BitBtn1");
    BitBtn2 = named(new QPushButton(QStringLiteral("종  료"), this), "BitBtn2");
    for (QPushButton* button : {Button1, BitBtn1, BitBtn2})
        button->setAutoDefault(false);
    StatusBar1 = named(new QLabel(kFormHint, this), "StatusBar1");
    StatusBar1->setFrameShape(QFrame::Panel);
    StatusBar1->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(gutters);
    layout->addWidget(resolution);
    layout->addWidget(printable);
    layout->addWidget(perMm);
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);
    resize(540, 420);

    installEventFilter(this);
    Button1->installEventFilter(this);
    BitBtn1->installEventFilter(this);
}

void TFMini::showEvent(QShowEvent* event) {
    TaskForm::showEvent(event);
    if (activated_) return;
    activated_ = true;
    runGuarded([this] { formActivate(); });
}

bool TFMini::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        if (watched == Button1)
            StatusBar1->setText(kResetHint);
        else if (watched == BitBtn1)
            StatusBar1->setText(kSaveHint);
        else if (watched == this)
            StatusBar1->setText(kFormHint);
    } else if (event->type() == QEvent::Leave && (watched == Button1 || watched == BitBtn1)) {
        StatusBar1->setText(kFormHint);
    }
    return TaskForm::eventFilter(watched, event);
}

void TFMini::formActivate() {
    const PrinterSettingsTexts texts = readPrinterSettings(IniFile(labelSettingsPath()));
    for (size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(texts[i]);
}

void TFMini::resetFromPrinter() {
    const std::optional<PrinterMeasurement> measured = measure ? measure() : std::nullopt;
    if (!measured) {
        dialogs().information(kNoPrinter);
        return;
    }
    const PrinterSettingsTexts texts = printerSettingsOf(*measured);
    for (size_t i = 0; i < fields_.size(); ++i)
        fields_[i]->setText(texts[i]);
}

void TFMini::save() {
    PrinterSettingsTexts texts;
    for (size_t i = 0; i < fields_.size(); ++i)
        texts[i] = fields_[i]->text();
    // Every field is checked before anything is written.
    if (const auto problem = checkPrinterSettings(texts)) {
        dialogs().information(problem->message);
        fields_[static_cast<size_t>(problem->field)]->setFocus();
        fields_[static_cast<size_t>(problem->field)]->selectAll();
        return;
    }
    if (!dialogs().askYesNo(kSaveQuestion)) return;
    IniFile ini(labelSettingsPath());
    writePrinterSettings(ini, texts);
    if (!ini.save()) dialogs().warning(kNotWritten);
}
