#pragma once

#include "designpages/paginapropriedades.h"

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace tarvelo {

// Whether the page offers this colour depth (a stored setting reads as any number).
bool offersColourDepth(double depth);

// The "Properties" page: the image size and colour depth, written to the control on
// Apply. A new size re-creates the list and carries the images over through a temporary
// image-list file.
class PpgControl final : public PaginaPropriedades {
    Q_OBJECT
public:
    PpgControl(KeyedImageList& control, ServicosPaginas& servicos, QWidget* parent = nullptr);

    void SelectionChanged() override;
    void ApplyChanges() override;

    QLineEdit* txtIconSize(int index) const { return txtIconSize_[index]; }
    QPushButton* cmdSize(int index) const { return cmdSize_[index]; }
    QComboBox* cboColourDepth() const { return cboColourDepth_; }

private:
    void txtIconSize_Change(int index);
    void cmdSize_Click(int index);
    void cboColourDepth_Click();
    void ResizeKeepingImages(int oldX, int oldY);
    void writeSizes(int x, int y);

    std::array<QLineEdit*, 2> txtIconSize_{};
    std::array<QString, 2> sizeTag_;
    std::array<QPushButton*, 5> cmdSize_{};
    QComboBox* cboColourDepth_ = nullptr;
    QString depthTag_;
    int lastDepthIndex_ = 0;
};

}  // namespace tarvelo
