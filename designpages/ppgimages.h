#pragma once

#include "designpages/paginapropriedades.h"
#include "platform/drawing.h"

#include <QVariant>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace tarvelo {

// The "Images" page: the control's images in a scrolling strip drawn on the page, the
// selected image's key, adding image files, moving, removing and clearing images, and the
// transparent colour for bitmaps. Unlike the size page it changes the control at once;
// only a typed key waits until CommitKey.
class PpgImages final : public PaginaPropriedades {
    Q_OBJECT
public:
    PpgImages(KeyedImageList& control, ServicosPaginas& servicos, QWidget* parent = nullptr);

    void SelectionChanged() override;
    void ApplyChanges() override;

    int SelectedImage() const { return selectedImage_; }
    const Rect& StripRect() const { return stripRect_; }

    QLineEdit* txtIndex() const { return txtIndex_; }
    QLineEdit* txtKey() const { return txtKey_; }
    std::array<QLineEdit*, 3> txtRGB() const { return txtRGB_; }
    QRadioButton* optTransparentColour(int index) const { return optTransparentColour_[index]; }
    QCheckBox* chkSetKeys() const { return chkSetKeys_; }
    QLabel* lblColor() const { return lblColor_; }
    QScrollBar* hscScroll() const { return hscScroll_; }
    QToolButton* cmdBack() const { return cmdBack_; }
    QToolButton* cmdNext() const { return cmdNext_; }
    QPushButton* cmdAdd() const { return cmdAdd_; }
    QPushButton* cmdRemove() const { return cmdRemove_; }
    QPushButton* cmdMoveDown() const { return cmdMoveDown_; }
    QPushButton* cmdMoveUp() const { return cmdMoveUp_; }
    QPushButton* cmdClear() const { return cmdClear_; }
    QPushButton* cmdPickColour() const { return cmdPickColour_; }

    // "ColourComponent": the number at the start of the text, whole, within 0..255.
    static int ColourComponent(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void buildColourFrame();
    void buildCurrentFrame();
    void buildButtons();
    int neededWidth() const;
    void fitToWidth();
    void DrawStrip();
    void ScrollSelectionIntoView(int direction);
    void CommitKey();
    void ShowTransparentColour();
    ColourRef swatchColour() const;
    void setSwatch(ColourRef colour);

    void cmdAdd_Click();
    void AddAnimatedCursorFrames(const QString& sFile, const QVariant& vKeyAfter, const QString& sKey);
    QString MakeUniqueKey(const QString& sBase, int& n);
    qint32 transparentColour() const;
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdMoveUp_Click();
    void cmdMoveDown_Click();
    void cmdRemove_Click();
    void cmdClear_Click();
    void txtKey_Change();
    void txtRGB_Change();
    void optTransparentColour_Click();
    void cmdPickColour_Click();
    void hscScroll_Change();

    int selectedImage_ = 0;
    Rect stripRect_;
    DeviceContext surface_;
    QString keyTag_;

    QGroupBox* fraTransparentColour_ = nullptr;
    QGroupBox* fraCurrent_ = nullptr;
    std::array<QRadioButton*, 2> optTransparentColour_{};
    std::array<QLabel*, 3> lblRGB_{};
    std::array<QLineEdit*, 3> txtRGB_{};
    QLabel* lblColor_ = nullptr;
    ColourRef swatch_ = 0;
    QPushButton* cmdPickColour_ = nullptr;
    QLineEdit* txtIndex_ = nullptr;
    QToolButton* cmdBack_ = nullptr;
    QToolButton* cmdNext_ = nullptr;
    QLineEdit* txtKey_ = nullptr;
    QCheckBox* chkSetKeys_ = nullptr;
    QScrollBar* hscScroll_ = nullptr;
    QPushButton* cmdAdd_ = nullptr;
    QPushButton* cmdRemove_ = nullptr;
    QPushButton* cmdMoveDown_ = nullptr;
    QPushButton* cmdMoveUp_ = nullptr;
    QPushButton* cmdClear_ = nullptr;
};

}  // namespace tarvelo
