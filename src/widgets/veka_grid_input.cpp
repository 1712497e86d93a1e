// TVekaGrid input: value drags, column sizing and moving, the wheel, the keys and the
// in-place editor for typed numbers.
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QTimer>
#include <QToolTip>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

#include "widgets/veka_grid.h"
#include "widgets/message_box_title.h"
#include "document/product.h"

namespace veka {
namespace {

constexpr int kDeadZone = 5;      // pixels a drag must leave the press point by before it steps
constexpr int kSizingZone = 2;    // pixels either side of a header border that start sizing
constexpr int kMinColWidth = 4;   // a sized column never vanishes under the pointer
constexpr int kWheelNotch = 120;  // angle delta of one wheel notch

constexpr Qt::KeyboardModifiers kShiftState =
    Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

bool IsArrow(int key) { return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down; }

bool IsKeypad(const QKeyEvent* event, int key) {
    return event->key() == key && (event->modifiers() & Qt::KeypadModifier);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Mouse

int TVekaGrid::SizingColumnAt(const QPoint& pos) const {
    if (!AllowColumnSizing || FixedRows_ == 0 || pos.y() < 0 || pos.y() >= FixedHeight()) return -1;
    // The border nearest to the pointer wins; right edges of zero-width columns coincide.
    int found = -1;
    for (int col = 0; col < Cols_; ++col) {
        if (col == FixedCols_) col = LeftCol();
        if (col >= Cols_) break;
        const int x = ColX(col);
        if (x > viewport()->width()) break;
        const int right = x + ColWidths_[static_cast<size_t>(col)];
        if (std::abs(pos.x() - right) <= kSizingZone) found = col;
    }
    return found;
}

void TVekaGrid::SetScreenCursor(int which) {
    ScreenCursor_ = which;
    if (which >= 0) viewport()->setCursor(VekaCursor(static_cast<TVekaCursor>(which)));
    else viewport()->unsetCursor();
}

void TVekaGrid::UpdateCursor(const QPoint& pos) {
    if (ScreenCursor_ >= 0) return;  // a drag's cursor stays until the drag ends
    int col = -1, row = -1;
    if (Gesture_ == TGesture::Sizing || (Gesture_ == TGesture::None && SizingColumnAt(pos) >= 0))
        viewport()->setCursor(Qt::SplitHCursor);
    else if (SpeakerCursor && CellAt(pos, col, row) && col < FixedCols_ && row >= FixedRows_)
        viewport()->setCursor(VekaCursor(TVekaCursor::Speaker));
    else
        viewport()->unsetCursor();
}

bool TVekaGrid::CloseEditorForClick(const QPoint& pos) {
    if (!Editor_->isVisible()) return true;
    int col = -1, row = -1;
    if (CellAt(pos, col, row) && col == Col_ && row == Row_) {
        Editor_->setFocus();  // a click into the entry itself goes on typing
        return false;
    }
    // Elsewhere, the entry is taken for its own cell first (an entry that is no number stays
    // open after its warning), so what is typed next goes to the cell clicked.
    CommitEditor(Qt::Key_Space);
    return !Editor_->isVisible();
}

void TVekaGrid::mousePressEvent(QMouseEvent* event) {
    if (!CloseEditorForClick(event->position().toPoint())) return;
    if (Gesture_ != TGesture::None) {
        // A second button during a gesture leaves it running; the first release ends it.
        emit OnMouseDown(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    int col = -1, row = -1;
    const bool onCell = CellAt(pos, col, row);
    EditStep_ = (event->modifiers() & Qt::ControlModifier) ? 10 : 1;

    // What a grid does with a press: size or move columns from the header row, or focus a cell.
    const int sizingCol = event->button() == Qt::LeftButton ? SizingColumnAt(pos) : -1;
    if (sizingCol >= 0) {
        Gesture_ = TGesture::Sizing;
        SizingCol_ = sizingCol;
        SizingStartWidth_ = ColWidth(sizingCol);
        PressPos_ = pos;
    } else if (onCell && event->button() == Qt::LeftButton && AllowColumnMove && row < FixedRows_ &&
               col >= FixedCols_) {
        Gesture_ = TGesture::Moving;
        MoveFrom_ = MoveTo_ = col;
        MoveShown_ = false;
        PressPos_ = pos;
    } else if (onCell && IsValueCell(col, row) &&
               (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
        MoveFocus(col, row, true);  // the right button too, so a context menu acts on that cell
    }

    // Remember where a value gesture started; the right button never starts one.
    if (onCell && event->button() != Qt::RightButton && Gesture_ == TGesture::None) {
        PressPos_ = pos;
        PressCol_ = col;
        PressRow_ = row;
        StartValue_ = GetCellValue(col, row);
        if (IsValueCell(col, row)) {
            Gesture_ = TGesture::ValueDrag;
            LastStepY_ = pos.y();
        }
    }
    emit OnMouseDown(event);
}

void TVekaGrid::mouseMoveEvent(QMouseEvent* event) {
    if (Editor_->isVisible()) return;
    const QPoint pos = event->position().toPoint();
    int col = -1, row = -1;
    const bool onCell = CellAt(pos, col, row);

    switch (Gesture_) {
    case TGesture::Sizing:
        SetColWidth(SizingCol_, std::max(kMinColWidth, SizingStartWidth_ + pos.x() - PressPos_.x()));
        break;
    case TGesture::Moving:
        if (!MoveShown_ && (pos - PressPos_).manhattanLength() >= QApplication::startDragDistance()) MoveShown_ = true;
        if (MoveShown_) {
            // Past the last visible column the target is that column.
            int target = onCell ? col : MoveTo_;
            if (!onCell && pos.x() >= 0) {
                for (int c = LeftCol(); c < Cols_ && !CellRect(c, 0).isEmpty(); ++c) target = c;
            }
            MoveTo_ = std::clamp(target, FixedCols_, Cols_ - 1);
            viewport()->update();
        }
        break;
    case TGesture::ValueDrag:
        // A drag widens the selection; the focus stays on the pressed cell.
        if (onCell && IsValueCell(col, row)) {
            AnchorCol_ = col;
            AnchorRow_ = row;
        }
        break;
    case TGesture::None:
        break;
    }

    OverValueCell_ = onCell && IsValueCell(col, row);
    UpdateCursor(pos);
    if (Gesture_ == TGesture::ValueDrag) {
        const Qt::KeyboardModifiers shift = event->modifiers() & kShiftState;
        const bool leftOnly = event->buttons() == Qt::LeftButton;
        if (leftOnly && (shift == Qt::NoModifier || shift == Qt::ControlModifier) &&
            std::abs(pos.y() - PressPos_.y()) > kDeadZone) {
            EditStep_ = shift == Qt::ControlModifier ? 10 : 1;
            const int step = EditStep_;
            // One step per move message, however far the pointer went.
            const int inc = pos.y() < LastStepY_ ? step : pos.y() > LastStepY_ ? -step : 0;
            if (inc != 0) {
                const int focusCol = Col_, focusRow = Row_;
                LastStepY_ = pos.y();
                IncCellValue(inc);
                emit OnMouseInc(focusCol, focusRow, inc);
            }
            SetScreenCursor(static_cast<int>(step == 10 ? TVekaCursor::UpDown10 : TVekaCursor::UpDown));
        }
    } else if (ScreenCursor_ >= 0) {
        SetScreenCursor(-1);
        UpdateCursor(pos);
    }
    emit OnMouseMove(event);
}

void TVekaGrid::mouseReleaseEvent(QMouseEvent* event) {
    const TGesture gesture = Gesture_;
    Gesture_ = TGesture::None;
    if (gesture == TGesture::Moving) {
        viewport()->update();
        if (MoveShown_ && MoveTo_ != MoveFrom_) MoveColumn(MoveFrom_, MoveTo_);
    } else if (gesture == TGesture::ValueDrag) {
        AnchorCol_ = Col_;
        AnchorRow_ = Row_;
        PutLinkTest(PressCol_, PressRow_);
        SetScreenCursor(-1);
    }
    UpdateCursor(event->position().toPoint());
    emit OnMouseUp(event);
}

void TVekaGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!CloseEditorForClick(event->position().toPoint())) return;
    int col = -1, row = -1;
    if (event->button() == Qt::LeftButton && CellAt(event->position().toPoint(), col, row) && IsValueCell(col, row))
        SetCellValue(Col_, Row_, GetCell(Col_, Row_).Default);
    if (event->button() == Qt::LeftButton) emit OnDblClick();
    // The second press of the pair is still a press (it starts a new gesture at the default).
    mousePressEvent(event);
}

void TVekaGrid::wheelEvent(QWheelEvent* event) {
    const Qt::KeyboardModifiers shift = event->modifiers() & kShiftState;
    const int step = shift == Qt::ShiftModifier ? 1 : shift == Qt::ControlModifier ? 10 : 0;
    if (step == 0) {
        // No value changes without the modifier; the wheel scrolls the view like any table.
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    const QPoint angle = event->angleDelta();
    WheelRest_ += angle.y() != 0 ? angle.y() : angle.x();  // some systems turn Shift+wheel sideways
    for (; WheelRest_ >= kWheelNotch; WheelRest_ -= kWheelNotch) IncCellValue(step);
    for (; WheelRest_ <= -kWheelNotch; WheelRest_ += kWheelNotch) IncCellValue(-step);
    event->accept();
}

// ---------------------------------------------------------------------------------------------
// Keys

bool TVekaGrid::event(QEvent* event) {
    // Tab moves between cells instead of leaving the grid at once.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

bool TVekaGrid::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
    auto* help = static_cast<QHelpEvent*>(event);
    int col = 0, row = 0;
    if (CellAt(help->pos(), col, row) && row < FixedRows_) {
        const TOneCell& cell = GetCell(col, row);
        const QString whole = QString::fromStdString(cell.Text);
        if (!whole.isEmpty() && HeaderText(cell.Text, ColWidth(col)).text().size() < whole.size()) {
            QToolTip::showText(help->globalPos(), whole, viewport(), CellRect(col, row));
            return true;
        }
    }
    QToolTip::hideText();
    event->ignore();
    return true;
}

bool TVekaGrid::CtrlArrow(int key) {
    const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
    const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
    for (int col = Col_ + dx, row = Row_ + dy; IsValueCell(col, row); col += dx, row += dy) {
        const TOneCell& cell = *At(col, row);
        if (cell.Value != cell.Default) {
            MoveFocus(col, row, true);
            return true;
        }
    }
    return false;
}

bool TVekaGrid::NavigationKey(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    int col = Col_, row = Row_;
    switch (event->key()) {
    case Qt::Key_Left: --col; break;
    case Qt::Key_Right: ++col; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Home:
        col = FixedCols_;
        if (ctrl) row = FixedRows_;
        break;
    case Qt::Key_End:
        col = Cols_ - 1;
        if (ctrl) row = Rows_ - 1;
        break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        const int page = std::max(1, VisibleRowCount()) * (event->key() == Qt::Key_PageUp ? -1 : 1);
        SetTopRow(TopRow() + page);
        row += page;
        break;
    }
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        const bool forward = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        col += forward ? 1 : -1;
        if (col >= Cols_) {
            col = FixedCols_;
            ++row;
        } else if (col < FixedCols_) {
            col = Cols_ - 1;
            --row;
        }
        if (row < FixedRows_ || row >= Rows_) {
            focusNextPrevChild(forward);  // past the last cell the focus leaves the grid
            return true;
        }
        break;
    }
    default:
        return false;
    }
    col = std::clamp(col, FixedCols_, Cols_ - 1);
    row = std::clamp(row, FixedRows_, Rows_ - 1);
    if (col != Col_ || row != Row_) MoveFocus(col, row, true);
    return true;
}

void TVekaGrid::keyPressEvent(QKeyEvent* event) {
    if (Editor_->isVisible() && !ForwardingKey_) {
        // While the entry is open its keys belong to it, Enter included, also when the focus
        // went back to the grid (a window activated after the first digit restores the focus
        // it had). What the entry leaves comes back here and is handled as ever.
        ForwardingKey_ = true;
        Editor_->setFocus();
        QCoreApplication::sendEvent(Editor_, event);
        ForwardingKey_ = false;
        event->accept();
        return;
    }
    const int key = event->key();
    const Qt::KeyboardModifiers shift = event->modifiers() & kShiftState;
    if (IsArrow(key) && shift == Qt::ControlModifier) {
        CtrlArrow(key);  // to the next modified cell, or nowhere
        return;
    }
    bool swallowed = false;
    emit OnKeyDown(event, &swallowed);
    if (swallowed) return;

    bool handled = NavigationKey(event);
    if (Armed_) {
        StartValue_ = GetCellValue(Col_, Row_);
        Armed_ = false;
    }
    if (key == Qt::Key_Backspace) {
        SetCellValue(Col_, Row_, GetCell(Col_, Row_).Default);
        handled = true;
    } else if (key == Qt::Key_Control) {
        EditStep_ = 10;
    } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        handled = true;  // ends with the grid, as a committed entry's Enter does
    } else if (IsKeypad(event, Qt::Key_Plus)) {
        IncCellValue(EditStep_);
        handled = true;
    } else if (IsKeypad(event, Qt::Key_Minus)) {
        IncCellValue(-EditStep_);
        handled = true;
    } else if (const QString text = event->text();
               text.size() == 1 && ((text[0] >= u'0' && text[0] <= u'9') || text[0] == u'-') &&
               !(shift & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        // The main keyboard's minus starts a negative entry: "-5" must never become 5.
        OpenEditor(text);
        handled = true;
    }
    if (!handled) event->ignore();  // let the window's shortcuts see it
}

void TVekaGrid::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats as release and press pairs on some systems: only the real release
    // ends the gesture.
    if (event->isAutoRepeat()) return;
    if (event->key() == Qt::Key_Control) EditStep_ = 1;
    if (IsKeypad(event, Qt::Key_Plus) || IsKeypad(event, Qt::Key_Minus)) PutLinkTest(Col_, Row_);
    Armed_ = true;
    event->ignore();
}

// ---------------------------------------------------------------------------------------------
// In-place editor

void TVekaGrid::OpenEditor(const QString& digit) {
    if (!IsValueCell(Col_, Row_)) return;
    EnsureVisible(Col_, Row_);
    const QRect rect = CellRect(Col_, Row_);
    if (rect.isEmpty()) return;
    Editor_->setGeometry(rect.adjusted(1, 1, -1, -1));
    Editor_->setText(digit);
    Editor_->setCursorPosition(static_cast<int>(digit.size()));
    Editor_->show();
    Editor_->setFocus();
}

void TVekaGrid::HideEditor() {
    if (!Editor_ || !Editor_->isVisible()) return;
    // Hiding a focused child would pass the focus on to the next control.
    if (Editor_->hasFocus()) setFocus();
    Editor_->hide();
    RepaintCell(Col_, Row_);
}

void TVekaGrid::CommitEditor(int key) {
    bool ok = false;
    const int value = Editor_->text().toInt(&ok, 10);
    if (!ok) {
        const QString text = QLocale::system().language() == QLocale::Japanese
                                 ? QStringLiteral("正しい値を入力してください")
                                 : QStringLiteral("Input correct value.");
        InWarning_ = true;
        // A receiver replaces the grid's own box.
        if (isSignalConnected(QMetaMethod::fromSignal(&TVekaGrid::ShowWarning)))
            emit ShowWarning(text);
        else
            DefaultWarning(text);
        InWarning_ = false;
        if (Editor_->isVisible()) Editor_->setFocus();
        return;
    }
    setFocus();
    SetCellValue(Col_, Row_, value);
    HideEditor();
    RepaintCell(Col_, Row_);
    if (key != Qt::Key_Space) {
        // Enter, Up and Down go on to the grid, so Up and Down then move the focus.
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(this, &press);
    }
}

bool TVekaGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Editor_ || event->type() != QEvent::KeyPress)
        return QAbstractScrollArea::eventFilter(watched, event);
    auto* keyEvent = static_cast<QKeyEvent*>(event);
    const int key = keyEvent->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space || key == Qt::Key_Up ||
        key == Qt::Key_Down) {
        CommitEditor(key);
        return true;
    }
    if (key == Qt::Key_Escape) {
        HideEditor();
        return true;
    }
    // Only digits and "-" are typed; Backspace and the editing keys carry no printable text.
    const QString text = keyEvent->text();
    if (!text.isEmpty() && text[0].isPrint() && !(text[0] >= u'0' && text[0] <= u'9') && text[0] != u'-')
        return true;
    return false;
}

void TVekaGrid::OnFocusChanged(QWidget*, QWidget* now) {
    if (now == nullptr) return;  // the window lost activation: the grid keeps its state
    if (now == this || now == Editor_) {
        if (!Entered_) {
            Entered_ = true;
            RepaintCell(Col_, Row_);
            // After the grid's own focus event, so a screen reader ends on the cell.
            QTimer::singleShot(0, this, [this] { TellFocusMoved(); });
            emit OnEnter();
        }
        return;
    }
    if (!Entered_ || InWarning_) return;  // the warning box takes the focus only for a moment
    Entered_ = false;
    HideEditor();
    EditStep_ = 1;  // a Ctrl released elsewhere must not leave the grid stepping by ten
    Armed_ = true;
    RepaintCell(Col_, Row_);
    emit OnExit();
}

void TVekaGrid::DefaultWarning(const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kProductTitle), text, QMessageBox::Ok, this);
    KeepTitleVisible(box);
    box.exec();
}

}  // namespace veka
