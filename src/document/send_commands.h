#pragma once
// Send All and Panic from the Communication menu: the whole setup to the module, and All Sound
// Off on every channel. Each tells the user how it ended.
#include <cstddef>
#include <exception>
#include <functional>
#include <string>

#include "document/user_prompts.h"
#include "module/language.h"

namespace veka {

class TTransmitter;

// A send that failed: the interrupted-transmission warning with the port's error.
void WarnSendFailed(IUserPrompts& prompts, TLanguage language, const std::exception& error);

// Runs a run of messages; more than a few lock the program (busy cursor, Stop) meanwhile.
void SendRun(TTransmitter& transmitter, size_t messages, const std::function<void()>& send);

// Every modified value after the system mode (the user drum sets whole with allUserDrums).
// Done: the completion message. Stopped (the Stop button): the status line says how many
// messages went and where it stopped. A failed send: the warning with the port's error, the
// ports in use that are gone and how far it came.
void RunSendAll(TTransmitter& transmitter, bool allUserDrums, IUserPrompts& prompts, ICommandFrame& frame);
// How far a Send All that ended early came, and which ports in use are gone ("Port B
// (name) is gone. 120 messages sent (Part A3)").
std::string SendAllStoppedText(const TTransmitter& transmitter, TLanguage language);

// All Sound Off on every channel of every open port in use; the status line says so.
void RunPanic(TTransmitter& transmitter, IUserPrompts& prompts, ICommandFrame& frame);

}  // namespace veka
