#include "designpages/ppgimages.h"

#include "controls/commondialog.h"
#include "controls/controlerror.h"
#include "controls/declares.h"
#include "controls/iconfile.h"
#include "controls/keyedimagelist.h"
#include "platform/messagebox.h"
#include "platform/numbertext.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include <algorithm>

namespace tarvelo {

namespace {

const QString kImageFilter = QStringLiteral(
    "ImageList Pictures (*.ICO;*.CUR;*.ANI;*.BMP;*.DIB;*.GIF)|*.ICO;*.CUR;*.ANI;*.BMP;*.DIB;*.GIF|"
    "Icon Files (*.ICO)|*.ICO|Cursor Files (*.CUR;*.ANI)|*.CUR;*.ANI;|Bitmap Files (*.BMP;*.DIB)|*.BMP;*.DIB|"
    "GIF Files (*.GIF)|*.GIF|All Files (*.*)|*.*");

// Twips from the page's right edge to the frames' and to the scroll bar's, as designed.
constexpr int kFrameMargin = 75;
constexpr int kScrollMargin = 90;
// Twips a frame keeps free beside its controls, as its first column keeps from its left edge.
constexpr int kFrameInset = 120;

// The cyan that animated-cursor frames are drawn on when no colour is chosen.
constexpr ColourRef kFrameFill = 0xFFFF00;

void setColours(QWidget* widget, ColourRef back, ColourRef text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, toQColor(back));
    palette.setColor(QPalette::Window, toQColor(back));
    palette.setColor(QPalette::Text, toQColor(text));
    palette.setColor(QPalette::WindowText, toQColor(text));
    widget->setPalette(palette);
}

WindowHandle ownerOf(const QWidget* widget)
{
    const WindowHandle handle = WindowFromObject(widget->window());
    return handle != 0 ? handle : -1;
}

QPushButton* button(QWidget* parent, const char* caption, const char* tooltip, QRect place)
{
    auto* b = new QPushButton(QString::fromLatin1(caption), parent);
    if (tooltip)
        b->setToolTip(QString::fromLatin1(tooltip));
    b->setAutoDefault(false);
    b->setGeometry(place);
    return b;
}

QLabel* label(QWidget* parent, const char* caption, int left, int top)
{
    auto* l = new QLabel(QString::fromLatin1(caption), parent);
    l->move(left / 15, top / 15);
    l->adjustSize();
    return l;
}

}  // namespace

PpgImages::PpgImages(KeyedImageList& control, ServicosPaginas& servicos, QWidget* parent)
    : PaginaPropriedades(control, servicos, parent)
{
    setWindowTitle(QStringLiteral("Images"));
    buildColourFrame();
    buildCurrentFrame();
    buildButtons();
    setFixedHeight(px(4650));
    setMinimumWidth(neededWidth());
    resize(minimumWidth(), height());
    fitToWidth();

    // The page's start event.
    selectedImage_ = 0;
    txtRGB_Change();
    hscScroll_->hide();
    optTransparentColour_Click();
}

void PpgImages::buildColourFrame()
{
    fraTransparentColour_ = new QGroupBox(this);
    fraTransparentColour_->setGeometry(twipsRect(60, 0, 5655, 2055));
    // Its access key leads to the choice, as the label heads the frame.
    QLabel* titulo =
        label(fraTransparentColour_, "Bitmap &Transparent Colour (set before adding bitmaps or GIFs):", 120, 180);
    const char* options[] = {"&Set Automatically from Top-Left Pixel of Image", "Use Co&lour:"};
    for (int i = 0; i < 2; ++i) {
        optTransparentColour_[i] = new QRadioButton(QString::fromLatin1(options[i]), fraTransparentColour_);
        optTransparentColour_[i]->move(px(180), px(420 + 240 * i));
        optTransparentColour_[i]->adjustSize();
        connect(optTransparentColour_[i], &QRadioButton::clicked, this, [this] { optTransparentColour_Click(); });
    }
    optTransparentColour_[0]->setChecked(true);
    titulo->setBuddy(optTransparentColour_[0]);
    const char* components[] = {"Re&d:", "&Green:", "&Blue:"};
    const char* design[] = {"0", "255", "255"};
    for (int i = 0; i < 3; ++i) {
        lblRGB_[i] = label(fraTransparentColour_, components[i], 480, 960 + 300 * i);
        txtRGB_[i] = new QLineEdit(QString::fromLatin1(design[i]), fraTransparentColour_);
        txtRGB_[i]->setGeometry(px(1080), px(900 + 300 * i), px(795), 20);
        lblRGB_[i]->setBuddy(txtRGB_[i]);
        connect(txtRGB_[i], &QLineEdit::textChanged, this, [this] { txtRGB_Change(); });
    }
    lblColor_ = new QLabel(fraTransparentColour_);
    lblColor_->setGeometry(twipsRect(1980, 900, 1155, 915));
    lblColor_->setAutoFillBackground(true);
    lblColor_->setFrameShape(QFrame::Panel);
    lblColor_->setFrameShadow(QFrame::Sunken);
    cmdPickColour_ = button(fraTransparentColour_, "&Pick...", "Choose Transparent Colour",
                            QRect(px(3180), px(900), px(1035), px(315)));
    connect(cmdPickColour_, &QPushButton::clicked, this, [this] { cmdPickColour_Click(); });
}

