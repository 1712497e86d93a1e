#include "app/toolbars.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

#include "app/led_panel.h"
#include "app/main_window.h"
#include "document/settings.h"
#include "midi/transmitter.h"
#include "app/toolbar_icons.h"

namespace veka {

namespace {

constexpr TCaption kMoreTools{"その他のﾂｰﾙ", "More tools"};

struct TButtonSpec {
    TToolButton Button;
    TToolIcon Icon;
    TCommand Command;
};

}  // namespace

TToolbars::TToolbars(TVekaMainForm& form, TSettingsData& data, TTransmitter& transmitter, TLanguage language)
    : Form_(form), Data_(data), Transmitter_(transmitter), Language_(language) {
    auto makeBar = [this](const TCaption& title, const char* name) {
        QToolBar* bar = Form_.addToolBar(Tr(title, Language_));
        bar->setObjectName(name);
        bar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
        bar->setFloatable(true);
        bar->setMovable(true);
        bar->setIconSize(QSize(24, 24));
        // The button that shows the tools a narrow window cuts off.
        if (auto* more = bar->findChild<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
            more->setAccessibleName(Tr(kMoreTools, Language_));
        return bar;
    };
    WindowBar_ = makeBar(kWindowOptionBar, "WindowOptionBar");
    auto addButton = [this](QToolBar* bar, const TButtonSpec& spec) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QStringLiteral("Button%1").arg(int(spec.Button)));
        button->setIcon(ToolbarIcon(spec.Icon));
        button->setAutoRaise(true);
        QAction* action = Form_.Action(spec.Command);
        QObject::connect(button, &QToolButton::clicked, action, &QAction::trigger);
        QObject::connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
        button->setEnabled(action->isEnabled());
        bar->addWidget(button);
        Buttons_[size_t(spec.Button)] = button;
    };
    const TButtonSpec first[] = {{TToolButton::Open, TToolIcon::Open, TCommand::Open},
                                 {TToolButton::Save, TToolIcon::Save, TCommand::Save}};
    for (const auto& spec : first) addButton(WindowBar_, spec);
    WindowBar_->addSeparator();
    const TButtonSpec windows[] = {{TToolButton::Patch, TToolIcon::Patch, TCommand::ViewPatch},
                                   {TToolButton::Part, TToolIcon::Part, TCommand::ViewPart},
                                   {TToolButton::Drum, TToolIcon::Drum, TCommand::ViewDrum},
                                   {TToolButton::UserDrum, TToolIcon::UserDrum, TCommand::ViewUserDrum},
                                   {TToolButton::Effect, TToolIcon::Effect, TCommand::ViewEffect},
                                   {TToolButton::Matrix, TToolIcon::Matrix, TCommand::ViewMatrix},
                                   {TToolButton::Keyboard, TToolIcon::Keyboard, TCommand::KeyboardWindow}};
    for (const auto& spec : windows) addButton(WindowBar_, spec);
    WindowBar_->addSeparator();
    const TButtonSpec options[] = {{TToolButton::MidiPort, TToolIcon::MidiPort, TCommand::MidiPortSetup},
                                   {TToolButton::PartCustom, TToolIcon::PartCustom, TCommand::CustomizePartWindow},
                                   {TToolButton::OtherOptions, TToolIcon::OtherOptions, TCommand::OtherOptions}};
    for (const auto& spec : options) addButton(WindowBar_, spec);

    // Sysx View: the last message sent, copy, history, the lamps.
    SysxBar_ = makeBar(kSysxViewBar, "SysxViewBar");
    HexPanel_ = new QLabel(SysxBar_);
    HexPanel_->setObjectName("HexPanel");
    HexPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    HexPanel_->setMinimumWidth(360);
    HexPanel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    HexPanel_->setFont(QFont(QStringLiteral("Monospace")));
    SysxBar_->addWidget(HexPanel_);
    auto* copy = new QToolButton(SysxBar_);
    copy->setObjectName("CopyButton");
    copy->setIcon(ToolbarIcon(TToolIcon::Copy));
    copy->setAutoRaise(true);
    QObject::connect(copy, &QToolButton::clicked, &Form_, [this] { CopySysxText(); });
    SysxBar_->addWidget(copy);
    Buttons_[size_t(TToolButton::Copy)] = copy;
    addButton(SysxBar_, {TToolButton::History, TToolIcon::History, TCommand::SysxHistory});
    auto* lamps = new QWidget(SysxBar_);
    lamps->setObjectName("LampPanel");
    auto* row = new QHBoxLayout(lamps);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(3);
    for (int i = 0; i < 5; ++i) {
        Lamps_[size_t(i)] = new TLEDPanel(i < 4 ? lpkGreen : lpkRed, lamps);
        Lamps_[size_t(i)]->setObjectName(QStringLiteral("Lamp%1").arg(i));
        const QString lampName = i < 4 ? QStringLiteral("Port %1").arg(QChar('A' + i)) : QStringLiteral("MIDI IN");
        Lamps_[size_t(i)]->setToolTip(lampName);
        Lamps_[size_t(i)]->setAccessibleName(lampName);
        row->addWidget(Lamps_[size_t(i)]);
    }
    SysxBar_->addWidget(lamps);
    SetButtonCaptions(false);
}

void TToolbars::SetButtonCaptions(bool on) {
    Data_.ButtonStrings = on;
    const int screenWidth = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size().width() : 1024;
    for (size_t i = 0; i < Buttons_.size(); ++i) {
        QToolButton* button = Buttons_[i];
        if (!button) continue;
        const QString label = ToolButtonLabel(TToolButton(i), Language_, screenWidth);
        const QString hint = Tr(ToolButtonHint(TToolButton(i)), Language_);
        // Icons only or not, a screen reader says what the button does.
        button->setAccessibleName(hint);
        if (on) {
            const QFontMetrics metrics(button->font());
            button->setText(label);
            button->setToolTip(QString());
            button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            button->setFixedSize(std::max(32, metrics.horizontalAdvance(label) + 10),
                                 metrics.boundingRect(QStringLiteral("B")).height() + 36);
        } else {
            button->setText(QString());
            button->setToolTip(hint);
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
            button->setFixedSize(32, 32);
        }
    }
}

void TToolbars::CopySysxText() {
    const std::string text =
        SysexCopyText(HexPanel_->text().toStdString(), Data_.Option(TOption::CopyWithoutF0F7), Transmitter_.SysxSpace);
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void TToolbars::ShowActivePorts(int active) {
    for (int port = 0; port < 4; ++port) Lamps_[size_t(port)]->SetActive(port < active);
}

void TToolbars::ShowGone(int lamp, bool gone) {
    if (lamp < 0 || lamp > 4) return;
    TLEDPanel* panel = Lamps_[size_t(lamp)];
    panel->SetGone(gone);
    const QString name = lamp < 4 ? QStringLiteral("Port %1").arg(QChar('A' + lamp)) : QStringLiteral("MIDI IN");
    const QString state = Language_ == TLanguage::Japanese ? QString::fromUtf8(" (なし)") : QStringLiteral(" (gone)");
    panel->setToolTip(gone ? name + state : name);
    panel->setAccessibleName(gone ? name + state : name);
}

QString TToolbars::HexText() const { return HexPanel_->text(); }
void TToolbars::ShowHex(const QString& text) { HexPanel_->setText(text); }

void TToolbars::SetEnabled(bool enabled) {
    for (QToolBar* bar : {WindowBar_, SysxBar_}) bar->setEnabled(enabled);
}

}  // namespace veka
