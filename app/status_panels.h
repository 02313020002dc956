#pragma once

#include <QWidget>

#include <array>

class QLabel;

// The three panels of the main window's status bar, named "StatusPanel0" …
// "StatusPanel2". The first carries the office's notices (app/main_notices.h),
// the second shows the hint of the button under the mouse, the third the clock.
class StatusPanels : public QWidget {
    Q_OBJECT
  public:
    static constexpr std::array<int, 3> kWidths{190, 350, 200};

    explicit StatusPanels(QWidget* parent);

    QString text(int panel) const;
    void setText(int panel, const QString& text);
    QLabel* panel(int index) const { return panels_[static_cast<size_t>(index)]; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    std::array<QLabel*, 3> panels_{};
};

// The widths of the three panels across `total` pixels. With room enough the
// panels have their own widths and the last one runs to the right edge; when
// the bar is narrower the hint panel gives way first, then the notices, so
// that the notices of the day and the clock stay whole.
std::array<int, 3> statusPanelWidths(int total);
