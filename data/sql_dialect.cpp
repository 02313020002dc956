#include "data/sql_dialect.h"

#include "data/table_name.h"

#include <vector>

namespace {

enum class TokenKind { Space, Word, Quoted, Parameter, Symbol, Number };

// A token is a view of the statement's text: a quoted token the text between
// its quotes (a doubled quote still doubled), a parameter its name without
// the colon, any other token its text as written.
struct Token {
    TokenKind kind;
    QStringView text;
    QChar quote;  // for Quoted
};

bool isWordStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

// The end of a quoted text that starts after the quote at `open`: the index
// of its closing quote, or the end of the statement.
qsizetype quotedEnd(QStringView sql, qsizetype open) {
    const QChar quote = sql[open];
    qsizetype j = open + 1;
    while (j < sql.size()) {
        if (sql[j] == quote) {
            if (j + 1 < sql.size() && sql[j + 1] == quote) {  // doubled quote inside
                j += 2;
                continue;
            }
            return j;
        }
        ++j;
    }
    return j;
}

std::vector<Token> tokenize(QStringView sql) {
    std::vector<Token> tokens;
    tokens.reserve(static_cast<size_t>(sql.size() / 3 + 8));
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar c = sql[i];
        qsizetype j = i + 1;
        if (c.isSpace()) {
            while (j < n && sql[j].isSpace()) ++j;
            tokens.push_back({TokenKind::Space, sql.sliced(i, j - i), {}});
        } else if (c == u'"' || c == u'\'') {
            const qsizetype close = quotedEnd(sql, i);
            tokens.push_back({TokenKind::Quoted, sql.sliced(i + 1, close - i - 1), c});
            j = close < n ? close + 1 : n;
        } else if (c == u':' && j < n && isWordStart(sql[j])) {
            while (j < n && isWordChar(sql[j])) ++j;
            tokens.push_back({TokenKind::Parameter, sql.sliced(i + 1, j - i - 1), {}});
        } else if (isWordStart(c)) {
            while (j < n && isWordChar(sql[j])) ++j;
            tokens.push_back({TokenKind::Word, sql.sliced(i, j - i), {}});
        } else if (c.isDigit()) {
            while (j < n && (sql[j].isDigit() || sql[j] == u'.')) ++j;
            tokens.push_back({TokenKind::Number, sql.sliced(i, j - i), {}});
        } else {
            tokens.push_back({TokenKind::Symbol, sql.sliced(i, 1), {}});
        }
        i = j;
    }
    return tokens;
}

// Appends the text of a quoted token between `quote`s: the token's doubled
// quotes become single, and `quote` inside is doubled.
void appendQuoted(QString& out, const Token& token, QChar quote) {
    out += quote;
    const QStringView body = token.text;
    for (qsizetype k = 0; k < body.size(); ++k) {
        const QChar c = body[k];
        if (c == token.quote) ++k;  // the second of a doubled quote
        out += c;
        if (c == quote) out += quote;
    }
    out += quote;
}

// The text of a quoted token with its doubled quotes made single.
QString unquoted(const Token& token) {
    QString text;
    text.reserve(token.text.size());
    for (qsizetype k = 0; k < token.text.size(); ++k) {
        const QChar c = token.text[k];
        if (c == token.quote) ++k;  // the second of a doubled quote
        text += c;
    }
    return text;
}

void appendIdentifier(QString& out, const QString& name) {
    out += u'"';
    for (const QChar c : name) {
        out += c;
        if (c == u'"') out += u'"';
    }
    out += u'"';
}

