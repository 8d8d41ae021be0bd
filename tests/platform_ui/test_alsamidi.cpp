#include "platform/ui/alsamidi.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

using Kind = MidiEvent::Kind;

TEST(AlsaMidi, ShortMessagesBecomeSequencerEvents)
{
    const std::pair<std::uint32_t, std::optional<MidiEvent>> casos[] = {
        {midi::noteOn(99), MidiEvent{Kind::NoteOn, 3, 99, 120}},
        {midi::noteOff(48), MidiEvent{Kind::NoteOff, 3, 48, 0}},  // velocity 0
        {0x004080, MidiEvent{Kind::NoteOff, 0, 64, 0}},
        {midi::programChange(40), MidiEvent{Kind::ProgramChange, 3, 40, 0}},
        {0x7B7BB3, MidiEvent{Kind::Controller, 3, 123, 123}},
        // A data byte where the status belongs (a garbled message) and a system message.
        {0x0243, std::nullopt},
        {0xF8, std::nullopt},
    };
    for (const auto& [mensagem, evento] : casos)
        EXPECT_EQ(decodeShortMessage(mensagem), evento) << std::hex << mensagem;
}

// Most build machines have no sequencer, or one with only the through port: open() must
// then fail quietly and leave a closed output that ignores every call. Where a synth is
// there, the output must open, play and close.
TEST(AlsaMidi, OpensTheFirstSynthOrFailsSoftly)
{
    AlsaMidiOut out;
    testing::internal::CaptureStderr();
    const bool aberta = out.open();
    EXPECT_EQ(out.isOpen(), aberta);
    out.shortMessage(midi::programChange(0));
    out.shortMessage(midi::noteOn(99));
    out.shortMessage(midi::noteOff(99));
    out.close();
    out.close();
    EXPECT_FALSE(out.isOpen());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "no message on the terminal";

    if (aberta) {
        EXPECT_TRUE(out.open()) << "and again after a close";
        out.close();
    }
}

}  // namespace
