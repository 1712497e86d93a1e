#include "windows/keyboard_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/caption.h"
#include "module/user_messages.h"
#include "module/value_texts.h"
#include "document/note_player.h"
#include "widgets/veka_keyboard.h"
#include "widgets/veka_ribbon.h"

namespace veka {

namespace {

enum TText { tVelocity, tOctave, tRibbon, tPcKey, tPcKeyHint, tVelocityDown, tVelocityUp, tOctaveDown, tOctaveUp,
             tRibbonHint, tKeyboard, tCount };
constexpr TCaption kTexts[tCount] = {
    {"Velocity", "Velocity"},
    {"Octave", "Octave"},
    {"Ribbon", "Ribbon"},
    {"PC Key", "PC Key"},
    {"ﾊﾟｿｺﾝのｷｰﾎﾞｰﾄﾞで音を鳴らす", "Use PC keyboard"},
    {"ﾊﾟｿｺﾝのｷｰﾎﾞｰﾄﾞのﾍﾞﾛｼﾃｨを下げる", "Lower the velocity of the inputs from the PC Keyboard"},
    {"ﾊﾟｿｺﾝのｷｰﾎﾞｰﾄﾞのﾍﾞﾛｼﾃｨを上げる", "Raise the velocity of the inputs from the PC Keyboard"},
    {"ﾊﾟｿｺﾝのｷｰﾎﾞｰﾄﾞのｵｸﾀｰﾌﾞを下げる", "Adust the octave mapping down"},
    {"ﾊﾟｿｺﾝのｷｰﾎﾞｰﾄﾞのｵｸﾀｰﾌﾞを上げる", "Adust the octave mapping up"},
    {"ﾘﾎﾞﾝｺﾝﾄﾛｰﾗｰで操作するｺﾝﾄﾛｰﾙ", "Select a kind of control event for the Ribbon-Controller"},
    {"鍵盤", "Keyboard"},
};
constexpr int kKeyboardHelp = 10;  // "Velocty changes by its position(height)"
constexpr int kRibbonHelp = 9;     // "Right-click centers the ribbon controller's cursor."

QString Utf8(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString Trimmed(const std::string& text) { return QString::fromStdString(text).trimmed(); }

}  // namespace

TKeyboardWindow::TKeyboardWindow(const TWindowServices& services, TNotePlayer& player, IPcKeyboardSwitch& pcKeyboard,
                                 QWidget* parent)
    : TVekaTempForm(services, "KeyboardWindow", parent), Player_(player), PcKeyboard_(pcKeyboard) {
    const TLanguage language = Language();
    const auto text = [language](TText id) { return Tr(kTexts[id], language); };
    if (language == TLanguage::English) setFont(QFont(QStringLiteral("Arial")));

    auto makeButton = [this](const char* caption, const QString& hint, auto&& slot) {
        auto* button = new QToolButton(this);
        button->setText(QString::fromLatin1(caption));
        button->setObjectName(QStringLiteral("Btn%1").arg(QLatin1String(caption)));
        button->setToolTip(hint);
        // Read as what it does and the computer key that does the same ("... (X)").
        button->setAccessibleName(QStringLiteral("%1 (%2)").arg(hint, QLatin1String(caption)));
        button->setFocusPolicy(Qt::NoFocus);  // the letters keep playing
        button->setFixedSize(24, 22);
        connect(button, &QToolButton::clicked, this, slot);
        return button;
    };
    auto makeValue = [this](const char* name) {
        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 6);
        return label;
    };

