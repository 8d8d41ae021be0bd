#include "janelasfalsas.h"

#include "host/agenda.h"
#include "platform/desktopentry.h"
#include "platform/localeinfo.h"
#include "platform/registry.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelo;
using namespace tarvelo::teste;

namespace {

class Utilidades : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pasta.isValid());
        copia.host->Form_Load();
    }

    void ajustarRelogio(QTime hora) { copia.relogio->agora.setTime(hora); }
    const MensagensFalsas::Vista& ultima() const { return copia.mensagens->vistas.back(); }
    void armarAlarme(int indice, const QString& hora, const QString& motivo)
    {
        copia.entrada->respostas = {hora, motivo};
        copia.host->mnuAlarme_Click(indice);
    }

    QTemporaryDir pasta;
    Registry registro{pasta.filePath(QStringLiteral("registry"))};
    ScopedRegistry registroDoTeste{registro};
    ScopedLocale locale{LocaleInfo::brazil()};
    ScopedGlobais globaisDoProcesso;
    Copia copia{pasta.path(), QStringLiteral("systray")};
};

TEST(Agenda, ClockWindowsCountWholeSecondsRoundTheDay)
{
    const struct {
        QTime hora, agora;
        bool vence, perto;
    } casos[] = {
        {QTime(14, 30), QTime(14, 30), false, true},
        {QTime(14, 30), QTime(14, 30, 1), true, true},
        {QTime(14, 30), QTime(14, 30, 4), true, true},
        {QTime(14, 30), QTime(14, 30, 5), false, false},
        {QTime(14, 30), QTime(14, 29, 41), false, true},
        {QTime(14, 30), QTime(14, 29, 40), false, false},
        {QTime(23, 59, 59), QTime(0, 0, 1), true, true},
        {QTime(0, 0, 5), QTime(23, 59, 50), false, true},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(AlarmeVence(c.hora, c.agora), c.vence) << c.hora.toString().toStdString() << " at "
                                                         << c.agora.toString().toStdString();
        EXPECT_EQ(DesligarPerto(c.hora, c.agora), c.perto) << c.hora.toString().toStdString() << " at "
                                                           << c.agora.toString().toStdString();
    }
    ScopedLocale brasil{LocaleInfo::brazil()};
    EXPECT_EQ(LerHoraAgendada(QStringLiteral("14:30")).hora, QTime(14, 30));
    EXPECT_TRUE(LerHoraAgendada(QStringLiteral("05/03/2025 14:30")).valida);
    EXPECT_FALSE(LerHoraAgendada(QStringLiteral("05/03/2025 14:30")).hora);
    EXPECT_FALSE(LerHoraAgendada(QStringLiteral("reuniao")).valida);
    EXPECT_FALSE(LerHoraAgendada(QString()).valida);
}

TEST_F(Utilidades, AnAlarmFiresOnceWithItsReasonWhileTheClockKeepsTicking)
{
    armarAlarme(0, QStringLiteral("14:30:00"), QStringLiteral("reuniao"));
    QAction* alarme = copia.host->mnuAlarme(0);
    ASSERT_TRUE(alarme->isChecked());
    EXPECT_EQ(alarme->text(), QStringLiteral("Tocar Alarme às 14:30:00 hs."));
    EXPECT_EQ(copia.host->AlarmesNoMenu(), 2);
    EXPECT_TRUE(copia.mensagens->vistas.empty());

    ajustarRelogio(QTime(14, 30, 0));
    copia.host->tmrTempo_Timer();
    EXPECT_TRUE(copia.mensagens->vistas.empty());

    // The clock and the tray tick inside the open message.
    int ticksDentro = 0;
    copia.mensagens->enquantoAberta = [&] {
        for (int i = 0; i < 3; ++i) {
            copia.host->tmrTempo_Timer();
            copia.host->tmrTray_Timer();
            ++ticksDentro;
        }
    };
    ajustarRelogio(QTime(14, 30, 1));
    copia.host->tmrTempo_Timer();
    ajustarRelogio(QTime(14, 30, 2));
    copia.host->tmrTempo_Timer();

    ASSERT_EQ(copia.mensagens->vistas.size(), 1u);
    EXPECT_EQ(ultima().texto, QStringLiteral("Horário Agendado para Alarme:\r\n14:30:00 hs.\r\n\r\nREUNIAO"));
    EXPECT_EQ(ultima().flags, mb::Information);
    EXPECT_EQ(ticksDentro, 3);
    EXPECT_FALSE(alarme->isChecked());
    EXPECT_EQ(alarme->text(), QStringLiteral("Agendar Horário para Alarme"));
    EXPECT_TRUE(copia.host->Piscando());
}

TEST_F(Utilidades, ArmedAlarmsBeepOnEveryTrayTickWhileAMessageIsOpen)
{
    armarAlarme(0, QStringLiteral("14:30:00"), QStringLiteral("a"));
    armarAlarme(1, QStringLiteral("15:00:00"), QStringLiteral("b"));
    armarAlarme(2, QStringLiteral("16:00:00"), QStringLiteral("c"));
    ASSERT_EQ(copia.host->AlarmesNoMenu(), 4);

    copia.mensagens->enquantoAberta = [&] { copia.host->tmrTray_Timer(); };
    ajustarRelogio(QTime(14, 30, 1));
    copia.host->tmrTempo_Timer();
    // The due alarm is still armed while its message is open, so three beeps per tick.
    EXPECT_EQ(copia.beeps, 3);

    // Without a message open the tray tick only blinks.
    copia.host->tmrTray_Timer();
    EXPECT_EQ(copia.beeps, 3);
}

