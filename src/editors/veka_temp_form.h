#pragma once
// TVekaTempForm: the base of every editor window. It keeps the colour of the window's
// gradient title bar in "Veka.ini" (section "form", the window's name + "bar color"), passes
// pointer movement to the main window (auto activation) and tells it when a gesture ends.
#include <QWidget>

#include "editors/editor_window.h"

namespace veka {

class TEdgeFontPanel;

class TVekaTempForm : public QWidget, public IEditorWindow {
    Q_OBJECT
public:
    // The default title colour, blue, as the settings file stores colours (0x00BBGGRR).
    static constexpr int kDefaultBarColor = 16711680;
    static QColor ColorFromSetting(int value);
    static int SettingFromColor(const QColor& color);

    TVekaTempForm(IEditorHost& host, const QString& name, QWidget* parent = nullptr);
    ~TVekaTempForm() override;

    IEditorHost& Host() { return Host_; }
    // Gives the stored colour to the window's title panel; the window calls it once its panel exists.
    void FormCreate(TEdgeFontPanel* titlePanel);
    // Stores the title panel's colour (also run when the window is destroyed).
    void FormDestroy();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every child passes its pointer movement on (auto activation).
    void WatchPointer(QWidget* widget);

private:
    IEditorHost& Host_;
    TEdgeFontPanel* TitlePanel_ = nullptr;
    bool Stored_ = false;
};

}  // namespace veka
