#pragma once

#include <QString>
#include <QStringList>

// A statement of the program's local SQL dialect turned into SQLite's.
struct TranslatedSql {
    QString sql;             // SQLite text with positional '?' parameters
    QStringList parameters;  // the parameter name of each '?', in order
};

// Translates the local dialect:
//  - table names written as quoted file names ("BUDONG.DB", 'upche.dbf') or
//    bare (budong, all_list.db) become the store's table names;
//  - names after a correlation name (S."addr", P.'field') are field names;
//  - any other double- or single-quoted text is a text constant;
//  - named parameters (:s1, :d1) become positional, and `like :p` gets the
//    escape character '\', so that a pattern made by likePattern() matches
//    the typed text literally.
TranslatedSql translateSql(const QString& localSql);

// Patterns for `like :p` parameters: the typed text with its own %, _ and backslash
// escaped, so that only the wildcards added here are wildcards.
QString escapeLike(const QString& typed);
QString containsPattern(const QString& typed);  // "%text%"
QString endsWithPattern(const QString& typed);  // "%text"
