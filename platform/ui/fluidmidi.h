#pragma once

#include "platform/midi.h"

#include <QString>
#include <QStringList>

#include <array>
#include <memory>

namespace tarvelo {

// The key sounds through FluidSynth, a software synthesiser inside the program, playing a
// General MIDI sound font through the desktop's audio. It is the output of a machine
// without a synthesiser port (an ordinary desktop). Opening only checks that the sound font
// is there; the synthesiser and its audio start with the first note, so nothing of it
// costs a start of the program or a tick of the option.
class FluidSynthMidiOut final : public MidiOut {
public:
    // `soundFonts`: the first readable one is used. `audioDrivers`: FluidSynth's driver
    // names tried in turn ("file" renders into `audioFile`, for tests); empty is
    // FluidSynth's own default, then the usual desktop ones.
    explicit FluidSynthMidiOut(QStringList soundFonts = systemSoundFonts(), QStringList audioDrivers = {},
                               QString audioFile = {});
    ~FluidSynthMidiOut() override;
    FluidSynthMidiOut(const FluidSynthMidiOut&) = delete;
    FluidSynthMidiOut& operator=(const FluidSynthMidiOut&) = delete;

    bool open() override;
    void close() override;
    bool isOpen() const override { return !font_.isEmpty(); }
    void shortMessage(std::uint32_t message) override;

    // True once the first note has started the synthesiser and its audio.
    bool playing() const { return synth_ != nullptr; }
    // Debian's General MIDI sound fonts: the system's chosen one, then TiMidity's small one.
    static QStringList systemSoundFonts();

private:
    struct Synth;
    bool start();

    QStringList soundFonts_;
    QStringList audioDrivers_;
    QString audioFile_;
    QString font_;          // the font of the open output; empty while closed
    bool startFailed_ = false;
    std::array<int, 16> programs_{};  // program changes sent before the synthesiser started
    std::unique_ptr<Synth> synth_;
};

// The first output that opens: a synthesiser port, else the embedded synthesiser.
class FallbackMidiOut final : public MidiOut {
public:
    FallbackMidiOut(MidiOut& preferred, MidiOut& fallback) : preferred_(preferred), fallback_(fallback) {}

    bool open() override;
    void close() override;
    bool isOpen() const override { return current_ != nullptr; }
    void shortMessage(std::uint32_t message) override;

private:
    MidiOut& preferred_;
    MidiOut& fallback_;
    MidiOut* current_ = nullptr;
};

}  // namespace tarvelo
