#include "platform/ui/alsamidi.h"

#include <alsa/asoundlib.h>

namespace tarvelo {

struct AlsaMidiOut::Sequencer {
    snd_seq_t* handle = nullptr;
    int port = -1;
};

namespace {

// ALSA reports a missing /dev/snd/seq on stderr through its error handler; the program
// treats "no sequencer" as "no sound", so the open runs with a handler that keeps quiet.
void silentAlsaError(const char*, int, const char*, int, const char*, ...) {}

class QuietAlsa {
public:
    QuietAlsa() : previous_(snd_lib_error) { snd_lib_error_set_handler(silentAlsaError); }
    ~QuietAlsa() { snd_lib_error_set_handler(previous_); }
    QuietAlsa(const QuietAlsa&) = delete;
    QuietAlsa& operator=(const QuietAlsa&) = delete;

private:
    snd_lib_error_handler_t previous_;
};

struct Address {
    int client = -1;
    int port = -1;
};

constexpr unsigned kSynthTypes = SND_SEQ_PORT_TYPE_SYNTH | SND_SEQ_PORT_TYPE_SYNTHESIZER
                                 | SND_SEQ_PORT_TYPE_DIRECT_SAMPLE | SND_SEQ_PORT_TYPE_SAMPLE;

// A synthesiser wins over a plain MIDI port; among equals, the first one listed.
Address firstSynth(snd_seq_t* seq)
{
    const int self = snd_seq_client_id(seq);
    snd_seq_client_info_t* client = nullptr;
    snd_seq_port_info_t* port = nullptr;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);

    Address synth, midiPort;
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(seq, client) >= 0 && synth.client < 0) {
        const int id = snd_seq_client_info_get_client(client);
        if (id == self || id == SND_SEQ_CLIENT_SYSTEM)
            continue;
        const bool kernelClient = snd_seq_client_info_get_type(client) == SND_SEQ_KERNEL_CLIENT;
        snd_seq_port_info_set_client(port, id);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(seq, port) >= 0) {
            const unsigned caps = snd_seq_port_info_get_capability(port);
            const unsigned type = snd_seq_port_info_get_type(port);
            constexpr unsigned kWritable = SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE;
            if ((caps & kWritable) != kWritable || (caps & SND_SEQ_PORT_CAP_NO_EXPORT))
                continue;
            const Address here{id, snd_seq_port_info_get_port(port)};
            if (type & kSynthTypes) {
                synth = here;
                break;
            }
            // The kernel's "Midi Through" is a software port of a kernel client: it would
            // take every note and sound none.
            const bool throughPort = kernelClient && (type & SND_SEQ_PORT_TYPE_SOFTWARE);
            if ((type & SND_SEQ_PORT_TYPE_MIDI_GENERIC) && !throughPort && midiPort.client < 0)
                midiPort = here;
        }
    }
    return synth.client >= 0 ? synth : midiPort;
}

}  // namespace

std::optional<MidiEvent> decodeShortMessage(std::uint32_t message)
{
    const int status = static_cast<int>(message & 0xff);
    const int data1 = static_cast<int>((message >> 8) & 0x7f);
    const int data2 = static_cast<int>((message >> 16) & 0x7f);
    const int channel = status & 0x0f;
    switch (status & 0xf0) {
    case 0x90:
        if (data2 > 0)
            return MidiEvent{MidiEvent::Kind::NoteOn, channel, data1, data2};
        [[fallthrough]];
    case 0x80: return MidiEvent{MidiEvent::Kind::NoteOff, channel, data1, 0};
    case 0xB0: return MidiEvent{MidiEvent::Kind::Controller, channel, data1, data2};
    case 0xC0: return MidiEvent{MidiEvent::Kind::ProgramChange, channel, data1, 0};
    default: return std::nullopt;
    }
}

AlsaMidiOut::AlsaMidiOut() = default;

AlsaMidiOut::~AlsaMidiOut()
{
    close();
}

bool AlsaMidiOut::open()
{
    if (seq_)
        return true;
    QuietAlsa quiet;
    snd_seq_t* handle = nullptr;
    // Non-blocking: a synth that stops reading must not freeze the keyboard.
    if (snd_seq_open(&handle, "default", SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK) < 0 || !handle)
        return false;
    snd_seq_set_client_name(handle, "Tarvelo");
    const int port = snd_seq_create_simple_port(handle, "Tarvelo key sounds",
                                                SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                                SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
    const Address synth = port >= 0 ? firstSynth(handle) : Address{};
    if (synth.client < 0 || snd_seq_connect_to(handle, port, synth.client, synth.port) < 0) {
        snd_seq_close(handle);
        return false;
    }
    seq_ = std::make_unique<Sequencer>(Sequencer{handle, port});
    return true;
}

void AlsaMidiOut::close()
{
    if (!seq_)
        return;
    QuietAlsa quiet;
    snd_seq_close(seq_->handle);
    seq_.reset();
}

bool AlsaMidiOut::isOpen() const
{
    return seq_ != nullptr;
}

void AlsaMidiOut::shortMessage(std::uint32_t message)
{
    const std::optional<MidiEvent> event = decodeShortMessage(message);
    if (!seq_ || !event)
        return;
    snd_seq_event_t ev;
    snd_seq_ev_clear(&ev);
    snd_seq_ev_set_source(&ev, seq_->port);
    snd_seq_ev_set_subs(&ev);
    snd_seq_ev_set_direct(&ev);
    const auto channel = static_cast<unsigned char>(event->channel);
    switch (event->kind) {
    case MidiEvent::Kind::NoteOn: snd_seq_ev_set_noteon(&ev, channel, event->data1, event->data2); break;
    case MidiEvent::Kind::NoteOff: snd_seq_ev_set_noteoff(&ev, channel, event->data1, 0); break;
    case MidiEvent::Kind::ProgramChange: snd_seq_ev_set_pgmchange(&ev, channel, event->data1); break;
    case MidiEvent::Kind::Controller:
        snd_seq_ev_set_controller(&ev, channel, event->data1, event->data2);
        break;
    }
    // A full output buffer drops the note, as a key sound is worth no wait.
    snd_seq_event_output_direct(seq_->handle, &ev);
}

}  // namespace tarvelo
