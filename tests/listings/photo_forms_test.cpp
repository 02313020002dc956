// The photo chooser and the photo manager through their controls, over
// picture files in a temporary office: listing and attaching in any case of
// name, the overwrite questions and every way an attach must not lose or
// half-write anything, and the manager's thumbnails, selection, deletion of
// shared files, and the forms it opens.

#include "common/shared_values.h"
#include "imaging/picture_view.h"
#include "listings/photo_folder.h"
#include "listings/photo_store.h"
#include "listings/tfmbu_lst.h"
#include "listings/tfmonesheet.h"
#include "listings/tfmpictcho.h"
#include "listings/tfmpictman.h"
#include "tests/listings/listings_support.h"
#include "tests/support/picture_files.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>

#include <memory>

namespace {

using Answer = Dialogs::Answer;

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeSolidJpeg(const QString& path, QColor colour) {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(colour);
    writeJpegFile(path, image);
}

class PhotoFormsTest : public ListingsStoreTest {
protected:
    void SetUp() override {
        ListingsStoreTest::SetUp();
        addListing(QStringLiteral("A001"), QStringLiteral("매매"), QStringLiteral("아파트"));
        addListing(QStringLiteral("A002"), QStringLiteral("임대"), QStringLiteral("상가"));
        sql(QStringLiteral(
            "UPDATE budong SET addr = '서울시 강남구 역삼동', dpung = 30, tmprice = 500000, "
            "duse = '대', mpricepp = 16500 WHERE scancode = 'A001'"));
        writeSolidJpeg(source(QStringLiteral("house.jpg")), Qt::red);
        writeSolidJpeg(source(QStringLiteral("Yard.JPG")), Qt::green);
        QFile::copy(pictureFixture(QStringLiteral("QUAD.GIF")), source(QStringLiteral("PLAN.GIF")));
        QFile::copy(pictureFixture(QStringLiteral("photo24.pcx")),
                    source(QStringLiteral("scan.Pcx")));
        QFile notes(source(QStringLiteral("notes.txt")));
        ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    }

    QString source(const QString& name) const { return sources_.filePath(name); }
    static QString pict(const QString& name) { return photoFilePath(name); }

    std::unique_ptr<TFMpictCho> openChooser(const QString& scanbud, const QString& folder = {}) {
        auto form = std::make_unique<TFMpictCho>();
        form->LBscanBud->setText(scanbud);
        form->show();
        form->setFolder(folder.isEmpty() ? sources_.path() : folder);
        return form;
    }
    // Chooses the file and presses "  사진 붙이기".
    static void attach(TFMpictCho& chooser, const QString& name) {
        ASSERT_TRUE(chooser.selectFile(name)) << name.toStdString();
        clickOn(chooser, "BTimgok");
    }
    static QStringList listed(const TFMpictCho& chooser) {
        QStringList names;
        for (int i = 0; i < chooser.FileListBox1->count(); ++i)
            names.append(chooser.FileListBox1->item(i)->text());
        return names;
    }
    QStringList photoRows(const QString& scanbud) {
        return scalar(
                   QStringLiteral("SELECT group_concat(filename, ',') FROM "
                                  "(SELECT filename FROM pict WHERE scanbud = ? ORDER BY rowid)"),
                   {scanbud})
            .toString()
            .split(u',', Qt::SkipEmptyParts);
    }
    void addPhotoRow(const QString& key, const QString& scanbud, const QString& file) {
        sql(QStringLiteral(
                "INSERT INTO pict (scancode, scanbud, remark, filename) VALUES (?, ?, '', ?)"),
            {key, scanbud, file});
    }

