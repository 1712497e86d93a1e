// TVekaGrid painting. Only the cells inside the update rectangle are drawn, and every text is
// laid out once and kept, so a repaint shapes and allocates nothing for texts it drew before.
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QStaticText>

#include <algorithm>

#include "widgets/veka_grid.h"

namespace veka {
namespace {

constexpr int kLine = 1;
const QColor kAboveDefault(255, 0, 0);
const QColor kBelowDefault(0, 0, 255);

// Decimal digits of value into buffer (at least 11 QChars); returns the count.
int FormatInt(int32_t value, QChar* buffer) {
    char16_t digits[12];
    int count = 0;
    int64_t rest = value;
    const bool negative = rest < 0;
    if (negative) rest = -rest;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + rest % 10);
        rest /= 10;
    } while (rest != 0);
    int length = 0;
    if (negative) buffer[length++] = QChar(u'-');
    while (count > 0) buffer[length++] = QChar(digits[--count]);
    return length;
}

}  // namespace

void TVekaGrid::UpdateFontCaches() {
    BoldFont_ = font();
    BoldFont_.setBold(true);
    Metrics_ = QFontMetrics(font());
    BoldMetrics_ = QFontMetrics(BoldFont_);
    BiWidth_ = BoldMetrics_.horizontalAdvance(QStringLiteral("BI"));
    NumberTexts_.clear();
    CellTexts_.clear();
    HeaderTexts_.clear();
    QFont editorFont = font();
    if (editorFont.pointSizeF() > 1) editorFont.setPointSizeF(editorFont.pointSizeF() - 1);
    else if (editorFont.pixelSize() > 1) editorFont.setPixelSize(editorFont.pixelSize() - 1);
    if (Editor_) Editor_->setFont(editorFont);
}

void TVekaGrid::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        UpdateFontCaches();
        UpdateScrollBars();
        viewport()->update();
    } else if (event->type() == QEvent::PaletteChange) {
        viewport()->update();
    }
}

QString TVekaGrid::DecodeText(const std::string& text, QChar* buffer) const {
    // At most kCellTextMax characters even when a window wrote a longer text through Cell();
    // the buffer holds one QChar per byte of that prefix, the decoder's worst case.
    size_t bytes = 0;
    int characters = 0;
    for (; bytes < text.size(); ++bytes) {
        if ((static_cast<unsigned char>(text[bytes]) & 0xC0) != 0x80 && ++characters > kCellTextMax) break;
    }
    Utf8_.resetState();
    const QChar* end = Utf8_.appendToBuffer(buffer, QByteArrayView(text.data(), static_cast<qsizetype>(bytes)));
    return QString::fromRawData(buffer, end - buffer);
}

namespace {

constexpr size_t kMaxCachedTexts = 8192;  // far more than a window shows; bounds a long session

QStaticText Prepared(const QString& text, const QFont& font) {
    QStaticText prepared(text);
    prepared.setTextFormat(Qt::PlainText);
    prepared.prepare(QTransform(), font);
    return prepared;
}

template <class Map>
void MakeRoom(Map& cache) {
    if (cache.size() >= kMaxCachedTexts) cache.clear();
}

}  // namespace

const QStaticText& TVekaGrid::NumberText(int32_t value) const {
    if (auto found = NumberTexts_.find(value); found != NumberTexts_.end()) return found->second;
    MakeRoom(NumberTexts_);
    QChar buffer[12];
    const QString text(buffer, FormatInt(value, buffer));
    return NumberTexts_.emplace(value, Prepared(text, font())).first->second;
}

const QStaticText& TVekaGrid::CellText(const std::string& text) const {
    if (auto found = CellTexts_.find(std::string_view(text)); found != CellTexts_.end()) return found->second;
    MakeRoom(CellTexts_);
    QChar buffer[4 * kCellTextMax + 2];
    const QString raw = DecodeText(text, buffer);
    const QString decoded(raw.constData(), raw.size());  // a deep copy: buffer dies here
    return CellTexts_.emplace(text, Prepared(decoded, font())).first->second;
}

const QStaticText& TVekaGrid::HeaderText(const std::string& text, int width) const {
    auto found = HeaderTexts_.find(std::string_view(text));
    if (found == HeaderTexts_.end()) {
        MakeRoom(HeaderTexts_);
        found = HeaderTexts_.emplace(text, THeaderText{}).first;
    }
    THeaderText& header = found->second;
    if (header.Width == width) return header.Text;
    // Characters are taken while what was taken so far still fits the column less "BI".
    QChar buffer[4 * kCellTextMax + 2];
    const QString decoded = DecodeText(text, buffer);
    const int room = width - BiWidth_;
    qsizetype taken = 0;
    int takenWidth = 0;
    while (taken < decoded.size() && takenWidth <= room) {
        const qsizetype units = decoded[taken].isHighSurrogate() && taken + 1 < decoded.size() ? 2 : 1;
        takenWidth += BoldMetrics_.horizontalAdvance(QString(decoded.constData() + taken, units));
        taken += units;
    }
    header.Width = width;
    header.Text = Prepared(QString(decoded.constData(), taken), BoldFont_);
    return header.Text;
}