TEST_F(Utilidades, ATimeLongPassedFallsDueTheNextDayAndRefusalsLeaveTheItemFree)
{
    armarAlarme(0, QStringLiteral("14:00:00"), QStringLiteral("ontem"));
    copia.host->tmrTempo_Timer();
    EXPECT_TRUE(copia.mensagens->vistas.empty());
    copia.relogio->agora = QDateTime(QDate(2025, 3, 6), QTime(14, 0, 2));
    copia.host->tmrTempo_Timer();
    EXPECT_EQ(copia.mensagens->vistas.size(), 1u);

    const struct {
        QStringList respostas;
    } recusas[] = {{{}}, {{QStringLiteral("hora nenhuma")}}, {{QStringLiteral("10:00"), QString()}}};
    for (const auto& r : recusas) {
        copia.mensagens->vistas.clear();
        copia.entrada->respostas.assign(r.respostas.begin(), r.respostas.end());
        copia.host->mnuAlarme_Click(0);
        ASSERT_EQ(copia.mensagens->vistas.size(), 1u) << r.respostas.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(ultima().texto, QStringLiteral("Agendamento Cancelado"));
        EXPECT_EQ(ultima().flags, mb::Critical);
        EXPECT_FALSE(copia.host->mnuAlarme(0)->isChecked());
    }
}

TEST_F(Utilidades, DisarmingAndRearmingReusesTheItem)
{
    armarAlarme(0, QStringLiteral("14:30"), QStringLiteral("x"));
    copia.host->mnuAlarme_Click(0);
    EXPECT_FALSE(copia.host->mnuAlarme(0)->isChecked());
    EXPECT_EQ(ultima().texto, QStringLiteral("Agendamento Cancelado"));
    armarAlarme(0, QStringLiteral("14:30"), QStringLiteral("x"));
    EXPECT_TRUE(copia.host->mnuAlarme(0)->isChecked());
    EXPECT_EQ(copia.host->AlarmesNoMenu(), 2);
}

TEST_F(Utilidades, PowerOffAfterTheCountdownAsksOnceAndEndsTheProgram)
{
    copia.entrada->respostas = {QStringLiteral("14:03:37")};
    copia.mensagens->depois = mb::Yes;
    copia.host->mnuDesligar_Click();
    ASSERT_TRUE(copia.host->mnuDesligar()->isChecked());
    EXPECT_EQ(ultima().texto, QStringLiteral("Deseja realmente desligar o computador às 14:03:37 hs. ?"));
    EXPECT_EQ(copia.host->mnuDesligar()->text(), QStringLiteral("Desligar o Computador às 14:03:37 hs."));

    // Ten seconds ahead is inside the warning: beeps and blinking start at once.
    copia.host->tmrTempo_Timer();
    copia.host->tmrTray_Timer();
    EXPECT_EQ(copia.beeps, 1);
    EXPECT_TRUE(copia.host->Piscando());
    EXPECT_EQ(copia.energia->pedidos, 0);

    for (int segundo = 28; segundo <= 40; ++segundo) {
        ajustarRelogio(QTime(14, 3, segundo));
        copia.host->tmrTempo_Timer();
        copia.host->tmrTray_Timer();
    }
    EXPECT_EQ(copia.energia->pedidos, 1);
    EXPECT_EQ(copia.descarregamentos, 1);
}

TEST_F(Utilidades, PowerOffCancelledAtTheQuestionArmsNothing)
{
    copia.entrada->respostas = {QStringLiteral("14:03:37")};
    copia.mensagens->depois = mb::No;
    copia.host->mnuDesligar_Click();
    EXPECT_FALSE(copia.host->mnuDesligar()->isChecked());
    ajustarRelogio(QTime(14, 3, 38));
    copia.host->tmrTempo_Timer();
    copia.host->tmrTray_Timer();
    EXPECT_EQ(copia.energia->pedidos, 0);
    EXPECT_EQ(copia.beeps, 0);
}

TEST_F(Utilidades, TheShortcutWritesAValidMenuEntryForTheProgram)
{
    copia.host->mnuAtalho_Click();
    QProcessEnvironment ambiente;
    ambiente.insert(QStringLiteral("TARVELO_HOME"), pasta.path());
    const MenuEntry entrada(ambiente);
    ASSERT_TRUE(entrada.exists());
    QFile arquivo(entrada.path());
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    const QString texto = QString::fromUtf8(arquivo.readAll());
    EXPECT_TRUE(texto.contains(QStringLiteral("\nExec=\"/opt/Tarvelo 9/tarvelo\" %f\n"))) << texto.toStdString();
    EXPECT_TRUE(texto.contains(QStringLiteral("\nMimeType=text/x-ms-regedit;\n"))) << "the backups open with it";
    EXPECT_TRUE(QFile::exists(entrada.iconPath()));

    const QString validador = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validador.isEmpty()) {
        QProcess processo;
        processo.start(validador, {entrada.path()});
        ASSERT_TRUE(processo.waitForFinished(10000));
        EXPECT_EQ(processo.exitCode(), 0) << processo.readAllStandardOutput().toStdString();
    }
    EXPECT_TRUE(entrada.remove());
    EXPECT_FALSE(entrada.exists());
    EXPECT_FALSE(QFile::exists(entrada.iconPath()));
    EXPECT_TRUE(copia.mensagens->vistas.empty());

    // A folder where the entry should go cannot be written: the user hears of it.
    ASSERT_TRUE(QDir().mkpath(entrada.path()));
    copia.host->mnuAtalho_Click();
    ASSERT_EQ(copia.mensagens->vistas.size(), 1u);
    EXPECT_TRUE(ultima().texto.contains(entrada.path())) << ultima().texto.toStdString();
    EXPECT_EQ(ultima().flags, mb::Critical);
}

}  // namespace
