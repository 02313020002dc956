#include "data/server_sql.h"

#include <algorithm>
#include <vector>

namespace {

struct Piece {
    enum Kind { Space, Word, Quoted, Other } kind;
    QString text;
};

std::vector<Piece> split(const QString& sql) {
    std::vector<Piece> pieces;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar c = sql[i];
        qsizetype j = i + 1;
        Piece::Kind kind = Piece::Other;
        if (c.isSpace()) {
            while (j < n && sql[j].isSpace())
                ++j;
            kind = Piece::Space;
        } else if (c == u'\'' || c == u'"') {
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                ++j;
            }
            kind = Piece::Quoted;
        } else if (c == u'-' && j < n && sql[j] == u'-') {
            while (j < n && sql[j] != u'\n')
                ++j;
            kind = Piece::Space;
        } else if (c.isLetter() || c == u'_') {
            while (j < n && (sql[j].isLetterOrNumber() || sql[j] == u'_' || sql[j] == u'$'))
                ++j;
            kind = Piece::Word;
        } else if (c.isDigit()) {
            while (j < n && (sql[j].isDigit() || sql[j] == u'.'))
                ++j;
        }
        pieces.push_back({kind, sql.mid(i, j - i)});
        i = j;
    }
    return pieces;
}

bool is(const Piece& piece, const char* word) {
    return piece.kind == Piece::Word &&
           piece.text.compare(QLatin1StringView(word), Qt::CaseInsensitive) == 0;
}

class Rewriter {
public:
    explicit Rewriter(const QString& sql) : pieces_(split(sql)) {}

    QString run() {
        noteStatement();
        for (index_ = 0; index_ < size(); ++index_)
            write(at(index_));
        return out_;
    }

private:
    qsizetype size() const { return static_cast<qsizetype>(pieces_.size()); }
    const Piece& at(qsizetype k) const { return pieces_[static_cast<size_t>(k)]; }

    // The k-th word of the statement (0-based), or null.
    const Piece* word(int k) const {
        for (const Piece& piece : pieces_) {
            if (piece.kind == Piece::Space) continue;
            if (k-- == 0) return &piece;
        }
        return nullptr;
    }

    const Piece* nextSignificant() const {
        for (qsizetype k = index_ + 1; k < size(); ++k) {
            if (at(k).kind != Piece::Space) return &at(k);
        }
        return nullptr;
    }

    void noteStatement() {
        const Piece* first = word(0);
        const Piece* second = word(1);
        if (!first || !second) return;
        defining_ = (is(*first, "create") && is(*second, "table")) ||
                    (is(*first, "alter") && is(*second, "table"));
        if (is(*first, "create") && is(*second, "table")) {
            // CREATE TABLE name (...): the hidden row number goes before the
            // closing parenthesis. A table made from a select has none.
            for (qsizetype k = 0; k < size(); ++k) {
                if (is(at(k), "as")) break;
                if (at(k).kind == Piece::Other && at(k).text == u"(") {
                    tableParenthesis_ = k;
                    break;
                }
            }
            if (tableParenthesis_ >= 0) {
                int depth = 0;
                for (qsizetype k = tableParenthesis_; k < size(); ++k) {
                    if (at(k).kind != Piece::Other) continue;
                    if (at(k).text == u"(") ++depth;
                    if (at(k).text == u")" && --depth == 0) {
                        closingParenthesis_ = k;
                        break;
                    }
                }
            }
        }
    }

    const Piece* previousSignificant() const {
        for (qsizetype k = index_ - 1; k >= 0; --k) {
            if (at(k).kind != Piece::Space) return &at(k);
        }
        return nullptr;
    }

    qsizetype matchingParenthesis(qsizetype open) const {
        int depth = 0;
        for (qsizetype k = open; k < size(); ++k) {
            if (at(k).kind != Piece::Other) continue;
            if (at(k).text == u"(") ++depth;
            if (at(k).text == u")" && --depth == 0) return k;
        }
        return -1;
    }

    // A select in parentheses after FROM or JOIN needs a name on the
    // server; SQLite does without one.
    void noteSubquery() {
        const Piece* previous = previousSignificant();
        const Piece* next = nextSignificant();
        if (!previous || !next || !(is(*previous, "from") || is(*previous, "join")) ||
            !is(*next, "select"))
            return;
        const qsizetype close = matchingParenthesis(index_);
        if (close < 0) return;
        for (qsizetype k = close + 1; k < size(); ++k) {
            if (at(k).kind == Piece::Space) continue;
            const Piece& after = at(k);
            const bool named = after.kind == Piece::Word &&
                               !(is(after, "where") || is(after, "group") || is(after, "order") ||
                                 is(after, "limit") || is(after, "union") || is(after, "join") ||
                                 is(after, "left") || is(after, "inner") || is(after, "cross") ||
                                 is(after, "having") || is(after, "on") || is(after, "except") ||
                                 is(after, "intersect") || is(after, "offset"));
            if (named || after.kind == Piece::Quoted) return;
            break;
        }
        unnamed_.push_back(close);
    }

