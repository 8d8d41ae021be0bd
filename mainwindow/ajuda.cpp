#include "mainwindow/ajuda.h"

#include "host/globais.h"
#include "host/texto.h"

namespace tarvelo {
namespace {

const QStringList kDicasPortugues[] = {
    {
        QStringLiteral("NOVIDADE: agora você pode fazer cálculos sem a calculadora na tela, sem sair do programa em "
                       "que está trabalhando, usando as HOTKEYS (teclas de atalho)."),
        QStringLiteral("As HotKeys funcionam mesmo com a calculadora sem o foco ou minimizada."),
        QStringLiteral("Para usá-las, mantenha a tecla CTRL pressionada e digite no teclado numérico; com a "
                       "calculadora minimizada os números aparecem na barra de tarefas."),
        QStringLiteral("Para desligá-las, use o menu Configurações."),
        QStringLiteral("Outras HotKeys:\r\nCtrl+Delete = Limpar a fita\r\nCtrl+Backspace = Apagar o último dígito\r\n"
                       "Ctrl+Alt+Enter = Negativar o número digitado\r\nCtrl+Insert = Colar um valor copiado ou "
                       "apenas selecionado em outro documento\r\nCtrl+Enter = Resultado\r\nCtrl+Espaço = Minimizar "
                       "ou restaurar a calculadora"),
    },
    {
        QStringLiteral("Para arrastar o valor do visor para um campo de outro programa, clique no visor, vá até o "
                       "campo e dê um clique duplo."),
        QStringLiteral("Para calcular taxas, digite o valor principal, \"/\", a porcentagem e \"%\"."),
        QStringLiteral("Deixe o mouse parado sobre cada tecla da calculadora para ver o seu atalho no teclado."),
        QStringLiteral("Para alterar o que foi lançado durante um cálculo:\r\nCtrl+Z = Desfazer último(s) "
                       "lançamento(s)\r\nCtrl+R = Refazer as parcelas que foram desfeitas com o Ctrl+Z"),
        QStringLiteral("Em notebooks, desligue a opção \"NumLock\" sempre ligado para usar as letras como teclado "
                       "numérico (o cedilha passa a funcionar como \"+\")."),
    },
    {
        QStringLiteral("F4 faz o ENTER somar, para lançar muitos valores; F9 volta ao normal."),
        QStringLiteral("F6 abre uma segunda calculadora, cujo resultado vai automaticamente para a primeira."),
        QStringLiteral("F8 entra e sai do cálculo de tempo (horas, minutos e segundos)."),
        QStringLiteral("O menu Utilitários agenda lembretes e o desligamento automático do computador."),
        QStringLiteral("F2 entra e sai da edição da fita."),
        QStringLiteral("O Monitor da Área de Transferência (menu Configurações) traz para a calculadora os valores "
                       "copiados em outros documentos."),
    },
};

const QStringList kDicasEspanhol[] = {
    {
        QStringLiteral("NOVEDAD: ahora puede hacer cálculos sin la calculadora en la pantalla y sin salir del "
                       "programa en que trabaja, usando los 'Atajos' (Hotkeys)."),
        QStringLiteral("Los Atajos funcionan aunque la calculadora no tenga el foco o esté minimizada."),
        QStringLiteral("Para usarlos, mantenga presionada la tecla Ctrl y escriba en el teclado numérico; con la "
                       "calculadora minimizada los números aparecen en la barra de tareas."),
        QStringLiteral("Otros Atajos:\r\nCtrl+Supr = Borra la cinta\r\nCtrl+Retroceso = Borra el último dígito\r\n"
                       "Ctrl+Alt+Enter = Cambia de signo el número marcado\r\nCtrl+Insert = Pega un valor copiado o "
                       "solo seleccionado en otro documento\r\nCtrl+Enter = Resultado\r\nCtrl+Space = Minimizar o "
                       "restaurar la calculadora"),
    },
    {
        QStringLiteral("Para arrastrar el valor del visor a un campo de otro programa, haga clic en el visor, vaya "
                       "al campo y haga doble clic."),
        QStringLiteral("Para calcular tasas, escriba el valor principal, \"/\", el porcentaje y \"%\"."),
        QStringLiteral("Deje el ratón quieto sobre cada tecla de la calculadora para ver su atajo en el teclado."),
        QStringLiteral("Para cambiar lo que se ha introducido durante un cálculo:\r\nCtrl+Z = Deshacer última(s) "
                       "cantidad(es);\r\nCtrl+R = Rehacer lo que ha desecho con Ctrl+Z."),
        QStringLiteral("En portátiles, desactive la opción \"NumLock\" siempre activado para usar las letras como "
                       "teclado numérico."),
    },
    {
        QStringLiteral("F4 (o clic derecho sobre \"+\") hace que ENTER sume, para introducir muchos valores."),
        QStringLiteral("F6 abre una segunda calculadora, cuyo resultado pasa automáticamente a la primera."),
        QStringLiteral("F8 entra y sale del cálculo de tiempo (horas, minutos y segundos)."),
        QStringLiteral("El menú Utilidades programa recordatorios y el apagado automático del equipo."),
        QStringLiteral("F2 entra y sale de la edición de la cinta."),
        QStringLiteral("El Monitor del Portapapeles (menú Configuración) trae a la calculadora los valores "
                       "copiados en otros documentos."),
    },
};

QString TituloDicas(int idioma)
{
    return idioma == 3 ? QStringLiteral(" INSTRUCCIONES DE USO") : QStringLiteral(" DICAS DE OPERAÇÃO");
}

QString FechoDicas(int idioma)
{
    return idioma == 3 ? QStringLiteral("¿DESEA SEGUIR VIENDO MÁS INSTRUCCIONES?")
                       : QStringLiteral("DESEJA CONTINUAR VENDO AS DICAS?");
}

}  // namespace

QString VersaoPrograma()
{
    const QString versao = QStringLiteral(TARVELO_VERSION);
    return QStringLiteral("9.0.") + versao.section(QLatin1Char('.'), -1);
}

QStringList AjudaCalcula::PaginasDicas(int idioma, const QString& quebraDupla)
{
    if (idioma != 1 && idioma != 3)
        return {};
    QStringList paginas;
    for (const QStringList& itens : idioma == 1 ? kDicasPortugues : kDicasEspanhol)
        paginas << itens.join(quebraDupla) + quebraDupla + FechoDicas(idioma);
    return paginas;
}

void AjudaCalcula::abrirSite()
{
    abrirLink(globais().gIdioma == 1 ? kSitePrograma : kSiteOutrosIdiomas, 8);
}

void AjudaCalcula::abrirLink(const QString& link, int topicoFalha, const QString& argumento)
{
    s_.abrir(link, fTexto(topicoFalha, argumento), mb::Exclamation);
}

void AjudaCalcula::mnuAjuda_Click()
{
    const int idioma = globais().gIdioma;
    const QStringList paginas = PaginasDicas(idioma, globais().gCrLf2);
    for (const QString& pagina : paginas) {
        if (s_.mensagens.show(pagina, mb::Information | mb::YesNo, TituloDicas(idioma)) != mb::Yes)
            return;
    }
    if (paginas.isEmpty() && s_.ajudaHotKeys)
        s_.ajudaHotKeys();
    if (s_.mensagens.show(fTexto(7), mb::Information | mb::YesNo) == mb::Yes)
        abrirSite();
}

void AjudaCalcula::mnuCalc_Click()
{
    if (s_.mensagens.show(fTexto(10), mb::Information | mb::YesNo, QStringLiteral(" Tarvelo  -  ") + VersaoPrograma()) ==
        mb::Yes)
        abrirSite();
}

void AjudaCalcula::mnuEmail_Click()
{
    abrirLink(QStringLiteral("mailto:") + kEmailSuporte + QStringLiteral("?subject=Tarvelo%20") + VersaoPrograma(), 13,
              kEmailSuporte);
}

}  // namespace tarvelo
