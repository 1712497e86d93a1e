#include "widgets/check_box_95.h"

#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>

namespace veka {

namespace {
// Room between a push button's edge and its text.
constexpr int kButtonPadX = 6;
constexpr int kButtonPadY = 3;
}  // namespace

TCheckBox95::TCheckBox95(QWidget* parent) : QCheckBox(parent) {}

TCheckBox95::TCheckBox95(const QString& text, QWidget* parent) : QCheckBox(text, parent) {}

void TCheckBox95::SetAlignment(TAlignment alignment) {
    Alignment_ = alignment;
    Relayout();
}

void TCheckBox95::SetAlignmentBtn(TBoxSide side) {
    AlignmentBtn_ = side;
    Relayout();
}

void TCheckBox95::SetLikePushButton(bool like) {
    LikePushButton_ = like;
    Relayout();
}

void TCheckBox95::SetVerticalAlignment(TVerticalAlignment alignment) {
    VerticalAlignment_ = alignment;
    Relayout();
}

void TCheckBox95::SetWordWrap(bool wrap) {
    WordWrap_ = wrap;
    Relayout();
}

void TCheckBox95::Relayout() {
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(WordWrap_);
    setSizePolicy(policy);
    updateGeometry();
    update();
}

QSize TCheckBox95::IndicatorSize() const {
    return {style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this),
            style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, this)};
}

int TCheckBox95::Spacing() const { return style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, this); }

QRect TCheckBox95::IndicatorRect() const {
    if (LikePushButton_) return {};
    const QSize box = IndicatorSize();
    const int x = AlignmentBtn_ == TBoxSide::Left ? 0 : width() - box.width();
    int y = (height() - box.height()) / 2;
    if (VerticalAlignment_ == TVerticalAlignment::Top) y = 0;
    if (VerticalAlignment_ == TVerticalAlignment::Bottom) y = height() - box.height();
    return {QPoint(x, y), box};
}

QRect TCheckBox95::TextRect() const {
    if (LikePushButton_) return rect().adjusted(kButtonPadX, kButtonPadY, -kButtonPadX, -kButtonPadY);
    const int used = IndicatorSize().width() + Spacing();
    if (AlignmentBtn_ == TBoxSide::Left) return rect().adjusted(used, 0, 0, 0);
    return rect().adjusted(0, 0, -used, 0);
}

Qt::Alignment TCheckBox95::TextAlignment() const {
    Qt::Alignment flags = Qt::AlignLeft;
    if (Alignment_ == TAlignment::Right) flags = Qt::AlignRight;
    if (Alignment_ == TAlignment::Center) flags = Qt::AlignHCenter;
    switch (VerticalAlignment_) {
        case TVerticalAlignment::Top: flags |= Qt::AlignTop; break;
        case TVerticalAlignment::Bottom: flags |= Qt::AlignBottom; break;
        case TVerticalAlignment::Center: flags |= Qt::AlignVCenter; break;
    }
    return flags;
}

int TCheckBox95::TextFlags() const {
    return int(TextAlignment()) | Qt::TextShowMnemonic | (WordWrap_ ? Qt::TextWordWrap : Qt::TextSingleLine);
}

QSize TCheckBox95::sizeHint() const {
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text());
    if (LikePushButton_) return textSize + QSize(2 * kButtonPadX + 4, 2 * kButtonPadY + 4);
    const QSize box = IndicatorSize();
    return {box.width() + Spacing() + textSize.width() + 2, std::max(box.height(), textSize.height()) + 2};
}

QSize TCheckBox95::minimumSizeHint() const {
    if (!WordWrap_) return sizeHint();
    // Wrapped text may become as narrow as a few characters.
    const int text = fontMetrics().averageCharWidth() * 6;
    const int side = LikePushButton_ ? 2 * kButtonPadX + 4 : IndicatorSize().width() + Spacing() + 2;
    return {side + text, heightForWidth(side + text)};
}

int TCheckBox95::heightForWidth(int width) const {
    const int side = LikePushButton_ ? 2 * kButtonPadX + 4 : IndicatorSize().width() + Spacing() + 2;
    const int available = std::max(1, width - side);
    const int flags = WordWrap_ ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine);
    const int textHeight = fontMetrics().boundingRect(QRect(0, 0, available, 100000), flags | Qt::TextShowMnemonic, text()).height();
    if (LikePushButton_) return textHeight + 2 * kButtonPadY + 4;
    return std::max(IndicatorSize().height(), textHeight) + 2;
}

void TCheckBox95::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (LikePushButton_) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = rect();
        button.state |= (isChecked() || isDown()) ? (QStyle::State_On | QStyle::State_Sunken) : QStyle::State_Raised;
        painter.drawControl(QStyle::CE_PushButtonBevel, button);
    } else {
        option.rect = IndicatorRect();
        painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
    }
    const QRect textArea = TextRect();
    painter.drawItemText(textArea, TextFlags(), palette(), isEnabled(), text(),
                         LikePushButton_ ? QPalette::ButtonText : QPalette::WindowText);
    if (hasFocus() && !text().isEmpty()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = painter.boundingRect(textArea, TextFlags(), text()).adjusted(-1, -1, 1, 1) & rect();
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool TCheckBox95::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace veka
