// Paints the pictures of the main window: BUDMAIN.BMP (a town of apartment
// blocks and houses for the picture area) and the picture buttons BT1.BMP …
// BT7.BMP, BT9.BMP, each a small icon with its Korean label. Writes them as
// BMP files into the directory given as the only argument.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextStream>

#include <functional>

namespace {

constexpr int kButtonHeight = 33;

QFont labelFont(int pixelSize, bool bold = true) {
    QFont font(QStringLiteral("NanumSquareRound"));
    font.setFamilies({QStringLiteral("NanumSquareRound"), QStringLiteral("NanumGothic"),
                      QStringLiteral("Noto Sans CJK KR")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

bool saveBmp(const QImage& image, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    const bool saved = image.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << '\n';
    return saved;
}

// ---- the town ------------------------------------------------------------

void paintSky(QPainter& p, const QRectF& area) {
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0.0, QColor(118, 178, 232));
    sky.setColorAt(0.55, QColor(186, 222, 245));
    sky.setColorAt(1.0, QColor(246, 238, 214));
    p.fillRect(area, sky);

    QRadialGradient glow(QPointF(372, 78), 70);
    glow.setColorAt(0.0, QColor(255, 250, 210, 230));
    glow.setColorAt(0.35, QColor(255, 236, 150, 120));
    glow.setColorAt(1.0, QColor(255, 236, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(372, 78), 70, 70);
    p.setBrush(QColor(255, 222, 98));
    p.drawEllipse(QPointF(372, 78), 24, 24);
}

void paintCloud(QPainter& p, QPointF at, qreal scale) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    const struct {
        qreal x, y, r;
    } puffs[] = {{0, 0, 16}, {18, -9, 19}, {38, -2, 15}, {52, 5, 11}, {26, 6, 14}, {-14, 6, 10}};
    for (const auto& puff : puffs) {
        p.drawEllipse(at + QPointF(puff.x, puff.y) * scale, puff.r * scale, puff.r * scale);
    }
}

void paintHills(QPainter& p) {
    QPainterPath far;
    far.moveTo(0, 230);
    far.cubicTo(70, 188, 140, 200, 210, 216);
    far.cubicTo(280, 196, 360, 178, 456, 212);
    far.lineTo(456, 300);
    far.lineTo(0, 300);
    far.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 188, 170));
    p.drawPath(far);
}

// One apartment block: a slab with rows of windows, a roof band and the
// block number painted near the top.
struct Block {
    qreal x, top, width;
    QColor wall;
    QColor side;
    int number;
};

void paintBlock(QPainter& p, const Block& b, qreal ground, QRandomGenerator& random) {
    const QRectF front(b.x, b.top, b.width, ground - b.top);
    const QRectF side(b.x + b.width, b.top + 4, b.width * 0.18, ground - b.top - 4);
    p.setPen(Qt::NoPen);
    p.setBrush(b.side);
    p.drawRect(side);
    p.setBrush(b.wall);
    p.drawRect(front);
    p.setBrush(b.wall.darker(118));
    p.drawRect(QRectF(b.x - 2, b.top - 6, b.width + 4, 7));

    const int columns = qMax(2, int((b.width - 8) / 11));
    const qreal cellWidth = (b.width - 8) / columns;
    for (qreal y = b.top + 22; y + 6 < ground - 6; y += 11) {
        for (int c = 0; c < columns; ++c) {
            const bool lit = random.bounded(100) < 18;
            p.setBrush(lit ? QColor(255, 236, 160) : QColor(112, 150, 190));
            p.drawRect(QRectF(b.x + 4 + c * cellWidth + 1.5, y, cellWidth - 3, 6));
        }
    }
    p.setPen(b.wall.darker(170));
    p.setFont(labelFont(9));
    p.drawText(QRectF(b.x, b.top + 4, b.width, 14), Qt::AlignCenter, QString::number(b.number));
    p.setPen(Qt::NoPen);
}

struct House {
    qreal x, width, height;
    QColor wall;
    QColor roof;
};

void paintHouse(QPainter& p, const House& h, qreal ground) {
    const qreal top = ground - h.height;
    p.setPen(Qt::NoPen);
    p.setBrush(h.wall);
    p.drawRect(QRectF(h.x, top, h.width, h.height));

    QPainterPath roof;
    roof.moveTo(h.x - 6, top + 1);
    roof.lineTo(h.x + h.width * 0.5, top - h.width * 0.42);
    roof.lineTo(h.x + h.width + 6, top + 1);
    roof.closeSubpath();
    p.setBrush(h.roof);
    p.drawPath(roof);
    p.setBrush(h.roof.darker(125));
    p.drawRect(QRectF(h.x - 6, top, h.width + 12, 3));

    const qreal doorWidth = h.width * 0.22;
    p.setBrush(QColor(122, 84, 58));
    p.drawRoundedRect(
        QRectF(h.x + h.width * 0.18, ground - h.height * 0.58, doorWidth, h.height * 0.58), 2, 2);
    p.setBrush(QColor(255, 244, 196));
    p.setPen(QPen(QColor(255, 255, 255), 1.2));
    p.drawRect(QRectF(h.x + h.width * 0.55, top + h.height * 0.28, h.width * 0.28, h.height * 0.3));
    p.setPen(Qt::NoPen);
}

void paintTree(QPainter& p, QPointF base, qreal size, const QColor& leaves) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 86, 58));
    p.drawRect(QRectF(base.x() - size * 0.08, base.y() - size * 0.7, size * 0.16, size * 0.7));
    p.setBrush(leaves);
    p.drawEllipse(QPointF(base.x(), base.y() - size * 1.05), size * 0.5, size * 0.55);
    p.setBrush(leaves.lighter(118));
    p.drawEllipse(QPointF(base.x() - size * 0.15, base.y() - size * 1.18), size * 0.22,
                  size * 0.22);
}

