#include "data/sql_dialect.h"

#include "data/table_name.h"

namespace {

enum class TokenKind { Space, Word, Quoted, Parameter, Symbol, Number };

struct Token {
    TokenKind kind;
    QString text;
    QChar quote;  // for Quoted
};

bool isWordStart(QChar c) { return c.isLetter() || c == u'_'; }
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == u'_' || c == u'$'; }

QList<Token> tokenize(const QString& sql) {
    QList<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar c = sql[i];
        qsizetype j = i + 1;
        if (c.isSpace()) {
            while (j < n && sql[j].isSpace()) ++j;
            tokens.append({TokenKind::Space, sql.mid(i, j - i), {}});
        } else if (c == u'"' || c == u'\'') {
            QString body;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) {  // doubled quote inside
                        body += c;
                        j += 2;
                        continue;
                    }
                    ++j;
                    break;
                }
                body += sql[j++];
            }
            tokens.append({TokenKind::Quoted, body, c});
        } else if (c == u':' && j < n && isWordStart(sql[j])) {
            while (j < n && isWordChar(sql[j])) ++j;
            tokens.append({TokenKind::Parameter, sql.mid(i + 1, j - i - 1), {}});
        } else if (isWordStart(c)) {
            while (j < n && isWordChar(sql[j])) ++j;
            tokens.append({TokenKind::Word, sql.mid(i, j - i), {}});
        } else if (c.isDigit()) {
            while (j < n && (sql[j].isDigit() || sql[j] == u'.')) ++j;
            tokens.append({TokenKind::Number, sql.mid(i, j - i), {}});
        } else {
            tokens.append({TokenKind::Symbol, QString(c), {}});
        }
        i = j;
    }
    return tokens;
}

QString quoteIdentifier(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

QString quoteLiteral(const QString& text) {
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

bool isWord(const Token& t, const char* word) {
    return t.kind == TokenKind::Word && t.text.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool isTableKeyword(const Token& t) {
    return isWord(t, "from") || isWord(t, "update") || isWord(t, "into") || isWord(t, "join") ||
           isWord(t, "table");
}

bool isExtensionWord(const Token& t) { return isWord(t, "db") || isWord(t, "dbf"); }

class Translator {
public:
    explicit Translator(const QString& sql) : tokens_(tokenize(sql)) {}

    TranslatedSql run() {
        for (index_ = 0; index_ < tokens_.size(); ++index_) write(tokens_[index_]);
        return result_;
    }

private:
    // The last token that is not white space, before the current one.
    const Token* previousSignificant() const {
        for (qsizetype k = index_ - 1; k >= 0; --k) {
            if (tokens_[k].kind != TokenKind::Space) return &tokens_[k];
        }
        return nullptr;
    }

    const Token* nextSignificant(qsizetype from) const {
        for (qsizetype k = from; k < tokens_.size(); ++k) {
            if (tokens_[k].kind != TokenKind::Space) return &tokens_[k];
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
            if (tokens_[k].kind != TokenKind::Space) return false;
        }
        return true;
    }

    bool skipSetQualifier(const Token& token) {
        if (!inSetClause_ || alias_.isEmpty() || token.kind != TokenKind::Word) return false;
        if (token.text.compare(alias_, Qt::CaseInsensitive) != 0) return false;
        const qsizetype dot = index_ + 1;
        if (dot >= tokens_.size() || tokens_[dot].kind != TokenKind::Symbol || tokens_[dot].text != u'.') return false;
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
        if (previous && previous->kind == TokenKind::Symbol && previous->text == u'.') {
            result_.sql += quoteIdentifier(token.text);  // C."field"
        } else if (inTablePosition()) {
            result_.sql += quoteIdentifier(canonicalTableName(token.text));
            if (isDml_) tableTokenIndex_ = index_;
        } else if (next && next->kind == TokenKind::Symbol && next->text == u'.') {
            result_.sql += quoteIdentifier(token.text);  // "alias".field
        } else {
            result_.sql += quoteLiteral(token.text);
        }
    }

    void writeWord(const Token& token) {
        noteStatementWords(token);
        if (skipSetQualifier(token)) return;
        if (isDmlAlias(token)) {
            alias_ = token.text;
            tableTokenIndex_ = -1;
            result_.sql += QStringLiteral("AS ") + token.text;
            return;
        }
        if (!inTablePosition()) {
            result_.sql += token.text;
            return;
        }
        // A bare table name, possibly with its file extension: all_list.db
        QString name = token.text;
        const qsizetype dot = index_ + 1;
        if (dot + 1 < tokens_.size() && tokens_[dot].kind == TokenKind::Symbol && tokens_[dot].text == u'.' &&
            isExtensionWord(tokens_[dot + 1])) {
            index_ = dot + 1;
        }
        result_.sql += quoteIdentifier(canonicalTableName(name));
        if (isDml_) tableTokenIndex_ = index_;
    }

    void writeParameter(const Token& token) {
        result_.sql += u'?';
        result_.parameters.append(token.text);
        const Token* previous = previousSignificant();
        if (previous && isWord(*previous, "like")) result_.sql += QStringLiteral(" ESCAPE '\\'");
    }

    QList<Token> tokens_;
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
