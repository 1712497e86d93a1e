#include "windows/veka_temp_form.h"

#include <QEvent>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTabBar>
#include <QToolTip>
#include <algorithm>

#include "widgets/edge_font_panel.h"
#include "document/test_note.h"

namespace veka {

namespace {

// A part or drum value belongs to one port; the windows show the current port only.
bool OnShownPort(const TLinkData& link, int port, int shown) {
    return (link.Kind != LinkPart && link.Kind != LinkDrum) || port == shown;
}
}  // namespace

QColor TVekaTempForm::ColorFromSetting(int value) {
    const unsigned v = unsigned(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

int TVekaTempForm::SettingFromColor(const QColor& color) {
    return color.red() | color.green() << 8 | color.blue() << 16;
}

TVekaTempForm::TVekaTempForm(const TWindowServices& services, const QString& name, QWidget* parent)
    : QWidget(parent), Services_(services) {
    setObjectName(name);
    setMouseTracking(true);
    TVGS& image = Services_.Edit.Image();
    Changes_ = image.OnChange.Subscribe([this](const TChangeNotice& change) {
        if (change.Sender != this) ImageChanged(change);
    });
    Puts_ = image.OnValuePut.Subscribe([this](const TPutNotice& put) {
        if (put.Sender != this && OnShownPort(put.Link, put.Port, Edit().CurrentPort()))
            PropagateValue(put.Link, put.Value);
    });
    Reloads_ = image.OnReloaded.Subscribe([this] { RefreshFromImage(); });
    DrumSets_ = image.OnDrumSetLoaded.Subscribe([this](int port, int map) { DrumSetLoaded(port, map); });
}

TVekaTempForm::~TVekaTempForm() {
    Changes_.Reset();
    Puts_.Reset();
    Reloads_.Reset();
    DrumSets_.Reset();
    FormDestroy();
}

void TVekaTempForm::FormCreate(TEdgeFontPanel* titlePanel) {
    TitlePanel_ = titlePanel;
    if (!TitlePanel_) return;
    TitlePanel_->SetStartColor(ColorFromSetting(Services_.Store.ReadBarColor(objectName().toStdString(), kDefaultBarColor)));
}

void TVekaTempForm::FormDestroy() {
    if (!TitlePanel_ || Stored_) return;
    Stored_ = true;
    Services_.Store.WriteBarColor(objectName().toStdString(), SettingFromColor(TitlePanel_->StartColor()));
}

void TVekaTempForm::CloseWindow() {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (w->inherits("QMdiSubWindow")) {
            w->close();
            return;
        }
    close();
}

void TVekaTempForm::WatchPointer(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

TEdgeFontPanel* TVekaTempForm::MakeTitlePanel() {
    auto* panel = new TEdgeFontPanel(this);
    panel->setObjectName("EdgeFontPanel1");
    panel->SetGradient(Options().GradationBar());
    if (Language() == TLanguage::English) panel->setFont(QFont(QStringLiteral("Arial")));
    // Taller with a large desktop font, so the caption is never cut.
    panel->setMinimumHeight(std::max(24, panel->fontMetrics().height() + 6));
    return panel;
}

namespace {

// The status line: one line, cut with an ellipsis where the window ends (the whole text is its
// tooltip then), so that a long help text never widens the window.
class TStatusLine : public QLabel {
public:
    using QLabel::QLabel;
    QSize sizeHint() const override { return {kNarrowest, QLabel::sizeHint().height()}; }
    QSize minimumSizeHint() const override { return {kNarrowest, QLabel::minimumSizeHint().height()}; }

protected:
    bool event(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QLabel::event(event);
        const QString line = text().simplified();
        if (Shown(line) != line) QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
        else QToolTip::hideText();
        return true;
    }
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawFrame(&painter);
        style()->drawItemText(&painter, Room(), int(Qt::AlignLeft | Qt::AlignVCenter), palette(), isEnabled(),
                              Shown(text().simplified()), foregroundRole());
    }

private:
    static constexpr int kNarrowest = 40;
    QRect Room() const { return contentsRect().adjusted(2, 0, -2, 0); }
    QString Shown(const QString& line) const { return fontMetrics().elidedText(line, Qt::ElideRight, Room().width()); }
};

}  // namespace

QLabel* TVekaTempForm::MakeStatusBar() {
    auto* status = new TStatusLine(this);
    status->setObjectName("StatusBar1");
    status->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status->setMinimumHeight(status->fontMetrics().height() + 6);
    return status;
}

void TVekaTempForm::ShowPortTabs(QTabBar& tabs) {
    const QSignalBlocker block(&tabs);
    const int ports = Image().ActivePortCount();
    while (tabs.count() > ports) tabs.removeTab(tabs.count() - 1);
    while (tabs.count() < ports) tabs.addTab(QStringLiteral("Port %1").arg(QChar('A' + tabs.count())));
    tabs.setCurrentIndex(std::clamp(Edit().CurrentPort(), 0, tabs.count() - 1));
}

void TVekaTempForm::SoundTestNote(int port, int part, int ms) {
    try {
        Audition().TestNote().Start(port, part);
        Audition().WaitMs(ms);
        Audition().TestNote().Stop();
    } catch (const std::exception& error) {
        Edit().ReportEditError(error);
        Edit().EndEditGesture();
    }
}

bool TVekaTempForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) Services_.Ui.PointerPassed(this);
    return QWidget::eventFilter(watched, event);
}

}  // namespace veka
