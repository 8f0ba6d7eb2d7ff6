// The widget of a picture box: a filled box with an optional sunken border and picture; its
// children live in an inner widget inside the border, which clips them there.
#pragma once

#include <QColor>
#include <QFrame>
#include <QPixmap>

namespace rt::qt {

// The border of a control with a single-line border: a thin sunken frame.
inline constexpr int kBorderFrame = QFrame::Panel | QFrame::Sunken;

class BoxWidget : public QFrame {
  public:
    explicit BoxWidget(QWidget* parent);

    QWidget* host() const { return host_; }
    void setPicture(const QPixmap& picture);
    // The box's colour where nothing but its fill lies under `area` (in the host's coordinates);
    // an invalid colour where its picture or border does.
    QColor plainFillUnder(const QRect& area) const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* host_;
    QPixmap picture_;
};

}  // namespace rt::qt