    QTemporaryDir sources_;
};

TEST_F(PhotoFormsTest, ChooserListsPicturesOfAnyCaseAndAttachesThem) {
    auto chooser = openChooser(QStringLiteral("A001"));
    EXPECT_EQ(listed(*chooser),
              (QStringList{QStringLiteral("house.jpg"), QStringLiteral("PLAN.GIF"),
                           QStringLiteral("scan.Pcx"), QStringLiteral("Yard.JPG")}));
    child<QLineEdit>(*chooser, "EDfilter")->setText(QStringLiteral("*.GIF;*.jpg"));
    EXPECT_EQ(listed(*chooser),
              (QStringList{QStringLiteral("house.jpg"), QStringLiteral("PLAN.GIF"),
                           QStringLiteral("Yard.JPG")}));

    clickOn(*chooser, "BTimgok");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("관련자료가 선택되지 않았습니다 ...?")});
    EXPECT_EQ(rows(QStringLiteral("pict")), 0);

    ASSERT_TRUE(chooser->selectFile(QStringLiteral("Yard.JPG")));
    EXPECT_EQ(chooser->LBsize->text(),
              QString::number(QFileInfo(source(QStringLiteral("Yard.JPG"))).size()) +
                  QStringLiteral(" Bytes"));
    EXPECT_FALSE(chooser->LBday1->text().isEmpty());
    EXPECT_TRUE(chooser->AdvImage1->hasPicture());
    EXPECT_FALSE(chooser->AdvImage1->isPlaceholder());

    dlg().reset();
    typeText(chooser->EDremark, QStringLiteral("마당"));
    clickOn(*chooser, "BTimgok");
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_EQ(dlg().beeps, 1);
    EXPECT_TRUE(sharedValues().photoChanged);
    EXPECT_TRUE(chooser->isVisible()) << "the chooser stays open for further photos";
    EXPECT_EQ(photoRows(QStringLiteral("A001")), QStringList{QStringLiteral("YARD.JPG")});
    EXPECT_EQ(scalar(QStringLiteral("SELECT remark FROM pict")).toString(), QStringLiteral("마당"));
    EXPECT_EQ(bytesOf(pict(QStringLiteral("YARD.JPG"))),
              bytesOf(source(QStringLiteral("Yard.JPG"))));

    // With no listing the file is only copied.
    auto copyOnly = openChooser(QString());
    attach(*copyOnly, QStringLiteral("scan.Pcx"));
    EXPECT_TRUE(QFile::exists(pict(QStringLiteral("SCAN.PCX"))));
    EXPECT_EQ(rows(QStringLiteral("pict")), 1);
}

TEST_F(PhotoFormsTest, AttachingNeverReplacesAnotherListingsPhotoNorLosesAFile) {
    auto chooser = openChooser(QStringLiteral("A001"));
    attach(*chooser, QStringLiteral("house.jpg"));
    const QByteArray firstHouse = bytesOf(pict(QStringLiteral("HOUSE.JPG")));

    // The same name again for the same listing: asked; No keeps everything.
    writeSolidJpeg(source(QStringLiteral("house.jpg")), Qt::blue);
    dlg().reset();
    dlg().script({Answer::No});
    attach(*chooser, QStringLiteral("house.jpg"));
    EXPECT_EQ(dlg().texts(),
              QStringList{QStringLiteral("동일한 화일이 이미 있습니다 덮어 쓸까요 ...?")});
    EXPECT_EQ(bytesOf(pict(QStringLiteral("HOUSE.JPG"))), firstHouse);
    EXPECT_EQ(photoRows(QStringLiteral("A001")).size(), 1);
    // Yes replaces the file and adds a second row naming it.
    attach(*chooser, QStringLiteral("house.jpg"));
    EXPECT_EQ(bytesOf(pict(QStringLiteral("HOUSE.JPG"))),
              bytesOf(source(QStringLiteral("house.jpg"))));
    EXPECT_EQ(photoRows(QStringLiteral("A001")),
              (QStringList{QStringLiteral("HOUSE.JPG"), QStringLiteral("HOUSE.JPG")}));
    const QByteArray ownHouse = bytesOf(pict(QStringLiteral("HOUSE.JPG")));

    // Another listing choosing a file of that name: A001's photo is never
    // replaced; both are kept under a new name, or nothing happens.
    writeSolidJpeg(source(QStringLiteral("house.jpg")), Qt::yellow);
    auto other = openChooser(QStringLiteral("A002"));
    dlg().reset();
    dlg().script({Answer::No});
    attach(*other, QStringLiteral("house.jpg"));
    EXPECT_EQ(
        dlg().texts(),
        QStringList{QStringLiteral(
            "같은 이름의 화일이 다른 물건의 사진입니다. 새 이름 HOUSE_1.JPG(으)로 붙일까요 ...?")});
    EXPECT_TRUE(photoRows(QStringLiteral("A002")).isEmpty());
    attach(*other, QStringLiteral("house.jpg"));
    EXPECT_EQ(photoRows(QStringLiteral("A002")), QStringList{QStringLiteral("HOUSE_1.JPG")});
    EXPECT_EQ(bytesOf(pict(QStringLiteral("HOUSE.JPG"))), ownHouse);
    EXPECT_EQ(bytesOf(pict(QStringLiteral("HOUSE_1.JPG"))),
              bytesOf(source(QStringLiteral("house.jpg"))));

    // Choosing the copy in PICT itself: nothing to copy (it is not emptied),
    // no question, the row is added.
    auto fromPict = openChooser(QStringLiteral("A002"), office().pictDirectory());
    dlg().reset();
    attach(*fromPict, QStringLiteral("HOUSE.JPG"));
    EXPECT_TRUE(dlg().messages.isEmpty());
    EXPECT_EQ(bytesOf(pict(QStringLiteral("HOUSE.JPG"))), ownHouse);
    EXPECT_EQ(photoRows(QStringLiteral("A002")),
              (QStringList{QStringLiteral("HOUSE_1.JPG"), QStringLiteral("HOUSE.JPG")}));
}

