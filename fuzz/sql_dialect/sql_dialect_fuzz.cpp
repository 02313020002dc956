// The translation of the local SQL dialect, on any statement text.

#include "data/sql_dialect.h"
#include "fuzz/fuzz_check.h"

namespace {

// Whether every quoted text and quoted name of the SQLite statement is closed
// (a doubled quote inside stays inside), and how many "?" stand outside them.
struct Quoting {
    bool closed = true;
    qsizetype placeholders = 0;
};

Quoting quotingOf(const QString& sql) {
    Quoting quoting;
    QChar open;
    for (qsizetype i = 0; i < sql.size(); ++i) {
        const QChar c = sql[i];
        if (open.isNull()) {
            if (c == u'\'' || c == u'"')
                open = c;
            else if (c == u'?')
                ++quoting.placeholders;
        } else if (c == open) {
            if (i + 1 < sql.size() && sql[i + 1] == open)
                ++i;
            else
                open = QChar();
        }
    }
    quoting.closed = open.isNull();
    return quoting;
}

// The typed text back from a like pattern; nothing when a wildcard is left
// unescaped.
std::optional<QString> literalOf(const QString& pattern) {
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'%' || c == u'_') return std::nullopt;
        if (c == u'\\') {
            if (++i == pattern.size()) return std::nullopt;
            text += pattern[i];
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString local = QString::fromUtf8(bytesOf(data, size));
    const TranslatedSql translated = translateSql(local);
    const Quoting quoting = quotingOf(translated.sql);
    require(quoting.closed, "no quote of the translated statement is left open");
    require(translated.parameters.size() <= quoting.placeholders,
            "every named parameter became a placeholder");

    require(literalOf(escapeLike(local)) == local, "a typed text matches only itself");
    return 0;
}
