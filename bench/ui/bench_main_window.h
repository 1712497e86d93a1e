#pragma once
// A main window on the virtual module for the window benchmarks, started in a folder of its
// own with Port A set up (and no module reset at start), every question answered with OK and
// every pause passing at once. The folder goes with it.
#include <QApplication>
#include <filesystem>
#include <memory>

#include "midi/midi_devices.h"
#include "midi/midi_session.h"
#include "midi/pump_wait.h"
#include "app/main_window.h"

namespace veka::bench {

class TBenchMainWindow {
public:
    // False when the window did not start (the benchmark then skips).
    bool Start(const std::string& name, int maxPart = 0) {
        Folder = std::filesystem::temp_directory_path() / name;
        std::filesystem::create_directories(Folder);
        StartVirtualModule(mtSC8850, VEKA_BENCH_DEFAULT_DIR);
        TSettings settings(Folder.string() + "/Veka.ini");
        settings.WriteInteger("setting", "max part", maxPart);
        settings.WriteInteger("midiport", "midiout 0",
                              FindDevice(TMidiDevices::Instance().Outputs(), "Virtual Module Port A"));
        settings.WriteBool("other option", "2", false);
        TStartOptions options;
        options.ProgramFolder = Folder.string();
        options.DefaultFolder = VEKA_BENCH_DEFAULT_DIR;
        options.Wait = &Clock;
        Form = std::make_unique<TVekaMainForm>(options);
        Form->Hooks.Message = [](QMessageBox::Icon, const QString&, QMessageBox::StandardButtons) { return QMessageBox::Ok; };
        Form->Hooks.PortDialog = [] {};
        if (!Form->Create()) return false;
        Form->resize(1000, 700);
        Form->show();
        QApplication::processEvents();
        return true;
    }
    ~TBenchMainWindow() {
        Form.reset();
        TMidiDevices::Instance().SetVirtualModule(nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(Folder, ignored);
    }

    std::filesystem::path Folder;
    TFakePumpWait Clock;
    std::unique_ptr<TVekaMainForm> Form;
};

}  // namespace veka::bench
