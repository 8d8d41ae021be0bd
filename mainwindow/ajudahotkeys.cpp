#include "mainwindow/ajudahotkeys.h"

#include <QStringList>

namespace tarvelo {

QString textoAjudaHotKeys(int idioma, const QString& quebraDupla)
{
    static const QStringList portugues = {
        QStringLiteral("Agora é possível utilizar a calculadora minimizada (na barra de tarefas) ou em segundo "
                       "plano (sem estar com o foco), para isto basta usar as HOTKEYS (Teclas de Atalho)."),
        QStringLiteral("Para usar as HotKeys, pressione a tecla CTRL e mantendo-a pressionada, use o teclado "
                       "numérico para digitar os valores ou as operações."),
        QStringLiteral("Outras HotKeys:"),
        QStringLiteral("CTRL+DELETE = Limpar o visor ou a fita"),
        QStringLiteral("CTRL+BACKSPACE = Limpar último número digitado"),
        QStringLiteral("CTRL+ALT+ENTER = Negativar número digitado"),
        QStringLiteral("CTRL+INSERT = Colar na calculadora valor copiado ou selecionado de outros documentos. Ex.: "
                       "Minimize a calculadora, selecione um número em um documento qualquer e aperte CTRL+INSERT "
                       "e ele será copiado e inserido na calculadora automaticamente."),
        QStringLiteral("CTRL+ENTER = Resultado do cálculo."),
        QStringLiteral("CTRL+SPACE = Minimizar ou restaurar a calculadora"),
        QStringLiteral("DICA: Use o atalho CTRL+V para colar o resultado dos cálculos em seus documentos."),
    };
    static const QStringList espanhol = {
        QStringLiteral("Ahora es posible utilizar la calculadora cuando está minimizada (en la barra de tareas), "
                       "trabajando en segundo plano sin aparecer en la pantalla. Para ello es necesario usar las "
                       "'Teclas personalizadas' o 'Atajos' (Hotkeys)."),
        QStringLiteral("Para utilizar los 'Atajos' basta mantener presionada la tecla Ctrl y usar el teclado "
                       "numérico para introducir los números y las operaciones."),
        QStringLiteral("Guía de otros Atajos (Hotkeys):"),
        QStringLiteral("Ctrl+Supr = Borra el visor y luego la cinta;"),
        QStringLiteral("Ctrl+Retroceso = Borra el último número introducido;"),
        QStringLiteral("Ctrl+Alt+Enter = Cambia de signo (+/-) el último número marcado;"),
        QStringLiteral("Ctrl+Insert = Pega en la calculadora el valor copiado o seleccionado en otros documentos;"),
        QStringLiteral("Ctrl+Enter = Resultado de la operación;"),
        QStringLiteral("Ctrl + Space = Minimizar/Restaurar la Calculadora;"),
        QStringLiteral("CONSEJO: Utiliza Ctrl+V para pegar el resultado en otros documentos."),
    };
    static const QStringList ingles = {
        QStringLiteral("Now it's possible to use the calculator minimized or without focus, because now has "
                       "HOTKEYS in this Calculator."),
        QStringLiteral("How To use the HotKeys: Hold CTRL and press any number or operator in numeric keyboard."),
        QStringLiteral("Others HotKeys:"),
        QStringLiteral("CTRL+DELETE = Clear visor or clear tape"),
        QStringLiteral("CTRL+BACKSPACE = Clear the last number typed"),
        QStringLiteral("CTRL+ALT+ENTER = Make negative the number typed"),
        QStringLiteral("CTRL+INSERT = Copy selected number from another document and past in calculator"),
        QStringLiteral("CTRL+ENTER = Result of calculation"),
        QStringLiteral("CTRL+SPACE = minimize or restore the calculator"),
        QStringLiteral("TIP: Press 'Ctrl+V' to paste the result of calculation in another document!"),
    };
    const QStringList& paragrafos = idioma == 1 ? portugues : idioma == 3 ? espanhol : ingles;
    return paragrafos.join(quebraDupla);
}

}  // namespace tarvelo
