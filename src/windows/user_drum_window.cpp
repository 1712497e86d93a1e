#include "windows/user_drum_window.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "windows/bookmark_menu.h"
#include "widgets/caption.h"
#include "windows/drum_columns.h"
#include "document/drum_texts.h"
#include "windows/drum_window.h"
#include "widgets/edge_font_panel.h"
#include "module/exclusive.h"
#include "module/image.h"
#include "module/value_texts.h"
#include "document/test_note.h"

namespace veka {

namespace {

constexpr int kReviewMs = 10;

enum TUserDrumText { utTitle, utHint65, utHint66, utNoPart, utWorking, utNoSource, utNothingToPaste, utCount };
constexpr TCaption kTexts[utCount] = {
    {"User Drum Window", "User Drum Window"},
    {"USER DRUM SET 65", "USER DRUM SET 65"},
    {"USER DRUM SET 66", "USER DRUM SET 66"},
    {"このUser Drum Setは現在使用されていないので発音させられません\r\n発音させるためにはPatch WindowでUser Drum Setを選択してください",
     "This Drum Set is not active. Select this DrumSet in Patch Window to hear a sound."},
    {"User Drum Setを読み込んでいます...", "Loading the user drum set..."},
    {"この楽器はUser Drum Setに取り込めません", "A user drum set cannot take this instrument."},
    {"貼り付ける行がありません。Drum Windowで行を選んでCtrl+Cでｺﾋﾟｰしてください",
     "Nothing to paste: copy a row in the Drum Window with Ctrl+C first."},
};

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TUserDrumWindow::TUserDrumWindow(const TWindowServices& services, IMessageOut& out, IPartOrderStore& orders,
                                 QWidget* parent)
    : TVekaTempForm(services, "UserDrumWindow", parent), Out_(out), Orders_(orders) {
    setWindowTitle(Tr(kTexts[utTitle], Language()));
    EdgeFontPanel1_ = MakeTitlePanel();
    auto* top = new QHBoxLayout;
    top->setSpacing(1);
    top->addWidget(EdgeFontPanel1_, 1);
    for (int tag = 0; tag < 2; ++tag) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("p%1").arg(tag));
        button->setText(QString::number(65 + tag));
        button->setToolTip(Tr(kTexts[utHint65 + tag], Language()));
        button->setCheckable(true);
        button->setAutoRaise(true);
        connect(button, &QToolButton::clicked, this, [this, tag] { p3Click(tag); });
        top->addWidget(button);
        Buttons_[size_t(tag)] = button;
    }
    VekaGrid1_ = new TVekaGrid(this);
    VekaGrid1_->setObjectName("VekaGrid1");
    VekaGrid1_->setFont(QFont(Utf8(Options().GridFontName()), std::max(6, Options().GridFontSize())));
    VekaGrid1_->SetFixedCols(kFixedCols);
    VekaGrid1_->SetFixedRows(1);
    VekaGrid1_->AllowColumnMove = true;
    VekaGrid1_->AllowColumnSizing = true;
    VekaGrid1_->SpeakerCursor = true;
    VekaGrid1_->viewport()->setAcceptDrops(true);
    VekaGrid1_->viewport()->installEventFilter(this);
    VekaGrid1_->installEventFilter(this);  // a new grid font
    StatusBar1_ = MakeStatusBar();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(top);
    layout->addWidget(VekaGrid1_, 1);
    layout->addWidget(StatusBar1_);

