#include "tools/postal_import.h"
#include "common/cp949.h"
#include "data/database.h"
#include "tests/support/store_fixture.h"
#include "tools/postal_import_command.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

#include <sys/stat.h>

namespace {
QString u(const char* text) {
    return QString::fromUtf8(text);
}
}  // namespace

class PostalImportTest : public StoreTest {
protected:
    QString writeFile(const QString& name, const QByteArray& bytes) {
        const QString path = home_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    // The rows of addr in table order as "ZIP|ADDR|DDD".
    QStringList addrRows() {
        QStringList result;
        const int count = rows(QStringLiteral("addr"));
        for (int i = 0; i < count; ++i) {
            result.append(scalar(QStringLiteral("SELECT ZIP || '|' || ADDR || '|' || DDD FROM addr "
                                                "ORDER BY rowid LIMIT 1 OFFSET ?"),
                                 {i})
                              .toString());
        }
        return result;
    }

    void fillOldRows() {
        sql(QStringLiteral(
            "INSERT INTO addr (ZIP, ADDR, DDD) VALUES ('11111', '옛 주소 하나', '02'), "
            "('22222', '옛 주소 둘', '031')"));
    }

    const QStringList oldRows{u("11111|옛 주소 하나|02"), u("22222|옛 주소 둘|031")};
};

TEST_F(PostalImportTest, Utf8FileWithMarkReplacesTheRows) {
    fillOldRows();
    const QString path = writeFile(
        QStringLiteral("zip.csv"),
        QByteArray("\xEF\xBB\xBF") + u("ZIP,ADDR,DDD\r\n03005,서울특별시 종로구 청운동,02\r\n"
                                       "48905,\"부산광역시 중구 중앙동, 1가\",051\r\n")
                                         .toUtf8());
    QString error;
    int imported = -1;
    ASSERT_TRUE(importPostalCodes(db(), path, &error, &imported)) << error.toStdString();
    EXPECT_EQ(imported, 2);
    EXPECT_EQ(addrRows(), (QStringList{u("03005|서울특별시 종로구 청운동|02"),
                                       u("48905|부산광역시 중구 중앙동, 1가|051")}));
}

TEST_F(PostalImportTest, Cp949TabSeparatedFileWithSwappedHeader) {
    const QString path =
        writeFile(QStringLiteral("zip.txt"),
                  toCp949(u("addr\tddd\tZip\n제주특별자치도 제주시 연동\t064\t63105\n경기도 김포시 "
                            "사우동\t031\t10005\n")));
    QString error;
    ASSERT_TRUE(importPostalCodes(db(), path, &error)) << error.toStdString();
    EXPECT_EQ(addrRows(), (QStringList{u("63105|제주특별자치도 제주시 연동|064"),
                                       u("10005|경기도 김포시 사우동|031")}));
}

TEST_F(PostalImportTest, BadRowLeavesTheTableUnchanged) {
    fillOldRows();
    const QString longAddress(31, QChar(0xD55C));
    const QString path =
        writeFile(QStringLiteral("bad.csv"),
                  u("ZIP;ADDR;DDD\n1;가;02\n2;나;02\n3;%1;02\n").arg(longAddress).toUtf8());
    QString error;
    int imported = -1;
    EXPECT_FALSE(importPostalCodes(db(), path, &error, &imported));
    EXPECT_EQ(error, u("4번째 줄: 주소(ADDR) 값이 62바이트로, 최대 60바이트를 넘습니다."));
    EXPECT_EQ(imported, 0);
    EXPECT_EQ(addrRows(), oldRows);

    const QString missing =
        writeFile(QStringLiteral("short.csv"), u("ZIP,ADDR,DDD\n1,가,02\n2,나\n").toUtf8());
    EXPECT_FALSE(importPostalCodes(db(), missing, &error));
    EXPECT_EQ(error, u("3번째 줄: 항목이 2개로, 머리글의 3개와 다릅니다."));
    EXPECT_EQ(addrRows(), oldRows);
}

TEST_F(PostalImportTest, StoreFailureHalfWayRollsEverythingBack) {
    fillOldRows();
    refuse(QStringLiteral("addr"), QStringLiteral("INSERT"), QStringLiteral("refused by the store"),
           QStringLiteral("NEW.ZIP = '99999'"));
    const QString path =
        writeFile(QStringLiteral("zip.csv"),
                  u("ZIP,ADDR,DDD\n10005,김포 사우동,031\n99999,거부,02\n").toUtf8());
    QString error;
    int imported = -1;
    EXPECT_FALSE(importPostalCodes(db(), path, &error, &imported));
    EXPECT_TRUE(error.contains(QStringLiteral("refused by the store"))) << error.toStdString();
    EXPECT_EQ(imported, 0);
    EXPECT_EQ(addrRows(), oldRows) << "neither the deletion nor the first row may stay";
}

TEST_F(PostalImportTest, MissingFileAndEmptyFileChangeNothing) {
    fillOldRows();
    QString error;
    EXPECT_FALSE(importPostalCodes(db(), home_.filePath(QStringLiteral("none.csv")), &error));
    EXPECT_TRUE(
        error.startsWith(u("파일을 열 수 없습니다: ") + home_.filePath(QStringLiteral("none.csv"))))
        << error.toStdString();
    const QString headerOnly =
        writeFile(QStringLiteral("empty.csv"), QByteArray("ZIP,ADDR,DDD\r\n"));
    EXPECT_FALSE(importPostalCodes(db(), headerOnly, &error));
    EXPECT_EQ(error, u("머리글 아래에 우편번호 자료가 없습니다."));
    EXPECT_EQ(addrRows(), oldRows);
}

TEST_F(PostalImportTest, WhatCannotBeReadChangesNothingAndNamesTheFault) {
    fillOldRows();
    const QString fifo = home_.filePath(QStringLiteral("pipe.csv"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString folder = home_.filePath(QStringLiteral("folder.csv"));
    ASSERT_TRUE(QDir().mkpath(folder));
    const struct {
        QString path;
        QString error;
    } cases[] = {
        {writeFile(QStringLiteral("latin1.csv"), QByteArray("ZIP,ADDR,DDD\n75001,Caf\xE9,01\n")),
         u("2번째 줄: UTF-8(으)로 읽을 수 없는 바이트가 있습니다. 파일을 UTF-8 또는 CP949(완성형) "
           "텍스트로 저장한 다음 다시 가져오십시오.")},
        {writeFile(QStringLiteral("nul.csv"), QByteArray("ZIP,ADDR,DDD\n1,a\0,02\n", 20)),
         u("2번째 줄: NUL 문자(0 바이트)가 있습니다. 텍스트 파일이 아닌 것 같습니다.")},
        {fifo, u("보통 파일이 아니라 파이프이므로 읽지 않습니다: ") + fifo},
        {folder, u("보통 파일이 아니라 폴더이므로 읽지 않습니다: ") + folder},
    };
    for (const auto& c : cases) {
        QString error;
        QElapsedTimer timer;
        timer.start();
        EXPECT_FALSE(importPostalCodes(db(), c.path, &error)) << c.path.toStdString();
        EXPECT_EQ(error.toStdString(), c.error.toStdString());
        EXPECT_LT(timer.elapsed(), 2000) << "nothing waits for a writer";
        EXPECT_EQ(addrRows(), oldRows);
    }
}

TEST_F(PostalImportTest, SampleFillsAnEmptyTableOnly) {
    ASSERT_EQ(rows(QStringLiteral("addr")), 0) << "a new database starts without postal rows";
    loadPostalSampleIfEmpty(db());

    // Every data line of the resource becomes one row.
    QFile sample(postalSamplePath());
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(sample.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const auto dataLines = std::count_if(lines.begin(), lines.end(), [](const QString& line) {
        return !line.startsWith(u'#') && !line.startsWith(QStringLiteral("ZIP,"));
    });
    EXPECT_GE(dataLines, 300);
    EXPECT_EQ(rows(QStringLiteral("addr")), dataLines);
    EXPECT_EQ(scalar(QStringLiteral("SELECT ZIP || '|' || DDD FROM addr WHERE ADDR = ?"),
                     {u("서울특별시 종로구 청운동")})
                  .toString(),
              u("03005|02"));
    {
        // Five-digit postal codes and area codes such as 02, 031, 051.
        QSqlQuery all(db().connection());
        ASSERT_TRUE(all.exec(QStringLiteral("SELECT ZIP, DDD FROM addr")));
        const QRegularExpression zip(QStringLiteral("^[0-9]{5}$"));
        const QRegularExpression area(QStringLiteral("^0[1-9][0-9]?$"));
        int odd = 0;
        while (all.next()) {
            if (!zip.match(all.value(0).toString()).hasMatch() ||
                !area.match(all.value(1).toString()).hasMatch()) {
                ++odd;
            }
        }
        EXPECT_EQ(odd, 0);
    }
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(DISTINCT ZIP) FROM addr")).toInt(), dataLines);

    sql(QStringLiteral("DELETE FROM addr"));
    fillOldRows();
    loadPostalSampleIfEmpty(db());
    EXPECT_EQ(addrRows(), oldRows) << "the office's own rows are never replaced by the sample";
}

class PostalImportCommandTest : public PostalImportTest {
protected:
    void SetUp() override {
        PostalImportTest::SetUp();
        ASSERT_TRUE(otherOffice_.isValid());
        savedHome_ = qgetenv("QUARNEL_HOME");
        qputenv("QUARNEL_HOME", otherOffice_.path().toUtf8());
    }
    void TearDown() override {
        qputenv("QUARNEL_HOME", savedHome_);
        PostalImportTest::TearDown();
    }

    int run(const QStringList& arguments) {
        output_.clear();
        errors_.clear();
        QTextStream out(&output_);
        QTextStream err(&errors_);
        return runPostalImportCommand(arguments, out, err);
    }

    int officeRows() {
        const OfficeFolder folder(otherOffice_.path());
        Database database(folder.aliasDirectory());
        QSqlQuery query(database.connection());
        query.exec(QStringLiteral("SELECT count(*) FROM addr"));
        return query.next() ? query.value(0).toInt() : -1;
    }

    QTemporaryDir otherOffice_;
    QByteArray savedHome_;
    QString output_;
    QString errors_;
};

TEST_F(PostalImportCommandTest, ImportsIntoTheOfficeDatabase) {
    const QString path =
        writeFile(QStringLiteral("office.csv"),
                  toCp949(u("ZIP,ADDR,DDD\n03005,서울 종로구 청운동,02\n"
                            "03023,서울 종로구 효자동,02\n04505,서울 중구 소공동,02\n")));
    EXPECT_TRUE(isPostalImportCommand(
        {QStringLiteral("quarnel"), QStringLiteral("--import-postal"), path}));
    EXPECT_EQ(run({QStringLiteral("quarnel"), QStringLiteral("--import-postal"), path}), 0)
        << errors_.toStdString();
    EXPECT_EQ(output_, u("우편번호 3건을 가져왔습니다: %1\n").arg(path));
    EXPECT_EQ(officeRows(), 3);
    EXPECT_EQ(rows(QStringLiteral("addr")), 0) << "the test's own database is another office";
}

TEST_F(PostalImportCommandTest, BadFileAndMissingNameAreReported) {
    const QString path =
        writeFile(QStringLiteral("bad.csv"), u("ZIP,ADDR,DDD\n1,가,02\n2,나\n").toUtf8());
    EXPECT_EQ(run({QStringLiteral("quarnel"), QStringLiteral("--import-postal"), path}), 1);
    EXPECT_EQ(
        errors_,
        u("우편번호를 가져오지 못했습니다. 3번째 줄: 항목이 2개로, 머리글의 3개와 다릅니다.\n"));
    EXPECT_TRUE(output_.isEmpty());
    EXPECT_EQ(officeRows(), 0);

    EXPECT_FALSE(isPostalImportCommand({QStringLiteral("quarnel")}));
    EXPECT_EQ(run({QStringLiteral("quarnel"), QStringLiteral("--import-postal")}), 2);
    EXPECT_EQ(errors_, u("사용법: quarnel --import-postal <파일>\n"));
}
