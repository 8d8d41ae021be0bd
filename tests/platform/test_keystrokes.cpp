// Keystroke strings and hotkey codes as the callers write them.

#include "platform/hotkeys.h"
#include "platform/keystrokes.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(Keystrokes, ReadsModifiersLettersAndNamedKeys)
{
    struct Caso {
        const char* texto;
        std::vector<Keystroke> teclas;
    };
    const Caso casos[] = {
        {"^C", {{0x43, hk::Ctrl}}},
        {"^v", {{0x56, hk::Ctrl}}},
        {"^+C", {{0x43, hk::Ctrl | hk::Shift}}},
        {"{HOME}", {{0x24, 0}}},
        {"+{END}", {{0x23, hk::Shift}}},
        {"%{F4}", {{0x73, hk::Alt}}},
        {"{home}+{End}^V", {{0x24, 0}, {0x23, hk::Shift}, {0x56, hk::Ctrl}}},
        {"a1 ", {{0x41, 0}, {0x31, 0}, {0x20, 0}}},
        // Half a command is never typed.
        {"{HOME", {}},
        {"{NOPE}", {}},
        {"^", {}},
        {"a~", {}},
        {"{F13}", {}},
        {"", {}},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(parseKeystrokes(QString::fromLatin1(caso.texto)), caso.teclas) << caso.texto;
}

TEST(Keystrokes, SetHotKeyCodeNamesItsCombination)
{
    EXPECT_EQ(combinationOfSetHotKey(835), (HotKeyCombination{hk::Ctrl | hk::Shift, 0x43}));
    EXPECT_EQ(combinationOfSetHotKey(0x470), (HotKeyCombination{hk::Alt, 0x70}));
    EXPECT_EQ(combinationOfSetHotKey(0x20D), (HotKeyCombination{hk::Ctrl, 0x0D}));
}

}  // namespace
