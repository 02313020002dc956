#include "listings/tfmdisp.h"

#include "common/action_guard.h"
#include "common/dialogs.h"
#include "imaging/picture_view.h"
#include "listings/display_values.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int kTickMs = 10000;

QFont displayFont() {
    QFont font(QStringLiteral("굴림체"));
    font.setPixelSize(20);
    font.setBold(true);
    return font;
}

QLabel* coloured(QWidget* parent, const QString& text, const QColor& colour) {
    auto* label = new QLabel(text, parent);
    label->setFont(displayFont());
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

}  // namespace

TFMdisp::TFMdisp(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMdisp"));
    setWindowTitle(QStringLiteral("물건 디스플레이"));
    // Nothing is typed here: Esc closes the display.
    setEscapeCancels();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kTickMs);
    connect(Timer1, &QTimer::timeout, this, guarded([this] { Timer1Timer(); }));
    buildForm();
    resize(1000, 620);
}

TFMdisp::~TFMdisp() {
    stop();
}

void TFMdisp::buildForm() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    const QColor green(0, 128, 0);
    const QColor blue(0, 0, 255);
    const struct {
        const char* caption;
        QLabel** value;
        const char* name;
        bool right;
        QLabel** words;
        const char* wordsName;
    } lines[] = {
        {"구분", &DBIm, "DBIm", false, nullptr, nullptr},
        {"종류", &DBCname, "DBCname", false, nullptr, nullptr},
        {"대지", &DBDpung, "DBDpung", true, nullptr, nullptr},
        {"건평", &DBGpung, "DBGpung", true, nullptr, nullptr},
        {"임대/매매가", &DBTmprice, "DBTmprice", true, &EDTmprice, "EDTmprice"},
        {"평당가격", &DBMpricepp, "DBMpricepp", true, &EDMpricepp, "EDMpricepp"},
        {"층수", &DBStair, "DBStair", true, nullptr, nullptr},
        {"준공일", &DBGdfirst, "DBGdfirst", false, nullptr, nullptr},
        {"증축일", &DBGdsecond, "DBGdsecond", false, nullptr, nullptr},
        {"보증금", &DBEnsurem, "DBEnsurem", true, &EDEnsurem, "EDEnsurem"},
        {"월세금", &DBMonthm, "DBMonthm", true, &EDMonthm, "EDMonthm"},
        {"평당임대료", &DBPricepp, "DBPricepp", true, &EDPricepp, "EDPricepp"},
        {"임대일", &DBIpjuday, "DBIpjuday", false, nullptr, nullptr},
        {"계약만료일", &DBExpireday, "DBExpireday", false, nullptr, nullptr},
    };
    int row = 0;
    for (const auto& line : lines) {
        grid->addWidget(coloured(this, QString::fromUtf8(line.caption), green), row, 0);
        QLabel* value = coloured(this, QString(), blue);
        value->setObjectName(QLatin1String(line.name));
        value->setMinimumWidth(190);
        value->setAlignment((line.right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
        *line.value = value;
        grid->addWidget(value, row, 1);
        if (line.words) {
            QLabel* words = coloured(this, QString(), blue);
            words->setObjectName(QLatin1String(line.wordsName));
            *line.words = words;
            grid->addWidget(words, row, 2);
        }
        ++row;
    }
    grid->setColumnStretch(2, 1);

    LBexit = coloured(this, QStringLiteral("종료 : Esc key !"), Qt::red);
    LBexit->setObjectName(QStringLiteral("LBexit"));
    grid->addWidget(LBexit, row, 0, 1, 3);

    // The picture area on the right stays empty.
    Image1 = new PictureView(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedWidth(260);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addLayout(grid, 1);
    layout->addWidget(Image1);
}

void TFMdisp::showEvent(QShowEvent* event) {
    TaskForm::showEvent(event);
    if (shown_) return;
    shown_ = true;
    runGuarded([this] { formActivate(); });
}

void TFMdisp::formActivate() {
    if (!TBbudong.isOpen()) TBbudong.open();
    showListing();
    Timer1->start();
}

void TFMdisp::Timer1Timer() {
    dialogs().beep();
    if (!TBbudong.isOpen()) return;
    // A move past the last listing only reaches the end: the last listing
    // stays one tick more, and the tick after it starts again at the first.
    if (TBbudong.eof()) {
        TBbudong.first();
    } else {
        TBbudong.next();
    }
    showListing();
}

void TFMdisp::showListing() {
    const bool any = TBbudong.isOpen() && TBbudong.recordCount() > 0;
    const auto value = [&](const char* field) {
        return any ? TBbudong.value(QLatin1String(field)) : QVariant();
    };
    const auto text = [&](const char* field) { return value(field).toString(); };
    DBIm->setText(text("Im"));
    DBCname->setText(text("Cname"));
    DBDpung->setText(text("Dpung"));
    DBGpung->setText(text("Gpung"));
    DBStair->setText(text("Stair"));
    DBGdfirst->setText(text("Gdfirst"));
    DBGdsecond->setText(text("Gdsecond"));
    DBIpjuday->setText(text("Ipjuday"));
    DBExpireday->setText(text("Expireday"));
    const struct {
        const char* field;
        QLabel* value;
        QLabel* words;
    } amounts[] = {
        {"Tmprice", DBTmprice, EDTmprice}, {"Mpricepp", DBMpricepp, EDMpricepp},
        {"Ensurem", DBEnsurem, EDEnsurem}, {"Monthm", DBMonthm, EDMonthm},
        {"Pricepp", DBPricepp, EDPricepp},
    };
    for (const auto& amount : amounts) {
        amount.value->setText(displayAmount(value(amount.field)));
        amount.words->setText(amountInWonWords(value(amount.field)));
    }
}

void TFMdisp::stop() {
    Timer1->stop();
    if (TBbudong.isOpen()) TBbudong.close();
}

void TFMdisp::closeEvent(QCloseEvent* event) {
    stop();
    TaskForm::closeEvent(event);
}

void TFMdisp::done(int result) {
    stop();
    TaskForm::done(result);
}