void TVekaGrid::PaintCell(QPainter& painter, int col, int row, const QRect& rect) const {
    // The background is already the window colour (filled for the whole update rectangle).
    const TOneCell& cell = *At(col, row);
    if (cell.ShowAs <= 1) {
        const QColor& colour = cell.Value > cell.Default   ? kAboveDefault
                               : cell.Value < cell.Default ? kBelowDefault
                                                           : palette().color(QPalette::Text);
        painter.setPen(colour);
        // Bottom-aligned 2 pixels above the cell's lower edge.
        const int top = rect.y() + rect.height() - 2 - Metrics_.height();
        if (cell.ShowAs == 0) {
            const QStaticText& text = NumberText(cell.Value);
            painter.drawStaticText(QPointF(rect.x() + rect.width() - 2 - text.size().width(), top), text);
        } else if (!cell.Text.empty()) {
            painter.drawStaticText(QPoint(rect.x() + 2, top), CellText(cell.Text));
        }
    }
    if (col == Col_ && row == Row_ && ShowsFocusFrame()) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
}

void TVekaGrid::PaintHeader(QPainter& painter, int col, int row, const QRect& rect) const {
    const QPalette& colours = palette();
    painter.fillRect(rect, colours.color(QPalette::Button));
    // Raised edge: light top and left, shadow bottom and right.
    painter.setPen(colours.color(QPalette::Light));
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(colours.color(QPalette::Dark));
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
    if (col == 0 && row == 0) return;  // the corner shows no text

    const TOneCell& cell = *At(col, row);
    if (cell.Text.empty()) return;
    const bool focusedHeader = (row == 0 && col == Col_) || (col <= 1 && col < FixedCols_ && row == Row_);
    painter.setPen(focusedHeader ? kBelowDefault : colours.color(QPalette::Text));
    // 2 pixels from the left, the text's bottom 1 pixel above the cell's lower edge.
    painter.drawStaticText(QPoint(rect.x() + 2, rect.y() + rect.height() - 1 - BoldMetrics_.height()),
                           HeaderText(cell.Text, rect.width()));
}

void TVekaGrid::paintEvent(QPaintEvent* event) {
    TellFocusedValue();  // a window refreshed many cells and asked for one repaint
    QPainter painter(viewport());
    const QRect clip = event->rect();
    const int viewWidth = viewport()->width(), viewHeight = viewport()->height();
    painter.fillRect(clip, palette().color(QPalette::Base));

    // The visible columns and rows as (index, position) runs: the fixed ones, then the
    // scrolled ones from LeftCol / TopRow until the viewport ends.
    int cols[kMaxCols], colX[kMaxCols], colCount = 0;
    for (int col = 0, x = 0; col < Cols_ && x < viewWidth; ++col) {
        if (col == FixedCols_) col = LeftCol();
        if (col >= Cols_) break;
        cols[colCount] = col;
        colX[colCount++] = x;
        x += ColWidths_[static_cast<size_t>(col)] + kLine;
    }
    const int pitch = RowHeight_ + kLine;
    const int firstScrolled = TopRow();
    int rows[1024], rowCount = 0;
    for (int row = 0, y = 0; row < Rows_ && y < viewHeight && rowCount < 1024; ++row, y += pitch) {
        if (row == FixedRows_) row = firstScrolled;
        if (row >= Rows_) break;
        rows[rowCount++] = row;
    }
    if (colCount == 0 || rowCount == 0) return;
    const int gridRight = colX[colCount - 1] + ColWidths_[static_cast<size_t>(cols[colCount - 1])] + kLine;
    const int gridBottom = rowCount * pitch;

    // Value cells in the normal font, then the headers in bold.
    painter.setFont(font());
    for (int i = 0; i < colCount; ++i) {
        if (cols[i] < FixedCols_) continue;
        const QRect column(colX[i], 0, ColWidths_[static_cast<size_t>(cols[i])], gridBottom);
        if (!column.intersects(clip) || column.width() == 0) continue;
        for (int j = 0; j < rowCount; ++j) {
            if (rows[j] < FixedRows_) continue;
            const QRect rect(colX[i], j * pitch, column.width(), RowHeight_);
            if (rect.intersects(clip)) PaintCell(painter, cols[i], rows[j], rect);
        }
    }
    painter.setFont(BoldFont_);
    for (int i = 0; i < colCount; ++i) {
        const int width = ColWidths_[static_cast<size_t>(cols[i])];
        if (width == 0) continue;
        for (int j = 0; j < rowCount; ++j) {
            if (cols[i] >= FixedCols_ && rows[j] >= FixedRows_) continue;
            const QRect rect(colX[i], j * pitch, width, RowHeight_);
            if (rect.intersects(clip)) PaintHeader(painter, cols[i], rows[j], rect);
        }
    }

    // Grid lines right of every column and below every row.
    painter.setPen(palette().color(QPalette::Mid));
    for (int i = 0; i < colCount; ++i) {
        const int x = colX[i] + ColWidths_[static_cast<size_t>(cols[i])];
        painter.drawLine(x, 0, x, gridBottom - 1);
    }
    for (int j = 0; j < rowCount; ++j) {
        const int y = j * pitch + RowHeight_;
        painter.drawLine(0, y, gridRight - 1, y);
    }

    // Where a dragged column header would land.
    if (Gesture_ == TGesture::Moving && MoveShown_ && MoveTo_ != MoveFrom_) {
        const QRect target = CellRect(MoveTo_, 0);
        if (!target.isEmpty()) {
            const int x = MoveTo_ > MoveFrom_ ? target.right() : target.left() - 1;
            painter.fillRect(QRect(x - 1, 0, 3, gridBottom), palette().color(QPalette::Highlight));
        }
    }
}

}  // namespace veka
