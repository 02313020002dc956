#include "data/query.h"
#include "data/store_error.h"
#include "listings/code_catalogue.h"
#include "listings/code_usage.h"
#include "tests/support/store_fixture.h"

#include <stdexcept>
#include <vector>

namespace {
using Add = CodeCatalogue::AddResult;
using Change = CodeCatalogue::ChangeResult;

// A store with listings and requests holding the same texts under lease
// kinds, sale kinds and consultation stages.
class CodeRulesTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        listing("L1", "임대", "아파트");
        listing("L2", "매매", "아파트");
        listing("L3", "임대", "상가");
        request("R1", "임대", "아파트", "문의");
        request("R2", "매수", "아파트", "계약");
        request("R3", "매매", "아파트", "문의");
        request("R4", "전체", "전체", "작업중");
    }

    static QString text(const char* utf8) { return QString::fromUtf8(utf8); }

    void listing(const char* key, const char* im, const char* cname) {
        sql(QStringLiteral("INSERT INTO budong (scancode, im, cname) VALUES (?, ?, ?)"),
            {text(key), text(im), text(cname)});
    }
    void request(const char* key, const char* im, const char* cname, const char* working) {
        sql(QStringLiteral("INSERT INTO burequ (scancode, im, cname, working) VALUES (?, ?, ?, ?)"),
            {text(key), text(im), text(cname), text(working)});
    }
    QString fieldOf(const char* table, const char* field, const char* key) {
        const QString statement = QStringLiteral("SELECT %1 FROM %2 WHERE scancode = ?");
        return scalar(statement.arg(text(field), text(table)), {text(key)}).toString();
    }
    QString listingKind(const char* key) { return fieldOf("budong", "cname", key); }
    QString requestKind(const char* key) { return fieldOf("burequ", "cname", key); }
    QString requestStage(const char* key) { return fieldOf("burequ", "working", key); }
    int codeRows(const char* letter, const QString& code) {
        return scalar(QStringLiteral("SELECT count(*) FROM bucode WHERE gubun = ? AND code = ?"),
                      {QString::fromUtf8(letter), code})
            .toInt();
    }

    CodeCatalogue catalogue;
};
}  // namespace

TEST_F(CodeRulesTest, CodesOfOneCategoryInCodeOrder) {
    sql(QStringLiteral("INSERT INTO bucode (gubun, code) VALUES ('W', '가망')"));
    const QStringList stages = catalogue.codes(CodeCategory::Consultation);
    EXPECT_EQ(stages, (QStringList{"가망", "계약", "문의", "작업중", "좋은손님", "취소"}));
    const QStringList lease = catalogue.codes(CodeCategory::Lease);
    EXPECT_EQ(lease.size(), 11);
    EXPECT_TRUE(lease.contains(QStringLiteral("원룸")));
    EXPECT_FALSE(lease.contains(QStringLiteral("전원주택"))) << "a sale kind is not a lease kind";
    EXPECT_TRUE(catalogue.contains(CodeCategory::Sale, QStringLiteral("전원주택")));
    EXPECT_FALSE(catalogue.contains(CodeCategory::Lease, QStringLiteral("전원주택")));
}

TEST_F(CodeRulesTest, AddRefusesEmptyAndDuplicatesPerCategory) {
    const int before = rows(QStringLiteral("bucode"));
    EXPECT_EQ(catalogue.add(CodeCategory::Lease, QString()), Add::Empty);
    EXPECT_EQ(catalogue.add(CodeCategory::Lease, QStringLiteral("원룸")), Add::Duplicate);
    EXPECT_EQ(rows(QStringLiteral("bucode")), before);

    EXPECT_EQ(catalogue.add(CodeCategory::Lease, QStringLiteral("오피스텔")), Add::Added);
    EXPECT_EQ(catalogue.add(CodeCategory::Sale, QStringLiteral("오피스텔")), Add::Added)
        << "the same text may stand in two categories";
    EXPECT_EQ(catalogue.add(CodeCategory::Sale, QStringLiteral("오피스텔")), Add::Duplicate);
    EXPECT_EQ(codeRows("I", QStringLiteral("오피스텔")), 1);
    EXPECT_EQ(codeRows("M", QStringLiteral("오피스텔")), 1);
    EXPECT_EQ(codeRows("W", QStringLiteral("오피스텔")), 0);
}

