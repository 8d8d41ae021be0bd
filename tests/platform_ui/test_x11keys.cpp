// The key symbols behind the virtual keys the hotkeys and the synthesised keys use.

#include "platform/keystrokes.h"
#include "platform/ui/x11keys.h"

#include <gtest/gtest.h>

using namespace tarvelo;

namespace {

TEST(X11Keys, VirtualKeysHaveTheirSymbols)
{
    struct Caso {
        int vk;
        std::vector<std::uint32_t> keysyms;
    };
    const Caso casos[] = {
        {96, {0xffb0}},           {105, {0xffb9}},          {107, {0xffab}}, {109, {0xffad}},
        {106, {0xffaa}},          {111, {0xffaf}},          {110, {0xffae, 0xffac}},
        {13, {0xff0d, 0xff8d}},   {46, {0xffff}},           {8, {0xff08}},   {45, {0xff63}},
        {32, {0x20}},             {'C', {'c'}},             {'7', {'7'}},    {0xA2, {0xffe3}},
        {0x24, {0xff50}},         {0x23, {0xff57}},         {0x73, {0xffc1}}, {0x90, {0xff7f}},
        {0xFF, {}},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(keysymsOfVirtualKey(caso.vk), caso.keysyms) << caso.vk;
}

TEST(X11Keys, ModifierFlagsBecomeXMasks)
{
    EXPECT_EQ(x11ModifiersOf(hk::Ctrl), XCB_MOD_MASK_CONTROL);
    EXPECT_EQ(x11ModifiersOf(hk::Ctrl | hk::Alt | hk::Shift),
              XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_SHIFT);
    EXPECT_EQ(x11ModifiersOf(0), 0);
}

}  // namespace
