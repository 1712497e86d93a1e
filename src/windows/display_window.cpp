#include "windows/display_window.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

#include "widgets/caption.h"

namespace veka {

namespace {

const QColor kOrange(0xFF, 0x80, 0x40);  // the display's lit background (4080FF as stored)

enum TDisplayText {
    dtTitle, dtIcon, dtBlack, dtClear, dtReverse, dtAllClear, dtAllBlack, dtSend, dtLetter, dtPresets, dtSavePreset,
    dtSave, dtClose, dtSaveTitle, dtFilter, dtDotOff, dtDotOn, dtCount
};
constexpr TCaption kTexts[dtCount] = {
    {"液晶ﾃﾞｨｽﾌﾟﾚｲ", "Display Screen Window"},
    {"Icon Display", "Icon Display"},
    {"黒", "Black"},
    {"ｵﾚﾝｼﾞ", "Clear"},
    {"反転", "Reverse"},
    {"消去", "All clear"},
    {"黒で塗りつぶす", "All black"},
    {"送信", "Send"},
    {"Display Letter", "Display Letter"},
    {"既存のPresetﾌｧｲﾙ", "Preset Files"},
    {"Presetとして保存", "Save setting as Preset"},
    {"保存", "Save"},
    {"閉じる", "Close"},
    {"液晶表示用ﾃﾞｰﾀの保存", "Save data for the Display Screen"},
    {"液晶表示用ﾃﾞｰﾀ (*.dsp)", "Display Screen (*.dsp)"},
    {"ｵﾚﾝｼﾞ", "off"},
    {"黒", "on"},
};

}  // namespace

// The dot picture ---------------------------------------------------------------------------

TDotGrid::TDotGrid(QWidget* parent) : QWidget(parent) {
    setObjectName("GRID");
    setFixedSize(sizeHint());
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
}

QSize TDotGrid::sizeHint() const { return QSize(kDisplaySize * kCellWidth + 1, kDisplaySize * kCellHeight + 1); }

bool TDotGrid::DotAt(const QPoint& pos, int& column, int& row) const {
    if (pos.x() < 0 || pos.y() < 0) return false;
    column = pos.x() / kCellWidth;
    row = pos.y() / kCellHeight;
    return column < kDisplaySize && row < kDisplaySize;
}

void TDotGrid::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    for (int column = 0; column < kDisplaySize; ++column)
        for (int row = 0; row < kDisplaySize; ++row) {
            const QRect cell(column * kCellWidth + 1, row * kCellHeight + 1, kCellWidth - 1, kCellHeight - 1);
            painter.fillRect(cell, Dots.Dot[size_t(column)][size_t(row)] ? QColor(Qt::black) : kOrange);
        }
    if (hasFocus()) {
        // The keys' cursor: a frame of two pixels in the highlight colour around its dot.
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(CursorColumn_ * kCellWidth + 1, CursorRow_ * kCellHeight + 1, kCellWidth - 1, kCellHeight - 1);
    }
}

void TDotGrid::UpdateDot(int column, int row) {
    update(QRect(column * kCellWidth - 1, row * kCellHeight - 1, kCellWidth + 3, kCellHeight + 3));
}

bool TDotGrid::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void TDotGrid::keyPressEvent(QKeyEvent* event) {
    int column = CursorColumn_, row = CursorRow_;
    switch (event->key()) {
    case Qt::Key_Left: --column; break;
    case Qt::Key_Right: ++column; break;
    case Qt::Key_Up: --row; break;
    case Qt::Key_Down: ++row; break;
    case Qt::Key_Space:
        Apply(CursorColumn_, CursorRow_);
        TellCursor();
        return;
    default: QWidget::keyPressEvent(event); return;
    }
    column = std::clamp(column, 0, kDisplaySize - 1);
    row = std::clamp(row, 0, kDisplaySize - 1);
    UpdateDot(CursorColumn_, CursorRow_);
    CursorColumn_ = column;
    CursorRow_ = row;
    if (event->modifiers() & Qt::ShiftModifier) Apply(column, row);
    UpdateDot(column, row);
    TellCursor();
}

void TDotGrid::TellCursor() {
    const bool on = Dots.Dot[size_t(CursorColumn_)][size_t(CursorRow_)] != 0;
    setAccessibleDescription(QStringLiteral("%1, %2: %3").arg(CursorColumn_ + 1).arg(CursorRow_ + 1).arg(on ? OnWord : OffWord));
}

