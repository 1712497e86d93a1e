#include "windows/drum_window.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QContextMenuEvent>
#include <QDataStream>
#include <QDrag>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QMouseEvent>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "windows/bookmark_menu.h"
#include "widgets/caption.h"
#include "windows/drum_columns.h"
#include "document/drum_texts.h"
#include "widgets/edge_font_panel.h"
#include "module/image.h"
#include "module/value_texts.h"
#include "document/test_note.h"

namespace veka {

namespace {

constexpr int kReviewMs = 10;  // the drum note that sounds after an edit
constexpr quint32 kDragMagic = 0x56444452;  // "VDDR"

enum TDrumText { dtTitle, dtDragHint, dtNoPart, dtUpdating, dtCopied, dtCount };
constexpr TCaption kTexts[dtCount] = {
    {"Drum Window", "Drum Window"},
    {"User Drum WindowにDrag&Dropできる", "Drag rows onto the User Drum Window"},
    {"このDrum Mapは現在使用されていないので発音させられません\r\n発音させるためにはPatch WindowでこのDrum Mapを設定してください",
     "Can not sound it. Because this Drum Set is not active.\r\nSelect this Drum Set in Patch Window to sound."},
    {"updating...", "updating..."},
    {"この行をｺﾋﾟｰしました。User Drum WindowでCtrl+Vで貼り付けられます",
     "Row copied: paste it into the User Drum Window with Ctrl+V."},
};

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QByteArray EncodeDrumRow(const TDrumRowDrag& row) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << kDragMagic << qint32(row.ToneMap) << qint32(row.Program) << qint32(row.Note) << bool(row.FromUserSet);
    for (int32_t v : row.Values) out << qint32(v);
    for (int32_t v : row.Source) out << qint32(v);
    return bytes;
}

bool DecodeDrumRow(const QMimeData* data, TDrumRowDrag& row) {
    if (!data || !data->hasFormat(QString::fromLatin1(kDrumRowMime))) return false;
    QDataStream in(data->data(QString::fromLatin1(kDrumRowMime)));
    quint32 magic = 0;
    qint32 map = 0, program = 0, note = 0;
    bool user = false;
    in >> magic >> map >> program >> note >> user;
    TDrumRowDrag decoded;
    for (int32_t& v : decoded.Values) {
        qint32 x = 0;
        in >> x;
        v = x;
    }
    for (int32_t& v : decoded.Source) {
        qint32 x = 0;
        in >> x;
        v = x;
    }
    if (in.status() != QDataStream::Ok || magic != kDragMagic || note < 0 || note >= kNoteCount) return false;
    decoded.ToneMap = map;
    decoded.Program = program;
    decoded.Note = note;
    decoded.FromUserSet = user;
    row = decoded;
    return true;
}

TDrumWindow1::TDrumWindow1(const TWindowServices& services, IPartOrderStore& orders, QWidget* parent)
    : TVekaTempForm(services, "DrumWindow1", parent), Orders_(orders) {
    setWindowTitle(Tr(kTexts[dtTitle], Language()));
    EdgeFontPanel1_ = MakeTitlePanel();
    tbCanDrag_ = new QToolButton(this);
    tbCanDrag_->setObjectName("tbCanDrag");
    tbCanDrag_->setCheckable(true);
    tbCanDrag_->setAutoRaise(true);
    tbCanDrag_->setText(QStringLiteral("Drag"));
    tbCanDrag_->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
    tbCanDrag_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tbCanDrag_->setToolTip(Tr(kTexts[dtDragHint], Language()));
    TabControl1_ = new QTabBar(this);
    TabControl1_->setObjectName("TabControl1");
    TabControl1_->setExpanding(false);
    VekaGrid1D_ = new TVekaGrid(this);
    VekaGrid1D_->setObjectName("VekaGrid1D");
    VekaGrid1D_->setFont(QFont(Utf8(Options().GridFontName()), std::max(6, Options().GridFontSize())));
    VekaGrid1D_->SetFixedCols(kFixedCols);
    VekaGrid1D_->SetFixedRows(1);
    VekaGrid1D_->AllowColumnMove = true;
    VekaGrid1D_->AllowColumnSizing = true;
    VekaGrid1D_->SpeakerCursor = true;
    StatusBar1_ = MakeStatusBar();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* top = new QHBoxLayout;
    top->setSpacing(2);
    top->addWidget(EdgeFontPanel1_, 1);
    top->addWidget(tbCanDrag_);
    layout->addLayout(top);
    layout->addWidget(TabControl1_);
    layout->addWidget(VekaGrid1D_, 1);
    layout->addStretch(0);
    layout->addWidget(StatusBar1_);

    connect(VekaGrid1D_, &TVekaGrid::OnClick, this, &TDrumWindow1::VekaGrid1DClick);
    connect(VekaGrid1D_, &TVekaGrid::OnCellChange, this, &TDrumWindow1::VekaGrid1DCellChange);
    connect(VekaGrid1D_, &TVekaGrid::OnPutLink, this, &TDrumWindow1::VekaGrid1DPutLink);
    connect(VekaGrid1D_, &TVekaGrid::OnColumnMoved, this, &TDrumWindow1::VekaGrid1DColumnMoved);
    connect(VekaGrid1D_, &TVekaGrid::OnMouseDown, this, &TDrumWindow1::GridMouseDown);
    connect(VekaGrid1D_, &TVekaGrid::OnMouseMove, this, &TDrumWindow1::GridMouseMove);
    connect(VekaGrid1D_, &TVekaGrid::OnMouseUp, this, &TDrumWindow1::GridMouseUp);
    // Ctrl+C: the current row, as a drag would carry it, for the user drum window's Ctrl+V.
    connect(VekaGrid1D_, &TVekaGrid::OnKeyDown, this, [this](QKeyEvent* event, bool* handled) {
        if (!event->matches(QKeySequence::Copy) || NoteOfRow(VekaGrid1D_->Row()) < 0) return;
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(kDrumRowMime), EncodeDrumRow(RowData(VekaGrid1D_->Row())));
        data->setText(VekaGrid1D_->SpokenRowName(VekaGrid1D_->Row()));
        QApplication::clipboard()->setMimeData(data);
        StatusBar1_->setText(Tr(kTexts[dtCopied], Language()));
        *handled = true;
    });
    connect(TabControl1_, &QTabBar::currentChanged, this, &TDrumWindow1::TabControl1Change);
    for (QWidget* w : {static_cast<QWidget*>(EdgeFontPanel1_), static_cast<QWidget*>(StatusBar1_),
                       static_cast<QWidget*>(TabControl1_), VekaGrid1D_->viewport()})
        WatchPointer(w);
    VekaGrid1D_->installEventFilter(this);  // a new grid font