TEST_F(CodeRulesTest, ChangeToAnExistingCodeOrAMissingCodeWritesNothing) {
    EXPECT_EQ(catalogue.change(CodeCategory::Lease, QStringLiteral("아파트"), QStringLiteral("아파트")),
              Change::Duplicate)
        << "the code itself exists in the category";
    EXPECT_EQ(catalogue.change(CodeCategory::Lease, QStringLiteral("아파트"), QStringLiteral("상가")),
              Change::Duplicate);
    EXPECT_EQ(listingKind("L1"), QStringLiteral("아파트"));
    EXPECT_EQ(listingKind("L3"), QStringLiteral("상가"));
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트")), 1);

    EXPECT_EQ(catalogue.change(CodeCategory::Lease, QStringLiteral("빌라"), QStringLiteral("빌라주택")),
              Change::NotFound);
    EXPECT_EQ(codeRows("I", QStringLiteral("빌라주택")), 0);
    // The text of a sale kind is free in the lease category.
    EXPECT_EQ(catalogue.change(CodeCategory::Lease, QStringLiteral("원룸"), QStringLiteral("전원주택")),
              Change::Changed);
}

TEST_F(CodeRulesTest, ChangeToEmptyTextIsAccepted) {
    EXPECT_EQ(catalogue.change(CodeCategory::Lease, QStringLiteral("상가"), QString()),
              Change::Changed);
    EXPECT_EQ(codeRows("I", QStringLiteral("")), 1);
    const QVariant emptyKind =
        scalar(QStringLiteral("SELECT count(*) FROM budong WHERE scancode = 'L3' AND cname = ''"));
    EXPECT_EQ(emptyKind.toInt(), 1) << "the listing holds the empty text, not a missing value";
}

TEST_F(CodeRulesTest, EmptyFieldsDoNotTakeAChangedEmptyCode) {
    sql(QStringLiteral("INSERT INTO burequ (scancode, im, cname, working) "
                       "VALUES ('R9', '임대', NULL, NULL)"));
    sql(QStringLiteral("INSERT INTO bucode (gubun, code) VALUES ('W', '')"));
    EXPECT_EQ(catalogue.change(CodeCategory::Consultation, QString(), QStringLiteral("보류")),
              Change::Changed);
    EXPECT_TRUE(
        scalar(QStringLiteral("SELECT working IS NULL FROM burequ WHERE scancode = 'R9'")).toBool())
        << "a request without a stage holds no code";
}

TEST_F(CodeRulesTest, ProgressVisitsEveryRowOfEachTableInTurn) {
    std::vector<CascadeStep> steps;
    catalogue.change(CodeCategory::Lease, QStringLiteral("상가"), QStringLiteral("근린상가"),
                     [&steps](const CascadeStep& step) { steps.push_back(step); });
    ASSERT_EQ(steps.size(), 9u) << "3 listings and 4 requests, each table announced first";
    const QString listings = QStringLiteral("BUDONG.DB");
    const QString requests = QStringLiteral("BUREQU.DB");
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(steps[static_cast<size_t>(i)].table, listings);
        EXPECT_EQ(steps[static_cast<size_t>(i)].position, i);
        EXPECT_EQ(steps[static_cast<size_t>(i)].total, 3);
    }
    for (int i = 0; i <= 4; ++i) {
        EXPECT_EQ(steps[static_cast<size_t>(4 + i)].table, requests);
        EXPECT_EQ(steps[static_cast<size_t>(4 + i)].position, i);
        EXPECT_EQ(steps[static_cast<size_t>(4 + i)].total, 4);
    }
}

TEST_F(CodeRulesTest, FailedCascadeLeavesCodeListingsAndRequestsUnchanged) {
    // The listings are changed before the requests; a failure on the way
    // through the requests must take the listings' change back as well.
    const auto failOnRequests = [](const CascadeStep& step) {
        if (step.table == QStringLiteral("BUREQU.DB") && step.position == 1) {
            throw std::runtime_error("stopped");
        }
    };
    EXPECT_THROW(catalogue.change(CodeCategory::Lease, QStringLiteral("아파트"),
                                  QStringLiteral("아파트임대"), failOnRequests),
                 std::runtime_error);
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트")), 1);
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트임대")), 0);
    EXPECT_EQ(listingKind("L1"), QStringLiteral("아파트"));
    EXPECT_EQ(requestKind("R1"), QStringLiteral("아파트"));
    EXPECT_EQ(db().transactionDepth(), 0);
}

TEST_F(CodeRulesTest, CodeTooLongForARequestFieldIsRefusedAndRolledBack) {
    // A store whose requests keep the stage in four bytes: a six-syllable
    // stage fits the code table (12 bytes) but not the requests.
    sql(QStringLiteral("DROP TABLE burequ"));
    sql(QStringLiteral("CREATE TABLE burequ (scancode VARCHAR(17) NOT NULL PRIMARY KEY, "
                       "im VARCHAR(10), "
                       "cname VARCHAR(18), working VARCHAR(4), dpungl INTEGER)"));
    db().forgetTableInfo(QStringLiteral("burequ"));
    request("R1", "임대", "아파트", "문의");
    try {
        catalogue.change(CodeCategory::Consultation, QStringLiteral("문의"),
                         QStringLiteral("진행중인상담"));
        FAIL() << "a value too long for its field must be refused";
    } catch (const StoreError& error) {
        EXPECT_TRUE(error.storeText().contains(QStringLiteral("working"))) << error.what();
    }
    EXPECT_EQ(codeRows("W", QStringLiteral("문의")), 1);
    EXPECT_EQ(codeRows("W", QStringLiteral("진행중인상담")), 0);
    EXPECT_EQ(requestStage("R1"), QStringLiteral("문의"));
}