void paintStreet(QPainter& p, qreal ground) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 186, 104));
    p.drawRect(QRectF(0, ground, 456, 22));
    p.setBrush(QColor(214, 206, 190));
    p.drawRect(QRectF(0, ground + 22, 456, 10));
    p.setBrush(QColor(92, 96, 106));
    p.drawRect(QRectF(0, ground + 32, 456, 385 - ground - 32));
    p.setBrush(QColor(250, 250, 240));
    for (qreal x = 8; x < 456; x += 44)
        p.drawRect(QRectF(x, ground + 53, 24, 3));
}

QImage paintTown() {
    QImage image(456, 385, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal ground = 300;

    paintSky(p, QRectF(0, 0, 456, ground));
    paintCloud(p, QPointF(70, 60), 1.0);
    paintCloud(p, QPointF(220, 36), 0.75);
    paintCloud(p, QPointF(300, 120), 0.6);
    paintHills(p);

    QRandomGenerator random(20261208);
    const Block far[] = {
        {18, 150, 46, QColor(206, 214, 226), QColor(170, 180, 198), 105},
        {150, 128, 50, QColor(214, 220, 232), QColor(176, 186, 204), 106},
        {300, 140, 48, QColor(206, 214, 226), QColor(170, 180, 198), 107},
        {410, 160, 40, QColor(214, 220, 232), QColor(176, 186, 204), 108},
    };
    for (const Block& block : far)
        paintBlock(p, block, ground, random);
    const Block near[] = {
        {70, 112, 62, QColor(250, 236, 212), QColor(222, 198, 166), 101},
        {214, 96, 66, QColor(246, 246, 240), QColor(210, 208, 196), 102},
        {346, 126, 58, QColor(252, 226, 214), QColor(226, 186, 170), 103},
    };
    for (const Block& block : near)
        paintBlock(p, block, ground, random);

    const House houses[] = {
        {10, 52, 40, QColor(255, 246, 226), QColor(196, 72, 60)},
        {150, 46, 34, QColor(236, 246, 250), QColor(58, 132, 150)},
        {288, 50, 38, QColor(255, 240, 214), QColor(142, 92, 64)},
        {404, 42, 32, QColor(244, 250, 236), QColor(86, 120, 176)},
    };
    for (const House& house : houses)
        paintHouse(p, house, ground);

    const QColor green(86, 156, 82);
    const qreal treeXs[] = {74, 110, 206, 262, 352, 388, 446};
    for (int i = 0; i < 7; ++i) {
        paintTree(p, QPointF(treeXs[i], ground + 4), 26 + (i % 3) * 5,
                  i % 2 ? green : green.darker(112));
    }
    paintStreet(p, ground);
    return image;
}

// ---- the buttons ---------------------------------------------------------

using IconPainter = std::function<void(QPainter&, const QRectF&)>;

void iconHouse(QPainter& p, const QRectF& r) {
    QPainterPath roof;
    roof.moveTo(r.left(), r.top() + r.height() * 0.48);
    roof.lineTo(r.center().x(), r.top() + 1);
    roof.lineTo(r.right(), r.top() + r.height() * 0.48);
    roof.closeSubpath();
    p.setBrush(QColor(255, 248, 228));
    p.drawRect(QRectF(r.left() + 3, r.top() + r.height() * 0.45, r.width() - 6, r.height() * 0.55));
    p.setBrush(QColor(206, 70, 58));
    p.drawPath(roof);
    p.setBrush(QColor(122, 84, 58));
    p.drawRect(QRectF(r.center().x() - 2.5, r.bottom() - 8, 5, 8));
}

void iconPeople(QPainter& p, const QRectF& r) {
    const QColor back(92, 140, 204);
    const QColor front(50, 96, 170);
    p.setBrush(back);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.68, r.top() + 6), 4.5, 4.5);
    p.drawChord(QRectF(r.left() + r.width() * 0.38, r.top() + 11, 15, 16), 0, 180 * 16);
    p.setBrush(front);
    p.drawEllipse(QPointF(r.left() + r.width() * 0.36, r.top() + 8), 5, 5);
    p.drawChord(QRectF(r.left() + 1, r.top() + 14, 17, 18), 0, 180 * 16);
}

