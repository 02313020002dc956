#pragma once

#include <QList>
#include <QPair>
#include <QString>

#include <vector>

// The three documents of the contract forms and what sets them apart.
enum class DocumentKind { Sale, Lease, Sheet };

// How a field of a document behaves on its form.
enum class FieldRole {
    Text,          // typed text, stored as typed
    Amount,        // an amount field (contracts/amount_field.h)
    SignDay,       // the signing date: rewritten as YYYY-MM-DD when it reads as a date
    SquareMetres,  // an area in ㎡; fills its pyeong partner when that is empty
    Pyeong,        // an area in 평; fills its ㎡ partner when that is empty
    Memo,          // free text of several lines
};

struct DocumentField {
    QString name;   // the field of the document's table; its control is "DB" + name
    int bytes = 0;  // CP949 bytes the field takes; 0 for a memo or an amount
    FieldRole role = FieldRole::Text;
    QString partner = {};  // the other unit of an area
};

struct DocumentProfile {
    DocumentKind kind;
    QString caption;       // the window's caption
    QString heading;       // the title over the sheet
    QString table;         // the document table
    QString keyField;      // its key; empty for the explanation sheet
    QString layoutTable;   // the layout the document prints with
    QString jobTitle;      // the print job's title
    QString savedMessage;  // said after a save
    QString documentName;  // names a printed file
    QString addressField;  // the first field of a new document
    QString dateField;     // the date that names a printed file
    std::vector<DocumentField> fields;
    // Listing fields copied into a document started from a listing: (listing
    // field, document field).
    QList<QPair<QString, QString>> listingCopies;

    bool isContract() const { return kind != DocumentKind::Sheet; }
    const DocumentField* field(const QString& name) const;
};

const DocumentProfile& saleContractProfile();
const DocumentProfile& leaseContractProfile();
const DocumentProfile& explanationSheetProfile();
