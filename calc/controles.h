#pragma once

#include "platform/messagecore.h"

#include <QObject>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>

namespace tarvelo {

// Colours as the window toolkit stores them: 0x00BBGGRR.
using Cor = std::uint32_t;
inline constexpr Cor kCorAzul = 0xFF0000;
inline constexpr Cor kCorVermelha = 0x0000FF;
inline constexpr Cor kCorPreta = 0x000000;
inline constexpr Cor kCorBranca = 0xFFFFFF;

// The headless controls of the calculator window. The engine's behaviour hangs on their
// exact semantics: a Change event that runs synchronously inside every assignment that
// really changes the text (also nested inside its own handler), and a length limit that
// cuts text set by code. A view displays them and feeds the user's input back; it
// follows them through the signals `mudou` and `editado`, which the engine never uses, and
// connects with itself as the context, so that whichever goes first takes the connection
// with it.

// Base of every control: a view repaints when a property it shows has changed.
class Controle : public QObject {
    Q_OBJECT

signals:
    void mudou();

protected:
    void notify() { emit mudou(); }
};

// One edit of a text box: `removed` characters at `position` replaced by `inserted` new ones.
struct EdicaoTexto {
    qsizetype position = 0;
    qsizetype removed = 0;
    qsizetype inserted = 0;
};

class TextBox : public Controle {
    Q_OBJECT

public:
    const QString& Text() const { return text_; }
    qsizetype length() const { return text_.size(); }

    // Code writing the text. Each call is one assignment: the result is cut to MaxLength,
    // the selection goes to the start, and Change runs once when the text differs.
    void setText(const QString& text);
    void replace(qsizetype position, qsizetype count, QStringView with);
    void append(QStringView text) { replace(text_.size(), 0, text); }
    void removeLast(qsizetype count);
    // Replaces the selection (or inserts at the caret) and leaves the caret after it.
    void setSelText(QStringView text);

    // What the user types: replaces the selection, refused when the result would pass
    // MaxLength. Returns whether the text was taken.
    bool type(QStringView text);
    // The user's Backspace: deletes the selection, or the character before the caret.
    void backspace();

    // 0 means no limit. Lowering it leaves a longer text as it is.
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int length);

    qsizetype SelStart() const { return selStart_; }
    qsizetype SelLength() const { return selLength_; }
    QString SelText() const { return text_.mid(selStart_, selLength_); }
    // Both clamp to the text; setting the start empties the selection.
    void setSelStart(qsizetype start);
    void setSelLength(qsizetype length);

    bool Locked() const { return locked_; }
    void setLocked(bool locked);
    Cor ForeColor() const { return foreColor_; }
    void setForeColor(Cor colour);
    Cor BackColor() const { return backColor_; }
    void setBackColor(Cor colour);

    std::function<void()> Change;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

signals:
    // For a view: every edit of the text, reported before Change runs.
    void editado(const EdicaoTexto& edicao);

private:
    // The one way the text changes: `count` characters at `position` become `with`, cut
    // to MaxLength; the caret goes to `caret`; Change runs when the text differs.
    void edit(qsizetype position, qsizetype count, QStringView with, qsizetype caret);

    QString text_;
    int maxLength_ = 0;
    qsizetype selStart_ = 0;
    qsizetype selLength_ = 0;
    bool locked_ = false;
    Cor foreColor_ = kCorPreta;
    Cor backColor_ = kCorBranca;
};

class Label : public Controle {
public:
    const QString& Caption() const { return caption_; }
    // Change runs only when the caption really changes.
    void setCaption(const QString& caption);
    Cor ForeColor() const { return foreColor_; }
    void setForeColor(Cor colour);
    bool Visible() const { return visible_; }
    void setVisible(bool visible);

    std::function<void()> Change;

private:
    QString caption_;
    Cor foreColor_ = kCorPreta;
    bool visible_ = true;
};

class MenuItem : public Controle {
public:
    bool Checked() const { return checked_; }
    void setChecked(bool checked);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void setVisible(bool visible);
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);

private:
    bool checked_ = false;
    bool enabled_ = true;
    bool visible_ = true;
    QString caption_;
};

// The painted push button as far as the calculator uses it.
class KeyButton : public Controle {
public:
    bool Value() const { return value_; }
    void setValue(bool value);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);
    Cor BackColor() const { return backColor_; }
    void setBackColor(Cor colour);
    Cor BackOver() const { return backOver_; }
    void setBackOver(Cor colour);
    int FontSize() const { return fontSize_; }
    void setFontSize(int size);
    const QString& ToolTipText() const { return toolTipText_; }
    void setToolTipText(const QString& text);
    bool CheckBoxBehaviour = false;
    QString Tag;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    // The window of the button that shows the key, 0 while no view shows it; the global
    // hotkeys are registered on it.
    WindowHandle hWnd = 0;

    std::function<void(int button, int shift, float x, float y)> MouseUp;
    std::function<void()> Click;

    // A mouse button released over an enabled key: MouseUp first; for the left button a
    // toggle key then flips its Value, and Click follows.
    void release(int button = 1, int shift = 0);

private:
    bool value_ = false;
    bool enabled_ = true;
    QString caption_;
    QString toolTipText_;
    Cor backColor_ = 0x8000000F;
    Cor backOver_ = 0x8000000F;
    int fontSize_ = 8;
};

}  // namespace tarvelo