void iconCalendar(QPainter& p, const QRectF& r) {
    const QRectF page = r.adjusted(1, 3, -1, -1);
    p.setBrush(Qt::white);
    p.drawRoundedRect(page, 2, 2);
    p.setBrush(QColor(214, 64, 64));
    p.drawRect(QRectF(page.left(), page.top(), page.width(), 5));
    p.setBrush(QColor(120, 130, 150));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.drawRect(QRectF(page.left() + 2.5 + col * 4.6, page.top() + 8 + row * 4.2, 2.6, 2.4));
        }
    }
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(page.left() + 4, r.top(), 2, 5));
    p.drawRect(QRectF(page.right() - 6, r.top(), 2, 5));
}

void iconCoin(QPainter& p, const QRectF& r) {
    const QPointF c = r.center();
    const qreal radius = r.width() * 0.46;
    p.setBrush(QColor(196, 150, 36));
    p.drawEllipse(c + QPointF(0, 1.2), radius, radius);
    QRadialGradient gold(c + QPointF(-3, -3), radius * 1.4);
    gold.setColorAt(0, QColor(255, 236, 140));
    gold.setColorAt(1, QColor(232, 182, 50));
    p.setBrush(gold);
    p.drawEllipse(c, radius, radius);
    p.setPen(QColor(150, 104, 20));
    p.setFont(labelFont(12));
    p.drawText(QRectF(c.x() - radius, c.y() - radius, radius * 2, radius * 2), Qt::AlignCenter,
               QStringLiteral("₩"));
}

void iconAddressBook(QPainter& p, const QRectF& r) {
    const QRectF book = r.adjusted(3, 1, -2, -1);
    p.setBrush(QColor(46, 128, 110));
    p.drawRoundedRect(book, 2, 2);
    p.setBrush(QColor(30, 96, 82));
    p.drawRect(QRectF(book.left(), book.top(), 3, book.height()));
    p.setBrush(QColor(236, 246, 240));
    p.drawEllipse(QPointF(book.center().x() + 1.5, book.top() + 7), 3.5, 3.5);
    p.drawChord(QRectF(book.center().x() - 5, book.top() + 11, 13, 12), 0, 180 * 16);
}

void iconMemo(QPainter& p, const QRectF& r) {
    const QRectF note = r.adjusted(1, 1, -1, -1);
    QPainterPath sheet;
    sheet.moveTo(note.topLeft());
    sheet.lineTo(note.topRight());
    sheet.lineTo(note.right(), note.bottom() - 6);
    sheet.lineTo(note.right() - 6, note.bottom());
    sheet.lineTo(note.bottomLeft());
    sheet.closeSubpath();
    p.setBrush(QColor(255, 226, 90));
    p.drawPath(sheet);
    p.setBrush(QColor(228, 190, 50));
    QPainterPath fold;
    fold.moveTo(note.right(), note.bottom() - 6);
    fold.lineTo(note.right() - 6, note.bottom() - 6);
    fold.lineTo(note.right() - 6, note.bottom());
    fold.closeSubpath();
    p.drawPath(fold);
    p.setPen(QPen(QColor(176, 140, 40), 1.2));
    for (int line = 0; line < 3; ++line) {
        const qreal y = note.top() + 5 + line * 4.5;
        p.drawLine(QPointF(note.left() + 3, y), QPointF(note.right() - 4, y));
    }
    p.setPen(Qt::NoPen);
}