    // The bookmarks name rows by their note.
    Bookmarks_ = new TBookmarkMenu(
        Store(), objectName().toStdString(), Language(),
        [this] {
            std::vector<std::pair<int, std::string>> rows;
            for (size_t i = 0; i < Notes_.size(); ++i) rows.emplace_back(Notes_[i], VekaGrid1D_->GetCell(1, int(i) + 1).Text);
            return rows;
        },
        [this] { return NoteOfRow(VekaGrid1D_->Row()); },
        [this](int note) {
            const auto it = std::find(Notes_.begin(), Notes_.end(), note);
            if (it != Notes_.end())
                VekaGrid1D_->SetFocusCell(std::max(VekaGrid1D_->Col(), kFixedCols), int(it - Notes_.begin()) + 1);
        },
        this);

    // The columns of the last session, else the nine parameters in their order.
    if (!LoadDrumColumns(Orders_, kColumnOrder, kDrumParameterCount, LinkDrum, Columns_))
        Ui().Warn(std::string(OrderDataReadError(Language())));
    RebuildDrum();
    FormCreate(EdgeFontPanel1_);
}

TDrumWindow1::~TDrumWindow1() {
    Audition().TestNote().Stop();
    // The columns as the window leaves them are kept for the next opening.
    StoreColumns();
    std::string error;
    Orders_.Save(Columns_, kColumnOrder, error);
}

