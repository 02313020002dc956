// The command line `quarnel --import-legacy <folder> [--replace]`: what it
// prints and the status it ends with.

#include "legacy/legacy_import_command.h"
#include "tests/legacy/legacy_import_support.h"

#include <QTextStream>

extern "C" {
#include <paradox.h>
}

namespace {

QString u(const char* text) {
    return QString::fromUtf8(text);
}

}  // namespace

class LegacyImportCommandTest : public LegacyImportTest {
protected:
    void SetUp() override {
        LegacyImportTest::SetUp();
        previousHome_ = qgetenv("QUARNEL_HOME");
        qputenv("QUARNEL_HOME", home_.path().toLocal8Bit());
    }
    void TearDown() override {
        qputenv("QUARNEL_HOME", previousHome_);
        LegacyImportTest::TearDown();
    }
    int run(const QStringList& options) {
        out_.clear();
        err_.clear();
        QTextStream out(&out_);
        QTextStream err(&err_);
        return runLegacyImportCommand(QStringList{QStringLiteral("quarnel")} + options, out, err);
    }

    QByteArray previousHome_;
    QString out_;
    QString err_;
};

TEST_F(LegacyImportCommandTest, StatusAndSummaryForEachOutcome) {
    const QString usage = u("사용법: quarnel --import-legacy <예전 자료 폴더> [--replace]\n");
    for (const QStringList& wrong :
         {QStringList{"--import-legacy"}, QStringList{"--import-legacy", "--replace"},
          QStringList{"--import-legacy", oldFolder(), "--replce"}}) {
        EXPECT_EQ(run(wrong), LegacyImportExit::Usage) << wrong.join(' ').toStdString();
        EXPECT_EQ(err_, usage);
    }

    // Only tables that come over whole: everything imported.
    writeParadox(oldFile(QStringLiteral("MEMO.DB")), {{"Memotitle", pxfAlpha, 50}},
                 {{cp949("첫 메모")}, {cp949("둘째 메모")}});
    EXPECT_EQ(run({"--import-legacy", oldFolder()}), LegacyImportExit::Complete)
        << err_.toStdString();
    EXPECT_EQ(out_, u("읽는 중: MEMO.DB (메모)\n"
                      "저장하는 중: 메모 2건\n"
                      "가져온 표:\n"
                      "  MEMO.DB → 메모: 2건\n"
                      "사진: 0장 복사\n"
                      "모두 가져왔습니다.\n"));

    // The office now holds memos: refused, then replaced on request.
    EXPECT_EQ(run({"--import-legacy", oldFolder()}), LegacyImportExit::NothingImported);
    EXPECT_TRUE(
        err_.startsWith(u("예전 자료를 가져오지 못했습니다. 사무실 자료는 바뀌지 않았습니다.\n"
                          "이 사무실에는 이미 입력한 자료가 있어")))
        << err_.toStdString();

    writeOldOffice();
    EXPECT_EQ(run({"--replace", "--import-legacy", oldFolder()}), LegacyImportExit::Incomplete)
        << err_.toStdString();
    EXPECT_TRUE(out_.contains(u("  upche.DBF → 거래처: 2건 (삭제 표시된 레코드 1건은 빼고)\n")))
        << out_.toStdString();
    EXPECT_TRUE(
        out_.endsWith(u("사진: 1장 복사\n"
                        "가져오지 못한 것:\n"
                        "  OLDSTUFF.DB: 이 프로그램의 자료에 없는 표입니다\n"
                        "  BUDONG.DB의 항목 OLDCOL: 이 프로그램의 표에 없는 항목입니다\n"
                        "표는 가져왔지만 위의 것은 가져오지 못했습니다.\n")))
        << out_.toStdString();
    EXPECT_EQ(rows(QStringLiteral("budong")), 2);
}
