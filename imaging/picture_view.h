#pragma once

#include <QFrame>
#include <QImage>
#include <QString>

// A picture area of the photo forms: shows one picture scaled to fit (its
// proportions kept, centred) or stretched to the frame, on a white ground.
// A click is reported, so thumbnails can be chosen.
class PictureView : public QFrame {
    Q_OBJECT
public:
    enum class Scaling { Fit, Stretch };

    explicit PictureView(QWidget* parent = nullptr);

    void setScaling(Scaling scaling);
    Scaling scaling() const { return scaling_; }

    // Shows `image`, which stands for the photo file `fileName` (a
    // placeholder when `placeholder` is set).
    void setPicture(const QImage& image, const QString& fileName = {}, bool placeholder = false);
    // Loads the file and shows it fitted to the area, or a placeholder with
    // the file's name when it is missing or unreadable.
    void loadFile(const QString& path);
    void clearPicture();
    // A chosen thumbnail is framed in blue.
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }

    const QImage& image() const { return image_; }
    const QString& fileName() const { return fileName_; }
    bool isPlaceholder() const { return placeholder_; }
    bool hasPicture() const { return !image_.isNull(); }
    // The rectangle the picture is drawn into.
    QRect pictureRect() const;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Scaling scaling_ = Scaling::Fit;
    QImage image_;
    QString fileName_;
    bool placeholder_ = false;
    bool selected_ = false;
    QSize loadedFor_;  // the area a file was loaded for; invalid when none
};
