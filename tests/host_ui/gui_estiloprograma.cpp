#include "host/ui/estiloprograma.h"

#include <QStyleOption>
#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// The arrows the program decodes itself are the ones the desktop's style would have given,
// size for size and pixel for pixel, in either writing direction.
TEST(EstiloPrograma, ExtensionArrowsAreTheDesktopStylesOwn)
{
    EstiloPrograma estilo;
    const QStyle* desktop = estilo.baseStyle();
    for (const auto padrao : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        for (const auto direcao : {Qt::LeftToRight, Qt::RightToLeft}) {
            SCOPED_TRACE(testing::Message() << padrao << " " << direcao);
            QStyleOption opcao;
            opcao.direction = direcao;
            const QIcon nosso = estilo.standardIcon(padrao, &opcao);
            const QIcon deles = desktop->standardIcon(padrao, &opcao);
            ASSERT_FALSE(deles.availableSizes().isEmpty());
            EXPECT_EQ(nosso.availableSizes(), deles.availableSizes());
            for (const QSize& tamanho : deles.availableSizes())
                EXPECT_EQ(nosso.pixmap(tamanho).toImage().convertToFormat(QImage::Format_ARGB32),
                          deles.pixmap(tamanho).toImage().convertToFormat(QImage::Format_ARGB32));
        }
    }
    // Every other standard icon is the desktop style's.
    EXPECT_EQ(estilo.standardIcon(QStyle::SP_MessageBoxWarning).availableSizes(),
              desktop->standardIcon(QStyle::SP_MessageBoxWarning).availableSizes());
}

}  // namespace