    connect(VekaGrid1_, &TVekaGrid::OnClick, this, &TUserDrumWindow::VekaGrid1Click);
    connect(VekaGrid1_, &TVekaGrid::OnCellChange, this, &TUserDrumWindow::VekaGrid1CellChange);
    connect(VekaGrid1_, &TVekaGrid::OnPutLink, this, &TUserDrumWindow::VekaGrid1PutLink);
    // Ctrl+V: a row the drum window copied goes onto the current note, as if dropped there.
    connect(VekaGrid1_, &TVekaGrid::OnKeyDown, this, [this](QKeyEvent* event, bool* handled) {
        if (!event->matches(QKeySequence::Paste)) return;
        *handled = true;
        TDrumRowDrag drag;
        if (!DecodeDrumRow(QApplication::clipboard()->mimeData(), drag)) {
            StatusBar1_->setText(Tr(kTexts[utNothingToPaste], Language()));
            return;
        }
        DropRow(drag, VekaGrid1_->Row());
    });
    connect(VekaGrid1_, &TVekaGrid::OnColumnMoved, this, &TUserDrumWindow::VekaGrid1ColumnMoved);
    connect(VekaGrid1_, &TVekaGrid::OnMouseDown, this, &TUserDrumWindow::GridMouseDown);
    connect(VekaGrid1_, &TVekaGrid::OnMouseUp, this, &TUserDrumWindow::GridMouseUp);
    for (QWidget* w : {static_cast<QWidget*>(EdgeFontPanel1_), static_cast<QWidget*>(StatusBar1_), VekaGrid1_->viewport()})
        WatchPointer(w);

    // The bookmarks name rows by their note.
    Bookmarks_ = new TBookmarkMenu(
        Store(), objectName().toStdString(), Language(),
        [this] {
            std::vector<std::pair<int, std::string>> rows;
            for (int row = 1; row < kRows; ++row) rows.emplace_back(row - 1, VekaGrid1_->GetCell(1, row).Text);
            return rows;
        },
        [this] { return VekaGrid1_->Row() - 1; },
        [this](int note) { VekaGrid1_->SetFocusCell(std::max(VekaGrid1_->Col(), kFixedCols), note + 1); }, this);

    if (!LoadDrumColumns(Orders_, kColumnOrder, kUserDrumParameterCount, LinkUserDrum, Columns_))
        Ui().Warn(std::string(OrderDataReadError(Language())));
    Rebuild();
    FormCreate(EdgeFontPanel1_);
}

TUserDrumWindow::~TUserDrumWindow() { Audition().TestNote().Stop(); }

QString TUserDrumWindow::StatusText() const { return StatusBar1_->text(); }

int TUserDrumWindow::ParameterOfColumn(int col) const { return VekaGrid1_->GetCell(col, 0).Link.Index; }

int TUserDrumWindow::ColumnOf(int parameter) const {
    for (int col = kFixedCols; col < VekaGrid1_->ColCount(); ++col)
        if (ParameterOfColumn(col) == parameter) return col;
    return -1;
}

