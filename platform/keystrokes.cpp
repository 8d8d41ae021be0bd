#include "platform/keystrokes.h"

#include <array>
#include <optional>

namespace tarvelo {
namespace {

struct NamedKey {
    const char* name;
    int virtualKey;
};

constexpr std::array<NamedKey, 17> kNamedKeys{{
    {"BACKSPACE", 0x08}, {"BS", 0x08}, {"TAB", 0x09}, {"ENTER", 0x0D}, {"ESC", 0x1B},
    {"PGUP", 0x21}, {"PGDN", 0x22}, {"END", 0x23}, {"HOME", 0x24},
    {"LEFT", 0x25}, {"UP", 0x26}, {"RIGHT", 0x27}, {"DOWN", 0x28},
    {"INSERT", 0x2D}, {"INS", 0x2D}, {"DELETE", 0x2E}, {"DEL", 0x2E},
}};

std::optional<int> namedKey(const QString& name)
{
    for (const NamedKey& key : kNamedKeys)
        if (name == QLatin1String(key.name))
            return key.virtualKey;
    if (name.size() >= 2 && name.size() <= 3 && name[0] == QLatin1Char('F')) {
        bool ok = false;
        const int n = name.mid(1).toInt(&ok);
        if (ok && n >= 1 && n <= 12)
            return 0x70 + n - 1;
    }
    return std::nullopt;
}

std::optional<int> characterKey(QChar c)
{
    if (c == QLatin1Char(' '))
        return 0x20;
    if (c.unicode() > 127 || !c.isLetterOrNumber())
        return std::nullopt;
    return c.toUpper().unicode();
}

int modifierOf(QChar c)
{
    switch (c.unicode()) {
    case '^': return hk::Ctrl;
    case '+': return hk::Shift;
    case '%': return hk::Alt;
    default: return 0;
    }
}

}  // namespace

std::vector<Keystroke> parseKeystrokes(const QString& keys)
{
    std::vector<Keystroke> result;
    int modifiers = 0;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (const int m = modifierOf(keys[i])) {
            modifiers |= m;
            continue;
        }
        std::optional<int> key;
        if (keys[i] == QLatin1Char('{')) {
            const qsizetype end = keys.indexOf(QLatin1Char('}'), i + 1);
            if (end < 0)
                return {};
            key = namedKey(keys.mid(i + 1, end - i - 1).toUpper());
            i = end;
        } else {
            key = characterKey(keys[i]);
        }
        if (!key)
            return {};
        result.push_back({*key, modifiers});
        modifiers = 0;
    }
    // Modifiers with no key after them.
    if (modifiers != 0)
        return {};
    return result;
}

}  // namespace tarvelo
