#pragma once

#include <QString>

#include <stdexcept>

// A failure of the data store. It carries the store's own text; what() gives
// the text shown by the standard error display.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& storeText) : StoreError(QString(), storeText) {}
    StoreError(const QString& context, const QString& storeText)
        : std::runtime_error(compose(context, storeText).toStdString()),
          context_(context),
          storeText_(storeText) {}

    const QString& context() const { return context_; }
    const QString& storeText() const { return storeText_; }

private:
    static QString compose(const QString& context, const QString& storeText) {
        return context.isEmpty() ? storeText : context + QStringLiteral("\n") + storeText;
    }

    QString context_;
    QString storeText_;
};

// The store stayed busy with another program's write for the whole busy
// time-out.
class StoreBusyError : public StoreError {
public:
    using StoreError::StoreError;
};

// A new row's key is already in the store (another desk or program made the
// same key first): the statement was refused and wrote nothing.
class StoreKeyClash : public StoreError {
public:
    using StoreError::StoreError;
};
