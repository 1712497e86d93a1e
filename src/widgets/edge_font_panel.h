#pragma once
// TEdgeFontPanel: the coloured title bar of the editor windows. The background runs from
// StartColor to EndColor (or is flat StartColor), the caption is drawn in white letters with a
// black edge so it reads on any colour, and a right click moves StartColor to the next colour
// of a fixed cycle.
#include <QColor>
#include <QPixmap>
#include <QRgb>
#include <QString>
#include <QWidget>
#include <array>

namespace veka {

class TEdgeFontPanel : public QWidget {
    Q_OBJECT
public:
    explicit TEdgeFontPanel(QWidget* parent = nullptr);

    QString Caption() const { return Caption_; }
    void SetCaption(const QString& caption);
    QColor StartColor() const { return StartColor_; }
    // Rebuilds the colour array from the new colour to EndColor and the background.
    void SetStartColor(const QColor& color);
    QColor EndColor() const { return EndColor_; }
    void SetEndColor(const QColor& color);
    bool Gradient() const { return Gradient_; }
    void SetGradient(bool gradient);
    // True: the caption sits near the top instead of being centred vertically.
    bool CaptionAtTop() const { return CaptionAtTop_; }
    void SetCaptionAtTop(bool top);

    // Fills the 256 colours: modes 0 and 2 run from a to b, 1 and 3 from b to a; 4 (or any
    // other) leaves the array as it is.
    void SetColarray(const QColor& a, const QColor& b, int mode);
    const std::array<QRgb, 256>& Colarray() const { return Colarray_; }
    // Redraws the background picture at the panel's size less its 1-pixel edge.
    void UpdateBack();
    const QPixmap& Back() const { return Back_; }

    // The colour a right click moves to from color.
    static QColor NextCycleColor(const QColor& color);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QString Caption_;
    QColor StartColor_{0, 0, 255};
    QColor EndColor_{0, 0, 0};
    bool Gradient_ = true;
    bool CaptionAtTop_ = false;
    bool LeftPressed_ = false;
    std::array<QRgb, 256> Colarray_{};
    QPixmap Back_;
};

}  // namespace veka
