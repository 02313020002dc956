#include "listings/tfmpictcho.h"

#include "common/action_guard.h"
#include "common/cp949.h"
#include "common/dialogs.h"
#include "common/focus_keys.h"
#include "common/shared_values.h"
#include "common/wait_cursor.h"
#include "imaging/picture_view.h"
#include "listings/photo_folder.h"
#include "listings/photo_store.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

const QString kMask = QStringLiteral("*.bmp;*.jpg;*.gif;*.pcx");

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// The patterns of the mask; they match names in any case ("*.jpg" lists
// PHOTO.JPG).
QStringList maskPatterns(const QString& mask) {
    QStringList patterns;
    for (const QString& part : mask.split(u';', Qt::SkipEmptyParts)) {
        const QString pattern = part.trimmed();
        if (!pattern.isEmpty()) patterns.append(pattern);
    }
    return patterns;
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() &&
           first.canonicalFilePath() == second.canonicalFilePath();
}

}  // namespace

TFMpictCho::TFMpictCho(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMpictCho"));
    setWindowTitle(QStringLiteral("사진 붙이기"));
    setFont(QFont(QStringLiteral("굴림체"), 10));
    buildForm();
    connect(DirectoryListBox1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& index) {
                if (index.isValid()) setFolder(folders_->filePath(index));
            });
    connect(FileListBox1, &QListWidget::currentRowChanged, this,
            guarded([this] { showSelectedFile(); }));
    connect(EDfilter, &QLineEdit::textChanged, this, [this] { listFiles(); });
    // The tree reads folders as they are opened; the chosen one is shown
    // once its parents are read.
    connect(folders_, &QFileSystemModel::directoryLoaded, this, [this](const QString& loaded) {
        const QString prefix = loaded.endsWith(u'/') ? loaded : loaded + u'/';
        if (loaded == folder_ || folder_.startsWith(prefix)) revealFolder();
    });
    connect(BTimgok, &QPushButton::clicked, this, guarded([this] { attachSelected(); }));
    // The current directory was never changed, so closing has nothing to
    // put back.
    connect(BitBtn1, &QPushButton::clicked, this, [this] { close(); });
    FocusKeys::install({EDfilter, EDremark}, false);
    setFolder(QDir::homePath());
}