QString TDrumWindow1::StatusText() const { return StatusBar1_->text(); }

void TDrumWindow1::NotePlayed(int port, int part, int note) {
    // Only a drum part of the map shown: its rows are that set's instruments.
    if (port != Edit().CurrentPort() || !TVGS::ValidPart(port, part, ppRhythm) || !ShowsSet_) return;
    if (Image().Part(port, part, ppRhythm).Value != Map_) return;
    for (int row = 1; row < VekaGrid1D_->RowCount(); ++row)
        if (NoteOfRow(row) == note) {
            VekaGrid1D_->SetFocusCell(std::max(VekaGrid1D_->Col(), kFixedCols), row);
            return;
        }
}

int TDrumWindow1::NoteOfRow(int row) const {
    return row >= 1 && size_t(row) <= Notes_.size() ? Notes_[size_t(row - 1)] : -1;
}

int TDrumWindow1::ParameterOfColumn(int col) const { return VekaGrid1D_->GetCell(col, 0).Link.Index; }

void TDrumWindow1::ShowTabs() {
    const QSignalBlocker block(TabControl1_);
    const int tabs = 2 * Image().ActivePortCount();
    while (TabControl1_->count() > tabs) TabControl1_->removeTab(TabControl1_->count() - 1);
    while (TabControl1_->count() < tabs) {
        const int n = TabControl1_->count();
        TabControl1_->addTab(QStringLiteral("%1 %2").arg(QChar('A' + n / 2)).arg(n % 2 + 1));
    }
    TabControl1_->setCurrentIndex(std::clamp(Edit().CurrentPort() * 2 + Map_ - 1, 0, tabs - 1));
}

void TDrumWindow1::RebuildDrum() {
    {
        const TRefreshGuard guard(*this);
        ShowTabs();
        TVGS& image = Image();
        const int port = Edit().CurrentPort();
        const TDrumSetRecord set = image.DrumSetOnMap(port, Map_);
        // A map that no part plays holds no set the module would sound.
        ShowsSet_ = image.FindPartByMap(port, Map_) > 0;
        VekaGrid1D_->setVisible(ShowsSet_);
        if (!ShowsSet_) {
            EdgeFontPanel1_->SetCaption(QStringLiteral("NO DRUM SET"));
            Notes_.clear();
            return;
        }
        SetToneMap_ = set.ToneMap;
        SetProgram_ = set.Program;
        Notes_.clear();
        std::vector<TDrumNoteRecord> instruments;
        try {
            instruments = image.Data().ReadDrumSet(SetToneMap_, SetProgram_);
        } catch (const std::exception& error) {
            Ui().Warn(error.what());  // a data file gone since the start: no rows
        }
        for (const TDrumNoteRecord& rec : instruments)
            if (rec.Note < kNoteCount) Notes_.push_back(rec.Note);
        std::sort(Notes_.begin(), Notes_.end());
        Notes_.erase(std::unique(Notes_.begin(), Notes_.end()), Notes_.end());
        const int keepRow = VekaGrid1D_->Row();
        StoreColumns();
        VekaGrid1D_->SetGridSize(int(Columns_.size()) + kFixedCols, int(Notes_.size()) + 1);
        for (size_t i = 0; i < Columns_.size(); ++i) {
            const int col = int(i) + kFixedCols;
            TOneCell& header = VekaGrid1D_->Cell(col, 0);
            header.Text = std::string(DrumParameterName(Columns_[i].Index));
            header.Link = Columns_[i];
            header.Link.Owner = SetProgram_;
            VekaGrid1D_->SetColWidth(col, Columns_[i].Spare);
        }
        FillRows();
        FitNoteColumns(*VekaGrid1D_);
        FitCaptionColumns(*VekaGrid1D_);
        EdgeFontPanel1_->SetCaption(Utf8(image.DrumSetName(SetToneMap_, SetProgram_)));
        if (!Notes_.empty()) VekaGrid1D_->SetFocusCell(std::max(VekaGrid1D_->Col(), kFixedCols),
                                                      std::clamp(keepRow, 1, int(Notes_.size())));
    }
    UpdateSizeLimits();
    VekaGrid1D_->viewport()->update();
}

