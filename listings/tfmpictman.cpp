#include "listings/tfmpictman.h"

#include "common/action_guard.h"
#include "common/dialogs.h"
#include "common/shared_values.h"
#include "common/wait_cursor.h"
#include "imaging/picture_view.h"
#include "imaging/thumbnails.h"
#include "listings/photo_folder.h"
#include "listings/tfmonesheet.h"
#include "listings/tfmpictcho.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename Widget>
Widget* named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

TFMpictMan::TFMpictMan(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMpictMan"));
    setWindowTitle(QStringLiteral("사진관리"));
    // Nothing is typed here: Esc closes the form.
    setEscapeCancels();
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildForm();
    for (size_t i = 0; i < thumbnails.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        connect(thumbnails[i], &PictureView::clicked, this,
                guarded([this, number] { selectPhoto(number); }));
    }
    connect(BTpictInp, &QPushButton::clicked, this, guarded([this] { addPhotos(); }));
    connect(BTpictDel, &QPushButton::clicked, this, guarded([this] { deleteSelected(); }));
    connect(BTcard, &QPushButton::clicked, this, guarded([this] { openCard(); }));
    connect(BTquit, &QPushButton::clicked, this, [this] { close(); });
}

void TFMpictMan::buildForm() {
    LBscanBud = named(new QLabel(this), QStringLiteral("LBscanBud"));
    LBscanBud->hide();

    const QSize box = photoThumbnailBox();
    auto* thumbs = new QGridLayout;
    thumbs->setSpacing(6);
    for (size_t i = 0; i < thumbnails.size(); ++i) {
        auto* view = named(new PictureView(this), QStringLiteral("Image%1").arg(i + 1));
        view->setFixedSize(box + QSize(2, 2));
        view->setToolTip(QStringLiteral("클릭 !"));
        view->setCursor(Qt::PointingHandCursor);
        view->hide();
        thumbnails[i] = view;
        // Two columns of five: 1-5 on the left, 6-10 on the right.
        thumbs->addWidget(view, static_cast<int>(i % 5), static_cast<int>(i / 5));
    }

    AdvImage1 = named(new PictureView(this), QStringLiteral("AdvImage1"));
    AdvImage1->setMinimumSize(480, 360);

    LBpictCount = named(new QLabel(QStringLiteral("0"), this), QStringLiteral("LBpictCount"));
    QFont countFont = font();
    countFont.setPointSize(28);
    countFont.setBold(true);
    LBpictCount->setFont(countFont);
    LBpictCount->setStyleSheet(QStringLiteral("color: green"));
    Label1 = named(new QLabel(this), QStringLiteral("Label1"));
    QFont numberFont = font();
    numberFont.setPointSize(14);
    numberFont.setBold(true);
    Label1->setFont(numberFont);

    const auto button = [this](const char* name, const QString& text, const QString& hint) {
        auto* b = named(new QPushButton(text, this), QLatin1String(name));
        b->setToolTip(hint);
        b->setMinimumWidth(90);
        return b;
    };
    BTcard = button("BTcard", QStringLiteral("카드"), QStringLiteral("물건카드 작성"));
    BTpictInp = button("BTpictInp", QStringLiteral(" 추가"), QStringLiteral("사진 추가"));
    BTpictDel = button("BTpictDel", QStringLiteral(" 삭제"), QStringLiteral("선택된 사진 삭제"));
    BTquit = button("BTquit", QStringLiteral(" 닫기"), QString());

    auto* counts = new QHBoxLayout;
    counts->addWidget(new QLabel(QStringLiteral("사진 수"), this));
    counts->addWidget(LBpictCount);
    counts->addSpacing(24);
    counts->addWidget(new QLabel(QStringLiteral("선택"), this));
    counts->addWidget(Label1);
    counts->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {BTcard, BTpictInp, BTpictDel, BTquit})
        buttons->addWidget(b);
    auto* right = new QVBoxLayout;
    right->addLayout(counts);
    right->addWidget(AdvImage1, 1);
    right->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(thumbs);
    layout->addLayout(right, 1);
    resize(800, 560);
}

void TFMpictMan::showEvent(QShowEvent* event) {
    TaskForm::showEvent(event);
    if (shown_) return;
    shown_ = true;
    runGuarded([this] { refresh(); });
}

void TFMpictMan::refresh() {
    const WaitCursor hourglass;
    sharedValues().photoChanged = false;
    entries_.clear();
    selected_ = 0;
    Label1->clear();
    for (PictureView* view : thumbnails) {
        view->hide();
        view->clearPicture();
        view->setSelected(false);
    }
    entries_ = listingPhotoEntries(LBscanBud->text());

    QStringList paths;
    for (const PhotoEntry& entry : entries_)
        paths.append(photoFilePath(entry.filename));
    const std::vector<Thumbnail> loaded = loadThumbnails(paths, photoThumbnailCache());
    for (size_t i = 0; i < loaded.size(); ++i) {
        thumbnails[i]->setPicture(loaded[i].image, paths[static_cast<qsizetype>(i)],
                                  loaded[i].placeholder);
        thumbnails[i]->show();
    }

    const int count = photoCount();
    BTpictInp->setEnabled(count < kMaxListingPhotos);
    LBpictCount->setText(QString::number(count));
    BTcard->setEnabled(count >= 1);
    BTpictDel->setEnabled(count >= 1);
    if (count > 0) {
        selectPhoto(1);
    } else {
        AdvImage1->clearPicture();
        AdvImage1->hide();
    }
}

void TFMpictMan::selectPhoto(int number) {
    if (number < 1 || number > photoCount()) return;
    selected_ = number;
    Label1->setText(QString::number(number));
    for (size_t i = 0; i < thumbnails.size(); ++i)
        thumbnails[i]->setSelected(static_cast<int>(i) + 1 == number);
    // The row is looked up again: it may have gone since the list was read.
    const std::optional<QString> fileName =
        photoFileName(entries_[static_cast<size_t>(number - 1)].scancode);
    if (!fileName) return;
    AdvImage1->show();
    AdvImage1->loadFile(photoFilePath(*fileName));
}

void TFMpictMan::addPhotos() {
    {
        TFMpictCho chooser(this);
        chooser.LBscanBud->setText(LBscanBud->text());
        chooser.exec();
    }
    if (sharedValues().photoChanged) refresh();
}

void TFMpictMan::deleteSelected() {
    if (selected_ < 1) return;
    dialogs().beep();
    if (!dialogs().askYesNo(QStringLiteral("선택한 사진을 삭제할까요...!"))) return;
    {
        const WaitCursor hourglass;
        deletePhoto(entries_[static_cast<size_t>(selected_ - 1)].scancode);
    }
    // refresh() selects photo 1 again, or hides the large view when none is left.
    refresh();
}

void TFMpictMan::openCard() {
    if (selected_ < 1 || thumbnails[0]->isHidden()) return;
    TFMoneSheet card(this);
    card.LBfileName->setText(photoFilePath(entries_[static_cast<size_t>(selected_ - 1)].filename));
    card.LBscancode->setText(LBscanBud->text());
    card.exec();
}
