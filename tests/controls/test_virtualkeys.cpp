#include "controls/virtualkeys.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

// A key names the key itself, whatever symbol it typed: what goes down comes up with the
// same code, and the key handlers' tables (notes, shortcuts) see the key.
TEST(VirtualKeys, ShiftedSymbolsAreTheKeysThatCarryThem)
{
    struct Caso {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const Caso casos[] = {
        {Qt::Key_Percent, Qt::ShiftModifier, '5'},
        {Qt::Key_Asterisk, Qt::ShiftModifier, '8'},
        {Qt::Key_Asterisk, Qt::KeypadModifier, 0x6A},
        {Qt::Key_Equal, Qt::NoModifier, 0xBB},
        {Qt::Key_Plus, Qt::ShiftModifier, 0xBB},
        {Qt::Key_Plus, Qt::KeypadModifier, 0x6B},
        {Qt::Key_Underscore, Qt::ShiftModifier, 0xBD},
        {Qt::Key_Ccedilla, Qt::NoModifier, 0xBA},
        {Qt::Key_Semicolon, Qt::NoModifier, 0xBA},
        {Qt::Key_QuoteDbl, Qt::ShiftModifier, 0xDE},
        {Qt::Key_A, Qt::ShiftModifier, 'A'},
        {Qt::Key_1, Qt::KeypadModifier, 0x61},
        {Qt::Key_Eacute, Qt::NoModifier, 0},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(virtualKeyCode(caso.key, caso.modifiers), caso.code) << "Qt key " << std::hex << caso.key;
}

}  // namespace