void TDrumWindow1::FillRows() {
    TVGS& image = Image();
    const int port = Edit().CurrentPort();
    const bool user = SetProgram_ == 64 || SetProgram_ == 65;
    for (size_t i = 0; i < Notes_.size(); ++i) {
        const int row = int(i) + 1;
        const int note = Notes_[i];
        VekaGrid1D_->Cell(0, row).Text = DrumRowText(note);
        std::string name;
        if (user) {
            // The instrument the user drum note takes from its source set.
            const int set = SetProgram_ - 64;
            name = image.DrumNoteName(image.UserDrum(set, 10, note).Value, image.UserDrum(set, 11, note).Value,
                                      image.UserDrum(set, 12, note).Value);
            if (name.empty()) name = "-No Inst.";
        } else {
            name = image.DrumNoteName(SetToneMap_, SetProgram_, note);
        }
        CutCellText(name);
        VekaGrid1D_->Cell(1, row).Text = name;
        for (int col = kFixedCols; col < VekaGrid1D_->ColCount(); ++col) {
            const int parameter = ParameterOfColumn(col);
            TOneCell& cell = VekaGrid1D_->Cell(col, row);
            FillCellFromParameter(cell, image.Drum(port, Map_, parameter, note), 0,
                                  TLinkData{LinkDrum, note, parameter, note, kDefaultColumnWidth});
            cell.Text.clear();
            cell.ShowAs = 0;
        }
    }
}

void TDrumWindow1::UpdateSizeLimits() {
    const int around = std::max(EdgeFontPanel1_->sizeHint().height(), tbCanDrag_->sizeHint().height()) +
                       TabControl1_->sizeHint().height() + StatusBar1_->sizeHint().height();
    if (ShowsSet_) {
        LimitToGrid(*this, *VekaGrid1D_, around, TabControl1_->sizeHint().width());
        return;
    }
    setMinimumHeight(around + GridChromeHeight(*this, *VekaGrid1D_));
    setMaximumHeight(QWIDGETSIZE_MAX);
    setMaximumWidth(QWIDGETSIZE_MAX);
}

void TDrumWindow1::StoreColumns() {
    if (VekaGrid1D_->ColCount() <= kFixedCols || VekaGrid1D_->GetCell(kFixedCols, 0).Link.Index == 0) return;
    Columns_.clear();
    for (int col = kFixedCols; col < VekaGrid1D_->ColCount(); ++col) {
        TLinkData entry = VekaGrid1D_->GetCell(col, 0).Link;
        entry.Spare = VekaGrid1D_->ColWidth(col);
        Columns_.push_back(entry);
    }
}

void TDrumWindow1::TabControl1Change(int index) {
    if (Refreshing() || index < 0) return;
    StatusBar1_->setText(Tr(kTexts[dtUpdating], Language()));
    Map_ = index % 2 + 1;
    const int port = index / 2;
    if (port != Edit().CurrentPort()) Edit().SetCurrentPort(port);  // every window follows, this one too
    else RebuildDrum();
    StatusBar1_->clear();
}

void TDrumWindow1::VekaGrid1DClick() {
    if (Refreshing() || !ShowsSet_) return;
    const int col = VekaGrid1D_->Col();
    const int parameter = ParameterOfColumn(col);
    if (parameter < 1 || parameter > kDrumParameterCount) return;
    const TOneCell cell = VekaGrid1D_->GetCell(col, VekaGrid1D_->Row());
    EdgeFontPanel1_->SetCaption(Utf8(VekaGrid1D_->GetCell(col, 0).Text + " : " +
                                     DrumValueText(Language(), parameter, cell.Value, cell.Default, 0, nullptr)));
    StatusBar1_->setText(Utf8(DrumHelpText(parameter, Language())));
}

