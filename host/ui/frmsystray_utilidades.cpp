// The tray's utilities: time alarms, the timed power-off and the application-menu shortcut.

#include "host/agenda.h"
#include "host/avisogravacao.h"
#include "host/texto.h"
#include "host/ui/frmsystray.h"
#include "host/ui/icone.h"
#include "platform/blanks.h"
#include "platform/datetext.h"
#include "platform/desktopentry.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace tarvelo {
namespace {

constexpr QStringView kFormatoHora = u"hh:mm:ss";

}  // namespace

QAction* frmSysTray::adicionarAlarme()
{
    const int indice = AlarmesNoMenu();
    auto* alarme = new QAction(trimBlanks(fTexto(67)), mnuUtil_);
    alarme->setObjectName(QStringLiteral("mnuAlarme(%1)").arg(indice));
    // New items line up under the others, above the power-off.
    mnuUtil_->insertAction(mnuDesligar_, alarme);
    ligarMarcavel(alarme, this, [this, indice] { mnuAlarme_Click(indice); });
    mnuAlarme_.push_back(alarme);
    sHoraAlarme.resize(AlarmesNoMenu());
    sMotivoAlarme.resize(AlarmesNoMenu());
    return alarme;
}

void frmSysTray::recusarAgendamento()
{
    servicos_.mensagens->show(fTexto(38), mb::Critical);
}

void frmSysTray::mnuAlarme_Click(int index)
{
    QAction* alarme = mnuAlarme(index);
    if (!alarme || descarregando_)
        return;
    if (alarme->isChecked()) {
        alarme->setChecked(false);
        alarme->setText(trimBlanks(fTexto(67)));
        recusarAgendamento();
        return;
    }

    const QDateTime agora = servicos_.relogio->now();
    const QString hora = servicos_.entrada->ask(fTexto(66), fTexto(67), formatTime(agora.time(), kFormatoHora));
    QCoreApplication::processEvents();
    const HoraAgendada lida = LerHoraAgendada(hora, currentLocale(), agora.date());
    if (!lida.valida) {
        recusarAgendamento();
        return;
    }
    const QString motivo = servicos_.entrada->ask(fTexto(68), fTexto(67)).toUpper();
    if (motivo.isEmpty()) {
        recusarAgendamento();
        return;
    }
    // The item may have been taken meanwhile: the clock and the channel run inside the
    // input boxes.
    if (descarregando_ || alarme->isChecked())
        return;
    sHoraAlarme[index] = hora;
    sMotivoAlarme[index] = motivo;
    if (index + 1 == AlarmesNoMenu())
        adicionarAlarme();
    alarme->setText(fTexto(45, formatTime(lida.mostrada, kFormatoHora)));
    alarme->setChecked(true);
    tmrTempo.start();
}

void frmSysTray::mnuDesligar_Click()
{
    if (descarregando_)
        return;
    if (mnuDesligar_->isChecked()) {
        mnuDesligar_->setChecked(false);
        mnuDesligar_->setText(trimBlanks(fTexto(70)));
        tmrTempoTag_.clear();
        recusarAgendamento();
        return;
    }

    const QDateTime agora = servicos_.relogio->now();
    const QString hora = servicos_.entrada->ask(fTexto(69), fTexto(70), formatTime(agora.time(), kFormatoHora));
    const HoraAgendada lida = LerHoraAgendada(hora, currentLocale(), agora.date());
    if (!lida.valida) {
        recusarAgendamento();
        return;
    }
    if (servicos_.mensagens->show(fTexto(39, hora), mb::Question | mb::YesNo) != mb::Yes || descarregando_)
        return;
    sHoraDesligar = hora;
    mnuDesligar_->setChecked(true);
    mnuDesligar_->setText(fTexto(80, formatTime(lida.mostrada, kFormatoHora)));
    tmrTempo.start();
}

bool frmSysTray::horaVence(const QString& texto, bool (*janela)(QTime, QTime)) const
{
    const QDateTime agora = servicos_.relogio->now();
    const HoraAgendada lida = LerHoraAgendada(texto, currentLocale(), agora.date());
    // The clock counts whole seconds.
    const QTime segundos = QTime(agora.time().hour(), agora.time().minute(), agora.time().second());
    return lida.hora && janela(*lida.hora, segundos);
}

void frmSysTray::tmrTempo_Timer()
{
    // The clock keeps ticking inside an alarm's message: each due alarm shows its message
    // once, and one that falls due meanwhile waits for the next tick after it.
    if (mostrandoAlarme_ || descarregando_)
        return;
    for (int i = 0; i < AlarmesNoMenu(); ++i) {
        QAction* alarme = mnuAlarme_[static_cast<std::size_t>(i)];
        if (!alarme->isChecked() || !horaVence(sHoraAlarme[i], AlarmeVence))
            continue;
        PiscarIcone();
        tmrTempoTag_ = QStringLiteral("1");
        mostrandoAlarme_ = true;
        const QTime hora = LerHoraAgendada(sHoraAlarme[i]).mostrada;
        servicos_.mensagens->show(fTexto(43, formatTime(hora, kFormatoHora), sMotivoAlarme[i]), mb::Information);
        mostrandoAlarme_ = false;
        tmrTempoTag_.clear();
        alarme->setChecked(false);
        alarme->setText(trimBlanks(fTexto(67)));
        if (descarregando_)
            return;
    }
    if (mnuDesligar_->isChecked() && horaVence(sHoraDesligar, DesligarPerto)) {
        PiscarIcone();
        tmrTempoTag_ = QStringLiteral("1");
    }
}

bool frmSysTray::desligarNoTick()
{
    if (descarregando_ || !mnuDesligar_->isChecked() || tmrTempoTag_ != QLatin1String("1"))
        return false;
    servicos_.beep();
    if (!horaVence(sHoraDesligar, AlarmeVence))
        return false;
    // Other programs are not asked; the program ends whether or not the power-off was
    // granted.
    servicos_.energia->powerOff();
    Unload();
    return true;
}

void frmSysTray::beepsDosAlarmes()
{
    if (tmrTempoTag_ != QLatin1String("1"))
        return;
    for (const QAction* alarme : mnuAlarme_) {
        if (alarme->isChecked())
            servicos_.beep();
    }
}

void frmSysTray::mnuAtalho_Click()
{
    // Made without a word, like the shortcut it stands for; only a failed write is told.
    const MenuEntry entrada(servicos_.ambiente);
    if (const FileResult gravado = entrada.create(servicos_.caminhoExe, iconeProgramaPng()); !gravado.ok())
        servicos_.mensagens->show(AvisoGravacao::textoFalha(entrada.path(), gravado.error), mb::Critical);
}

}  // namespace tarvelo
