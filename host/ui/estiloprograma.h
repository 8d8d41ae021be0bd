#pragma once

#include <QProxyStyle>

namespace tarvelo {

// The program's style: the desktop's, save that the menu bar's extension arrow, which every
// menu bar asks for when it is built, is decoded without Qt's image-format plugins. Through
// Qt's image reader that one arrow would load every such plugin at each start.
class EstiloPrograma final : public QProxyStyle {
    Q_OBJECT

public:
    QIcon standardIcon(StandardPixmap padrao, const QStyleOption* opcao = nullptr,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace tarvelo
