#include "designpages/ppgcontrol.h"

#include "controls/controlerror.h"
#include "controls/declares.h"
#include "controls/keyedimagelist.h"
#include "host/globais.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace tarvelo {

namespace {

const char* const kSizeQuestion = "Changing size of the image list will distort any images you have added.";

struct Depth {
    const char* text;
    int itemData;
};
constexpr Depth kDepths[] = {{"(Default)", 0},           {"16 colour (4 bit)", 4},     {"256 colour (8 bit)", 8},
                             {"65,000 colours (16 bit)", 16}, {"True Colour (24 bit)", 24}, {"Excessive (32 bit)", 32}};

struct Preset {
    const char* caption;
    const char* tooltip;
    const char* tag;
};
constexpr Preset kPresets[] = {{"&16 x 16", "16 x 16 Image List", "16"},
                               {"&24 x 24", "24 x 24 Image List", "24"},
                               {"&32 x 32", "32 x 32 Image list", "32"},
                               {"&48 x 48", "48 x 48 Image List", "48"},
                               {"&72 x 72", "72 x 72 Image List", "72"}};

std::optional<qint32> wholeNumber(const QString& text)
{
    const std::optional<double> value = numberValue(text);
    return value ? toLong(*value) : std::nullopt;
}

// A file error while carrying the images over is handled by the caller's check of what
// arrived, so it is only caught here.
bool tryCall(const std::function<bool()>& call)
{
    try {
        return call();
    } catch (const ControlError&) {
        return false;
    }
}

}  // namespace

bool offersColourDepth(double depth)
{
    return std::ranges::any_of(kDepths, [depth](const Depth& offered) { return offered.itemData == depth; });
}

PpgControl::PpgControl(KeyedImageList& control, ServicosPaginas& servicos, QWidget* parent)
    : PaginaPropriedades(control, servicos, parent)
{
    setWindowTitle(QStringLiteral("Properties"));
    setFixedSize(px(5790), px(3600));
    auto* layout = new QGridLayout(this);

    auto* lblIconSize = new QLabel(QStringLiteral("Icon &Size:"), this);
    layout->addWidget(lblIconSize, 0, 0, 1, 5);
    auto* sizes = new QHBoxLayout;
    const char* axes[] = {"&X", "&Y"};
    for (int i = 0; i < 2; ++i) {
        auto* label = new QLabel(QString::fromLatin1(axes[i]), this);
        txtIconSize_[i] = new QLineEdit(this);
        label->setBuddy(txtIconSize_[i]);
        sizes->addWidget(label);
        sizes->addWidget(txtIconSize_[i]);
        connect(txtIconSize_[i], &QLineEdit::textChanged, this, [this, i] { txtIconSize_Change(i); });
    }
    lblIconSize->setBuddy(txtIconSize_[0]);
    layout->addLayout(sizes, 1, 0, 1, 5);

    for (int i = 0; i < 5; ++i) {
        cmdSize_[i] = new QPushButton(QString::fromLatin1(kPresets[i].caption), this);
        cmdSize_[i]->setToolTip(QString::fromLatin1(kPresets[i].tooltip));
        cmdSize_[i]->setAutoDefault(false);
        layout->addWidget(cmdSize_[i], 2, i);
        connect(cmdSize_[i], &QPushButton::clicked, this, [this, i] { cmdSize_Click(i); });
    }

    auto* lblColourDepth = new QLabel(QStringLiteral("&Colour Depth:"), this);
    layout->addWidget(lblColourDepth, 3, 0, 1, 5);
    cboColourDepth_ = new QComboBox(this);
    lblColourDepth->setBuddy(cboColourDepth_);
    layout->addWidget(cboColourDepth_, 4, 0, 1, 5);
    layout->setRowStretch(5, 1);

    // The start event: the depth entries, each with the value it stands for.
    for (const Depth& depth : kDepths)
        cboColourDepth_->addItem(QString::fromLatin1(depth.text), depth.itemData);
    cboColourDepth_->setCurrentIndex(-1);
    connect(cboColourDepth_, &QComboBox::currentIndexChanged, this, [this] { cboColourDepth_Click(); });
}

void PpgControl::writeSizes(int x, int y)
{
    txtIconSize_[0]->setText(QString::number(x));
    txtIconSize_[1]->setText(QString::number(y));
}

