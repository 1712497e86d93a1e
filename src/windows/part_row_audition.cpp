#include "windows/part_row_audition.h"

#include <QMouseEvent>
#include <cstdlib>

#include "widgets/edge_font_panel.h"
#include "widgets/veka_grid.h"
#include "windows/veka_temp_form.h"
#include "document/test_note.h"

namespace veka {

TPartRowAudition::TPartRowAudition(TVekaTempForm& form, TVekaGrid& grid, TEdgeFontPanel& title, int fixedCols)
    : Form_(form), Grid_(grid), Title_(title), FixedCols_(fixedCols) {
    Connections_ = {QObject::connect(&Grid_, &TVekaGrid::OnMouseDown, &Grid_, [this](QMouseEvent* e) { Down(e); }),
                    QObject::connect(&Grid_, &TVekaGrid::OnMouseMove, &Grid_, [this](QMouseEvent* e) { Move(e); }),
                    QObject::connect(&Grid_, &TVekaGrid::OnMouseUp, &Grid_, [this](QMouseEvent* e) { Up(e); })};
}

TPartRowAudition::~TPartRowAudition() {
    // The grid may outlive this object while its window is taken down.
    for (const QMetaObject::Connection& connection : Connections_) QObject::disconnect(connection);
}

int TPartRowAudition::PartRowAt(int y) const {
    int col = 0, row = 0;
    if (!Grid_.CellAt(QPoint(2, y), col, row)) return 0;
    return row >= 1 && row <= 16 ? row : 0;
}

void TPartRowAudition::Start(int part) {
    const int port = Form_.Edit().CurrentPort();
    Form_.Edit().SetCurrentChannel(Form_.Image().Part(port, part, ppRxChannel).Value);
    Form_.Edit().SelectPart(part, &Form_);
    Part_ = part;
    try {
        Form_.Audition().TestNote().Start(port, part);
    } catch (const std::exception& error) {
        Form_.Edit().ReportEditError(error);
    }
    Title_.SetCaption(QString::fromStdString(Form_.Audition().TestNote().Text(port, part)));
}

void TPartRowAudition::Down(QMouseEvent* event) {
    int col = 0, row = 0;
    const QPoint pos = event->position().toPoint();
    if (!Grid_.CellAt(pos, col, row) || col >= FixedCols_ || row < 1 || row > 16) return;
    LastNoteY_ = pos.y();
    SavedTitle_ = Title_.Caption();
    const auto mods = event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (event->button() != Qt::LeftButton || (mods != Qt::NoModifier && mods != Qt::ControlModifier)) {
        Form_.Edit().SetCurrentChannel(Form_.Image().Part(Form_.Edit().CurrentPort(), row, ppRxChannel).Value);
        Form_.Edit().SelectPart(row, &Form_);
        return;
    }
    Active_ = true;
    Start(row);
}

void TPartRowAudition::Move(QMouseEvent* event) {
    if (!Active_ || event->buttons() != Qt::LeftButton) return;
    const int y = event->position().toPoint().y();
    const int port = Form_.Edit().CurrentPort();
    if (event->modifiers() & Qt::ControlModifier) {
        if (std::abs(y - LastNoteY_) <= 3) return;
        Form_.Audition().TestNote().Stop();
        Form_.Audition().TestNote().Shift(port, Part_, y < LastNoteY_ ? 1 : -1);
        LastNoteY_ = y;
        Start(Part_);
        return;
    }
    const int part = PartRowAt(y);
    if (part == 0 || part == Part_) return;
    Form_.Audition().TestNote().Stop();
    Start(part);
}

void TPartRowAudition::Up(QMouseEvent* event) {
    Form_.Edit().EndEditGesture();
    if (!Active_) return;
    Active_ = false;
    Form_.Audition().TestNote().Stop();
    Title_.SetCaption(SavedTitle_);
    const int part = PartRowAt(event->position().toPoint().y());
    if (part != 0 && !(event->modifiers() & Qt::ControlModifier)) Grid_.SetFocusCell(Grid_.Col(), part);
}

}  // namespace veka