void TDotGrid::focusInEvent(QFocusEvent* event) {
    UpdateDot(CursorColumn_, CursorRow_);
    TellCursor();
    QWidget::focusInEvent(event);
}

void TDotGrid::focusOutEvent(QFocusEvent* event) {
    UpdateDot(CursorColumn_, CursorRow_);
    QWidget::focusOutEvent(event);
}

void TDotGrid::Apply(int column, int row) {
    uint8_t& dot = Dots.Dot[size_t(column)][size_t(row)];
    dot = Pen == penBlack ? 1 : Pen == penClear ? 0 : uint8_t(dot ^ 1);
    LastColumn_ = column;
    LastRow_ = row;
    UpdateDot(column, row);
}

void TDotGrid::mousePressEvent(QMouseEvent* event) {
    int column = 0, row = 0;
    if (event->button() != Qt::LeftButton || !DotAt(event->position().toPoint(), column, row)) return;
    Dragging_ = true;
    Apply(column, row);
}

void TDotGrid::mouseMoveEvent(QMouseEvent* event) {
    int column = 0, row = 0;
    if (!Dragging_ || !DotAt(event->position().toPoint(), column, row)) return;
    if (column == LastColumn_ && row == LastRow_) return;  // each dot once per entering
    Apply(column, row);
}

void TDotGrid::mouseReleaseEvent(QMouseEvent*) {
    Dragging_ = false;
    LastColumn_ = LastRow_ = -1;
}

// The window ----------------------------------------------------------------------------------

TDisplayWindow::TDisplayWindow(const TWindowServices& services, IMessageOut& out, QWidget* parent)
    : TVekaTempForm(services, "DisplayWindow", parent), Out_(out) {
    const auto text = [this](TDisplayText id) { return Tr(kTexts[id], Language()); };
    setWindowTitle(text(dtTitle));

    auto* icon = new QGroupBox(text(dtIcon), this);
    GRID_ = new TDotGrid(icon);
    GRID_->setAccessibleName(text(dtIcon));
    GRID_->OffWord = text(dtDotOff);
    GRID_->OnWord = text(dtDotOn);
    Pens_ = new QButtonGroup(this);
    auto* tools = new QHBoxLayout;
    for (int pen = 0; pen < 3; ++pen) {
        auto* button = new QToolButton(icon);
        button->setObjectName(QStringLiteral("ToolbarButton97%1").arg(pen + 1));
        button->setText(text(TDisplayText(dtBlack + pen)));
        button->setToolTip(text(TDisplayText(dtBlack + pen)));
        button->setCheckable(true);
        Pens_->addButton(button, pen);
        tools->addWidget(button);
    }
    Pens_->button(TDotGrid::penBlack)->setChecked(true);
    connect(Pens_, &QButtonGroup::idClicked, this, [this](int pen) { ToolbarButton971Click(pen); });
    auto* allClear = new QPushButton(text(dtAllClear), icon);
    allClear->setObjectName("ToolbarButton974");
    auto* allBlack = new QPushButton(text(dtAllBlack), icon);
    allBlack->setObjectName("ToolbarButton975");
    auto* sendPicture = new QPushButton(text(dtSend), icon);
    sendPicture->setObjectName("Button1");
    connect(allClear, &QPushButton::clicked, this, &TDisplayWindow::ToolbarButton974Click);
    connect(allBlack, &QPushButton::clicked, this, &TDisplayWindow::ToolbarButton975Click);
    connect(sendPicture, &QPushButton::clicked, this, &TDisplayWindow::Button1Click);
    tools->addStretch(1);
    auto* fills = new QHBoxLayout;
    fills->addWidget(allClear);
    fills->addWidget(allBlack);
    fills->addStretch(1);
    fills->addWidget(sendPicture);
    auto* iconLayout = new QVBoxLayout(icon);
    iconLayout->addWidget(GRID_, 0, Qt::AlignHCenter);
    iconLayout->addLayout(tools);
    iconLayout->addLayout(fills);

    auto* letter = new QGroupBox(text(dtLetter), this);
    Edit1_ = new QLineEdit(QStringLiteral("Welcome to Veka"), letter);
    Edit1_->setObjectName("Edit1");
    Edit1_->setMaxLength(int(kDisplayTextMax));
    Edit1_->setFont(QFont(QStringLiteral("Arial")));
    auto* sendText = new QPushButton(text(dtSend), letter);
    sendText->setObjectName("Button2");
    connect(sendText, &QPushButton::clicked, this, &TDisplayWindow::Button2Click);
    connect(Edit1_, &QLineEdit::returnPressed, this, &TDisplayWindow::Button2Click);
    auto* letterLayout = new QHBoxLayout(letter);
    letterLayout->addWidget(Edit1_, 1);
    letterLayout->addWidget(sendText);

    cbPreset_ = new QComboBox(this);
    cbPreset_->setObjectName("cbPreset");
    cbPreset_->setToolTip(text(dtPresets));
    cbPreset_->setAccessibleName(text(dtPresets));
    cbPreset_->setMinimumContentsLength(16);
    connect(cbPreset_, &QComboBox::activated, this, &TDisplayWindow::cbPresetChange);
    auto* save = new QPushButton(text(dtSave), this);
    save->setObjectName("SpeedButton1");
    save->setToolTip(text(dtSavePreset));
    connect(save, &QPushButton::clicked, this, &TDisplayWindow::SpeedButton1Click);
    auto* close = new QPushButton(text(dtClose), this);
    close->setObjectName("Button3");
    connect(close, &QPushButton::clicked, this, &TDisplayWindow::Button3Click);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(cbPreset_, 1);
    bottom->addWidget(save);
    bottom->addSpacing(12);
    bottom->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(icon);
    layout->addWidget(letter);
    layout->addLayout(bottom);
    for (QWidget* w : findChildren<QWidget*>()) WatchPointer(w);

    FillPresets();
    setFixedSize(sizeHint());
}