void iconContract(QPainter& p, const QRectF& r) {
    const QRectF paper = r.adjusted(3, 0, -3, 0);
    p.setBrush(Qt::white);
    p.setPen(QPen(QColor(120, 130, 150), 1));
    p.drawRect(paper);
    p.setPen(QPen(QColor(150, 160, 176), 1));
    for (int line = 0; line < 4; ++line) {
        const qreal y = paper.top() + 4 + line * 3.5;
        p.drawLine(QPointF(paper.left() + 3, y), QPointF(paper.right() - 3, y));
    }
    p.setPen(QPen(QColor(214, 40, 40), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(paper.right() - 4.5, paper.bottom() - 5), 4, 4);
    p.setPen(Qt::NoPen);
}

void iconPower(QPainter& p, const QRectF& r) {
    const QPointF c = r.center();
    const qreal radius = r.width() * 0.36;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(206, 48, 48), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(c.x() - radius, c.y() - radius + 1, radius * 2, radius * 2), 120 * 16,
              300 * 16);
    p.drawLine(QPointF(c.x(), c.y() - radius - 1), QPointF(c.x(), c.y()));
    p.setPen(Qt::NoPen);
}

struct ButtonPicture {
    QString fileName;
    int width;
    QString label;
    IconPainter icon;
    QColor accent;
};

QImage paintButton(const ButtonPicture& button) {
    QImage image(button.width, kButtonHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QRectF face(0.5, 0.5, button.width - 1, kButtonHeight - 1);
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    shade.setColorAt(0.0, button.accent.lighter(190));
    shade.setColorAt(0.5, button.accent.lighter(160));
    shade.setColorAt(1.0, button.accent.lighter(128));
    p.setBrush(shade);
    p.setPen(QPen(button.accent.darker(115), 1));
    p.drawRoundedRect(face, 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(6, 2), QPointF(button.width - 6, 2));

    const bool narrow = button.width < 60;
    const qreal iconSize = narrow ? 16 : 22;
    const QRectF iconArea(narrow ? 4 : 6, (kButtonHeight - iconSize) / 2, iconSize, iconSize);
    p.setPen(Qt::NoPen);
    button.icon(p, iconArea);

    const QRectF textArea(iconArea.right() + 2, 0, button.width - iconArea.right() - 4,
                          kButtonHeight);
    p.setFont(labelFont(narrow ? 13 : 14));
    p.setPen(QColor(255, 255, 255, 200));
    p.drawText(textArea.translated(0, 1), Qt::AlignCenter, button.label);
    p.setPen(button.accent.darker(260));
    p.drawText(textArea, Qt::AlignCenter, button.label);
    return image;
}

QList<ButtonPicture> buttonPictures() {
    const QColor blue(96, 150, 214);
    return {
        {QStringLiteral("BT1.BMP"), 100, QStringLiteral("물건관리"), iconHouse, blue},
        {QStringLiteral("BT2.BMP"), 125, QStringLiteral("손님관리"), iconPeople, blue},
        {QStringLiteral("BT3.BMP"), 100, QStringLiteral("큰달력"), iconCalendar, blue},
        {QStringLiteral("BT4.BMP"), 100, QStringLiteral("금전출납"), iconCoin, blue},
        {QStringLiteral("BT5.BMP"), 100, QStringLiteral("인명부"), iconAddressBook, blue},
        {QStringLiteral("BT6.BMP"), 100, QStringLiteral("메모관리"), iconMemo, blue},
        {QStringLiteral("BT7.BMP"), 75, QStringLiteral("계약서"), iconContract, blue},
        {QStringLiteral("BT9.BMP"), 54, QStringLiteral("종료"), iconPower, QColor(222, 120, 110)},
    };
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: quarnel_bitmaps <output directory>\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        QTextStream(stderr) << "no such directory: " << dir.path() << '\n';
        return 1;
    }
    bool saved = saveBmp(paintTown(), dir, QStringLiteral("BUDMAIN.BMP"));
    for (const ButtonPicture& button : buttonPictures()) {
        saved = saveBmp(paintButton(button), dir, button.fileName) && saved;
    }
    return saved ? 0 : 1;
}
