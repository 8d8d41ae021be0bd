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
// minimises the calculator once the desktop has taken a link.
class AjudaCalcula {
public:
    struct Servicos {
        MessageService& mensagens;
        // The desktop's opener (AbrirExterno): 2 or less is a failure.
        std::function<int(const QString&)> abrir;
        std::function<void()> minimizar;
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

    Servicos s_;
};

}  // namespace tarvelo