bool isWord(const Token& t, const char* word) {
    return t.kind == TokenKind::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isSymbol(const Token& t, QChar symbol) {
    return t.kind == TokenKind::Symbol && t.text.front() == symbol;
}

bool isTableKeyword(const Token& t) {
    return isWord(t, "from") || isWord(t, "update") || isWord(t, "into") || isWord(t, "join") ||
           isWord(t, "table");
}

bool isExtensionWord(const Token& t) { return isWord(t, "db") || isWord(t, "dbf"); }

class Translator {
public:
    explicit Translator(const QString& sql) : tokens_(tokenize(sql)) {
        result_.sql.reserve(sql.size() + sql.size() / 4);
    }

    TranslatedSql run() {
        for (index_ = 0; index_ < size(); ++index_) write(at(index_));
        return result_;
    }

private:
    qsizetype size() const { return static_cast<qsizetype>(tokens_.size()); }
    const Token& at(qsizetype k) const { return tokens_[static_cast<size_t>(k)]; }

    // The last token that is not white space, before the current one.
    const Token* previousSignificant() const {
        for (qsizetype k = index_ - 1; k >= 0; --k) {
            if (at(k).kind != TokenKind::Space) return &at(k);
        }
        return nullptr;
    }

    const Token* nextSignificant(qsizetype from) const {
        for (qsizetype k = from; k < size(); ++k) {
            if (at(k).kind != TokenKind::Space) return &at(k);
        }
        return nullptr;
    }

    bool inTablePosition() const {
        const Token* previous = previousSignificant();
        return previous && isTableKeyword(*previous);
    }

    void write(const Token& token) {
        switch (token.kind) {
            case TokenKind::Quoted: writeQuoted(token); break;
            case TokenKind::Word: writeWord(token); break;
            case TokenKind::Parameter: writeParameter(token); break;
            default: result_.sql += token.text; break;
        }
    }

    // In update and delete statements SQLite wants "AS" before the
    // correlation name, and unqualified names on the left of "set".
    bool isDmlAlias(const Token& token) const {
        if (tableTokenIndex_ < 0 || token.kind != TokenKind::Word) return false;
        if (isWord(token, "set") || isWord(token, "where")) return false;
        for (qsizetype k = index_ - 1; k > tableTokenIndex_; --k) {
            if (at(k).kind != TokenKind::Space) return false;
        }
        return true;
    }

    bool skipSetQualifier(const Token& token) {
        if (!inSetClause_ || alias_.isEmpty() || token.kind != TokenKind::Word) return false;
        if (token.text.compare(alias_, Qt::CaseInsensitive) != 0) return false;
        const qsizetype dot = index_ + 1;
        if (dot >= size() || !isSymbol(at(dot), u'.')) return false;
        index_ = dot;  // drop "C." before the field name
        return true;
    }

    void noteStatementWords(const Token& token) {
        if (token.kind != TokenKind::Word) return;
        if (!statementSeen_) {
            statementSeen_ = true;
            isDml_ = isWord(token, "update") || isWord(token, "delete");
        }
        if (isWord(token, "set")) inSetClause_ = isDml_;
        if (isWord(token, "where")) inSetClause_ = false;
    }

    void writeQuoted(const Token& token) {
        const Token* previous = previousSignificant();
        const Token* next = nextSignificant(index_ + 1);
        if (previous && isSymbol(*previous, u'.')) {
            appendQuoted(result_.sql, token, u'"');  // C."field"
        } else if (inTablePosition()) {
            appendIdentifier(result_.sql, canonicalTableName(unquoted(token)));
            if (isDml_) tableTokenIndex_ = index_;
        } else if (next && isSymbol(*next, u'.')) {
            appendQuoted(result_.sql, token, u'"');  // "alias".field
        } else {
            appendQuoted(result_.sql, token, u'\'');
        }
    }

    void writeWord(const Token& token) {
        noteStatementWords(token);
        if (skipSetQualifier(token)) return;
        if (isDmlAlias(token)) {
            alias_ = token.text.toString();
            tableTokenIndex_ = -1;
            result_.sql += QStringLiteral("AS ");
            result_.sql += token.text;
            return;
        }
        if (!inTablePosition()) {
            result_.sql += token.text;
            return;
        }
        // A bare table name, possibly with its file extension: all_list.db
        const QString name = token.text.toString();
        const qsizetype dot = index_ + 1;
        if (dot + 1 < size() && isSymbol(at(dot), u'.') && isExtensionWord(at(dot + 1))) {
            index_ = dot + 1;
        }
        appendIdentifier(result_.sql, canonicalTableName(name));
        if (isDml_) tableTokenIndex_ = index_;
    }

    void writeParameter(const Token& token) {
        result_.sql += u'?';
        result_.parameters.append(token.text.toString());
        const Token* previous = previousSignificant();
        if (previous && isWord(*previous, "like")) result_.sql += QStringLiteral(" ESCAPE '\\'");
    }

    std::vector<Token> tokens_;
    qsizetype index_ = 0;
    TranslatedSql result_;
    bool statementSeen_ = false;
    bool isDml_ = false;
    bool inSetClause_ = false;
    qsizetype tableTokenIndex_ = -1;
    QString alias_;
};

}  // namespace

TranslatedSql translateSql(const QString& localSql) { return Translator(localSql).run(); }

QString escapeLike(const QString& typed) {
    QString escaped;
    escaped.reserve(typed.size());
    for (const QChar c : typed) {
        if (c == u'\\' || c == u'%' || c == u'_') escaped += u'\\';
        escaped += c;
    }
    return escaped;
}

QString containsPattern(const QString& typed) { return u'%' + escapeLike(typed) + u'%'; }
QString endsWithPattern(const QString& typed) { return u'%' + escapeLike(typed); }
