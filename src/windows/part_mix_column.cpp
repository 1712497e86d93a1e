#include "windows/part_mix_column.h"

#include <QDateTime>
#include <QEvent>
#include <QPainter>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

#include "document/song_mix.h"
#include "module/image.h"
#include "widgets/caption.h"
#include "widgets/veka_grid.h"

namespace veka {

namespace {

constexpr TCaption kMuteText{"ﾐｭｰﾄ", "Mute"};
constexpr TCaption kSoloText{"ｿﾛ", "Solo"};
constexpr TCaption kHint{"曲の演奏でこのﾊﾟｰﾄを消す (M) / このﾊﾟｰﾄだけを聴く (S)",
                         "Silence this part in the song (M) / hear only the soloed parts (S)"};
constexpr int kButton = 20;  // at most; smaller rows get smaller buttons
constexpr int kLight = 8;
constexpr int kGap = 2;

qint64 NowMs() { return QDateTime::currentMSecsSinceEpoch(); }

}  // namespace

TPartMixColumn::TPartMixColumn(ISongMix& mix, TVGS& image, TVekaGrid& grid, TLanguage language, QWidget* parent)
    : QWidget(parent), Mix_(mix), Image_(image), Grid_(grid), Language_(language) {
    setObjectName("MixColumn");
    setToolTip(Tr(kHint, language));
    for (int part = 1; part <= kParts; ++part) {
        auto make = [&](const char* letter, const char* name) {
            auto* button = new QToolButton(this);
            button->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(part));
            button->setText(QLatin1String(letter));
            button->setCheckable(true);
            button->setAutoRaise(true);
            button->setFocusPolicy(Qt::TabFocus);
            return button;
        };
        QToolButton* mute = make("M", "Mute");
        QToolButton* solo = make("S", "Solo");
        Mute_[size_t(part - 1)] = mute;
        Solo_[size_t(part - 1)] = solo;
        connect(mute, &QToolButton::clicked, this, [this, part](bool on) {
            const int channel = ChannelOf(part);
            if (channel >= 0) Mix_.SetMuted(Port_, channel, on);
            Refresh();
        });
        connect(solo, &QToolButton::clicked, this, [this, part](bool on) {
            const int channel = ChannelOf(part);
            if (channel >= 0) Mix_.SetSoloed(Port_, channel, on);
            Refresh();
        });
    }
    Dimmer_ = new QTimer(this);
    Dimmer_->setInterval(kLightMs / 2);
    connect(Dimmer_, &QTimer::timeout, this, &TPartMixColumn::DimLights);
    MixChanges_ = Mix_.OnMixChanged.Subscribe([this] { Refresh(); });
    Notes_ = Mix_.OnNoteSounded.Subscribe([this](int port, int channel) { NoteSounded(port, channel); });
    connect(&Grid_, &TVekaGrid::OnChange, this, &TPartMixColumn::FollowRows);
    Grid_.installEventFilter(this);
    Grid_.viewport()->installEventFilter(this);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    Refresh();
}

QSize TPartMixColumn::sizeHint() const { return {2 * kButton + kLight + 4 * kGap, 0}; }

QString TPartMixColumn::PartName(int part) const {
    return QString::fromStdString(veka::PartName(Port_, part));
}

int TPartMixColumn::ChannelOf(int part) const {
    if (part < 1 || part > kParts) return -1;
    const int channel = Image_.Part(Port_, part, ppRxChannel).Value;
    return channel >= 0 && channel < 16 ? channel : -1;  // 16: the part receives nothing
}

void TPartMixColumn::SetPort(int port) {
    if (port == Port_) return;
    Port_ = std::clamp(port, 0, 3);
    LitAt_.fill(0);
    Refresh();
}

