#pragma once

#include "listings/photo_store.h"

#include "common/task_form.h"

#include <array>
#include <vector>

class QLabel;
class QPushButton;
class PictureView;

// The photo manager "사진관리": the photos of one listing as up to ten
// thumbnails and one large view, with adding (through the photo chooser),
// deleting, and the property card of the selected photo. The listing list
// sets the listing's number in LBscanBud before exec().
class TFMpictMan : public TaskForm {
    Q_OBJECT
public:
    explicit TFMpictMan(QWidget* parent = nullptr);

    // Reads the listing's photos again and shows them; the first is
    // selected. On activation and after adding or deleting.
    void refresh();
    // Selects photo `number` (1-based) and shows it large.
    void selectPhoto(int number);
    int selectedPhoto() const { return selected_; }
    int photoCount() const { return static_cast<int>(entries_.size()); }
    const std::vector<PhotoEntry>& entries() const { return entries_; }

    QLabel* LBscanBud = nullptr;
    std::array<PictureView*, kMaxListingPhotos> thumbnails{};  // Image1 … Image10
    PictureView* AdvImage1 = nullptr;
    QLabel* LBpictCount = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* BTcard = nullptr;
    QPushButton* BTpictInp = nullptr;
    QPushButton* BTpictDel = nullptr;
    QPushButton* BTquit = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildForm();
    void addPhotos();
    void deleteSelected();
    void openCard();

    std::vector<PhotoEntry> entries_;
    int selected_ = 0;
    bool shown_ = false;
};
