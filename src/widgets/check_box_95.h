#pragma once
// TCheckBox95: a check box whose text can be aligned left, right or centred and top, bottom or
// centred, with the box on either side, wrapped over several lines, or drawn as a push button
// that stays down while checked. Qt's check box has none of these, so the control paints
// itself with the style's own pieces (indicator, button bevel, focus frame).
#include <QCheckBox>

namespace veka {

class TCheckBox95 : public QCheckBox {
    Q_OBJECT
public:
    enum class TAlignment { Left, Right, Center };
    enum class TBoxSide { Left, Right };
    enum class TVerticalAlignment { Top, Bottom, Center };

    explicit TCheckBox95(QWidget* parent = nullptr);
    explicit TCheckBox95(const QString& text, QWidget* parent = nullptr);

    TAlignment Alignment() const { return Alignment_; }
    void SetAlignment(TAlignment alignment);
    TBoxSide AlignmentBtn() const { return AlignmentBtn_; }
    void SetAlignmentBtn(TBoxSide side);
    bool LikePushButton() const { return LikePushButton_; }
    void SetLikePushButton(bool like);
    TVerticalAlignment VerticalAlignment() const { return VerticalAlignment_; }
    void SetVerticalAlignment(TVerticalAlignment alignment);
    bool WordWrap() const { return WordWrap_; }
    void SetWordWrap(bool wrap);

    // Where the parts go in the current rectangle (also what the tests look at).
    QRect IndicatorRect() const;   // empty when drawn as a push button
    QRect TextRect() const;
    Qt::Alignment TextAlignment() const;
    int TextFlags() const;  // the alignment with the wrapping and mnemonic flags

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return WordWrap_; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // The whole control answers the mouse, not only the box and its text.
    bool hitButton(const QPoint& pos) const override;

private:
    // A property changed: the look and the size both follow.
    void Relayout();
    QSize IndicatorSize() const;
    int Spacing() const;

    TAlignment Alignment_ = TAlignment::Left;
    TBoxSide AlignmentBtn_ = TBoxSide::Left;
    bool LikePushButton_ = false;
    TVerticalAlignment VerticalAlignment_ = TVerticalAlignment::Center;
    bool WordWrap_ = false;
};

}  // namespace veka