TEST_F(PhotoFormsTest, RefusedAndFailedAttachesAddNothing) {
    const QString longName = QStringLiteral("%1.jpg").arg(QString(47, u'x'));  // 51 bytes
    QFile::copy(source(QStringLiteral("house.jpg")), source(longName));
    auto chooser = openChooser(QStringLiteral("A001"));
    attach(*chooser, longName);
    EXPECT_EQ(dlg().texts(),
              QStringList{QStringLiteral(
                  "화일 이름이 너무 깁니다 (50바이트까지). 이름을 줄인 후 다시 붙이세요 ...!")});
    EXPECT_FALSE(QFile::exists(pict(longName.toUpper())));

    // The file vanishes between choosing and attaching: the error is shown,
    // no row, no file, no success beep.
    ASSERT_TRUE(chooser->selectFile(QStringLiteral("Yard.JPG")));
    QFile::remove(source(QStringLiteral("Yard.JPG")));
    dlg().reset();
    clickOn(*chooser, "BTimgok");
    ASSERT_EQ(dlg().errors.size(), 1);
    EXPECT_TRUE(dlg().errors.first().startsWith(QStringLiteral("사진을 복사하지 못했습니다 ...!")));
    EXPECT_EQ(dlg().beeps, 0);
    EXPECT_FALSE(sharedValues().photoChanged);
    EXPECT_EQ(rows(QStringLiteral("pict")), 0);
    EXPECT_TRUE(QDir(office().pictDirectory()).entryList(QDir::Files).isEmpty());

    // A listing with ten photos takes no eleventh.
    for (int i = 0; i < 10; ++i)
        addPhotoRow(QStringLiteral("P%1").arg(i), QStringLiteral("A002"),
                    QStringLiteral("F%1.JPG").arg(i));
    auto full = openChooser(QStringLiteral("A002"));
    dlg().reset();
    attach(*full, QStringLiteral("house.jpg"));
    EXPECT_EQ(dlg().texts(),
              QStringList{QStringLiteral("사진은 한 물건에 10장까지 붙일 수 있습니다 ...!")});
    EXPECT_EQ(photoRows(QStringLiteral("A002")).size(), 10);
    EXPECT_FALSE(QFile::exists(pict(QStringLiteral("HOUSE.JPG"))));
}