QToolButton* TDisplayWindow::PenButton(int pen) const { return qobject_cast<QToolButton*>(Pens_->button(pen)); }

void TDisplayWindow::ToolbarButton971Click(int pen) { GRID_->Pen = std::clamp(pen, 0, 2); }

void TDisplayWindow::ToolbarButton974Click() {
    GRID_->Dots.Fill(0);
    GRID_->update();
}

void TDisplayWindow::ToolbarButton975Click() {
    GRID_->Dots.Fill(1);
    GRID_->update();
}

void TDisplayWindow::Button1Click() {
    // Straight to the output of the port the windows show, without the pause after it.
    Out_.SendMessage(Edit().CurrentPort(), PictureMessage(Image().DeviceId, GRID_->Dots), "Icon Display");
}

void TDisplayWindow::Button2Click() {
    const std::string typed = Edit1_->text().toStdString();
    Out_.SendMessage(0, TextMessage(Image().DeviceId, typed), DisplayText(typed));
}

void TDisplayWindow::Button3Click() { CloseWindow(); }

void TDisplayWindow::FillPresets() {
    const QString current = cbPreset_->currentText();
    cbPreset_->clear();
    const QDir folder(QString::fromStdString(Store().PresetFolder()));
    // Name filters match without regard to case: "A.DSP" is listed too.
    for (const QFileInfo& file : folder.entryInfoList({QStringLiteral("*.dsp")}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        cbPreset_->addItem(file.fileName());
    cbPreset_->setCurrentIndex(cbPreset_->findText(current));
}

void TDisplayWindow::SpeedButton1Click() {
    const QString folder = QString::fromStdString(Store().PresetFolder());
    const QString name = Ui().ChooseSaveName(Tr(kTexts[dtSaveTitle], Language()), folder,
                                             Tr(kTexts[dtFilter], Language()), QStringLiteral("dsp"));
    if (name.isEmpty()) return;
    TDisplayPreset preset;
    preset.Dots = GRID_->Dots;
    preset.Text = Edit1_->text().toStdString();
    std::string error;
    if (!WriteDisplayPreset(name.toStdString(), preset, error)) Ui().Warn(error);
    FillPresets();
}

void TDisplayWindow::cbPresetChange(int index) {
    if (index < 0) return;
    const QString path = QDir(QString::fromStdString(Store().PresetFolder())).filePath(cbPreset_->itemText(index));
    TDisplayPreset preset;
    std::string error;
    if (!ReadDisplayPreset(path.toStdString(), preset, error)) {
        Ui().Warn(error);  // the picture and the text stay as they were
        return;
    }
    GRID_->Dots = preset.Dots;
    GRID_->update();
    Edit1_->setText(QString::fromStdString(preset.Text));
}

}  // namespace veka