void PpgImages::buildCurrentFrame()
{
    fraCurrent_ = new QGroupBox(this);
    fraCurrent_->setGeometry(twipsRect(60, 2040, 5655, 915));
    auto* lblItemIndex = label(fraCurrent_, "I&ndex:", 120, 240);
    txtIndex_ = new QLineEdit(fraCurrent_);
    txtIndex_->setGeometry(px(720), px(180), px(1215), 21);
    txtIndex_->setReadOnly(true);
    lblItemIndex->setBuddy(txtIndex_);

    cmdBack_ = new QToolButton(fraCurrent_);
    cmdBack_->setArrowType(Qt::LeftArrow);
    cmdBack_->setToolTip(QStringLiteral("Select Previous Icon"));
    cmdBack_->setGeometry(twipsRect(2040, 180, 315, 315));
    cmdNext_ = new QToolButton(fraCurrent_);
    cmdNext_->setArrowType(Qt::RightArrow);
    cmdNext_->setToolTip(QStringLiteral("Select Next Icon"));
    cmdNext_->setGeometry(twipsRect(2355, 180, 315, 315));
    connect(cmdBack_, &QToolButton::clicked, this, [this] { cmdBack_Click(); });
    connect(cmdNext_, &QToolButton::clicked, this, [this] { cmdNext_Click(); });

    auto* lblItemKey = label(fraCurrent_, "&Key:", 2820, 240);
    txtKey_ = new QLineEdit(fraCurrent_);
    txtKey_->setGeometry(px(3240), px(180), px(2175), 21);
    lblItemKey->setBuddy(txtKey_);
    connect(txtKey_, &QLineEdit::textChanged, this, [this] { txtKey_Change(); });
    chkSetKeys_ = new QCheckBox(QStringLiteral("&Set Keys from Filename(s)"), fraCurrent_);
    chkSetKeys_->move(px(3240), px(600));
    chkSetKeys_->adjustSize();

    hscScroll_ = new QScrollBar(Qt::Horizontal, this);
    hscScroll_->setGeometry(twipsRect(90, 3840, 5610, 195));
    connect(hscScroll_, &QScrollBar::valueChanged, this, [this] { hscScroll_Change(); });
}

