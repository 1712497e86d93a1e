#pragma once
// TVekaTempForm: the base of every editor window. It keeps the colour of the window's
// gradient title bar in "Veka.ini" (section "form", the window's name + "bar color"), passes
// pointer movement to the main window (auto activation) and listens to the image.
//
// The pattern every editor window follows:
// - RefreshFromImage() fills every cell from the image, inside a TRefreshGuard, so the
//   controls' change handlers know the values come from the image and do not send them back.
// - Stabilize() only enables, disables and checks controls from the current state; it never
//   changes a value. Call it at the end of a refresh and after anything that changes the state.
// - Every edit is one image set operation, made inside a TVGS::TSenderScope naming the window,
//   so the image tells every other window and not this one. Windows never write a
//   parameter's Value themselves.
// - Changes made elsewhere arrive through the image's notifications: ImageChanged for each
//   stored value, PropagateValue for the value an edit gesture ended with, RefreshFromImage
//   when the image changed as a whole, DrumSetLoaded for a drum set loaded into a map.
// - The window reaches the main window only through TWindowServices.
#include <QWidget>

class QLabel;
class QTabBar;

#include "windows/editor_window.h"
#include "windows/window_services.h"
#include "module/image.h"

namespace veka {

class TEdgeFontPanel;

class TVekaTempForm : public QWidget, public IEditorWindow {
    Q_OBJECT
public:
    // The default title colour, blue, as the settings file stores colours (0x00BBGGRR).
    static constexpr int kDefaultBarColor = 16711680;
    static QColor ColorFromSetting(int value);
    static int SettingFromColor(const QColor& color);

    TVekaTempForm(const TWindowServices& services, const QString& name, QWidget* parent = nullptr);
    ~TVekaTempForm() override;

    IEditContext& Edit() { return Services_.Edit; }
    const IEditContext& Edit() const { return Services_.Edit; }
    IAudition& Audition() { return Services_.Audition; }
    IShellUi& Ui() { return Services_.Ui; }
    IWindowStore& Store() { return Services_.Store; }
    TOptionsView Options() const { return Services_.Store.Options(); }
    TVGS& Image() { return Services_.Edit.Image(); }
    const TVGS& Image() const { return Services_.Edit.Image(); }
    TLanguage Language() const { return Services_.Edit.Language(); }

    // Gives the stored colour to the window's title panel; the window calls it once its panel exists.
    void FormCreate(TEdgeFontPanel* titlePanel);
    // Stores the title panel's colour (also run when the window is destroyed).
    void FormDestroy();

    // Closes the window as its frame's close button does (minimised instead by TOption::CloseMinimizes; the
    // frame keeps its place).
    void CloseWindow();

    // Enables and disables the controls; values stay as they are.
    virtual void Stabilize() {}
    bool Refreshing() const { return Refreshing_ > 0; }

protected:
    // Marks a refresh from the image while it lives (refreshes may nest).
    class TRefreshGuard {
    public:
        explicit TRefreshGuard(TVekaTempForm& form) : Form_(form) { ++Form_.Refreshing_; }
        ~TRefreshGuard() { --Form_.Refreshing_; }
        TRefreshGuard(const TRefreshGuard&) = delete;
        TRefreshGuard& operator=(const TRefreshGuard&) = delete;

    private:
        TVekaTempForm& Form_;
    };

    // A value was stored by someone else (another window, a command, a reader).
    virtual void ImageChanged(const TChangeNotice& /*change*/) {}
    // A drum set was loaded into (port, map).
    virtual void DrumSetLoaded(int /*port*/, int /*map*/) {}

    bool eventFilter(QObject* watched, QEvent* event) override;
    // Every child passes its pointer movement on (auto activation).
    void WatchPointer(QWidget* widget);

    // The pieces every editor window has: the gradient title panel ("Arial" in English), the
    // sunken status line, and the port tabs (one per port in use, the current one selected,
    // without a change signal).
    TEdgeFontPanel* MakeTitlePanel();
    QLabel* MakeStatusBar();
    void ShowPortTabs(QTabBar& tabs);
    // The review after an edit: the part's test note for ms; a send error is reported once per
    // gesture.
    void SoundTestNote(int port, int part, int ms);

private:
    TWindowServices Services_;
    TEdgeFontPanel* TitlePanel_ = nullptr;
    bool Stored_ = false;
    int Refreshing_ = 0;
    // Unsubscribed when the window goes, before its members: no call reaches a closed window.
    TSubscription Changes_, Puts_, Reloads_, DrumSets_;
};

}  // namespace veka
