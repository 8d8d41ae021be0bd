#include "host/ui/estiloprograma.h"

#include "platform/ui/pngimage.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QStyleOption>

namespace tarvelo {
namespace {

// The same images Qt's common style gives these arrows, in the sizes it has them.
QIcon iconeDasImagens(const char* nome, std::initializer_list<int> tamanhos)
{
    QIcon icone;
    for (const int tamanho : tamanhos) {
        const QImage imagem = readPngImage(QStringLiteral(":/qt-project.org/styles/commonstyle/images/%1-%2.png")
                                               .arg(QLatin1String(nome))
                                               .arg(tamanho));
        if (!imagem.isNull())
            icone.addPixmap(QPixmap::fromImage(imagem));
    }
    return icone;
}

}  // namespace

QIcon EstiloPrograma::standardIcon(StandardPixmap padrao, const QStyleOption* opcao, const QWidget* widget) const
{
    if (padrao == SP_ToolBarHorizontalExtensionButton) {
        const bool rtl = (opcao ? opcao->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
        const QIcon icone = iconeDasImagens(rtl ? "toolbar-ext-h-rtl" : "toolbar-ext-h", {8, 16, 32});
        if (!icone.isNull())
            return icone;
    } else if (padrao == SP_ToolBarVerticalExtensionButton) {
        const QIcon icone = iconeDasImagens("toolbar-ext-v", {5, 10, 20});
        if (!icone.isNull())
            return icone;
    }
    return QProxyStyle::standardIcon(padrao, opcao, widget);
}

}  // namespace tarvelo
