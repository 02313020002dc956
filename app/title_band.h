#pragma once

#include <QFrame>

class QLabel;

// The band across the top of the main window: the product name "Quarnel"
// with a grey shadow behind it at the left, "[Ver.3.0]" at the right edge.
class TitleBand : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kHeight = 34;

    explicit TitleBand(QWidget* parent);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QLabel* version_ = nullptr;
};
