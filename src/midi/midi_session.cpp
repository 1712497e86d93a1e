#include "midi/midi_session.h"

#include <cstdlib>

#include "midi/virtual_module.h"

namespace veka {

TPumpWait* TMidiSession::MakeWait(TMidiSession* self, TPumpWait* given) {
    if (given) return given;
    self->OwnWait_ = std::make_unique<TSteadyPumpWait>();
    self->OwnWait_->Process = [self] { self->Process(); };
    return self->OwnWait_.get();
}

TMidiSession::TMidiSession(TVGS& image, TPumpWait* wait)
    : Wait_(MakeWait(this, wait)), Transmitter(image, *Wait_), Router(Input, Transmitter, Focus),
      Request(Transmitter, Input, Router) {
    Input.Capacity = 4096;
    Input.OnMidiInput = [this] { Router.HandleInput(); };
    Input.OnGoneChanged = [this] {
        if (OnInputState) OnInputState(Input.Gone());
    };
    Transmitter.Attach();
}

bool TMidiSession::LookAtPorts() {
    const bool outputs = Transmitter.LookAtPorts();
    return Input.Look() || outputs;
}

TVirtualModuleRequest VirtualModuleFromEnvironment() {
    TVirtualModuleRequest request;
    const char* value = std::getenv("VEKA_VIRTUAL_MODULE");
    if (!value || !*value || std::string(value) == "0") return request;
    request.Enabled = true;
    if (std::string(value) != "1") request.SetupFile = value;
    return request;
}

void StartVirtualModule(int model, const std::string& defaultFolder, const std::string& setupFile) {
    auto module = std::make_shared<TVirtualModule>(model, defaultFolder);
    if (!setupFile.empty()) module->LoadSetupFile(setupFile, defaultFolder);
    TMidiDevices::Instance().SetVirtualModule(std::move(module));
    TMidiDevices::Instance().Refresh();
}

int FindDevice(const std::vector<TMidiDeviceInfo>& devices, const std::string& text, std::string* error) {
    if (!text.empty() && text.find_first_not_of("0123456789") == std::string::npos) {
        const long index = std::strtol(text.c_str(), nullptr, 10);
        if (index >= 0 && size_t(index) < devices.size()) return int(index);
        if (error) *error = "no device number " + text;
        return -1;
    }
    int found = -1;
    for (size_t i = 0; i < devices.size(); ++i) {
        if (devices[i].Name == text) return int(i);  // an exact name wins
        if (devices[i].Name.find(text) == std::string::npos) continue;
        if (found >= 0) {
            if (error) *error = "more than one device matches '" + text + "'";
            return -1;
        }
        found = int(i);
    }
    if (found < 0 && error) *error = "no device matches '" + text + "'";
    return found;
}

}  // namespace veka
