#include "host/comando.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(Comando, WordsAreComparedExactly)
{
    const struct {
        const char* comando;
        bool splashOculto, fecha, segunda, tempo;
        Ferramenta ferramenta;
    } casos[] = {
        {"", false, false, false, false, Ferramenta::Nenhuma},
        {"systray", true, false, false, false, Ferramenta::Nenhuma},
        {"Systray", false, false, false, false, Ferramenta::Nenhuma},
        {"systray ", false, false, false, false, Ferramenta::Nenhuma},
        {"fechar", true, true, false, false, Ferramenta::Nenhuma},
        {"atualiza", false, true, false, false, Ferramenta::Nenhuma},
        {"mini", false, true, false, false, Ferramenta::Nenhuma},
        {"MINI", false, false, false, false, Ferramenta::Nenhuma},
        {"outra", false, false, true, false, Ferramenta::Nenhuma},
        {"outratempo", false, false, true, true, Ferramenta::Nenhuma},
        {"outra tempo", false, false, true, true, Ferramenta::Nenhuma},
        // A file of that name is a file: it goes to the running copy, which guards it.
        {"outra_b.reg", false, false, false, false, Ferramenta::Nenhuma},
        {"tempo", false, false, false, true, Ferramenta::Tempo},
        {"juro", false, false, false, false, Ferramenta::Juro},
        {"Juro", false, false, false, false, Ferramenta::Nenhuma},
        {"juro juro", false, false, false, false, Ferramenta::Nenhuma},
        {"peso", false, false, false, false, Ferramenta::Peso},
        {"data", false, false, false, false, Ferramenta::Data},
    };
    for (const auto& caso : casos) {
        const QString comando = QString::fromLatin1(caso.comando);
        SCOPED_TRACE(caso.comando);
        EXPECT_EQ(splashOculto(comando), caso.splashOculto);
        EXPECT_EQ(ePalavraDeFechar(comando), caso.fecha);
        EXPECT_EQ(eSegundaCalculadora(comando), caso.segunda);
        EXPECT_EQ(pedeModoTempo(comando), caso.tempo);
        EXPECT_EQ(ferramentaDoComando(comando), caso.ferramenta);
    }
}

TEST(Comando, ARegistryScriptNamedOnTheCommandLineIsAFileToOpen)
{
    for (const char* arquivo : {"/home/ana/BackupCheques.reg", "Backup Cheques.REG", "a.Reg"})
        EXPECT_EQ(arquivoDoComando(QString::fromUtf8(arquivo)), QString::fromUtf8(arquivo));
    for (const char* outro : {"", ".reg", "juro", "systray", "backup.reg.txt", "backup.regedit"})
        EXPECT_EQ(arquivoDoComando(QString::fromUtf8(outro)), QString()) << outro;
}

TEST(Comando, ForwardedTextCarriesTheTimeAndNamesItsToolByFourCharacters)
{
    const QTime hora(14, 3, 27);
    EXPECT_EQ(textoEncaminhado(QStringLiteral("juro"), hora), QStringLiteral("juro14:03:27"));
    EXPECT_EQ(textoEncaminhado(QString(), hora), QStringLiteral("14:03:27"));
    EXPECT_EQ(textoEncaminhado(QString(100000, QLatin1Char('x')), hora).size(), kMaxComandoEncaminhado + 8);

    const struct {
        const char* texto;
        Ferramenta ferramenta;
    } casos[] = {
        {"juro14:03:27", Ferramenta::Juro},     {"tempo14:03:27", Ferramenta::Tempo},
        {"peso09:00:00", Ferramenta::Peso},     {"data23:59:59", Ferramenta::Data},
        {"14:03:27", Ferramenta::Nenhuma},      {"systray14:03:27", Ferramenta::Nenhuma},
        {"outratempo14:03:27", Ferramenta::Nenhuma}, {"Juro14:03:27", Ferramenta::Nenhuma},
        {"jur", Ferramenta::Nenhuma},
    };
    for (const auto& caso : casos)
        EXPECT_EQ(ferramentaEncaminhada(QString::fromLatin1(caso.texto)), caso.ferramenta) << caso.texto;
}

TEST(MensagemCanal, FramesSurviveAnySplitOfTheStream)
{
    const MensagemCanal a{MensagemCanal::Tipo::Comando, QStringLiteral("juro14:03:27 ação")};
    const MensagemCanal b{MensagemCanal::Tipo::Arquivo, QStringLiteral("/home/ana/cópia.reg")};
    const MensagemCanal c{MensagemCanal::Tipo::Fechar, {}};
    const QByteArray fluxo = codificarMensagem(a) + codificarMensagem(b) + codificarMensagem(c);

    LeitorCanal leitor;
    QList<MensagemCanal> lidas;
    for (const char byte : fluxo) {
        leitor.acrescentar(QByteArrayView(&byte, 1));
        while (const auto m = leitor.proxima())
            lidas.append(*m);
    }
    ASSERT_EQ(lidas.size(), 3);
    EXPECT_EQ(lidas[0], a);
    EXPECT_EQ(lidas[1], b);
    EXPECT_EQ(lidas[2], c);
    EXPECT_FALSE(leitor.invalido());
}

TEST(MensagemCanal, HostileInputMarksTheConnectionBad)
{
    const auto ler = [](const QByteArray& bytes) {
        LeitorCanal leitor;
        leitor.acrescentar(bytes);
        const auto m = leitor.proxima();
        return std::make_pair(m.has_value(), leitor.invalido());
    };
    // Unknown kind.
    EXPECT_EQ(ler(QByteArray("X\0\0\0\1a", 6)), std::make_pair(false, true));
    // A length past the limit is refused before anything is allocated for it.
    EXPECT_EQ(ler(QByteArray("C\xff\xff\xff\xff", 5)), std::make_pair(false, true));
    // A short frame only waits for more.
    EXPECT_EQ(ler(QByteArray("C\0\0\0\4ab", 7)), std::make_pair(false, false));

    LeitorCanal inundado;
    const QByteArray bloco(kMaxPendenteCanal / 2 + 1, 'C');
    inundado.acrescentar(bloco);
    inundado.acrescentar(bloco);
    EXPECT_TRUE(inundado.invalido());
    EXPECT_FALSE(inundado.proxima().has_value());

    const QString longo(kMaxTextoCanal + 1, QLatin1Char('x'));
    EXPECT_TRUE(codificarMensagem({MensagemCanal::Tipo::Comando, longo}).isEmpty());
}

}  // namespace