void TFMpictCho::buildForm() {
    LBscanBud = named(new QLabel(this), "LBscanBud");
    LBscanBud->hide();

    folders_ = new QFileSystemModel(this);
    folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    folders_->setRootPath(QDir::rootPath());
    DirectoryListBox1 = named(new QTreeView(this), "DirectoryListBox1");
    DirectoryListBox1->setModel(folders_);
    for (int column = 1; column < folders_->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    DirectoryListBox1->header()->hide();
    DirectoryListBox1->setMinimumSize(220, 200);

    LBfolder = named(new QLabel(this), "LBfolder");
    LBfolder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FileListBox1 = named(new QListWidget(this), "FileListBox1");
    FileListBox1->setMinimumSize(220, 160);
    EDfilter = named(new QLineEdit(kMask, this), "EDfilter");

    AdvImage1 = named(new PictureView(this), "AdvImage1");
    AdvImage1->setFixedSize(320, 240);
    LBsize = named(new QLabel(this), "LBsize");
    LBday1 = named(new QLabel(this), "LBday1");
    EDremark = named(new QLineEdit(this), "EDremark");
    EDremark->setToolTip(QStringLiteral("사진에 대한 간략한 설명 추가"));
    limitCp949(EDremark, 20);
    BTimgok = named(new QPushButton(QStringLiteral("  사진 붙이기"), this), "BTimgok");
    BTimgok->setToolTip(QStringLiteral("선택된 사진을 첨부함"));
    BitBtn1 = named(new QPushButton(QStringLiteral("  종             료"), this), "BitBtn1");
    StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->addWidget(new QLabel(
        QStringLiteral("매물에 붙일 사진을 선택후 사진붙이기 버튼을 누르세요 ...!"), this));

    auto* left = new QVBoxLayout;
    left->addWidget(DirectoryListBox1, 3);
    left->addWidget(LBfolder);
    left->addWidget(FileListBox1, 2);
    left->addWidget(EDfilter);

    auto* facts = new QGridLayout;
    facts->addWidget(new QLabel(QStringLiteral("크기"), this), 0, 0);
    facts->addWidget(LBsize, 0, 1);
    facts->addWidget(new QLabel(QStringLiteral("날짜"), this), 1, 0);
    facts->addWidget(LBday1, 1, 1);
    facts->addWidget(new QLabel(QStringLiteral("설명추가"), this), 2, 0);
    facts->addWidget(EDremark, 2, 1);
    facts->setColumnStretch(1, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(AdvImage1);
    right->addLayout(facts);
    right->addStretch();
    right->addWidget(BTimgok);
    right->addWidget(BitBtn1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(StatusBar1);
    resize(720, 520);
}

void TFMpictCho::setFolder(const QString& path) {
    const QString clean = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (clean == folder_) return;
    folder_ = clean;
    LBfolder->setText(QDir::toNativeSeparators(folder_));
    revealFolder();
    listFiles();
}

void TFMpictCho::revealFolder() {
    const QModelIndex index = folders_->index(folder_);
    if (!index.isValid()) return;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        DirectoryListBox1->expand(parent);
    const QSignalBlocker quiet(DirectoryListBox1->selectionModel());
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void TFMpictCho::listFiles() {
    FileListBox1->clear();
    AdvImage1->clearPicture();
    LBsize->clear();
    LBday1->clear();
    const QDir dir(folder_);
    // QDir matches name patterns without regard to case unless told otherwise.
    const QStringList names =
        dir.entryList(maskPatterns(EDfilter->text()), QDir::Files | QDir::Readable,
                      QDir::Name | QDir::IgnoreCase);
    FileListBox1->addItems(names);
}

bool TFMpictCho::selectFile(const QString& fileName) {
    const QList<QListWidgetItem*> found = FileListBox1->findItems(fileName, Qt::MatchExactly);
    if (found.isEmpty()) return false;
    FileListBox1->setCurrentItem(found.first());
    return true;
}

QString TFMpictCho::selectedPath() const {
    const QListWidgetItem* item = FileListBox1->currentItem();
    return item ? QDir(folder_).filePath(item->text()) : QString();
}

void TFMpictCho::showSelectedFile() {
    const QString path = selectedPath();
    if (path.isEmpty()) return;
    const QFileInfo info(path);
    LBday1->setText(info.lastModified().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    const WaitCursor hourglass;
    AdvImage1->loadFile(path);
    LBsize->setText(QString::number(info.size()) + QStringLiteral(" Bytes"));
}

void TFMpictCho::attachSelected() {
    const QString source = selectedPath();
    if (source.isEmpty()) {
        dialogs().information(QStringLiteral("관련자료가 선택되지 않았습니다 ...?"));
        return;
    }
    const QString scanbud = LBscanBud->text();
    QString name = photoNameFor(source);
    if (photoNameTooLong(name)) {
        dialogs().information(QStringLiteral(
            "화일 이름이 너무 깁니다 (50바이트까지). 이름을 줄인 후 다시 붙이세요 ...!"));
        return;
    }
    if (!scanbud.isEmpty() && listingPhotoCount(scanbud) >= kMaxListingPhotos) {
        dialogs().information(QStringLiteral("사진은 한 물건에 10장까지 붙일 수 있습니다 ...!"));
        return;
    }
    bool copy = true;
    if (sameFile(source, photoFilePath(name))) {
        // The chosen file is the copy in PICT/ itself: nothing to copy.
        copy = false;
    } else if (QFileInfo::exists(photoFilePath(name))) {
        if (fileNamedByOtherListing(name, scanbud)) {
            // Another listing's photo is never replaced; both are kept.
            const QString other = freePhotoName(name);
            if (!dialogs().askYesNo(
                    QStringLiteral(
                        "같은 이름의 화일이 다른 물건의 사진입니다. 새 이름 %1(으)로 붙일까요 ...?")
                        .arg(other))) {
                return;
            }
            name = other;
        } else if (!dialogs().askYesNo(
                       QStringLiteral("동일한 화일이 이미 있습니다 덮어 쓸까요 ...?"))) {
            return;
        }
    }
    {
        const WaitCursor hourglass;
        attachPhoto(source, name, copy, scanbud, EDremark->text());
    }
    sharedValues().photoChanged = true;
    dialogs().beep();
}
