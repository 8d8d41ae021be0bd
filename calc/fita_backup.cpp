// Clearing the tape with its backup, showing the backup, saving the tape as a file.

#include "calc/fita_backup.h"

#include "calc/fita_edicao.h"
#include "calc/frmcalcula.h"
#include "calc/linhafita.h"

#include "host/globais.h"
#include "host/preferencias.h"
#include "host/texto.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/fileio.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/settings.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFileInfo>

namespace tarvelo {

namespace {

QString pastaSemBarra()
{
    QString pasta = globais().gPastaApp;
    if (pasta.size() > 1 && pasta.endsWith(QLatin1Char('/')))
        pasta.chop(1);
    return pasta;
}

}  // namespace

QString BlocoBackup(QStringView fita, QTime hora, const LocaleInfo& locale)
{
    const QString linhaEmBranco = globais().gCrLf2;
    QString bloco = fita.toString();
    bloco += kSeparador;
    bloco += linhaEmBranco;
    bloco += QStringLiteral("        BKP = ") + formatTime(hora, u"hh:mm:ss", locale) + QStringLiteral(" hs.");
    bloco += linhaEmBranco;
    bloco += kSeparador;
    bloco += kQuebra;
    return bloco;
}

QString ArquivoBackup()
{
    return globais().gPastaApp + QStringLiteral("calcula.txt");
}

// ---- the form's commands ------------------------------------------------------------

bool frmCalcula::backupAoLimpar()
{
    // The new tape is written locked, as every tape starts.
    terminarEdicao(*this);
    if (!mnuBackup.Checked() || txtFita.length() <= kMenorFitaComBackup)
        return true;
    const QString caminho = ArquivoBackup();
    const QString bloco = BlocoBackup(txtFita.Text(), servicos_.relogio.now().time());
    if (const FileResult anexado = appendText(caminho, bloco); !anexado) {
        // The tape is now the only copy of these calculations: it stays until a clear
        // manages to back it up. At load only the calculation starts anew.
        avisarGravacao(caminho, anexado.error, fTexto(172, QDir::toNativeSeparators(caminho)));
        if (!Visible)
            LimpaTudo();
        return false;
    }
    avisos_.gravou(caminho);
    if (Visible && QFileInfo(caminho).size() >= kBackupGrande) {
        servicos_.mensagens.show(fTexto(173), mb::Exclamation);
        mnuMostraBack_Click();
        chkCE.setValue(false);
    }
    return true;
}

void frmCalcula::mnuBackup_Click()
{
    mnuBackup.setChecked(!mnuBackup.Checked());
}

void frmCalcula::mnuMostraBack_Click()
{
    silenciarNota();
    const QString caminho = ArquivoBackup();
    if (!QFileInfo::exists(caminho)) {
        servicos_.mensagens.show(fTexto(171), mb::Information);
        return;
    }
    abrirNoDesktop(caminho, fTexto(172, QDir::toNativeSeparators(caminho)), mb::Critical);
}

void frmCalcula::mnuSalvar_Click()
{
    silenciarNota();
    SettingsStore& configuracoes = servicos_.configuracoes;
    FileDialogRequest pedido;
    pedido.fileName = lerPreferencia(configuracoes, pref::UltimoArq);
    pedido.initDir = textoPreferencia(configuracoes, pref::UltimoPath, pastaSemBarra());
    pedido.hideReadOnly = true;
    pedido.filter = (globais().gIdioma == 2 ? QStringLiteral("Text Document") : QStringLiteral("Documento Texto"))
                    + QStringLiteral(" (*.txt)|*.txt");
    pedido.filterIndex = 1;
    pedido.title = QLatin1Char(' ') + fTexto(208);
    pedido.defaultExt = QStringLiteral("*.txt");
    pedido.flags = fd::OverwritePrompt | fd::PathMustExist;
    pedido.openDialog = false;
    if (!servicos_.arquivos.ShowFileDialog(pedido) || pedido.fileName.isEmpty())
        return;

    // Whatever the file held is replaced: it is a new file, in the encoding of new files.
    const QByteArray texto = encodeText(txtFita.Text() + kQuebra, TextEncoding::Utf8);
    if (!writeFileAtomically(pedido.fileName, texto, FileAccess::User)) {
        servicos_.mensagens.show(fTexto(30), mb::Critical);
        return;
    }
    QString pasta = pedido.fileName.left(std::max<qsizetype>(0, pedido.fileName.size() - pedido.fileTitle.size()));
    if (pedido.fileTitle.isEmpty() || !pedido.fileName.endsWith(pedido.fileTitle))
        pasta = QFileInfo(pedido.fileName).path() + QLatin1Char('/');
    salvarPreferencias(configuracoes, {valorPreferencia(pref::UltimoArq, pedido.fileName),
                                       valorPreferencia(pref::UltimoPath, pasta)});
}

}  // namespace tarvelo
