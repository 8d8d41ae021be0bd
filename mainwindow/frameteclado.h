#pragma once

#include <QColor>
#include <QWidget>

namespace tarvelo {

// The keypad frame fraTeclado: an etched border round the keys with its caption, the
// memory register, written into the top edge in the caption's colour.
class FrameTeclado final : public QWidget {
    Q_OBJECT

public:
    explicit FrameTeclado(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setForeColor(const QColor& cor);
    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& cor);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    QString caption_;
    QColor foreColor_;
    QColor backColor_;
};

}  // namespace tarvelo
