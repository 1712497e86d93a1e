#pragma once
// A main window on the virtual module, started as a user would start it, with every message box
// and the port dialog answered by the test.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <functional>
#include <memory>
#include <vector>

#include "midi/midi_devices.h"
#include "midi/midi_session.h"
#include "midi/virtual_module.h"
#include "app/main_window.h"
#include "temp_dir.h"
#include "app/managed_windows.h"

namespace veka::test {

class TMainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        StartVirtualModule(mtSC8850, VEKA_TEST_DEFAULT_DIR);
        PortA = FindDevice(TMidiDevices::Instance().Outputs(), "Virtual Module Port A");
        PortB = FindDevice(TMidiDevices::Instance().Outputs(), "Virtual Module Port B");
        Input = FindDevice(TMidiDevices::Instance().Inputs(), "Virtual Module");
        ASSERT_GE(PortA, 0);
        Options.ProgramFolder = Dir.Path.string();
        Options.DefaultFolder = VEKA_TEST_DEFAULT_DIR;
        Options.SystemJapanese = false;
    }
    void TearDown() override {
        Form.reset();
        TMidiDevices::Instance().SetVirtualModule(nullptr);
        TMidiDevices::Instance().Refresh();
    }
    // Veka.ini with both ports of 32 parts and the input set, as a previous run left it.
    void WriteCompleteSettings(const std::string& extra = {}) {
        TSettings settings(Dir / "Veka.ini");
        settings.WriteInteger("setting", "max part", 1);
        settings.WriteInteger("midiport", "midiout 0", PortA);
        settings.WriteInteger("midiport", "midiout 1", PortB);
        settings.WriteBool("midiport", "use midiin", true);
        settings.WriteInteger("midiport", "midiin", Input);
        settings.WriteString("midiport", "driver name : in", TMidiDevices::Instance().Inputs()[size_t(Input)].Name);
        if (!extra.empty()) settings.WriteBool("setting", extra, false);
    }
    TVekaMainForm& Make() {
        Form = std::make_unique<TVekaMainForm>(Options);
        Form->Hooks.Message = [this](QMessageBox::Icon, const QString& text, QMessageBox::StandardButtons) {
            Messages.push_back(text);
            return Answer;
        };
        Form->Hooks.PortDialog = [this] { ++PortDialogs; };
        return *Form;
    }
    TSettings Ini() { return TSettings(Dir / "Veka.ini"); }
    // A started, shown main window whose pauses pass at once on clock, without the module
    // reset at start: only what the test does reaches the module.
    // session: the waits also take what the module answered (data requests).
    // adjust changes the settings before the start.
    TVekaMainForm& StartQuiet(TFakePumpWait& clock, bool session = false, const std::function<void()>& adjust = {}) {
        clock.Process = [this, session] {
            QApplication::processEvents();
            if (session && Form) Form->Document().Session().Process();
        };
        Options.Wait = &clock;
        WriteCompleteSettings();
        Ini().WriteBool("other option", "2", false);
        if (adjust) adjust();
        TVekaMainForm& form = Make();
        EXPECT_TRUE(form.Create());
        form.resize(1000, 700);
        form.show();
        QApplication::processEvents();
        return form;
    }
    // A started main window with managed window number open; its content as T.
    template <typename T> T& OpenManaged(int number, bool japanese = false) {
        WriteCompleteSettings();
        Options.SystemJapanese = japanese;
        TVekaMainForm& form = Make();
        EXPECT_TRUE(form.Create());
        form.resize(1000, 700);
        form.show();
        TManagedSubWindow* sub = form.Windows().OpenOrBringForward(number);
        EXPECT_TRUE(sub);
        QApplication::processEvents();
        return *qobject_cast<T*>(sub->widget());
    }

    test::TTempDir Dir;
    TStartOptions Options;
    std::unique_ptr<TVekaMainForm> Form;
    std::vector<QString> Messages;
    QMessageBox::StandardButton Answer = QMessageBox::Ok;
    int PortDialogs = 0;
    int PortA = -1, PortB = -1, Input = -1;
};

}  // namespace veka::test
