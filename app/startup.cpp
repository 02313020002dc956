#include "app/startup.h"

#include <QFont>
#include <QIcon>
#include <QStringList>
#include <QtGlobal>

void initQuarnelResources() { Q_INIT_RESOURCE(quarnel); }

void installFontSubstitutes() {
    // 굴림체 is a fixed-pitch gothic; Noto Sans Mono CJK KR has the Hanja
    // numerals that the contracts print.
    QFont::insertSubstitutions(QStringLiteral("굴림체"),
                               {QStringLiteral("Noto Sans Mono CJK KR"), QStringLiteral("NanumGothicCoding")});
    QFont::insertSubstitutions(QStringLiteral("굴림"),
                               {QStringLiteral("NanumGothic"), QStringLiteral("Noto Sans CJK KR")});
    QFont::insertSubstitutions(QStringLiteral("궁서체"),
                               {QStringLiteral("NanumMyeongjo"), QStringLiteral("Noto Serif CJK KR")});
    QFont::insertSubstitutions(QStringLiteral("바탕체"),
                               {QStringLiteral("Noto Serif CJK KR"), QStringLiteral("NanumMyeongjo")});
    QFont::insertSubstitutions(QStringLiteral("바탕"),
                               {QStringLiteral("Noto Serif CJK KR"), QStringLiteral("NanumMyeongjo")});
}

QIcon quarnelIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/quarnel-%1.png").arg(size), QSize(size, size));
    return icon;
}