void TUserDrumWindow::p3Click(int tag) {
    tag &= 1;
    if (tag == Set_) {
        Stabilize();  // the button that is down stays down
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StatusBar1_->setText(Tr(kTexts[utWorking], Language()));
    Set_ = tag;
    Rebuild();
    StatusBar1_->clear();
    QApplication::restoreOverrideCursor();
}

void TUserDrumWindow::Rebuild() {
    {
        const TRefreshGuard guard(*this);
        Stabilize();
        const int keepRow = VekaGrid1_->Row(), keepCol = VekaGrid1_->Col();
        VekaGrid1_->SetGridSize(int(Columns_.size()) + kFixedCols, kRows);
        for (size_t i = 0; i < Columns_.size(); ++i) {
            const int col = int(i) + kFixedCols;
            TOneCell& header = VekaGrid1_->Cell(col, 0);
            header.Text = std::string(DrumParameterName(Columns_[i].Index));
            header.Link = Columns_[i];
            VekaGrid1_->SetColWidth(col, Columns_[i].Spare);
        }
        for (int row = 1; row < kRows; ++row) FillRow(row);
        FitNoteColumns(*VekaGrid1_);
        FitCaptionColumns(*VekaGrid1_);
        VekaGrid1_->SetFocusCell(std::max(keepCol, kFixedCols), std::clamp(keepRow, 1, kRows - 1));
    }
    EdgeFontPanel1_->SetCaption(QStringLiteral("USER DRUM SET %1").arg(65 + Set_));
    UpdateSizeLimits();
    VekaGrid1_->viewport()->update();
}

std::string TUserDrumWindow::SourceName(int note, const char* none) {
    TVGS& image = Image();
    const int map = image.UserDrum(Set_, 10, note).Value;
    const int program = image.UserDrum(Set_, 11, note).Value;
    const int source = image.UserDrum(Set_, 12, note).Value;
    std::string name = image.DrumNoteName(map, program, source);
    return name.empty() ? std::string(none) : name;
}

void TUserDrumWindow::FillRow(int row) {
    const int note = row - 1;
    VekaGrid1_->Cell(0, row).Text = DrumRowText(note);
    VekaGrid1_->Cell(1, row).Text = SourceName(note, "-No Inst.");
    CutCellText(VekaGrid1_->Cell(1, row).Text);
    for (int col = kFixedCols; col < VekaGrid1_->ColCount(); ++col) {
        const int parameter = ParameterOfColumn(col);
        TOneCell& cell = VekaGrid1_->Cell(col, row);
        FillCellFromParameter(cell, Image().UserDrum(Set_, parameter, note), 0,
                              TLinkData{LinkUserDrum, Set_, parameter, note, kDefaultColumnWidth});
        cell.Text.clear();
        cell.ShowAs = 0;
    }
}

void TUserDrumWindow::UpdateSizeLimits() {
    LimitToGrid(*this, *VekaGrid1_,
                std::max(EdgeFontPanel1_->sizeHint().height(), Buttons_[0]->sizeHint().height()) +
                    StatusBar1_->sizeHint().height(),
                0);
}

void TUserDrumWindow::VekaGrid1Click() {
    if (Refreshing()) return;
    const int col = VekaGrid1_->Col();
    const int parameter = ParameterOfColumn(col);
    if (parameter < 1 || parameter > kUserDrumParameterCount) return;
    const int note = std::clamp(VekaGrid1_->Row() - 1, 0, kNoteCount - 1);
    const TOneCell cell = VekaGrid1_->GetCell(col, VekaGrid1_->Row());
    TVGS& image = Image();
    const TDrumSetNameLookup names = [&image](int map, int program) { return image.DrumSetName(map, program); };
    EdgeFontPanel1_->SetCaption(Utf8(VekaGrid1_->GetCell(col, 0).Text + " : " +
                                     DrumValueText(Language(), parameter, cell.Value, cell.Default,
                                                   image.UserDrum(Set_, 10, note).Value, names)));
    StatusBar1_->setText(Utf8(DrumHelpText(parameter, Language())));
}

void TUserDrumWindow::MirrorIntoMaps(int parameter, int note, int32_t value) {
    if (parameter < 1 || parameter > kDrumParameterCount) return;
    const int port = Edit().CurrentPort();
    // Only a map that holds this very set: the other user set keeps its own values.
    for (int map = 1; map <= kDrumMapsPerPort; ++map)
        if (Image().DrumSetOnMap(port, map).Program == 64 + Set_) Image().SetDrumValue(port, map, value, parameter, note);
}

void TUserDrumWindow::VekaGrid1CellChange(int, int row, const TOneCell& cell) {
    if (Refreshing() || row < 1 || row >= kRows) return;
    const int parameter = cell.Link.Index;
    const int note = row - 1;
    try {
        const TVGS::TSenderScope sender(Image(), this);
        Image().SetUserDrumValue(Set_, note, cell.Value, parameter);
        MirrorIntoMaps(parameter, note, cell.Value);
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);  // the value stays in the image
    }
    if (parameter >= 10) {
        VekaGrid1_->Cell(1, row).Text = SourceName(note, "-No Inst");
        CutCellText(VekaGrid1_->Cell(1, row).Text);
        VekaGrid1_->RepaintCell(1, row);
    }
    VekaGrid1Click();
}

int TUserDrumWindow::PlayingPart() const {
    const int part = Image().FindDrumPartByProgram(Edit().CurrentPort(), 64 + Set_);
    return part >= 1 ? part : 0;
}

void TUserDrumWindow::VekaGrid1PutLink(const TOneCell& cell) {
    Edit().EndEditGesture();
    Image().NotifyPut(Edit().CurrentPort(), cell.Link, cell.Value, this);
    AfterEdit(cell.Link.Data + 1);
}