    VelocityValue_ = makeValue("VelocityValue");
    OctaveValue_ = makeValue("OctaveValue");
    BtnX_ = makeButton("X", text(tVelocityDown), [this] { Player_.VelocityDown(); });
    BtnC_ = makeButton("C", text(tVelocityUp), [this] { Player_.VelocityUp(); });
    BtnQ_ = makeButton("Q", text(tOctaveDown), [this] { Player_.OctaveDown(); });
    BtnR_ = makeButton("R", text(tOctaveUp), [this] { Player_.OctaveUp(); });
    cbPcKey_ = new QCheckBox(text(tPcKey), this);
    cbPcKey_->setObjectName("cbPcKey");
    cbPcKey_->setToolTip(text(tPcKeyHint));
    cbPcKey_->setFocusPolicy(Qt::NoFocus);
    connect(cbPcKey_, &QCheckBox::clicked, this, &TKeyboardWindow::cbPcKeyClick);

    VekaRibon1_ = new TVekaRibon(this);
    VekaRibon1_->setObjectName("VekaRibon1");
    VekaRibon1_->setAccessibleName(text(tRibbon));
    connect(VekaRibon1_, &TVekaRibon::OnChange, this, &TKeyboardWindow::RibbonChange);
    cbRibon_ = new QComboBox(this);
    cbRibon_->setObjectName("cbRibon");
    cbRibon_->setToolTip(text(tRibbonHint));
    cbRibon_->setFocusPolicy(Qt::NoFocus);
    cbRibon_->addItem(QStringLiteral(" Pitch Bend"));
    for (int controller = 0; controller < TNotePlayer::kRibbonControls - 1; ++controller)
        cbRibon_->addItem(QString::fromStdString(ControllerText(controller)));
    cbRibon_->setMaxVisibleItems(20);
    connect(cbRibon_, &QComboBox::currentIndexChanged, this, &TKeyboardWindow::cbRibonChange);