// A source that fails after giving two blocks.
class FailingSource : public QIODevice {
public:
    FailingSource() { open(QIODevice::ReadOnly); }

protected:
    qint64 readData(char* data, qint64 size) override {
        if (given_ >= 60000) {
            setErrorString(QStringLiteral("입출력 오류"));
            return -1;
        }
        const qint64 n = std::min<qint64>(size, 30000);
        std::fill(data, data + n, 'x');
        given_ += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    qint64 given_ = 0;
};

TEST_F(PhotoFormsTest, CopyFailingHalfWayLeavesTheOldFileAndNoPart) {
    QDir().mkpath(office().pictDirectory());
    const QString target = pict(QStringLiteral("OLD.JPG"));
    QFile::copy(source(QStringLiteral("house.jpg")), target);
    FailingSource failing;
    try {
        copyPhotoBytes(failing, target);
        ADD_FAILURE() << "the copy did not fail";
    } catch (const std::runtime_error& error) {
        EXPECT_TRUE(QString::fromStdString(error.what()).contains(QStringLiteral("입출력 오류")));
    }
    EXPECT_EQ(bytesOf(target), bytesOf(source(QStringLiteral("house.jpg"))));
    EXPECT_EQ(QDir(office().pictDirectory()).entryList(QDir::Files),
              QStringList{QStringLiteral("OLD.JPG")});
}

// --- The photo manager ---------------------------------------------------------

class PhotoManagerTest : public PhotoFormsTest {
protected:
    std::unique_ptr<TFMpictMan> openManager(const QString& scanbud) {
        auto form = std::make_unique<TFMpictMan>();
        form->LBscanBud->setText(scanbud);
        form->show();
        return form;
    }
    // A file in PICT with one colour, and its row.
    void addPhoto(const QString& key, const QString& scanbud, const QString& file, QColor colour) {
        QDir().mkpath(office().pictDirectory());
        writeSolidJpeg(pict(file), colour);
        addPhotoRow(key, scanbud, file);
    }
    static QColor centre(const PictureView* view) {
        const QImage& image = view->image();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }
};

TEST_F(PhotoManagerTest, ShowsUpToTenThumbnailsInIndexOrderAndPlaceholdersForMissingFiles) {
    auto empty = openManager(QStringLiteral("A002"));
    EXPECT_EQ(empty->LBpictCount->text(), QStringLiteral("0"));
    for (PictureView* view : empty->thumbnails)
        EXPECT_TRUE(view->isHidden());
    EXPECT_FALSE(child<QPushButton>(*empty, "BTpictDel")->isEnabled());
    EXPECT_FALSE(child<QPushButton>(*empty, "BTcard")->isEnabled());
    EXPECT_TRUE(child<QPushButton>(*empty, "BTpictInp")->isEnabled());
    EXPECT_TRUE(child<PictureView>(*empty, "AdvImage1")->isHidden());

    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
    for (int i = 0; i < 11; ++i) {
        // Keys out of order: the index gives the order of attaching.
        const QString key = QStringLiteral("K%1").arg(20 - i);
        if (i == 4) {
            addPhotoRow(key, QStringLiteral("A001"), QStringLiteral("GONE.JPG"));
        } else {
            addPhoto(key, QStringLiteral("A001"), QStringLiteral("P%1.JPG").arg(i), colours[i % 6]);
        }
    }
    auto form = openManager(QStringLiteral("A001"));
    EXPECT_EQ(form->LBpictCount->text(), QStringLiteral("10"));
    EXPECT_FALSE(child<QPushButton>(*form, "BTpictInp")->isEnabled());
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        PictureView* view =
            child<PictureView>(*form, QStringLiteral("Image%1").arg(i + 1).toLatin1().constData());
        EXPECT_FALSE(view->isHidden());
        EXPECT_EQ(view->isPlaceholder(), i == 4);
        if (i != 4) {
            EXPECT_TRUE(nearColour(centre(view), colours[i % 6]));
        }
    }
    EXPECT_TRUE(form->thumbnails[4]->fileName().endsWith(QStringLiteral("GONE.JPG")));
    // Photo 1 is selected and shown large.
    EXPECT_EQ(form->Label1->text(), QStringLiteral("1"));
    EXPECT_TRUE(nearColour(centre(form->AdvImage1), Qt::red));
    QTest::mouseClick(form->thumbnails[2], Qt::LeftButton);
    EXPECT_EQ(form->selectedPhoto(), 3);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("3"));
    EXPECT_TRUE(form->thumbnails[2]->isSelected());
    EXPECT_FALSE(form->thumbnails[0]->isSelected());
    EXPECT_TRUE(nearColour(centre(form->AdvImage1), Qt::blue));
}

