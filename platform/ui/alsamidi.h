#pragma once

#include "platform/midi.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace tarvelo {

// One short message as the sequencer sends it. Channels count from 0, so the key sounds'
// channel 4 is 3 here.
struct MidiEvent {
    enum class Kind { NoteOn, NoteOff, ProgramChange, Controller };
    Kind kind;
    int channel;
    int data1;  // note, program or controller number
    int data2;  // velocity or controller value; 0 for a program change
    friend bool operator==(const MidiEvent&, const MidiEvent&) = default;
};

// The event a short message stands for; nullopt for what the key sounds never send (and
// for bytes that are no message at all). A note on with velocity 0 is a note off.
std::optional<MidiEvent> decodeShortMessage(std::uint32_t message);

// The key sounds over the ALSA sequencer: a client of our own with one port, connected to
// the first synthesiser the sequencer knows (a software or hardware synth, else an
// external MIDI output; never the kernel's through port, which sounds nowhere). Messages
// go out directly, unqueued. Without a sequencer or a synth, open() is false and says
// nothing on the terminal.
class AlsaMidiOut final : public MidiOut {
public:
    AlsaMidiOut();
    ~AlsaMidiOut() override;
    AlsaMidiOut(const AlsaMidiOut&) = delete;
    AlsaMidiOut& operator=(const AlsaMidiOut&) = delete;

    bool open() override;
    void close() override;
    bool isOpen() const override;
    void shortMessage(std::uint32_t message) override;

private:
    struct Sequencer;
    std::unique_ptr<Sequencer> seq_;
};

}  // namespace tarvelo