    VekaKeyboard1_ = new TVekaKeyboard(this);
    VekaKeyboard1_->setObjectName("VekaKeyboard1");
    VekaKeyboard1_->setAccessibleName(text(tKeyboard));
    connect(VekaKeyboard1_, &TVekaKeyboard::OnNoteDown, this,
            [this](int note, int velocity) { Player_.MouseDown(note, velocity); });
    connect(VekaKeyboard1_, &TVekaKeyboard::OnNoteUp, this, [this] { Player_.MouseUp(); });
    StatusBar1_ = MakeStatusBar();

    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(new QLabel(text(tVelocity), this));
    top->addWidget(VelocityValue_);
    top->addWidget(BtnX_);
    top->addWidget(BtnC_);
    top->addSpacing(10);
    top->addWidget(new QLabel(text(tOctave), this));
    top->addWidget(OctaveValue_);
    top->addWidget(BtnQ_);
    top->addWidget(BtnR_);
    top->addSpacing(10);
    top->addWidget(cbPcKey_);
    top->addStretch(1);
    top->addWidget(new QLabel(text(tRibbon), this));
    top->addWidget(VekaRibon1_);
    top->addWidget(cbRibon_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->setSpacing(4);
    layout->addLayout(top);
    layout->addWidget(VekaKeyboard1_, 0, Qt::AlignHCenter);
    layout->addWidget(StatusBar1_);

    for (QWidget* w : {static_cast<QWidget*>(VekaKeyboard1_), static_cast<QWidget*>(VekaRibon1_)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }
    for (QWidget* w : findChildren<QWidget*>()) WatchPointer(w);

    Keys_ = Player_.OnKey.Subscribe([this](int note, bool down) { VekaKeyboard1_->SetKeyDown(note, down); });
    State_ = Player_.OnStateChanged.Subscribe([this] { ShowPlayerState(); });
    Player_.ViewOpen = true;
    ShowPlayerState();
    RefreshFromImage();
    setFixedSize(sizeHint());
}

TKeyboardWindow::~TKeyboardWindow() {
    // The controls and their connections outlive this body; from here on they must not reach
    // the player.
    disconnect(VekaKeyboard1_, &TVekaKeyboard::OnNoteUp, this, nullptr);
    disconnect(VekaRibon1_, &TVekaRibon::OnChange, this, nullptr);
    // A key held under the pointer while the window goes still gets its note-off.
    Player_.MouseUp();
    Player_.ViewOpen = false;
}

void TKeyboardWindow::hideEvent(QHideEvent* event) {
    // Minimised or hidden under a held button: its release would never come here.
    VekaKeyboard1_->CancelPress();
    VekaRibon1_->CancelDrag();
    TVekaTempForm::hideEvent(event);
}

QToolButton* TKeyboardWindow::Button(char letter) const {
    switch (letter) {
        case 'Q': return BtnQ_;
        case 'R': return BtnR_;
        case 'C': return BtnC_;
        case 'X': return BtnX_;
        default: return nullptr;
    }
}

QString TKeyboardWindow::TitleText() {
    const int port = Edit().CurrentPort(), part = Edit().CurrentPart();
    return QStringLiteral("Keyboard Window / Part ") + QString::fromStdString(PartName(port, part)) +
           QStringLiteral(" : ") + Trimmed(Image().PartToneName(port, part));
}

QString TKeyboardWindow::StatusText() const { return StatusBar1_->text(); }

void TKeyboardWindow::RefreshFromImage() {
    {
        const TRefreshGuard guard(*this);
        setWindowTitle(TitleText());
        // A mirrored controller's cursor shows the part's value.
        cbRibonChange(cbRibon_->currentIndex());
    }
    Stabilize();
}

void TKeyboardWindow::Stabilize() {
    const QSignalBlocker block(cbPcKey_);
    cbPcKey_->setChecked(PcKeyboard_.PcKeyboardOn());
    BtnQ_->setEnabled(Player_.Octave() > 0);
    BtnR_->setEnabled(Player_.Octave() < TNotePlayer::kMaxOctave);
    BtnX_->setEnabled(Player_.Velocity() > 0);
    BtnC_->setEnabled(Player_.Velocity() < 127);
}

void TKeyboardWindow::SelectPart(int /*part*/) { RefreshFromImage(); }

void TKeyboardWindow::ShowPlayerState() {
    VelocityValue_->setText(QString::number(Player_.Velocity()));
    OctaveValue_->setText(QString::number(Player_.Octave()));
    VekaKeyboard1_->SetOctave(Player_.Octave());
    Stabilize();
}

void TKeyboardWindow::ImageChanged(const TChangeNotice& change) {
    // The tone of the part played: the title names it.
    if (change.Link.Kind != LinkPart || change.Port != Edit().CurrentPort() || change.Link.Owner != Edit().CurrentPart())
        return;
    const int parameter = change.Link.Index;
    if (parameter == ppToneNumber || parameter == ppToneMap || parameter == ppRhythm) setWindowTitle(TitleText());
}

void TKeyboardWindow::cbRibonChange(int index) {
    VekaRibon1_->ReturnMode = index == TNotePlayer::kRibbonPitchBend;
    if (index == TNotePlayer::kRibbonPitchBend) {
        VekaRibon1_->SetValue(TNotePlayer::kRibbonCentre);
    } else if (const int parameter = MirroredPartParameter(index - 1)) {
        const int value = Image().Part(Edit().CurrentPort(), Edit().CurrentPart(), parameter).Value;
        VekaRibon1_->SetValue(value * 128);
    }
}

void TKeyboardWindow::RibbonChange(int value) {
    const TVGS::TSenderScope sender(Image(), this);
    Player_.Ribbon(cbRibon_->currentIndex(), value);
}

void TKeyboardWindow::cbPcKeyClick(bool on) {
    PcKeyboard_.SetPcKeyboard(on);
    Stabilize();
}

bool TKeyboardWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        const int message = watched == VekaKeyboard1_ ? kKeyboardHelp : watched == VekaRibon1_ ? kRibbonHelp : 0;
        if (message) {
            const QString help = Utf8(UserMessage(message, Language()));
            if (StatusBar1_->text() != help) StatusBar1_->setText(help);
        }
    }
    return TVekaTempForm::eventFilter(watched, event);
}

}  // namespace veka