void PpgImages::buildButtons()
{
    cmdAdd_ = button(this, "&Add...", "Add One or More Images", twipsRect(120, 4260, 1035, 315));
    cmdRemove_ = button(this, "&Remove...", "Remove Selected Image", twipsRect(1200, 4260, 1035, 315));
    cmdMoveDown_ = button(this, "<<", "Move Selected Image Back", twipsRect(2340, 4260, 1035, 315));
    cmdMoveUp_ = button(this, ">>", "Move Selected Image Forward", twipsRect(3420, 4260, 1035, 315));
    cmdClear_ = button(this, "&Clear...", "Clear the Image List", twipsRect(4680, 4260, 1035, 315));
    connect(cmdAdd_, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(cmdRemove_, &QPushButton::clicked, this, [this] { cmdRemove_Click(); });
    connect(cmdMoveDown_, &QPushButton::clicked, this, [this] { cmdMoveDown_Click(); });
    connect(cmdMoveUp_, &QPushButton::clicked, this, [this] { cmdMoveUp_Click(); });
    connect(cmdClear_, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
}

// The design's width, or more where a frame's controls need it in the page's font.
int PpgImages::neededWidth() const
{
    int needed = px(5790);
    for (const QGroupBox* frame : {fraTransparentColour_, fraCurrent_})
        needed = std::max(needed, frame->x() + frame->childrenRect().right() + 1 + px(kFrameInset) + px(kFrameMargin));
    return needed;
}

// The page takes the width its host gives it: the frames, the key field, the strip and its
// scroll bar stretch with it, and the clear button keeps to the frames' right edge.
void PpgImages::fitToWidth()
{
    const int right = width() - px(kFrameMargin);
    for (QGroupBox* frame : {fraTransparentColour_, fraCurrent_})
        frame->resize(right - frame->x(), frame->height());
    txtKey_->resize(fraCurrent_->width() - 2 * px(kFrameInset) - txtKey_->x(), txtKey_->height());
    hscScroll_->resize(width() - px(kScrollMargin) - hscScroll_->x(), hscScroll_->height());
    cmdClear_->move(right - cmdClear_->width(), cmdClear_->y());
    surface_.resize(width(), height());
}

void PpgImages::resizeEvent(QResizeEvent*)
{
    fitToWidth();
    DrawStrip();
}

void PpgImages::SelectionChanged()
{
    DrawStrip();
}

void PpgImages::ApplyChanges()
{
    if (selectedImage_ >= 0)
        CommitKey();
    DrawStrip();
}

void PpgImages::DrawStrip()
{
    const QRect frame = fraCurrent_->geometry();
    const QRect scroll = hscScroll_->geometry();
    const Rect outer{frame.left(), frame.top() + frame.height() + 8, frame.left() + frame.width(),
                     scroll.top() + scroll.height() + 2};
    surface_.FillRect(outer, Brush::solid(static_cast<ColourRef>(ResolveColour(systemColour(COLOR_WINDOW)))));
    stripRect_ = outer;
    Rect edge = outer;
    surface_.DrawEdge(edge, EDGE_SUNKEN, BF_RECT);
    const Rect inner{outer.left + 2, outer.top + 2, outer.right - 4, outer.bottom - 4};

    const HImageList list = control_.hIml();
    int count = 0;
    int cx = 0;
    int cy = 0;
    if (list != 0) {
        count = ImageList_GetImageCount(list);
        if (selectedImage_ >= count)
            selectedImage_ = count - 1;
        ImageList_GetIconSize(list, cx, cy);
    }
    const int slot = cx + 2;
    if (list != 0 && slot > 0) {
        const int visible = inner.width() / slot;
        if (visible < count) {
            // The scroll bar counts in 16 bits.
            hscScroll_->setMaximum(std::min((count - visible) * slot, 32767));
            hscScroll_->setSingleStep(slot);
            hscScroll_->setPageStep(std::min(8 * slot, 32767));
            hscScroll_->show();
        } else {
            hscScroll_->setValue(0);
            hscScroll_->hide();
        }

        // The images are drawn clipped to the inner rectangle, through a surface of its size.
        DeviceContext strip(inner.width(), inner.height());
        strip.fill(0, 0, strip.width(), strip.height(), surface_.GetPixel(inner.left, inner.top));
        int x = -hscScroll_->value();
        for (int i = 0; i < count; ++i) {
            if (x + cx > 0) {
                ImageList_Draw(list, i, strip, x, 2, ILD_TRANSPARENT);
                if (i == selectedImage_) {
                    Rect selected{x - 2, 0, x + cx + 2, cy + 4};
                    strip.DrawEdge(selected, EDGE_RAISED, BF_RECT);
                }
            }
            x += slot;
            if (x > inner.width())
                break;
        }
        BitBlt(surface_, inner.left, inner.top, inner.width(), inner.height(), strip, 0, 0, SRCCOPY);
    } else {
        hscScroll_->setValue(0);
        hscScroll_->hide();
    }

    cmdNext_->setEnabled(selectedImage_ < count - 1);
    cmdBack_->setEnabled(selectedImage_ > 0);
    cmdMoveUp_->setEnabled(cmdNext_->isEnabled());
    cmdMoveDown_->setEnabled(cmdBack_->isEnabled());
    cmdRemove_->setEnabled(count > 0);

    if (count > 0) {
        txtIndex_->setText(QStringLiteral("%1 of %2").arg(selectedImage_ + 1).arg(control_.ImageCount()));
        txtIndex_->setEnabled(true);
        keyTag_ = QStringLiteral("POPULATE");
        if (selectedImage_ >= 0 && selectedImage_ < control_.ImageCount()) {
            txtKey_->setText(control_.ItemKey(selectedImage_ + 1).toString());
            ClearError();
        }
        txtKey_->setEnabled(true);
        keyTag_.clear();
    } else {
        keyTag_ = QStringLiteral("POPULATE");
        txtIndex_->clear();
        txtKey_->clear();
        keyTag_.clear();
        txtIndex_->setEnabled(false);
        txtKey_->setEnabled(false);
    }
    // The field looks editable exactly while it is: from the first image added on, not
    // only once the page is shown again.
    setColours(txtKey_, GetSysColor(count > 0 ? COLOR_WINDOW : COLOR_BTNFACE), GetSysColor(COLOR_WINDOWTEXT));
    update();
}

void PpgImages::paintEvent(QPaintEvent*)
{
    QPainter(this).drawImage(0, 0, surface_.image());
}

void PpgImages::ScrollSelectionIntoView(int direction)
{
    if (control_.hIml() == 0 || control_.ImageCount() <= 0 || hscScroll_->isHidden())
        return;
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(control_.hIml(), cx, cy);
    const int value = hscScroll_->value();
    if (direction > 0) {
        const int edge = stripRect_.left - value + (cx + 2) * (selectedImage_ + 1);
        if (edge > stripRect_.right)
            hscScroll_->setValue(value + cx + 4 < hscScroll_->maximum() ? value + cx + 4 : hscScroll_->maximum());
    } else {
        const int edge = stripRect_.left - value + (cx + 2) * selectedImage_;
        if (edge < stripRect_.left)
            hscScroll_->setValue(value > cx + 4 ? value - (cx + 4) : 0);
    }
}

void PpgImages::CommitKey()
{
    if (keyTag_ != QLatin1String("CHANGED") || selectedImage_ < 0)
        return;
    ClearError();
    control_.setItemKey(selectedImage_ + 1, txtKey_->text());
    if (CurrentError().number != 0)
        servicos_.mensagens.show(CurrentError().description, mb::Information);
    keyTag_.clear();
}

int PpgImages::ColourComponent(const QString& text)
{
    const std::optional<qint32> value = toLong(leadingValue(text));
    return std::clamp(value.value_or(0), 0, 255);
}

ColourRef PpgImages::swatchColour() const
{
    return swatch_;
}

void PpgImages::setSwatch(ColourRef colour)
{
    swatch_ = colour;
    setColours(lblColor_, colour, colour);
}

void PpgImages::ShowTransparentColour()
{
    if (!optTransparentColour_[1]->isChecked()) {
        setSwatch(GetSysColor(COLOR_BTNFACE));
        return;
    }
    setSwatch(rgbColour(ColourComponent(txtRGB_[0]->text()), ColourComponent(txtRGB_[1]->text()),
                        ColourComponent(txtRGB_[2]->text())));
}

void PpgImages::txtRGB_Change()
{
    CommitKey();
    ShowTransparentColour();
}

void PpgImages::optTransparentColour_Click()
{
    const bool automatic = optTransparentColour_[0]->isChecked();
    const ColourRef text = GetSysColor(automatic ? COLOR_BTNSHADOW : COLOR_WINDOWTEXT);
    for (int i = 0; i < 3; ++i) {
        txtRGB_[i]->setReadOnly(automatic);
        setColours(txtRGB_[i], GetSysColor(automatic ? COLOR_BTNFACE : COLOR_WINDOW), text);
        setColours(lblRGB_[i], GetSysColor(COLOR_BTNFACE), text);
    }
    if (automatic)
        setSwatch(GetSysColor(COLOR_BTNFACE));
    else
        ShowTransparentColour();
    cmdPickColour_->setEnabled(!automatic);
}

void PpgImages::cmdPickColour_Click()
{
    qint32 colour = ResolveColour(swatchColour());
    if (!ShowColourDialog(servicos_.cores, colour, true, true, false, ownerOf(cmdPickColour_)))
        return;
    txtRGB_[0]->setText(QString::number(colour & 255));
    txtRGB_[1]->setText(QString::number((colour / 256) & 255));
    txtRGB_[2]->setText(QString::number((colour / 65536) & 255));
    ShowTransparentColour();
}

void PpgImages::hscScroll_Change()
{
    CommitKey();
    DrawStrip();
}

void PpgImages::mousePressEvent(QMouseEvent* event)
{
    CommitKey();
    if (control_.hIml() == 0)
        return;
    int x = event->position().toPoint().x();
    const int y = event->position().toPoint().y();
    if (x < stripRect_.left || x > stripRect_.right || y < stripRect_.top || y > stripRect_.bottom)
        return;
    if (!hscScroll_->isHidden())
        x += hscScroll_->value();
    x -= stripRect_.left;
    int cx = 0;
    int cy = 0;
    ImageList_GetIconSize(control_.hIml(), cx, cy);
    const int n = x / (cx + 2);
    if (n < 0 || n >= control_.ImageCount())
        return;
    selectedImage_ = n;
    DrawStrip();
}

void PpgImages::cmdNext_Click()
{
    if (control_.hIml() == 0 || control_.ImageCount() < 1) {
        cmdNext_->setEnabled(false);
        return;
    }
    if (selectedImage_ < control_.ImageCount()) {
        CommitKey();
        ++selectedImage_;
        ScrollSelectionIntoView(1);
        DrawStrip();
    }
}

void PpgImages::cmdBack_Click()
{
    if (control_.hIml() == 0 || control_.ImageCount() < 1) {
        cmdBack_->setEnabled(false);
        return;
    }
    CommitKey();
    --selectedImage_;
    ScrollSelectionIntoView(-1);
    DrawStrip();
}

void PpgImages::cmdMoveUp_Click()
{
    if (control_.hIml() == 0 || control_.ImageCount() <= selectedImage_ + 1 || selectedImage_ < 0)
        return;
    CommitKey();
    control_.SwapOrCopyImage(selectedImage_ + 1, selectedImage_ + 2);
    ++selectedImage_;
    ScrollSelectionIntoView(1);
    DrawStrip();
    setChanged(true);
}

void PpgImages::cmdMoveDown_Click()
{
    if (control_.hIml() == 0 || control_.ImageCount() <= 0 || selectedImage_ <= 0)
        return;
    CommitKey();
    control_.SwapOrCopyImage(selectedImage_ + 1, selectedImage_);
    --selectedImage_;
    ScrollSelectionIntoView(-1);
    DrawStrip();
    setChanged(true);
}

void PpgImages::cmdRemove_Click()
{
    if (control_.hIml() == 0)
        return;
    if (control_.ImageCount() > 0 && selectedImage_ >= 0)
        control_.RemoveImage(selectedImage_ + 1);
    else if (control_.ImageCount() == 0)
        cmdRemove_->setEnabled(false);
    DrawStrip();
}

void PpgImages::cmdClear_Click()
{
    if (servicos_.mensagens.show(QStringLiteral("Are you sure you want to remove all icons?"),
                                 mb::YesNo | mb::Question)
        != mb::Yes)
        return;
    control_.Clear();
    DrawStrip();
    setChanged(true);
}

void PpgImages::txtKey_Change()
{
    if (keyTag_ == QLatin1String("POPULATE"))
        return;
    setChanged(true);
    keyTag_ = QStringLiteral("CHANGED");
}

qint32 PpgImages::transparentColour() const
{
    return optTransparentColour_[0]->isChecked() ? -1 : static_cast<qint32>(swatchColour());
}

QString PpgImages::MakeUniqueKey(const QString& sBase, int& n)
{
    QString candidate = n != 0 ? sBase + QLatin1Char(':') + QString::number(n) : sBase;
    while (control_.KeyExists(candidate)) {
        ++n;
        candidate = sBase + QLatin1Char(':') + QString::number(n);
    }
    return candidate;
}

void PpgImages::AddAnimatedCursorFrames(const QString& sFile, const QVariant& vKeyAfter, const QString& sKey)
{
    const int cx = control_.IconSizeX();
    const int cy = control_.IconSizeY();
    const std::optional<QByteArray> data = ReadPictureFile(sFile);
    const std::optional<AniFrames> ani = data ? ParseAniFile(*data) : std::nullopt;
    if (!ani || cx < 1 || cy < 1 || cx > kMaxImageSide || cy > kMaxImageSide)
        return;
    const int n = ani->declaredFrames;
    const ColourRef fill = optTransparentColour_[0]->isChecked() ? kFrameFill : swatchColour();
    QImage strip(n * cx, cy, QImage::Format_RGB32);
    strip.fill(toQColor(fill));
    QPainter painter(&strip);
    for (int j = 0; j < n; ++j) {
        const std::optional<Icon> frame = DecodeIconFile(ani->frames[static_cast<size_t>(j)], cx, cy);
        if (!frame)
            return;
        painter.drawImage(j * cx, 0, frame->image);
    }
    painter.end();
    control_.AddFromHandle(strip, IMAGE_BITMAP, sKey, static_cast<qint32>(fill), vKeyAfter);
}

void PpgImages::cmdAdd_Click()
{
    QString chosen;
    QString title;
    if (!ShowFileDialog(servicos_.arquivos, chosen, title, true, false, false, false, kImageFilter, 1, QString(),
                        QStringLiteral("Choose Icon to add"), QStringLiteral("ICO"), ownerOf(cmdAdd_),
                        fd::Explorer | fd::AllowMultiSelect, true)
        || chosen.isEmpty())
        return;

    QStringList paths;
    if (!chosen.contains(QChar(0))) {
        paths << chosen;
    } else {
        const QStringList pieces = chosen.split(QChar(0));
        QString folder = pieces.constFirst();
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        for (qsizetype i = 1; i < pieces.size(); ++i)
            if (!pieces.at(i).isEmpty())
                paths << folder + pieces.at(i);
    }
    const qint32 colour = transparentColour();

    for (const QString& path : paths) {
        const int before = control_.ImageCount();
        const int after = selectedImage_ + 1;
        const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
        const QString extension = dot < 0 ? QString() : path.mid(dot + 1).toUpper();
        QString keyBase;
        if (chkSetKeys_->isChecked()) {
            keyBase = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1).toUpper();
            if (!extension.isEmpty())
                keyBase.chop(extension.size() + 1);
        }

        if (extension == QLatin1String("ICO")) {
            control_.AddFromFile(path, IMAGE_ICON, keyBase, false, -1, after);
        } else if (extension == QLatin1String("CUR")) {
            control_.AddFromFile(path, IMAGE_CURSOR, keyBase, false, -1, after);
        } else if (extension == QLatin1String("ANI")) {
            const QString question =
                QStringLiteral("Do you want to load all frames of the animated cursor file '%1'?").arg(path);
            if (servicos_.mensagens.show(question, mb::YesNo | mb::Question) == mb::Yes)
                AddAnimatedCursorFrames(path, after, keyBase);
            else
                control_.AddFromFile(path, IMAGE_CURSOR, keyBase, false, -1, after);
        } else if (extension == QLatin1String("BMP") || extension == QLatin1String("DIB")) {
            control_.AddFromFile(path, IMAGE_BITMAP, keyBase, false, colour, after);
        } else {
            const QImage picture = LoadPictureFile(path);
            if (!picture.isNull())
                control_.AddFromHandle(picture, IMAGE_BITMAP, keyBase, colour, after);
            ClearError();
        }

        const int now = control_.ImageCount();
        if (now == before) {
            servicos_.mensagens.show(
                QStringLiteral("The file '%1' could not be loaded.  Please check whether this is a valid image.")
                    .arg(path),
                mb::Information);
            continue;
        }
        if (now > before + 1 && chkSetKeys_->isChecked()) {
            int n = 1;
            for (int i = 1; i <= now - before; ++i) {
                const QString key = MakeUniqueKey(keyBase, n);
                const int position = before > 0 && selectedImage_ >= 0 ? selectedImage_ + 1 + i : before + i;
                control_.setItemKey(position, key);
            }
        }
    }
    if (selectedImage_ < 0)
        selectedImage_ = 0;
    if (selectedImage_ > control_.ImageCount() - 1)
        selectedImage_ = control_.ImageCount() - 1;
    DrawStrip();
    setChanged(true);
}

}  // namespace tarvelo