    // group_concat(x) and group_concat(x, separator): the server's
    // string_agg wants text and always a separator (SQLite's is ",").
    void noteGroupConcat() {
        qsizetype open = index_ + 1;
        while (open < size() && at(open).kind == Piece::Space)
            ++open;
        if (open >= size() || at(open).text != u"(") return;
        const qsizetype close = matchingParenthesis(open);
        if (close < 0) return;
        qsizetype comma = -1;
        int depth = 0;
        for (qsizetype k = open; k < close; ++k) {
            if (at(k).kind != Piece::Other) continue;
            if (at(k).text == u"(") ++depth;
            if (at(k).text == u")") --depth;
            if (depth == 1 && at(k).text == u"," && comma < 0) comma = k;
        }
        aggregateOpen_.push_back(open);
        // group_concat(DISTINCT x): the server wants the word before the cast.
        for (qsizetype k = open + 1; k < close; ++k) {
            if (at(k).kind == Piece::Space) continue;
            if (is(at(k), "distinct")) distinct_.push_back(k);
            break;
        }
        if (comma >= 0) {
            aggregateComma_.push_back(comma);
        } else {
            aggregateClose_.push_back(close);
        }
    }

    static bool among(const std::vector<qsizetype>& list, qsizetype k) {
        return std::find(list.begin(), list.end(), k) != list.end();
    }

    void write(const Piece& piece) {
        if (among(aggregateOpen_, index_)) {
            const Piece* next = nextSignificant();
            out_ += next && is(*next, "distinct") ? QStringLiteral("(DISTINCT (")
                                                  : QStringLiteral("((");
            return;
        }
        if (among(distinct_, index_)) return;
        if (among(aggregateComma_, index_)) {
            out_ += QStringLiteral(")::text,");
            return;
        }
        if (among(aggregateClose_, index_)) {
            out_ += QStringLiteral(")::text, ',')");
            return;
        }
        if (piece.kind == Piece::Other && piece.text == u"(") noteSubquery();
        if (index_ == closingParenthesis_) {
            out_ += QStringLiteral(", %1 BIGINT GENERATED BY DEFAULT AS IDENTITY UNIQUE")
                        .arg(QLatin1StringView(kServerRowid));
        }
        if (piece.kind == Piece::Quoted && piece.text.startsWith(u'"')) {
            out_ += piece.text.toLower();
            return;
        }
        if (piece.kind != Piece::Word) {
            out_ += piece.text;
            if (std::find(unnamed_.begin(), unnamed_.end(), index_) != unnamed_.end()) {
                out_ += QStringLiteral(" AS quarnel_sub%1").arg(++subqueries_);
            }
            if (pendingCollation_ && piece.text == u")") {
                out_ += QStringLiteral(" COLLATE \"C\"");
                pendingCollation_ = false;
            }
            return;
        }
        if (is(piece, "like")) {
            out_ += QStringLiteral("ILIKE");
        } else if (is(piece, "ifnull")) {
            out_ += QStringLiteral("COALESCE");
        } else if (is(piece, "group_concat")) {
            out_ += QStringLiteral("string_agg");
            noteGroupConcat();
        } else if (defining_ && is(piece, "integer")) {
            out_ += QStringLiteral("BIGINT");
        } else if (defining_ && (is(piece, "double") || is(piece, "real"))) {
            const Piece* next = nextSignificant();
            out_ +=
                (next && is(*next, "precision")) ? piece.text : QStringLiteral("DOUBLE PRECISION");
        } else if (defining_ && is(piece, "text")) {
            out_ += QStringLiteral("TEXT COLLATE \"C\"");
        } else if (defining_ && (is(piece, "varchar") || is(piece, "char"))) {
            out_ += piece.text;
            const Piece* next = nextSignificant();
            if (next && next->text == u"(") {
                pendingCollation_ = true;
            } else {
                out_ += QStringLiteral(" COLLATE \"C\"");
            }
        } else {
            out_ += piece.text;
        }
    }

    std::vector<Piece> pieces_;
    qsizetype index_ = 0;
    QString out_;
    bool defining_ = false;
    bool pendingCollation_ = false;
    qsizetype tableParenthesis_ = -1;
    qsizetype closingParenthesis_ = -1;
    std::vector<qsizetype> unnamed_;         // closing parentheses of unnamed subqueries
    std::vector<qsizetype> aggregateOpen_;   // of group_concat: its opening parenthesis,
    std::vector<qsizetype> aggregateComma_;  // the comma before its separator,
    std::vector<qsizetype> aggregateClose_;  // or its closing one when it has none
    std::vector<qsizetype> distinct_;        // DISTINCT inside it, written before the cast
    int subqueries_ = 0;
};

}  // namespace

QString serverSql(const QString& sqliteSql) {
    return Rewriter(sqliteSql).run();
}