TEST_F(CodeRulesTest, UsageKeepsLeaseAndSaleKindsApart) {
    Query query;
    EXPECT_EQ(codeUsage(query, CodeCategory::Sale, QStringLiteral("아파트")), CodeUsage::InUse);
    EXPECT_EQ(codeUsage(query, CodeCategory::Lease, QStringLiteral("상가")), CodeUsage::InUse);
    EXPECT_EQ(codeUsage(query, CodeCategory::Sale, QStringLiteral("상가")), CodeUsage::Unused)
        << "only a lease listing holds the text";
    const auto stage = CodeCategory::Consultation;
    EXPECT_EQ(codeUsage(query, stage, QStringLiteral("작업중")), CodeUsage::InUse);
    EXPECT_EQ(codeUsage(query, stage, QStringLiteral("아파트")), CodeUsage::Unused)
        << "a stage is looked for in the stage field only";
    EXPECT_EQ(codeUsage(query, CodeCategory::Lease, QStringLiteral("전체")), CodeUsage::Unused)
        << "a request of kind 전체 holds no lease kind";
    EXPECT_FALSE(query.isOpen());
    EXPECT_TRUE(dlg().messages.isEmpty());
}

TEST_F(CodeRulesTest, UsageOfASaleKindCountsRequestsToBuy) {
    request("R8", "매수", "전원주택", "문의");
    Query query;
    EXPECT_EQ(codeUsage(query, CodeCategory::Sale, QStringLiteral("전원주택")), CodeUsage::InUse);
    EXPECT_EQ(codeUsage(query, CodeCategory::Lease, QStringLiteral("전원주택")), CodeUsage::Unused);
}

TEST_F(CodeRulesTest, UsageBindsTheCodeAsAParameter) {
    const QString tricky = QStringLiteral("아\" or \"1\"=\"1");
    listing("L7", "임대", "아\" or \"1\"=\"1");
    Query query;
    EXPECT_EQ(codeUsage(query, CodeCategory::Lease, tricky), CodeUsage::InUse);
    EXPECT_EQ(codeUsage(query, CodeCategory::Lease, QStringLiteral("x\" or \"1\"=\"1")),
              CodeUsage::Unused);
    const QStringList lines = codeUsageStatement(codeUses(CodeCategory::Sale)[1]);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], QStringLiteral("select B.\"dpungl\" from \"BUREQU.DB\" B"));
    EXPECT_EQ(lines[1],
              QStringLiteral(" where (B.\"im\" = \"매매\" or B.\"im\" = \"매수\") "
                             "and B.\"cname\" = :code"));
}

TEST_F(CodeRulesTest, UsageThatCouldNotBeReadIsUnknown) {
    sql(QStringLiteral("DROP TABLE burequ"));
    db().forgetTableInfo(QStringLiteral("burequ"));
    dlg().script({Dialogs::Answer::Retry, Dialogs::Answer::Cancel});
    Query query;
    EXPECT_EQ(codeUsage(query, CodeCategory::Lease, QStringLiteral("원룸")), CodeUsage::Unknown);
    ASSERT_EQ(dlg().messages.size(), 2) << "asked once, retried, asked again";
    EXPECT_EQ(dlg().last().buttons, Dialogs::Buttons::RetryCancel);
    EXPECT_EQ(codeUsage(query, CodeCategory::Sale, QStringLiteral("아파트")), CodeUsage::InUse)
        << "the listings are checked first and answer alone";
}

TEST_F(CodeRulesTest, RemoveDeletesOnlyTheCodeOfTheCategory) {
    EXPECT_TRUE(catalogue.remove(CodeCategory::Sale, QStringLiteral("토지")));
    EXPECT_EQ(codeRows("M", QStringLiteral("토지")), 0);
    EXPECT_EQ(codeRows("I", QStringLiteral("토지")), 1);
    EXPECT_FALSE(catalogue.remove(CodeCategory::Sale, QStringLiteral("토지")));
    EXPECT_FALSE(catalogue.remove(CodeCategory::Consultation, QStringLiteral("아파트")));
    EXPECT_EQ(codeRows("I", QStringLiteral("아파트")), 1);
}
