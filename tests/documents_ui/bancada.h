#pragma once

// A document window's world for tests: its own program folder and settings, a fixed
// clock (05/03/2025), pt-BR, and recording message boxes, input boxes, save dialog and
// printers.

#include "documents/documento.h"
#include "host/globais.h"
#include "platform/localeinfo.h"
#include "platform/registry.h"
#include "platform/settings.h"
#include "support/falsos.h"
#include "support/impressorafalsa.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace tarvelo::teste {

// One mouse move over a widget with the buttons held, as the desktop sends it.
inline void mover(QWidget* alvo, QPoint ponto, Qt::MouseButtons botoes)
{
    QMouseEvent evento(QEvent::MouseMove, ponto, alvo->mapToGlobal(ponto), Qt::NoButton, botoes, Qt::NoModifier);
    QApplication::sendEvent(alvo, &evento);
}

// Drags a field in the layout editor (which must be on) from `de` to `para`, in the
// field's coordinates.
inline void arrastar(QWidget* campo, QPoint de, QPoint para)
{
    mover(campo, de, Qt::NoButton);
    QTest::mousePress(campo, Qt::LeftButton, Qt::NoModifier, de);
    mover(campo, para, Qt::LeftButton);
    QTest::mouseRelease(campo, Qt::LeftButton, Qt::NoModifier, para);
}

class BancadaDocumentos : public ::testing::Test {
protected:
    BancadaDocumentos() : globais_(valoresGlobais(pasta.path())) {}

    static Globais valoresGlobais(const QString& pasta)
    {
        Globais g;
        g.gPastaApp = pasta + QLatin1Char('/');
        return g;
    }

    QString arquivo(const QString& nome) const { return pasta.filePath(nome); }
    void gravar(const QString& nome, const QByteArray& bytes)
    {
        QFile f(arquivo(nome));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray ler(const QString& nome) const
    {
        QFile f(arquivo(nome));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QString setting(const QString& secao, const QString& chave) const
    {
        return configuracoes.GetSetting(secao, chave, QStringLiteral("(missing)"));
    }

    QTemporaryDir pasta;
    ScopedGlobais globais_;
    ScopedLocale locale_{LocaleInfo::brazil()};
    Registry registro{pasta.filePath(QStringLiteral("registry"))};
    SettingsStore configuracoes{registro};
    MensagensFalsas mensagens;
    EntradaFalsa entrada;
    RelogioFalso relogio;
    ImpressoraFalsa impressoras;
    DialogoFalso arquivos;
    ServicosDocumento servicos{mensagens, entrada, relogio, configuracoes, impressoras, arquivos};

    const Entrega cheque{QStringLiteral("***1.234,56 "),
                         QStringLiteral("(UM MIL, DUZENTOS E TRINTA E QUATRO REAIS E CINQUENTA E SEIS CENTAVOS)"), {}};
    const Entrega nota{QStringLiteral("***10,00"), QStringLiteral("(DEZ REAIS)"), QStringLiteral("15/03/2025")};
};

}  // namespace tarvelo::teste
