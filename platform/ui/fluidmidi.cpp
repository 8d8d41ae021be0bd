#include "platform/ui/fluidmidi.h"

#include "platform/ui/alsamidi.h"

#include <QFileInfo>
#include <QLibrary>

#include <fluidsynth.h>

#include <optional>
#include <type_traits>

namespace tarvelo {
namespace {

// FluidSynth and what it pulls in (some sixty libraries) are loaded with the first note,
// not with the program.
struct FluidApi {
    decltype(&new_fluid_settings) newSettings = nullptr;
    decltype(&delete_fluid_settings) deleteSettings = nullptr;
    decltype(&fluid_settings_setint) setInt = nullptr;
    decltype(&fluid_settings_setstr) setStr = nullptr;
    decltype(&fluid_settings_dupstr) dupStr = nullptr;
    decltype(&fluid_free) free = nullptr;
    decltype(&new_fluid_synth) newSynth = nullptr;
    decltype(&delete_fluid_synth) deleteSynth = nullptr;
    decltype(&fluid_synth_sfload) sfload = nullptr;
    decltype(&fluid_synth_program_change) programChange = nullptr;
    decltype(&fluid_synth_noteon) noteOn = nullptr;
    decltype(&fluid_synth_noteoff) noteOff = nullptr;
    decltype(&fluid_synth_cc) cc = nullptr;
    decltype(&new_fluid_audio_driver) newDriver = nullptr;
    decltype(&delete_fluid_audio_driver) deleteDriver = nullptr;
    decltype(&fluid_set_log_function) setLog = nullptr;
};

// FluidSynth writes its warnings (a missing audio server, a driver that fails) to the
// terminal; the program decides itself what a failure means.
void quietLog(int, const char*, void*) {}

// Null when the library or one of its functions is missing.
const FluidApi* fluidApi()
{
    static const std::optional<FluidApi> api = []() -> std::optional<FluidApi> {
        QLibrary library(QStringLiteral("fluidsynth"), 3);
        if (!library.load())
            return std::nullopt;
        FluidApi f;
        bool all = true;
        const auto resolve = [&](auto& pointer, const char* name) {
            pointer = reinterpret_cast<std::remove_reference_t<decltype(pointer)>>(library.resolve(name));
            all = all && pointer;
        };
        resolve(f.newSettings, "new_fluid_settings");
        resolve(f.deleteSettings, "delete_fluid_settings");
        resolve(f.setInt, "fluid_settings_setint");
        resolve(f.setStr, "fluid_settings_setstr");
        resolve(f.dupStr, "fluid_settings_dupstr");
        resolve(f.free, "fluid_free");
        resolve(f.newSynth, "new_fluid_synth");
        resolve(f.deleteSynth, "delete_fluid_synth");
        resolve(f.sfload, "fluid_synth_sfload");
        resolve(f.programChange, "fluid_synth_program_change");
        resolve(f.noteOn, "fluid_synth_noteon");
        resolve(f.noteOff, "fluid_synth_noteoff");
        resolve(f.cc, "fluid_synth_cc");
        resolve(f.newDriver, "new_fluid_audio_driver");
        resolve(f.deleteDriver, "delete_fluid_audio_driver");
        resolve(f.setLog, "fluid_set_log_function");
        if (!all)
            return std::nullopt;
        for (const int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            f.setLog(level, quietLog, nullptr);
        return f;
    }();
    return api ? &*api : nullptr;
}

}  // namespace

struct FluidSynthMidiOut::Synth {
    explicit Synth(const FluidApi& api) : f(api) {}
    ~Synth()
    {
        // The driver's thread renders from the synthesiser: it stops first.
        if (driver)
            f.deleteDriver(driver);
        if (synth)
            f.deleteSynth(synth);
        if (settings)
            f.deleteSettings(settings);
    }
    Synth(const Synth&) = delete;
    Synth& operator=(const Synth&) = delete;

