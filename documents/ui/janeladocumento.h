#pragma once

#include "documents/documento.h"
#include "documents/editorleiaute.h"
#include "documents/modelos.h"
#include "host/preferencias.h"
#include "host/ui/ativacao.h"
#include "host/ui/janelas.h"

#include <QDialog>
#include <QImage>
#include <QMap>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPicture;
class QPlainTextEdit;

namespace tarvelo {

class XPButton;

// The frame both document windows share: the hand-over, activation (topmost, focus, the
// amount in words over two lines), closing when another window of the program becomes
// active, Enter to the next field, Esc, F1, the tool bar anchored to the bottom, the
// close question about an unsaved layout, the layout models, the layout editor with its
// rubber band, and printing the window's image.
//
// A document window is modal without owner; it registers itself under its name so that
// the host's shut-down can unload it, and it loads in its constructor with the hand-over
// present, so nothing has to be set on it in a particular order.
class JanelaDocumento : public QDialog, public Janela {
    Q_OBJECT

public:
    ~JanelaDocumento() override;

    // Shows the window modally (above every other window when Conf/"Visivel" says so) and
    // returns once it has closed.
    void Mostrar();

    bool Carregada() const override { return !descarregada_; }
    void Unload() override;

    // The window's own text property: the amount in words in parentheses.
    const QString& Tag() const { return tag_; }
    Documento documento() const { return documento_; }

    // ---- controls, by their names -------------------------------------------------------
    // A field by name ("txtValor", "txtMês"); every printable field is a line edit except
    // the cheque's two-line reserve field.
    QWidget* campo(const QString& nome) const { return campos_.value(nome); }
    QLineEdit* txt(const QString& nome) const;
    QString texto(const QString& nome) const;
    void definirTexto(const QString& nome, const QString& texto);
    QStringList nomesCampos() const { return ordemCampos_; }

    XPButton* cmdConf = nullptr;
    XPButton* cmdImprimir = nullptr;
    XPButton* cmdSalvar = nullptr;
    XPButton* cmdHelp = nullptr;
    QComboBox* cbModelo = nullptr;
    QLabel* lblCopias = nullptr;
    QComboBox* lstCopias = nullptr;
    QCheckBox* chkNegrito = nullptr;
    QCheckBox* Check2 = nullptr;
    QLabel* lblLocal = nullptr;

    // ---- event handlers -------------------------------------------------------------------
    void Form_Activate();
    void Form_Resize();
    void Form_Unload();
    void cmdHelp_Click();
    void cmdConf_Click();
    void cbModelo_Click();
    void cmdSalvar_Click();
    void chkNegrito_Click();
    void Check2_Click();
    void cmdImprimir_Click();
    void LimpaSelecao();

    // The unsaved flag of the layout.
    bool alterado() const;
    bool selecionado(const QString& campo) const;

    // Sizes in twips as the settings keep them: the client area plus one nominal frame,
    // so the values do not depend on the window manager. A stored size the window was
    // made smaller from to fit its screen stays what it was while the user leaves the
    // window at the size it opened with.
    QSize tamanhoTwips() const;

    // The window's image as printing puts it on paper (the tools hidden first).
    QPicture imagemDaJanela();

protected:
    JanelaDocumento(Documento documento, const QString& nome, const ServicosDocumento& servicos,
                    const Entrega& entrega, RegistroJanelas* janelas);

    // The gap between tools side by side.
    static constexpr int kFolga = 4;

    // What each document adds to the frame.
    struct Ferramenta {
        QWidget* controle;
        int k;     // its top is the window's outer height minus k
        int left;  // as designed
    };
    virtual QList<Ferramenta> ferramentas() const = 0;
    virtual QString primeiroCampo() const = 0;
    virtual int limiteExtenso() const = 0;
    virtual QString textoAjuda() const = 0;
    virtual bool enterAvanca() const { return true; }
    virtual void aposAtivar() {}
    virtual void aposCarregarModelo(const std::optional<bool>& ano) {}
    virtual void aposMoverCampos() {}
    virtual void aoFechar() {}
    // Rows of fields that keep one Top, first field first.
    virtual QList<QStringList> linhas() const = 0;
    // The fields and rows the rubber band tests, in order (a row is a list of two or more).
    virtual QList<QStringList> ordemBanda() const = 0;
    // Printing: the tools to hide in order, the fields written in capitals, the settings
    // kept for the next document, and any step of the document's own.
    virtual QList<QWidget*> ferramentasImpressao() const = 0;
    virtual QStringList camposMaiusculos() const = 0;
    virtual QList<ValorPreferencia> textosGuardados() const = 0;
    virtual bool antesDeImprimir() { return true; }
    virtual bool anoDoModelo() const { return false; }
    virtual void gravarExtrasDoModelo() {}

    // Building the window.
    QLineEdit* criarCampo(const QString& nome, const QString& dica, Qt::Alignment alinhamento, bool digitavel);
    QPlainTextEdit* criarCampoMultilinha(const QString& nome, const QString& dica, int altura);
    void criarFerramentas(const QString& legendaAjuste);
    // Tab order as the designed indexes give it (lowest first).
    void ordenarTab(const QList<QWidget*>& ordem);
    // The common load steps: size, model names, model 1, one copy.
    void carregarComum();
    void aplicarPonteiroMao(const QList<QWidget*>& controles);
    void definirFundo(const QImage& imagem) { fundo_ = imagem; }

    // The document's own settings: size, bold fields.
    const PreferenciaNumero& preferenciaAltura() const;
    const PreferenciaNumero& preferenciaLargura() const;
    const PreferenciaTexto& preferenciaNegrito() const;
    void carregarNegrito();
    ValorPreferencia valorNegrito() const;

    ServicosDocumento servicos_;
    Entrega entrega_;

    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void keyReleaseEvent(QKeyEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

public:
    void done(int resultado) override;

private:
    // Opens on the screen of the window the user works in (else the one under the pointer),
    // whole inside what the desktop leaves free there and never below the design size.
    void caberNaTela();
    void registrarCampo(QWidget* campo, QWidget* superficie, const QString& nome, const QString& dica, int altura);
    bool sempreVisivel() const;
    bool teclaPressionada(QKeyEvent* evento);
    void campoMouseMove(const QString& nome, QWidget* receptor, QMouseEvent* evento);
    void moverCampos(const PassoEditor& passo, const QString& nome);
    void alinharLinha(const QString& nome);
    void definirSelecao(const QString& campo, bool sim);
    int modeloAtual() const;
    Leiaute leiauteAtual() const;
    void aplicarLeiaute(const Leiaute& leiaute);
    bool imprimir();

    Documento documento_;
    QString nome_;
    RegistroJanelas* janelas_;
    QString tag_;
    QMap<QString, QWidget*> campos_;
    QStringList ordemCampos_;
    QImage fundo_;

    EstadoEditor editor_;
    bool bandaVisivel_ = false;
    QPoint inicioBanda_;
    QRect banda_;

    // The window that waits modally for this one (an interest plan printing its notes) is
    // the activation's opener: its activation is not another window's, and it gets the
    // focus back.
    AtivacaoJanela* ativacao_ = nullptr;
    // The stored size, and the smaller one the window took to fit its screen.
    QSize tamanhoGuardado_;
    QSize tamanhoNaTela_;
    bool descarregada_ = false;
    bool carregando_ = true;
};

}  // namespace tarvelo
