#include "document/song_outlet.h"

#include "midi/jack_output.h"
#include "midi/transmitter.h"

namespace veka {

TTransmitterOutlet::TTransmitterOutlet(TTransmitter& transmitter, std::function<int64_t()> clock)
    : Transmitter_(transmitter), Clock_(clock ? std::move(clock) : std::function<int64_t()>(SteadyMicroseconds)) {}

int64_t TTransmitterOutlet::NowMicroseconds() { return Clock_(); }

bool TTransmitterOutlet::Ready(int port) {
    return port >= 0 && port < Transmitter_.ActivePortCount() && Transmitter_.Port(port).IsOpen();
}

bool TTransmitterOutlet::Gone(int port) {
    const int64_t now = Clock_();
    if (now - LastLook_ >= kLookEveryMicroseconds) {
        LastLook_ = now;
        Transmitter_.LookAtPorts();
    }
    return Transmitter_.PortGone(port);
}

bool TTransmitterOutlet::Timed(int port) { return Transmitter_.Port(port).Timed(); }

bool TTransmitterOutlet::SendAt(int port, std::span<const uint8_t> message, int64_t dueMicroseconds) {
    return Transmitter_.Port(port).SendAt(message, dueMicroseconds);
}

void TTransmitterOutlet::SendNow(int port, std::span<const uint8_t> message) {
    if (Transmitter_.PortGone(port)) return;
    Transmitter_.Port(port).SendLong(message);
}

void TTransmitterOutlet::DropScheduled(int port) { Transmitter_.Port(port).DropScheduled(); }

}  // namespace veka
