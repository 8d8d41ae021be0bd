#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace tarvelo {

// A window the host may have to unload at shut-down. Each window of the program has one
// instance for the life of the process; "loaded" means its widgets exist. Unload runs the
// window's own close handling (saving what it saves) exactly as a close by the user does.
class Janela {
public:
    virtual ~Janela() = default;
    virtual bool Carregada() const = 0;
    virtual void Unload() = 0;
};

// What the host needs of the calculator window. Show loads the window when it is not
// loaded (after a close into the tray that is a fresh load) and shows it modeless;
// Ativar restores it from minimised, raises it and gives it the keyboard focus directly,
// without synthesising any keystroke into whatever program has the focus. AbrirArquivo
// opens a file handed to the program (a backup of the document models).
class JanelaCalculadora : public Janela {
public:
    virtual void Show() = 0;
    virtual void Ativar() = 0;
    virtual bool Visivel() const = 0;
    virtual void mnuTempo_Click() = 0;
    virtual void mnuJuro_Click() = 0;
    virtual void mnuPeso_Click() = 0;
    virtual void mnuData_Click() = 0;
    virtual void AbrirArquivo(const QString& caminho) = 0;
};

// The windows of the program by name ("frmCalcula", "frmJuro", ...). Windows register
// themselves when they are created and remove themselves before they are destroyed; the
// registry owns nothing. Reaching a window through here keeps the host free of any
// include of the window libraries.
class RegistroJanelas {
public:
    void registrar(const QString& nome, Janela* janela);
    // Removes the entry only while it still names this window.
    void remover(const QString& nome, const Janela* janela);

    Janela* janela(const QString& nome) const;
    JanelaCalculadora* calculadora() const;  // "frmCalcula", or nullptr

    // Unloads the named window when it is registered and loaded; otherwise nothing.
    void descarregar(const QString& nome);

    // The fixed order of the host's shut-down: the tool and document windows first, the
    // splash, and last the calculator, whose close handling writes the tape state.
    static const QStringList& ordemDeFechamento();

private:
    QHash<QString, Janela*> janelas_;
};

}  // namespace tarvelo
