#include "tools/tfmmanual.h"

#include "common/action_guard.h"
#include "common/dialogs.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace {
constexpr int kPositionRole = Qt::UserRole;
constexpr int kPictureWidth = 640;

template <typename Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}
}  // namespace

QString manualSource() {
    return QStringLiteral("qrc:/manual/manual.md");
}

TFMmanual::TFMmanual(QWidget* parent) : TaskForm(parent) {
    setObjectName(QStringLiteral("FMmanual"));
    setWindowTitle(QStringLiteral("설명서"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setEscapeCancels();

    TVcontents = named(new QTreeWidget(this), "TVcontents");
    TVcontents->setHeaderLabel(QStringLiteral("차례"));
    TBmanual = named(new QTextBrowser(this), "TBmanual");
    TBmanual->setOpenExternalLinks(true);
    EDsearch = named(new QLineEdit(this), "EDsearch");
    EDsearch->setPlaceholderText(QStringLiteral("찾을 말"));
    EDsearch->setClearButtonEnabled(true);
    BTsearch = named(new QPushButton(QStringLiteral("찾 기"), this), "BTsearch");
    BTsearch->setToolTip(QStringLiteral("다음에 나오는 곳을 찾습니다 (Enter)"));
    BTquit = named(new QPushButton(QStringLiteral("닫 기"), this), "BTquit");
    LBmsg = named(new QLabel(this), "LBmsg");
    for (QPushButton* b : {BTsearch, BTquit})
        b->setAutoDefault(false);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(TVcontents);
    splitter->addWidget(TBmanual);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 760});
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("찾기:"), this));
    bar->addWidget(EDsearch, 1);
    bar->addWidget(BTsearch);
    bar->addWidget(LBmsg, 1);
    bar->addWidget(BTquit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addLayout(bar);
    resize(1000, 700);

    TBmanual->setSource(QUrl(manualSource()), QTextDocument::MarkdownResource);
    fitPictures();
    buildContents();

    connect(TVcontents, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { goToHeading(item); });
    connect(TVcontents, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { goToHeading(item); });
    connect(EDsearch, &QLineEdit::returnPressed, this, guarded([this] { findNext(); }));
    connect(BTsearch, &QPushButton::clicked, this, guarded([this] { findNext(); }));
    connect(EDsearch, &QLineEdit::textChanged, LBmsg, &QLabel::clear);
    connect(BTquit, &QPushButton::clicked, this, &QDialog::close);
}

TFMmanual::~TFMmanual() = default;

// One entry per heading of the manual: the chapters, with their sections
// (and the parts of a section) under them.
void TFMmanual::buildContents() {
    TVcontents->clear();
    std::array<QTreeWidgetItem*, 3> last{};  // the latest heading of each level
    for (QTextBlock block = TBmanual->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > 3 || block.text().trimmed().isEmpty()) continue;
        QTreeWidgetItem* parent = nullptr;
        for (int above = level - 2; above >= 0 && !parent; --above)
            parent = last[above];
        auto* item = parent ? new QTreeWidgetItem(parent, {block.text()})
                            : new QTreeWidgetItem(TVcontents, {block.text()});
        item->setData(0, kPositionRole, block.position());
        last[level - 1] = item;
        for (int below = level; below < 3; ++below)
            last[below] = nullptr;
    }
    TVcontents->expandAll();
}

// A screenshot wider than the page of the manual is shown smaller.
void TFMmanual::fitPictures() {
    for (QTextBlock block = TBmanual->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            const QVariant data =
                TBmanual->loadResource(QTextDocument::ImageResource, QUrl(picture.name()));
            const QImage image = data.canConvert<QImage>() ? qvariant_cast<QImage>(data)
                                                           : QImage::fromData(data.toByteArray());
            if (image.isNull() || image.width() <= kPictureWidth) continue;
            picture.setWidth(kPictureWidth);
            picture.setHeight(image.height() * kPictureWidth / image.width());
            QTextCursor cursor(TBmanual->document());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(picture);
        }
    }
}

void TFMmanual::goToHeading(QTreeWidgetItem* item) {
    if (!item) return;
    QTextCursor cursor(TBmanual->document());
    cursor.setPosition(item->data(0, kPositionRole).toInt());
    // The heading goes to the top of the page: first to the end, then back.
    TBmanual->moveCursor(QTextCursor::End);
    TBmanual->setTextCursor(cursor);
    TBmanual->ensureCursorVisible();
}

bool TFMmanual::findNext() {
    const QString text = EDsearch->text().trimmed();
    LBmsg->clear();
    if (text.isEmpty()) return false;
    if (TBmanual->find(text)) return true;
    // From the top again.
    QTextCursor start = TBmanual->textCursor();
    start.movePosition(QTextCursor::Start);
    TBmanual->setTextCursor(start);
    if (TBmanual->find(text)) return true;
    LBmsg->setText(QStringLiteral("\"%1\"을(를) 찾지 못했습니다.").arg(text));
    dialogs().beep();
    return false;
}
