#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A button that is only its picture, as on the main window's button column:
// a hand cursor, the picture drawn at its own size from the top left, a light
// frame while the mouse is over it and a small shift while pressed. Its
// number is kept in the property "Tag"; mouse movement over it reports that
// number, so the window can show the button's hint.
class PictureButton : public QAbstractButton {
    Q_OBJECT
  public:
    PictureButton(int tag, QWidget* parent);

    int tag() const;
    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    QSize sizeHint() const override;

  signals:
    void hovered(int tag);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QPixmap picture_;
    bool underMouse_ = false;
};
