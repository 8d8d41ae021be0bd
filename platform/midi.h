#pragma once

#include <cstdint>

namespace tarvelo {

// The MIDI output the key sounds go to. A short message packs the status byte in bits
// 0-7 and the two data bytes in bits 8-15 and 16-23. A message sent while the output is
// closed (no sound option, or no synthesiser on this machine) is silently dropped, as
// the callers never look at a result.
class MidiOut {
public:
    virtual ~MidiOut() = default;
    // Connects to the first synthesiser; false when there is none.
    virtual bool open() = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual void shortMessage(std::uint32_t message) = 0;
};

// An output that opens and swallows every message: for a window that must not reach a
// sound device (a second copy under test, a build without a synthesiser wanted).
class NullMidiOut final : public MidiOut {
public:
    bool open() override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    void shortMessage(std::uint32_t) override {}

private:
    bool open_ = false;
};

// Short messages on channel 4, the one every key sound uses. A note off is a note on
// with velocity 0.
namespace midi {
inline constexpr std::uint32_t noteOn(int note, int velocity = 120)
{
    return 0x93u + (static_cast<std::uint32_t>(note) & 0x7f) * 256u
           + (static_cast<std::uint32_t>(velocity) & 0x7f) * 65536u;
}
inline constexpr std::uint32_t noteOff(int note) { return noteOn(note, 0); }
inline constexpr std::uint32_t programChange(int instrument)
{
    return 0xC3u + (static_cast<std::uint32_t>(instrument) & 0x7f) * 256u;
}
}  // namespace midi

}  // namespace tarvelo
