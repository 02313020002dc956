#pragma once

#include "common/task_form.h"

class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStatusBar;
class QTreeView;
class PictureView;

// The photo chooser "사진 붙이기": a folder tree and the picture files in
// the chosen folder, a preview of the chosen file, and "사진 붙이기", which
// copies the file into PICT/ and attaches it to the listing in LBscanBud (an
// empty LBscanBud copies only). It stays open for further photos. Browsing
// never changes the program's current directory.
class TFMpictCho : public TaskForm {
    Q_OBJECT
public:
    explicit TFMpictCho(QWidget* parent = nullptr);

    // Shows the folder in the tree and lists its picture files.
    void setFolder(const QString& path);
    QString folder() const { return folder_; }
    // Selects a listed file by name and shows it; false when it is not listed.
    bool selectFile(const QString& fileName);
    // "  사진 붙이기".
    void attachSelected();

    QLabel* LBscanBud = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QListWidget* FileListBox1 = nullptr;
    QLineEdit* EDfilter = nullptr;
    QLabel* LBfolder = nullptr;
    PictureView* AdvImage1 = nullptr;
    QLabel* LBsize = nullptr;
    QLabel* LBday1 = nullptr;
    QLineEdit* EDremark = nullptr;
    QPushButton* BTimgok = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QStatusBar* StatusBar1 = nullptr;

private:
    void buildForm();
    void listFiles();
    void revealFolder();
    void showSelectedFile();
    QString selectedPath() const;

    QFileSystemModel* folders_ = nullptr;
    QString folder_;
};