void PpgControl::SelectionChanged()
{
    sizeTag_ = {QStringLiteral("CHANGING"), QStringLiteral("CHANGING")};
    writeSizes(control_.IconSizeX(), control_.IconSizeY());
    sizeTag_ = {};

    depthTag_ = QStringLiteral("CHANGING");
    for (int i = 0; i < cboColourDepth_->count(); ++i)
        if (cboColourDepth_->itemData(i).toInt() == control_.ColourDepth()) {
            // Showing an entry runs the click handling, also when it was shown already.
            if (cboColourDepth_->currentIndex() == i)
                cboColourDepth_Click();
            else
                cboColourDepth_->setCurrentIndex(i);
            break;
        }
    depthTag_.clear();
}

void PpgControl::txtIconSize_Change(int index)
{
    if (sizeTag_[index].isEmpty())
        setChanged(true);
}

void PpgControl::cmdSize_Click(int index)
{
    const int size = QString::fromLatin1(kPresets[index].tag).toInt();
    if (control_.ImageCount() != 0 && (size != control_.IconSizeX() || size != control_.IconSizeY())) {
        const QString question = QString::fromLatin1(kSizeQuestion) + globais().gCrLf2
                                 + QStringLiteral("Are you sure you want to do this?");
        if (servicos_.mensagens.show(question, mb::YesNo | mb::Question) != mb::Yes)
            return;
    }
    writeSizes(size, size);
}

void PpgControl::cboColourDepth_Click()
{
    const int shown = cboColourDepth_->currentIndex();
    if (shown < lastDepthIndex_ && control_.ImageCount() > 0) {
        const QString question = QStringLiteral(
            "Warning - decreasing the colour depth may affect images already stored in the control.  Are you sure "
            "you want to do this?");
        if (servicos_.mensagens.show(question, mb::YesNo | mb::Question) != mb::Yes) {
            depthTag_ = QStringLiteral("CHANGING");
            cboColourDepth_->setCurrentIndex(lastDepthIndex_);
            depthTag_.clear();
            return;
        }
    }
    if (depthTag_.isEmpty())
        setChanged(true);
    lastDepthIndex_ = shown;
}

void PpgControl::ApplyChanges()
{
    const std::optional<qint32> x = wholeNumber(txtIconSize_[0]->text());
    const std::optional<qint32> y = wholeNumber(txtIconSize_[1]->text());
    if (!x || !y) {
        servicos_.mensagens.show(QStringLiteral("Please enter a valid icon size."), mb::Information);
        return;
    }
    const bool sizeChanged = *x != control_.IconSizeX() || *y != control_.IconSizeY();
    const bool hadImages = control_.ImageCount() > 0;
    if (sizeChanged && hadImages) {
        const QString question =
            QString::fromLatin1(kSizeQuestion) + globais().gCrLf2 + QStringLiteral("Are you sure?");
        if (servicos_.mensagens.show(question, mb::YesNo | mb::Question) != mb::Yes) {
            writeSizes(control_.IconSizeX(), control_.IconSizeY());
            return;
        }
    }
    const int oldX = control_.IconSizeX();
    const int oldY = control_.IconSizeY();
    control_.setIconSizeX(*x);
    control_.setIconSizeY(*y);
    control_.setColourDepth(cboColourDepth_->currentData().toInt());
    if (!sizeChanged)
        return;
    if (hadImages)
        ResizeKeepingImages(oldX, oldY);
    else
        control_.Clear();
}

// The images go through a temporary file. They are let go only once that file holds
// them, and a list that comes back short (a size the list cannot take) is rebuilt at
// the former size from the same file.
void PpgControl::ResizeKeepingImages(int oldX, int oldY)
{
    const QString file = MakeTempFileName(QStringLiteral("ILS"));
    const int saved = control_.ImageCount();
    const auto restoreSize = [&] {
        control_.setIconSizeX(oldX);
        control_.setIconSizeY(oldY);
        writeSizes(oldX, oldY);
    };
    if (file.isEmpty() || !tryCall([&] { return control_.SaveToFile(file); })) {
        restoreSize();
        servicos_.mensagens.show(
            QStringLiteral("The images could not be saved to a temporary file, so the size was not changed."),
            mb::Exclamation);
        QFile::remove(file);
        return;
    }
    control_.Clear();
    tryCall([&] { return control_.LoadFromFile(file); });
    if (control_.ImageCount() < saved) {
        restoreSize();
        control_.Clear();
        tryCall([&] { return control_.LoadFromFile(file); });
        servicos_.mensagens.show(QStringLiteral("The image list could not take the new size; its images were "
                                                "restored at the former size."),
                                 mb::Exclamation);
    }
    QFile::remove(file);
}

}  // namespace tarvelo