void TDrumWindow1::VekaGrid1DCellChange(int, int, const TOneCell& cell) {
    if (Refreshing()) return;
    try {
        const TVGS::TSenderScope sender(Image(), this);
        Image().SetDrumValue(Edit().CurrentPort(), Map_, cell.Value, cell.Link.Index, cell.Link.Owner);
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);  // the value stays in the image
    }
    VekaGrid1DClick();
}

void TDrumWindow1::VekaGrid1DPutLink(const TOneCell& cell) {
    Edit().EndEditGesture();
    Image().NotifyPut(Edit().CurrentPort(), cell.Link, cell.Value, this);
    if (!Options().On(TOption::ReviewEdit)) return;
    const int row = VekaGrid1D_->Row();
    SoundRow(row, true);
    Audition().WaitMs(kReviewMs);
    Audition().TestNote().Stop();
}

void TDrumWindow1::VekaGrid1DColumnMoved(int from, int to) {
    StoreColumns();
    MoveOrderEntry(Columns_, from - kFixedCols, to - kFixedCols);
}

TDrumRowDrag TDrumWindow1::RowData(int row) const {
    TDrumRowDrag drag;
    drag.ToneMap = SetToneMap_;
    drag.Program = SetProgram_;
    drag.Note = std::max(0, NoteOfRow(row));
    const TVGS& image = Image();
    const int port = Edit().CurrentPort();
    for (int n = 1; n <= kDrumParameterCount; ++n) drag.Values[size_t(n - 1)] = image.Drum(port, Map_, n, drag.Note).Value;
    drag.FromUserSet = SetProgram_ == 64 || SetProgram_ == 65;
    if (drag.FromUserSet)
        for (int n = 10; n <= 12; ++n) drag.Source[size_t(n - 10)] = image.UserDrum(SetProgram_ - 64, n, drag.Note).Value;
    return drag;
}

// Audition and dragging on the row headers ---------------------------------------------------

// The part that plays this map becomes the current part with the row's note as its test note.
void TDrumWindow1::SoundRow(int row, bool start) {
    const int note = NoteOfRow(row);
    const int port = Edit().CurrentPort();
    const int part = Image().FindPartByMap(port, Map_);
    if (note < 0 || part < 1) return;
    Edit().SetCurrentChannel(Image().Part(port, part, ppRxChannel).Value);
    Edit().SelectPart(part, this);
    Audition().TestNote().SetNote(port, part, note);
    AuditionRow_ = row;
    if (!start) return;
    try {
        Audition().TestNote().Start(port, part);
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);
        Edit().EndEditGesture();
    }
}

void TDrumWindow1::RowHeaderPress(int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
    if (NoteOfRow(row) < 0) return;
    if (tbCanDrag_->isChecked()) {
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setData(QString::fromLatin1(kDrumRowMime), EncodeDrumRow(RowData(row)));
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction);
    }
    if (Image().FindPartByMap(Edit().CurrentPort(), Map_) < 1) {
        Ui().Warn(Tr(kTexts[dtNoPart], Language()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toStdString());
        return;
    }
    const auto mods = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool play = button == Qt::LeftButton && mods == Qt::NoModifier;
    SoundRow(row, play);
    if (!play) return;
    if (tbCanDrag_->isChecked()) {
        Audition().TestNote().Stop();  // the drag went; the note only marks the row
        return;
    }
    Auditioning_ = true;
}

void TDrumWindow1::GridMouseDown(QMouseEvent* event) {
    int col = 0, row = 0;
    if (!VekaGrid1D_->CellAt(event->position().toPoint(), col, row) || col >= kFixedCols || row < 1) return;
    RowHeaderPress(row, event->button(), event->modifiers());
}

void TDrumWindow1::GridMouseMove(QMouseEvent* event) {
    if (!Auditioning_ || event->buttons() != Qt::LeftButton) return;
    int col = 0, row = 0;
    if (!VekaGrid1D_->CellAt(QPoint(2, event->position().toPoint().y()), col, row) || row < 1 || row == AuditionRow_)
        return;
    Audition().TestNote().Stop();
    SoundRow(row, true);
}

