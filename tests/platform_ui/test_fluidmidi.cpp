#include "platform/ui/fluidmidi.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

using namespace tarvelo;

namespace {

// Samples of the raw 16-bit audio the file driver rendered that are not silence.
qsizetype sonoros(const QString& arquivo)
{
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray dados = f.readAll();
    const auto* amostras = reinterpret_cast<const qint16*>(dados.constData());
    qsizetype n = 0;
    for (qsizetype i = 0; i < dados.size() / 2; ++i)
        n += std::abs(amostras[i]) > 64;
    return n;
}

bool esperar(const std::function<bool()>& condicao)
{
    const auto prazo = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!condicao()) {
        if (std::chrono::steady_clock::now() > prazo)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

TEST(FluidSynthMidi, KeySoundsStartTheSynthesiserAtTheFirstNoteAndRenderAudio)
{
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString audio = pasta.filePath(QStringLiteral("som.raw"));
    FluidSynthMidiOut saida(FluidSynthMidiOut::systemSoundFonts(), {QStringLiteral("file")}, audio);

    ASSERT_TRUE(saida.open());
    // The instrument setting arrives before any note; nothing starts for it.
    saida.shortMessage(midi::programChange(11));
    saida.shortMessage(midi::noteOff(60));
    EXPECT_FALSE(saida.playing());
    EXPECT_FALSE(QFile::exists(audio));

    saida.shortMessage(midi::noteOn(60));
    ASSERT_TRUE(saida.playing());
    EXPECT_TRUE(esperar([&] { return sonoros(audio) > 1000; })) << sonoros(audio);
    saida.shortMessage(midi::noteOff(60));
    saida.close();
    EXPECT_FALSE(saida.isOpen());
    EXPECT_FALSE(saida.playing());
}

TEST(FluidSynthMidi, AMissingSoundFontLeavesTheOutputClosed)
{
    FluidSynthMidiOut saida({QStringLiteral("/nonexistent/GM.sf2")}, {QStringLiteral("file")});
    EXPECT_FALSE(saida.open());
    saida.shortMessage(midi::noteOn(60));
    EXPECT_FALSE(saida.isOpen());
    EXPECT_FALSE(saida.playing());
}

// Counts what reaches it; opens when told to.
struct Saida : MidiOut {
    bool abre = false;
    bool aberta = false;
    std::vector<std::uint32_t> mensagens;
    bool open() override { return aberta = abre; }
    void close() override { aberta = false; }
    bool isOpen() const override { return aberta; }
    void shortMessage(std::uint32_t m) override { mensagens.push_back(m); }
};

TEST(FluidSynthMidi, ASynthesiserPortWinsAndTheEmbeddedOneStandsIn)
{
    struct Caso {
        bool porta, embutido;
        bool abre;
        std::size_t naPorta, noEmbutido;
    } casos[] = {
        {true, true, true, 1, 0},
        {false, true, true, 0, 1},
        {false, false, false, 0, 0},
    };
    for (const Caso& c : casos) {
        Saida porta, embutido;
        porta.abre = c.porta;
        embutido.abre = c.embutido;
        FallbackMidiOut saida(porta, embutido);
        EXPECT_EQ(saida.open(), c.abre);
        saida.shortMessage(midi::noteOn(60));
        EXPECT_EQ(porta.mensagens.size(), c.naPorta);
        EXPECT_EQ(embutido.mensagens.size(), c.noEmbutido);
        saida.close();
        EXPECT_FALSE(porta.aberta || embutido.aberta || saida.isOpen());
    }
}

}  // namespace