    const FluidApi& f;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    fluid_audio_driver_t* driver = nullptr;
};

FluidSynthMidiOut::FluidSynthMidiOut(QStringList soundFonts, QStringList audioDrivers, QString audioFile)
    : soundFonts_(std::move(soundFonts)), audioDrivers_(std::move(audioDrivers)), audioFile_(std::move(audioFile))
{
}

FluidSynthMidiOut::~FluidSynthMidiOut()
{
    close();
}

QStringList FluidSynthMidiOut::systemSoundFonts()
{
    return {QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"), QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2")};
}

bool FluidSynthMidiOut::open()
{
    if (isOpen())
        return true;
    for (const QString& font : soundFonts_) {
        const QFileInfo info(font);
        if (info.isFile() && info.isReadable()) {
            font_ = info.absoluteFilePath();
            startFailed_ = false;
            programs_.fill(0);
            return true;
        }
    }
    return false;
}

void FluidSynthMidiOut::close()
{
    synth_.reset();
    font_.clear();
}

bool FluidSynthMidiOut::start()
{
    const FluidApi* api = fluidApi();
    if (!api)
        return false;
    const FluidApi& f = *api;
    auto s = std::make_unique<Synth>(f);
    s->settings = f.newSettings();
    if (!s->settings)
        return false;
    // A few voices are all the key sounds need; a small period keeps a key's note close
    // to the key.
    f.setInt(s->settings, "synth.polyphony", 32);
    f.setInt(s->settings, "audio.period-size", 256);
    if (!audioFile_.isEmpty()) {
        f.setStr(s->settings, "audio.file.name", audioFile_.toLocal8Bit().constData());
        f.setStr(s->settings, "audio.file.type", "raw");
    }
    s->synth = f.newSynth(s->settings);
    if (!s->synth || f.sfload(s->synth, font_.toLocal8Bit().constData(), 1) == FLUID_FAILED)
        return false;
    for (int channel = 0; channel < 16; ++channel)
        f.programChange(s->synth, channel, programs_[channel]);

    QStringList drivers = audioDrivers_;
    if (drivers.isEmpty()) {
        char* standard = nullptr;
        if (f.dupStr(s->settings, "audio.driver", &standard) == FLUID_OK && standard) {
            drivers << QString::fromLatin1(standard);
            f.free(standard);
        }
        // JACK is left out: trying it may start a JACK server of its own.
        for (const char* name : {"pulseaudio", "alsa", "sdl2"})
            if (!drivers.contains(QLatin1String(name)))
                drivers << QString::fromLatin1(name);
    }
    for (const QString& name : drivers) {
        f.setStr(s->settings, "audio.driver", name.toLatin1().constData());
        if ((s->driver = f.newDriver(s->settings, s->synth)))
            break;
    }
    if (!s->driver)
        return false;
    synth_ = std::move(s);
    return true;
}

void FluidSynthMidiOut::shortMessage(std::uint32_t message)
{
    const std::optional<MidiEvent> event = decodeShortMessage(message);
    if (!isOpen() || !event)
        return;
    if (!synth_) {
        if (event->kind == MidiEvent::Kind::ProgramChange)
            programs_[event->channel] = event->data1;
        // Only a note starts the synthesiser, and a failed start is not tried again on
        // every key: the next open tries afresh.
        if (event->kind != MidiEvent::Kind::NoteOn || startFailed_)
            return;
        if (!start()) {
            startFailed_ = true;
            return;
        }
    }
    const FluidApi& f = synth_->f;
    fluid_synth_t* synth = synth_->synth;
    switch (event->kind) {
    case MidiEvent::Kind::NoteOn: f.noteOn(synth, event->channel, event->data1, event->data2); break;
    case MidiEvent::Kind::NoteOff: f.noteOff(synth, event->channel, event->data1); break;
    case MidiEvent::Kind::ProgramChange: f.programChange(synth, event->channel, event->data1); break;
    case MidiEvent::Kind::Controller: f.cc(synth, event->channel, event->data1, event->data2); break;
    }
}

bool FallbackMidiOut::open()
{
    if (current_)
        return true;
    if (preferred_.open())
        current_ = &preferred_;
    else if (fallback_.open())
        current_ = &fallback_;
    return current_ != nullptr;
}

void FallbackMidiOut::close()
{
    if (current_)
        current_->close();
    current_ = nullptr;
}

void FallbackMidiOut::shortMessage(std::uint32_t message)
{
    if (current_)
        current_->shortMessage(message);
}

}  // namespace tarvelo
