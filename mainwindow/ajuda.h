#pragma once

#include "platform/messagebox.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace tarvelo {

// The program's addresses on the internet.
inline const QString kSitePrograma = QStringLiteral("https://www.tarvelo.com.br/");
inline const QString kSiteOutrosIdiomas = QStringLiteral("https://www.tarvelo.com.br/en/");
inline const QString kEmailSuporte = QStringLiteral("suporte@tarvelo.com.br");

// "9.0." and the revision: the last part of the program's version.
QString VersaoPrograma();

// The help menu's commands: operating tips, the about box and the mail to support. Each
// link makes the calculator make way for it once the desktop's opener has started.
class AjudaCalcula {
public:
    struct Servicos {
        MessageService& mensagens;
        // The window's opener (`AbrirExterno`): it makes way for the target, or tells
        // `falha` with `icone` when nothing could open it.
        std::function<void(const QString& alvo, const QString& falha, int icone)> abrir;
        // The hotkey help, for the languages without tip pages.
        std::function<void()> ajudaHotKeys;
    };

    explicit AjudaCalcula(Servicos servicos) : s_(std::move(servicos)) {}

    void mnuAjuda_Click();
    void mnuCalc_Click();
    void mnuEmail_Click();

    // The tip pages of a language (Portuguese and Spanish have them), each a whole message
    // text with its closing question.
    static QStringList PaginasDicas(int idioma, const QString& quebraDupla);

private:
    void abrirSite();
    // A failure is told with the catalogue's topic, its placeholder filled with `argumento`.
    void abrirLink(const QString& link, int topicoFalha, const QString& argumento = {});

    Servicos s_;
};

}  // namespace tarvelo