void TUserDrumWindow::AfterEdit(int row) {
    const int port = Edit().CurrentPort();
    // A drum window that shows this set reads its instruments again.
    for (int map = 1; map <= kDrumMapsPerPort; ++map)
        if (Image().DrumSetOnMap(port, map).Program == 64 + Set_) Image().OnDrumSetLoaded(port, map);
    const int part = PlayingPart();
    if (part == 0) return;
    // The module takes up an edited user set only when the part selects it again.
    Out_.SendMessage(port, ToneReselectMessage(Image(), port, part), "Tone Number");
    if (!Options().On(TOption::ReviewEdit)) return;
    Edit().SetCurrentChannel(Image().Part(port, part, ppRxChannel).Value);
    Edit().SelectPart(part, this);
    Audition().TestNote().SetNote(port, part, row - 1);
    SoundTestNote(port, part, kReviewMs);
}

void TUserDrumWindow::VekaGrid1ColumnMoved(int from, int to) {
    MoveOrderEntry(Columns_, from - kFixedCols, to - kFixedCols);
}

// Drops from the drum window ------------------------------------------------------------------

void TUserDrumWindow::DropRow(const TDrumRowDrag& drag, int row) {
    if (row < 1 || row >= kRows) return;
    const int note = row - 1;
    std::array<int32_t, 3> source = drag.Source;
    if (!drag.FromUserSet) {
        // A source names a set of the 55, 88 or 88Pro map; a kit of the 8850 map is taken from
        // the 88Pro map, which holds the same kits, when it is there.
        int map = drag.ToneMap;
        if (map == 4 && Image().Data().FindDrumSet(3, drag.Program)) map = 3;
        if (map < 1 || map > 3) {
            StatusBar1_->setText(Tr(kTexts[utNoSource], Language()));
            return;
        }
        source = {map, drag.Program, drag.Note};
    }
    try {
        const TVGS::TSenderScope sender(Image(), this);
        for (int n = 1; n <= kDrumParameterCount; ++n) {
            Image().SetUserDrumValue(Set_, note, drag.Values[size_t(n - 1)], n);
            MirrorIntoMaps(n, note, drag.Values[size_t(n - 1)]);
        }
        for (int n = 10; n <= 12; ++n) Image().SetUserDrumValue(Set_, note, source[size_t(n - 10)], n);
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);
    }
    Edit().EndEditGesture();
    FillRow(row);
    VekaGrid1_->SetFocusCell(VekaGrid1_->Col(), row);
    for (int col = 0; col < VekaGrid1_->ColCount(); ++col) VekaGrid1_->RepaintCell(col, row);
    VekaGrid1Click();
    AfterEdit(row);
}

bool TUserDrumWindow::eventFilter(QObject* watched, QEvent* event) {
    KeepToGrid(*this, *VekaGrid1_, watched, event, [this] { UpdateSizeLimits(); });
    if (watched == VekaGrid1_->viewport() &&
        (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove || event->type() == QEvent::Drop)) {
        auto* drop = static_cast<QDropEvent*>(event);
        TDrumRowDrag drag;
        int col = 0, row = 0;
        // Rows of a drum window only: text, files and anything else are refused.
        if (!DecodeDrumRow(drop->mimeData(), drag) || !VekaGrid1_->CellAt(drop->position().toPoint(), col, row) ||
            row < 1) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        if (event->type() == QEvent::Drop)
            QMetaObject::invokeMethod(this, [this, drag, row] { DropRow(drag, row); }, Qt::QueuedConnection);
        return true;
    }
    return TVekaTempForm::eventFilter(watched, event);
}

// Audition on the row headers -----------------------------------------------------------------

void TUserDrumWindow::RowHeaderPress(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (row < 1 || row >= kRows) return;
    const int part = PlayingPart();
    if (part == 0) {
        Ui().Warn(Tr(kTexts[utNoPart], Language()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString());
        return;
    }
    const int port = Edit().CurrentPort();
    Edit().SetCurrentChannel(Image().Part(port, part, ppRxChannel).Value);
    Edit().SelectPart(part, this);
    Audition().TestNote().SetNote(port, part, row - 1);
    const auto mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (button != Qt::LeftButton || mods != Qt::NoModifier) return;
    try {
        Audition().TestNote().Start(port, part);
        Auditioning_ = true;
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);
    }
}