TEST_F(PhotoManagerTest, DeletingKeepsAFileAnotherRowStillNames) {
    addPhoto(QStringLiteral("K1"), QStringLiteral("A001"), QStringLiteral("SHARED.JPG"), Qt::red);
    addPhoto(QStringLiteral("K2"), QStringLiteral("A001"), QStringLiteral("OWN.JPG"), Qt::green);
    addPhotoRow(QStringLiteral("K3"), QStringLiteral("A002"), QStringLiteral("SHARED.JPG"));
    auto form = openManager(QStringLiteral("A001"));

    dlg().script({Answer::No});
    clickOn(*form, "BTpictDel");
    EXPECT_EQ(dlg().texts(), QStringList{QStringLiteral("선택한 사진을 삭제할까요...!")});
    EXPECT_EQ(dlg().beeps, 1);
    EXPECT_EQ(rows(QStringLiteral("pict")), 3);

    clickOn(*form, "BTpictDel");  // photo 1, SHARED.JPG
    EXPECT_EQ(photoRows(QStringLiteral("A001")), QStringList{QStringLiteral("OWN.JPG")});
    EXPECT_TRUE(QFile::exists(pict(QStringLiteral("SHARED.JPG")))) << "A002's photo";
    EXPECT_EQ(form->LBpictCount->text(), QStringLiteral("1"));
    EXPECT_TRUE(nearColour(centre(form->AdvImage1), Qt::green));

    // The row went meanwhile: nothing is deleted, the list is read again.
    sql(QStringLiteral("DELETE FROM pict WHERE scancode = 'K2'"));
    clickOn(*form, "BTpictDel");
    EXPECT_TRUE(QFile::exists(pict(QStringLiteral("OWN.JPG"))));
    EXPECT_EQ(form->LBpictCount->text(), QStringLiteral("0"));
    EXPECT_TRUE(form->AdvImage1->isHidden());

    // The last row naming a file takes the file and its thumbnail with it.
    auto other = openManager(QStringLiteral("A002"));
    ASSERT_TRUE(QFile::exists(photoThumbnailCache().entryPath(QStringLiteral("SHARED.JPG"))));
    clickOn(*other, "BTpictDel");
    EXPECT_FALSE(QFile::exists(pict(QStringLiteral("SHARED.JPG"))));
    EXPECT_FALSE(QFile::exists(photoThumbnailCache().entryPath(QStringLiteral("SHARED.JPG"))));
}

TEST_F(PhotoManagerTest, AddOpensTheChooserAndCardOpensThePropertyCardOfTheSelectedPhoto) {
    addPhoto(QStringLiteral("K1"), QStringLiteral("A001"), QStringLiteral("FRONT.JPG"), Qt::red);
    addPhoto(QStringLiteral("K2"), QStringLiteral("A001"), QStringLiteral("BACK.JPG"), Qt::green);
    auto form = openManager(QStringLiteral("A001"));

    QString handed;
    ModalHandler chooser([&](QWidget* modal) {
        auto* cho = qobject_cast<TFMpictCho*>(modal);
        ASSERT_NE(cho, nullptr);
        handed = cho->LBscanBud->text();
        cho->setFolder(sources_.path());
        attach(*cho, QStringLiteral("house.jpg"));
        cho->close();
    });
    clickOn(*form, "BTpictInp");
    EXPECT_TRUE(chooser.appeared());
    EXPECT_EQ(handed, QStringLiteral("A001"));
    EXPECT_EQ(form->LBpictCount->text(), QStringLiteral("3")) << "read again after the chooser";
    EXPECT_TRUE(form->thumbnails[2]->fileName().endsWith(QStringLiteral("HOUSE.JPG")));

    QTest::mouseClick(form->thumbnails[1], Qt::LeftButton);
    QString fileName, scancode, address;
    ModalHandler card([&](QWidget* modal) {
        auto* sheet = qobject_cast<TFMoneSheet*>(modal);
        ASSERT_NE(sheet, nullptr);
        fileName = sheet->LBfileName->text();
        scancode = sheet->LBscancode->text();
        address = sheet->EDaddr->text();
    });
    clickOn(*form, "BTcard");
    EXPECT_TRUE(card.appeared());
    EXPECT_EQ(fileName, QDir(office().pictDirectory()).filePath(QStringLiteral("BACK.JPG")));
    EXPECT_EQ(scancode, QStringLiteral("A001"));
    EXPECT_EQ(address, QStringLiteral("서울시 강남구 역삼동"));
}

TEST_F(PhotoManagerTest, ListingListOpensTheManagerForItsSelectedListing) {
    sql(QStringLiteral("UPDATE budong SET reqing = 'Y', kwanggo = 'N'"));
    TFMbu_lst list;
    list.show();
    auto* grid = child<QTableView>(list, "DBGrid1");
    grid->selectionModel()->setCurrentIndex(
        grid->model()->index(1, 0),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QString handed;
    ModalHandler manager([&handed](QWidget* modal) {
        auto* photos = qobject_cast<TFMpictMan*>(modal);
        ASSERT_NE(photos, nullptr);
        EXPECT_EQ(photos->windowTitle(), QStringLiteral("사진관리"));
        handed = photos->LBscanBud->text();
    });
    clickOn(list, "BTpict");
    EXPECT_TRUE(manager.appeared());
    EXPECT_EQ(handed, QStringLiteral("A002"));
}

}  // namespace