void TPartMixColumn::Refresh() {
    for (int part = 1; part <= kParts; ++part) {
        const int channel = ChannelOf(part);
        QToolButton* mute = Mute_[size_t(part - 1)];
        QToolButton* solo = Solo_[size_t(part - 1)];
        const QString name = PartName(part);
        mute->setAccessibleName(QStringLiteral("Part %1 %2").arg(name, Tr(kMuteText, Language_)));
        solo->setAccessibleName(QStringLiteral("Part %1 %2").arg(name, Tr(kSoloText, Language_)));
        mute->setToolTip(mute->accessibleName());
        solo->setToolTip(solo->accessibleName());
        mute->setChecked(channel >= 0 && Mix_.Muted(Port_, channel));
        solo->setChecked(channel >= 0 && Mix_.Soloed(Port_, channel));
        mute->setEnabled(channel >= 0);
        solo->setEnabled(channel >= 0);
    }
    FollowRows();
    update();
}

void TPartMixColumn::FollowRows() {
    const int size = std::clamp(Grid_.RowHeight() - 2, 12, kButton);
    for (int part = 1; part <= kParts; ++part) {
        const QRect cell = Grid_.CellRect(0, part);
        QToolButton* mute = Mute_[size_t(part - 1)];
        QToolButton* solo = Solo_[size_t(part - 1)];
        // A row the scroll bar or the window's edge cuts has no buttons: they would stand below the grid.
        if (cell.isEmpty() || cell.bottom() >= Grid_.viewport()->height()) {
            mute->hide();
            solo->hide();
            continue;
        }
        const int y = mapFromGlobal(Grid_.viewport()->mapToGlobal(cell.topLeft())).y() + (cell.height() - size) / 2;
        mute->setGeometry(kGap, y, size, size);
        solo->setGeometry(kGap + size + kGap, y, size, size);
        mute->show();
        solo->show();
    }
    update();
}

QRect TPartMixColumn::LightRect(int part) const {
    const QToolButton* solo = Solo_[size_t(part - 1)];
    return {solo->geometry().right() + kGap + 1, solo->geometry().center().y() - kLight / 2, kLight, kLight};
}

void TPartMixColumn::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The header row's caption over the buttons.
    const QRect header = Grid_.CellRect(0, 0);
    if (!header.isEmpty()) {
        const int y = mapFromGlobal(Grid_.viewport()->mapToGlobal(header.topLeft())).y();
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, y, width(), header.height()), Qt::AlignCenter, QStringLiteral("M S"));
    }
    const QColor off = palette().color(QPalette::Mid);
    for (int part = 1; part <= kParts; ++part) {
        if (!Mute_[size_t(part - 1)]->isVisible()) continue;
        const bool lit = LitAt_[size_t(part - 1)] > 0;
        const int channel = ChannelOf(part);
        const bool heard = channel < 0 || Mix_.Heard(Port_, channel);
        painter.setPen(off.darker(130));
        painter.setBrush(lit ? (heard ? QColor(40, 200, 60) : QColor(200, 160, 40)) : off);
        painter.drawEllipse(LightRect(part));
    }
}

bool TPartMixColumn::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Resize:
        case QEvent::Move:
        case QEvent::Show:
        case QEvent::FontChange:
        case QEvent::LayoutRequest:
            QTimer::singleShot(0, this, &TPartMixColumn::FollowRows);  // after the grid laid itself out
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

void TPartMixColumn::NoteSounded(int port, int channel) {
    if (port != Port_) return;
    const qint64 now = NowMs();
    bool any = false;
    for (int part = 1; part <= kParts; ++part)
        if (ChannelOf(part) == channel) {
            if (LitAt_[size_t(part - 1)] == 0) update(LightRect(part));
            LitAt_[size_t(part - 1)] = now;
            any = true;
        }
    if (any && !Dimmer_->isActive()) Dimmer_->start();
}

void TPartMixColumn::DimLights() {
    const qint64 now = NowMs();
    bool any = false;
    for (int part = 1; part <= kParts; ++part) {
        qint64& at = LitAt_[size_t(part - 1)];
        if (at == 0) continue;
        if (now - at >= kLightMs) {
            at = 0;
            update(LightRect(part));
        } else {
            any = true;
        }
    }
    if (!any) Dimmer_->stop();
}

}  // namespace veka
