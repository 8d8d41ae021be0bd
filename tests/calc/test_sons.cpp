#include "calc/sons.h"

#include "support/calculadora.h"
#include "host/texto.h"
#include "platform/inputbox.h"

#include <gtest/gtest.h>


using namespace tarvelo;
using teste::Calculadora;

namespace {

using Mensagens = std::vector<std::uint32_t>;

constexpr std::uint32_t on(int nota) { return midi::noteOn(nota); }
constexpr std::uint32_t off(int nota) { return midi::noteOff(nota); }

struct Som {
    Calculadora c;
    teste::MidiFalso saida;
    teste::EntradaFalsa& entrada = c.entrada;
    ServicosSom servicos{saida, c.mensagens, entrada, c.configuracoes};

    QString conf(const char* chave) { return c.configuracoes.GetSetting("Conf", chave, "<nada>"); }
    int ticado() const
    {
        return c.calc.mnuSemSom.Checked() * 1 + c.calc.mnuBeep.Checked() * 2 + c.calc.mnuSom.Checked() * 4;
    }
};

constexpr int kNenhum = 1, kBeep = 2, kMusical = 4;

TEST(TabelaNotas, KeysGiveWhiteKeysOfTheScaleFromNote36Up)
{
    struct Caso {
        int tecla;
        std::optional<int> nota;
    };
    const Caso casos[] = {
        {90, 0},          // Z, the lowest
        {65, 12},         // A
        {13, 16},         // Enter, with D
        {84, 36},         {97, 36},  // T and keypad 1
        {186, 28},        // the key right of L (Ç on a Brazilian keyboard)
        {45, 64},         {189, 64},  // Insert and the main "-": the highest
        {48, 62},         // 0
        {112, std::nullopt},  // F1
        {16, std::nullopt},   // Shift
        {122, std::nullopt},  // F11, whose code is "z": the table tells case apart
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(TabelaNotas(caso.tecla), caso.nota) << "key " << caso.tecla;

    // Every key of the keyboard sounds a white key (C major from note 36 to 100).
    for (int tecla = 0; tecla < 256; ++tecla) {
        if (const std::optional<int> nota = TabelaNotas(tecla)) {
            EXPECT_GE(*nota, 0);
            EXPECT_LE(*nota, 64);
            const int grau = *nota % 12;
            EXPECT_TRUE(grau == 0 || grau == 2 || grau == 4 || grau == 5 || grau == 7 || grau == 9 || grau == 11)
                << "key " << tecla << " sounds a black key";
        }
    }
}

TEST(SomTecla, BeepSoundsNote99ForEveryKeyIncludingRepeats)
{
    Som s;
    s.c.calc.mnuSemSom.setChecked(false);
    s.c.calc.mnuBeep.setChecked(true);
    s.c.midi.mensagens.clear();
    for (int tecla : {65, 65, 16, 112})
        SomTeclaAbaixo(s.c.calc, s.c.midi, tecla);
    SomTeclaAcima(s.c.calc, s.c.midi, 112);
    EXPECT_EQ(s.c.midi.mensagens, (Mensagens{0x786393, 0x786393, 0x786393, 0x786393, 0x006393}));
    EXPECT_EQ(s.c.calc.UltimaTecla, 0);
}

TEST(SomTecla, MusicalHeldKeySoundsOnceAndKeysWithoutNoteChangeNothing)
{
    Som s;
    auto& calc = s.c.calc;
    calc.mnuSemSom.setChecked(false);
    calc.mnuSom.setChecked(true);
    s.c.midi.mensagens.clear();

    SomTeclaAbaixo(calc, s.c.midi, 65);  // A held: the repeats are skipped
    SomTeclaAbaixo(calc, s.c.midi, 65);
    SomTeclaAbaixo(calc, s.c.midi, 112);  // F1 has no note and does not take UltimaTecla
    EXPECT_EQ(calc.UltimaTecla, 65);
    SomTeclaAcima(calc, s.c.midi, 65);
    SomTeclaAbaixo(calc, s.c.midi, 65);  // pressed again: sounds again
    SomTeclaAbaixo(calc, s.c.midi, 97);  // keypad 1 while A is held
    SomTeclaAcima(calc, s.c.midi, 65);   // silences the last note (72) and A's own (48)
    EXPECT_EQ(s.c.midi.mensagens,
              (Mensagens{on(48), off(48), off(48), on(48), on(72), off(72), off(48)}));
    EXPECT_EQ(calc.NotaAtual, 12);
    EXPECT_EQ(calc.UltimaTecla, 0);

    SomTeclaAcima(calc, s.c.midi, 16);  // a key without note: only the current note off
    EXPECT_EQ(s.c.midi.mensagens.back(), off(48));
}

TEST(SomTecla, NoSoundSendsNothing)
{
    Som s;
    s.c.midi.mensagens.clear();
    SomTeclaAbaixo(s.c.calc, s.c.midi, 65);
    SomTeclaAcima(s.c.calc, s.c.midi, 65);
    SilenciarNota(s.c.calc, s.c.midi);
    EXPECT_TRUE(s.c.midi.mensagens.empty());
}

TEST(Instrumento, AnswersFrom0To127AreInstruments)
{
    const std::pair<const char*, std::optional<int>> casos[] = {
        {"0", 0},   {"127", 127}, {"40", 40},           {" 40 ", 40},         {"128", std::nullopt},
        {"-1", std::nullopt}, {"abc", std::nullopt}, {"", std::nullopt}, {"1,5", std::nullopt},
    };
    for (const auto& [resposta, instrumento] : casos)
        EXPECT_EQ(InstrumentoValido(resposta), instrumento) << resposta;
}

TEST(Instrumento, WrongAnswersAreAskedAgainWithTheStoredProposal)
{
    Som s;
    s.c.configuracoes.SaveSetting("Conf", "Instrumento", "8");
    s.entrada.respostas = {"128", "-1", "abc", "127"};
    mnuSom_Click(s.c.calc, s.servicos);

    ASSERT_EQ(s.entrada.perguntas.size(), 4u);
    for (const auto& p : s.entrada.perguntas) {
        EXPECT_EQ(p.proposta, "8");
        EXPECT_EQ(p.prompt, fTexto(57));
        EXPECT_EQ(p.titulo, fTexto(58));
    }
    EXPECT_EQ(s.saida.mensagens, (Mensagens{0x7FC3}));
    EXPECT_EQ(s.ticado(), kMusical);
    EXPECT_TRUE(s.saida.aberto);
    EXPECT_EQ(s.conf("Instrumento"), "127");
    EXPECT_EQ(s.conf("Sons"), "3");
}

TEST(Instrumento, CancelFromNoneLeavesNoneAndBeepStillWorks)
{
    Som s;
    s.entrada.respostas = {"abc"};  // then Cancel
    mnuSom_Click(s.c.calc, s.servicos);
    EXPECT_EQ(s.ticado(), kNenhum);
    EXPECT_FALSE(s.saida.aberto);
    EXPECT_EQ(s.conf("Sons"), "<nada>");
    EXPECT_EQ(s.conf("Instrumento"), "<nada>");
    EXPECT_TRUE(s.c.mensagens.vistas.empty());

    mnuBeep_Click(s.c.calc, s.servicos);
    EXPECT_EQ(s.ticado(), kBeep);
    EXPECT_TRUE(s.saida.aberto);
    EXPECT_EQ(s.saida.mensagens, (Mensagens{0xC3}));
    EXPECT_EQ(s.conf("Sons"), "2");
}

TEST(OpcoesSom, SwitchingFromBeepToMusicalSilencesTheNoteFirstAndKeepsTheOutput)
{
    Som s;
    mnuBeep_Click(s.c.calc, s.servicos);
    SomTeclaAbaixo(s.c.calc, s.saida, 65);
    s.entrada.respostas = {"40"};
    mnuSom_Click(s.c.calc, s.servicos);
    EXPECT_EQ(s.saida.mensagens, (Mensagens{0xC3, on(99), off(99), 0x28C3}));
    EXPECT_TRUE(s.saida.aberto);

    mnuSemSom_Click(s.c.calc, s.servicos);
    EXPECT_EQ(s.ticado(), kNenhum);
    EXPECT_FALSE(s.saida.aberto);
    EXPECT_EQ(s.conf("Sons"), "1");
}

TEST(OpcoesSom, NoSynthGivesTopic9OnlyWhenVisibleAndEndsInNone)
{
    for (bool visivel : {true, false}) {
        Som s;
        s.saida.sintetizador = false;
        s.c.calc.Visible = visivel;
        mnuBeep_Click(s.c.calc, s.servicos);
        s.entrada.respostas = {"40"};
        mnuSom_Click(s.c.calc, s.servicos);
        EXPECT_EQ(s.ticado(), kNenhum);
        EXPECT_EQ(s.conf("Sons"), "<nada>");
        EXPECT_TRUE(s.entrada.perguntas.empty()) << "no prompt without an output";
        ASSERT_EQ(s.c.mensagens.vistas.size(), visivel ? 2u : 0u);
        if (visivel) {
            EXPECT_EQ(s.c.mensagens.vistas[0].texto, fTexto(9));
            EXPECT_EQ(s.c.mensagens.vistas[0].flags, mb::Exclamation);
        }
    }
}

TEST(OpcoesSom, LoadRestoresSilentlyWithTheStoredInstrument)
{
    Som s;
    s.c.calc.Visible = false;
    s.c.configuracoes.SaveSetting("Conf", "Instrumento", "40");
    RestaurarSomMusical(s.c.calc, s.servicos);
    EXPECT_EQ(s.saida.mensagens, (Mensagens{10435}));
    EXPECT_EQ(s.ticado(), kMusical);

    Som semSaida;
    semSaida.saida.sintetizador = false;
    RestaurarSomMusical(semSaida.c.calc, semSaida.servicos);
    EXPECT_EQ(semSaida.ticado(), kNenhum);
    EXPECT_TRUE(semSaida.c.mensagens.vistas.empty());

    // At load Beep writes nothing back.
    mnuBeep_Click(s.c.calc, s.servicos);
    EXPECT_EQ(s.conf("Sons"), "<nada>");
}

}  // namespace
