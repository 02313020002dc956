// The printed pages of the three documents, drawn from their layout tables
// on the recording device and measured with the printer's own font.

#include "contracts/layout_printer.h"
#include "data/database.h"
#include "tests/contracts/contracts_support.h"

#include <QSet>

namespace {

const DocumentProfile* const kDocuments[] = {&saleContractProfile(), &leaseContractProfile(),
                                             &explanationSheetProfile()};

LayoutRun runOf(const DocumentProfile& profile) {
    return {profile.layoutTable, profile.jobTitle, profile.isContract() ? 0 : 5, nullptr};
}

// The rectangle a line covers with its pen.
QRect lineArea(const RecordingPrintDevice::Op& line) {
    const int half = std::max(1, line.pen / 2);
    return QRect(line.a, line.b).normalized().adjusted(-half, -half, half, half);
}

int textItemsDrawn(const std::vector<LayoutItem>& items) {
    int count = 0;
    for (const LayoutItem& item : items) {
        if (item.itemType == u'T' || item.itemType == u'F') count += item.XYloop + 1;
    }
    return count;
}

}  // namespace

class LayoutPageTest : public ContractsStoreTest {};

// Each field of a document's table (but its key and change counter) is printed by an F item; with
// every field as wide as it can be, every text lies inside the printable area of an office printer
// (4.2 mm margins), no two texts overlap and no text runs into a rule.
TEST_F(LayoutPageTest, EveryFieldPrintsInsideThePageAndNothingOverlaps) {
    for (const DocumentProfile* profile : kDocuments) {
        SCOPED_TRACE(profile->layoutTable.toStdString());
        const std::vector<LayoutItem> items = readLayout(profile->layoutTable);
        QSet<QString> printedFields;
        for (const LayoutItem& item : items) {
            if (item.itemType == u'F') printedFields.insert(item.itemText.toLower());
        }
        for (const FieldDef& field : db().tableInfo(profile->table).fields) {
            const QString name = field.name.toLower();
            // The key and the desks' change counter are the store's, not the document's.
            if (name == profile->keyField || field.type == FieldType::Memo ||
                name == QLatin1String("changes") || name == QLatin1String("changedby"))
                continue;
            EXPECT_TRUE(printedFields.contains(name)) << "no F item prints " << name.toStdString();
        }

        RecordingPrintDevice device(600);
        device.setPrintingOffset({100, 100});
        ASSERT_TRUE(printLayout(device, runOf(*profile), widestDocument(*profile)));
        const QList<PrintedText> texts = printedTexts(device);
        ASSERT_EQ(texts.size(), textItemsDrawn(items));
        const QRect page(QPoint(0, 0), device.printableSize());
        const QList<RecordingPrintDevice::Op> lines = device.ops(RecordingPrintDevice::Op::Line);
        for (int i = 0; i < texts.size(); ++i) {
            const PrintedText& text = texts[i];
            EXPECT_TRUE(page.contains(text.box)) << "off the page: " << text.text.toStdString();
            for (int j = i + 1; j < texts.size(); ++j) {
                EXPECT_FALSE(text.box.intersects(texts[j].box))
                    << text.text.toStdString() << " | " << texts[j].text.toStdString();
            }
            for (const RecordingPrintDevice::Op& line : lines) {
                EXPECT_FALSE(text.box.intersects(lineArea(line)))
                    << text.text.toStdString() << " crosses the rule from (" << line.a.x() << ","
                    << line.a.y() << ") to (" << line.b.x() << "," << line.b.y() << ")";
            }
        }
    }
}