void TUserDrumWindow::GridMouseDown(QMouseEvent* event) {
    int col = 0, row = 0;
    if (!VekaGrid1_->CellAt(event->position().toPoint(), col, row) || col >= kFixedCols || row < 1) return;
    RowHeaderPress(row, event->button(), event->modifiers());
}

void TUserDrumWindow::GridMouseUp(QMouseEvent*) {
    Edit().EndEditGesture();
    if (!Auditioning_) return;
    Auditioning_ = false;
    Audition().TestNote().Stop();
}

// The window pattern ------------------------------------------------------------------------

void TUserDrumWindow::RefreshFromImage() { Rebuild(); }

void TUserDrumWindow::Stabilize() {
    for (int tag = 0; tag < 2; ++tag) Buttons_[size_t(tag)]->setChecked(tag == Set_);
}

void TUserDrumWindow::NotePlayed(int port, int part, int note) {
    if (!TVGS::ValidPart(port, part, ppRhythm) || note < 0 || note >= kNoteCount) return;
    const int map = Image().Part(port, part, ppRhythm).Value;
    if (map < 1 || map > kDrumMapsPerPort) return;
    const int program = Image().DrumSetOnMap(port, map).Program;
    if (program != 64 && program != 65) return;  // the part plays no user set
    VekaGrid1_->SetFocusCell(std::max(VekaGrid1_->Col(), kFixedCols), note + 1);
}

void TUserDrumWindow::PropagateValue(const TLinkData& link, int value) {
    if (link.Kind != LinkUserDrum || link.Owner != Set_) return;
    const int col = ColumnOf(link.Index);
    const int row = link.Data + 1;
    if (col < 0 || row < 1 || row >= kRows) return;
    VekaGrid1_->Cell(col, row).Value = value;
    VekaGrid1_->RepaintCell(col, row);
}

void TUserDrumWindow::ImageChanged(const TChangeNotice& change) {
    if (change.Link.Kind != LinkUserDrum || change.Link.Owner != Set_) return;
    const int note = change.Link.Index;
    if (note < 0 || note >= kNoteCount) return;
    for (int n = 1; n <= kUserDrumParameterCount; ++n) {
        if (&Image().UserDrum(Set_, n, note) != &change.Record) continue;
        PropagateValue(TLinkData{LinkUserDrum, Set_, n, note, 0}, change.Record.Value);
        if (n >= 10) {
            VekaGrid1_->Cell(1, note + 1).Text = SourceName(note, "-No Inst");
            VekaGrid1_->RepaintCell(1, note + 1);
        }
    }
}

void TUserDrumWindow::contextMenuEvent(QContextMenuEvent* event) {
    Audition().TestNote().Stop();
    Bookmarks_->exec(event->globalPos());
}

void TUserDrumWindow::resizeEvent(QResizeEvent* event) {
    TVekaTempForm::resizeEvent(event);
    // The columns fit the rows and the font when either changes; sizing leaves them.
    EdgeFontPanel1_->UpdateBack();
    UpdateSizeLimits();
}

void TUserDrumWindow::showEvent(QShowEvent* event) {
    TVekaTempForm::showEvent(event);
    WatchFrame(*this, Frame_);
    UpdateSizeLimits();
}

bool TUserDrumWindow::ShowParameter(int /*port*/, const TLinkData& link) {
    // {3, set, note, parameter}: the set's button, the note's row, the parameter's column.
    if (link.Kind != LinkUserDrum || link.Index < 0 || link.Index >= kNoteCount) return false;
    if ((link.Owner & 1) != Set_) p3Click(link.Owner & 1);
    const int col = ColumnOf(link.Data);
    VekaGrid1_->SetFocusCell(col >= 0 ? col : std::max(VekaGrid1_->Col(), kFixedCols), link.Index + 1);
    VekaGrid1_->setFocus();
    return col >= 0;
}

}  // namespace veka
