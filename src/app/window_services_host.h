#pragma once
// The services the windows get from the program, one interface per job, answered by the main
// window: the main window itself implements none of them, so a window sees only what its
// interface offers. The compare window's sources are the Communication menu's.
#include "windows/window_services.h"

namespace veka {

class TVekaMainForm;

class TWindowServicesHost : public IEditContext,
                            public IAudition,
                            public IShellUi,
                            public IWindowStore,
                            public IMessageOut,
                            public IParameterOut,
                            public IPcKeyboardSwitch {
public:
    explicit TWindowServicesHost(TVekaMainForm& form) : Form_(form) {}
    TWindowServices Services() { return TWindowServices{*this, *this, *this, *this}; }

    // IEditContext
    TVGS& Image() override;
    TLanguage Language() const override;
    int CurrentPort() const override;
    void SetCurrentPort(int port) override;
    int CurrentPart() const override;
    void SelectPart(int part, QWidget* asker) override;
    void SetCurrentChannel(int channel) override;
    void ReportEditError(const std::exception& error) override;
    void EndEditGesture() override;
    // IAudition
    TTestNote& TestNote() override;
    void WaitMs(int ms) override;
    // IShellUi
    void Warn(const std::string& text) override;
    QMenu* PartMenu() override;
    void ShowHelp(const QString& text) override;
    void PointerPassed(QWidget* window) override;
    QString ChooseSaveName(const QString& caption, const QString& folder, const QString& filter,
                           const QString& extension) override;
    const TProgress& StatusProgress() const override;
    // IWindowStore
    TOptionsView Options() const override;
    int ReadBarColor(const std::string& window, int defaultValue) const override;
    void WriteBarColor(const std::string& window, int value) override;
    std::string PresetFolder() const override;
    TPatchBrowserSettings PatchBrowser() const override;
    std::array<int, 10> Bookmarks(const std::string& window) const override;
    void SetBookmarks(const std::string& window, const std::array<int, 10>& ids) override;
    void SetPatchBrowser(const TPatchBrowserSettings& settings) override;
    // IMessageOut, for the display and user drum windows.
    void SendMessage(int port, const std::vector<uint8_t>& message, const std::string& historyName) override;
    // IParameterOut, for the effect window's presets.
    void SendSystemParameter(int number, const std::string& caption) override;
    // IPcKeyboardSwitch, for the keyboard window: TOption::PcKeyboard.
    bool PcKeyboardOn() const override;
    void SetPcKeyboard(bool on) override;

private:
    TVekaMainForm& Form_;
    bool EditErrorShown_ = false;  // one message per gesture, not one per drag step
};

}  // namespace veka