void TDrumWindow1::GridMouseUp(QMouseEvent* event) {
    Edit().EndEditGesture();
    if (!Auditioning_) return;
    Auditioning_ = false;
    Audition().TestNote().Stop();
    int col = 0, row = 0;
    if (!(event->modifiers() & Qt::ControlModifier) &&
        VekaGrid1D_->CellAt(QPoint(2, event->position().toPoint().y()), col, row) && row >= 1)
        VekaGrid1D_->SetFocusCell(std::max(VekaGrid1D_->Col(), kFixedCols), row);
}

// The window pattern ------------------------------------------------------------------------

void TDrumWindow1::RefreshFromImage() { RebuildDrum(); }

void TDrumWindow1::PropagateValue(const TLinkData& link, int value) {
    if (link.Kind == LinkDrum && ShowsSet_) VekaGrid1D_->SetLinkedValue(link, value);
}

void TDrumWindow1::ImageChanged(const TChangeNotice& change) {
    if (change.Port != Edit().CurrentPort()) return;
    if (change.Link.Kind == LinkPart && change.Link.Index == ppRhythm) {
        // A part took or left a drum map: the map may be in use now, or no longer.
        if ((Image().FindPartByMap(change.Port, Map_) > 0) != ShowsSet_) RebuildDrum();
        return;
    }
    if (change.Link.Kind != LinkDrum || change.Link.Owner != Map_ || !ShowsSet_) return;
    const int note = change.Link.Index;
    for (int n = 1; n <= kDrumParameterCount; ++n)
        if (&Image().Drum(change.Port, Map_, n, note) == &change.Record)
            VekaGrid1D_->SetLinkedValue(TLinkData{LinkDrum, note, n, note, 0}, change.Record.Value);
}

void TDrumWindow1::DrumSetLoaded(int port, int map) {
    // Whoever loaded the set notes its name and program right after: the rows follow then.
    if (port == Edit().CurrentPort() && map == Map_)
        QMetaObject::invokeMethod(this, [this] { RebuildDrum(); }, Qt::QueuedConnection);
}

void TDrumWindow1::contextMenuEvent(QContextMenuEvent* event) {
    Audition().TestNote().Stop();
    if (ShowsSet_) Bookmarks_->exec(event->globalPos());
}

void TDrumWindow1::resizeEvent(QResizeEvent* event) {
    TVekaTempForm::resizeEvent(event);
    // The columns fit the rows and the font when either changes; sizing leaves them.
    EdgeFontPanel1_->UpdateBack();
    UpdateSizeLimits();
}

void TDrumWindow1::showEvent(QShowEvent* event) {
    TVekaTempForm::showEvent(event);
    WatchFrame(*this, Frame_);
    UpdateSizeLimits();
}

bool TDrumWindow1::eventFilter(QObject* watched, QEvent* event) {
    KeepToGrid(*this, *VekaGrid1D_, watched, event, [this] { UpdateSizeLimits(); });
    return TVekaTempForm::eventFilter(watched, event);
}

bool TDrumWindow1::ShowParameter(int port, const TLinkData& link) {
    // {2, map, note, parameter}: the map's tab, the note's row, the parameter's column.
    if (link.Kind != LinkDrum || link.Owner < 1 || link.Owner > kDrumMapsPerPort) return false;
    const int tab = port * kDrumMapsPerPort + link.Owner - 1;
    if (tab < TabControl1_->count() && tab != TabControl1_->currentIndex()) TabControl1_->setCurrentIndex(tab);
    int row = -1;
    for (int r = 1; r < VekaGrid1D_->RowCount(); ++r)
        if (NoteOfRow(r) == link.Index) row = r;
    if (row < 0) return false;
    int col = std::max(VekaGrid1D_->Col(), kFixedCols);
    for (int c = kFixedCols; c < VekaGrid1D_->ColCount(); ++c)
        if (ParameterOfColumn(c) == link.Data) col = c;
    VekaGrid1D_->SetFocusCell(col, row);
    VekaGrid1D_->setFocus();
    VekaGrid1DClick();
    return true;
}

}  // namespace veka
