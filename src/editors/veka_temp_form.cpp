#include "editors/veka_temp_form.h"

#include <QEvent>

#include "editors/edge_font_panel.h"
#include "shell/settings.h"

namespace veka {

namespace {
std::string BarColorKey(const QString& name) { return name.toStdString() + "bar color"; }
}  // namespace

QColor TVekaTempForm::ColorFromSetting(int value) {
    const unsigned v = unsigned(value);
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

int TVekaTempForm::SettingFromColor(const QColor& color) {
    return color.red() | color.green() << 8 | color.blue() << 16;
}

TVekaTempForm::TVekaTempForm(IEditorHost& host, const QString& name, QWidget* parent)
    : QWidget(parent), Host_(host) {
    setObjectName(name);
    setMouseTracking(true);
}

TVekaTempForm::~TVekaTempForm() { FormDestroy(); }

void TVekaTempForm::FormCreate(TEdgeFontPanel* titlePanel) {
    TitlePanel_ = titlePanel;
    if (!TitlePanel_) return;
    const int stored = Host_.Settings().ReadInteger("form", BarColorKey(objectName()), kDefaultBarColor);
    TitlePanel_->SetStartColor(ColorFromSetting(stored));
}

void TVekaTempForm::FormDestroy() {
    if (!TitlePanel_ || Stored_) return;
    Stored_ = true;
    Host_.Settings().WriteInteger("form", BarColorKey(objectName()), SettingFromColor(TitlePanel_->StartColor()));
}

void TVekaTempForm::WatchPointer(QWidget* widget) {
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool TVekaTempForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) Host_.PointerPassed(this);
    return QWidget::eventFilter(watched, event);
}

}  // namespace veka
