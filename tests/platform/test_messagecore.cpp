#include "platform/messagecore.h"

#include <QObject>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tarvelo;

namespace {

struct Seen {
    std::string who;
    WindowHandle hWnd;
    quint32 message;
    bool valid;  // IsWindow while the message was handled
};
std::vector<Seen> g_seen;

MessageParam classProc(WindowHandle h, quint32 m, MessageParam w, MessageParam)
{
    g_seen.push_back({"class", h, m, IsWindow(h)});
    return w + 1;
}

WindowProcedure g_previous = nullptr;
MessageParam chainedProc(WindowHandle h, quint32 m, MessageParam w, MessageParam l)
{
    g_seen.push_back({"chained", h, m, IsWindow(h)});
    // A procedure may destroy its own window again while it is going away.
    if (m == WM_DESTROY)
        DestroyWindowHandle(h);
    return CallWindowProc(g_previous, h, m, w, l) * 10;
}

class MessageCoreTest : public ::testing::Test {
protected:
    void SetUp() override { g_seen.clear(); }
};

TEST_F(MessageCoreTest, HandlesAreNeverReused)
{
    const WindowHandle a = CreateWindowHandle(&classProc);
    DestroyWindowHandle(a);
    const WindowHandle b = CreateWindowHandle(&classProc);
    EXPECT_NE(a, 0);
    EXPECT_NE(a, b);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_TRUE(IsWindow(b));
    g_seen.clear();
    EXPECT_EQ(SendMessage(a, WM_USER, 5, 0), 0) << "a stale handle reaches nothing";
    EXPECT_TRUE(g_seen.empty());
    DestroyWindowHandle(b);
}

TEST_F(MessageCoreTest, SendMessageRunsTheCurrentProcedureAndChains)
{
    const WindowHandle h = CreateWindowHandle(&classProc);
    EXPECT_EQ(SendMessage(h, WM_HOTKEY, 4, 0), 5);

    g_previous = SetWindowProcedure(h, &chainedProc);
    EXPECT_EQ(g_previous, &classProc);
    EXPECT_EQ(GetWindowProcedure(h), &chainedProc);
    g_seen.clear();
    EXPECT_EQ(SendMessage(h, WM_HOTKEY, 4, 0), 50);
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[0].who, "chained");
    EXPECT_EQ(g_seen[1].who, "class");
    EXPECT_EQ(CallWindowProc(nullptr, h, WM_HOTKEY, 0, 0), 0);
    DestroyWindowHandle(h);
}

TEST_F(MessageCoreTest, DestroySendsDestroyThenNcDestroyWhileTheHandleIsValid)
{
    const WindowHandle h = CreateWindowHandle(&classProc);
    g_previous = SetWindowProcedure(h, &chainedProc);
    SetProp(h, "x", 7);
    g_seen.clear();
    DestroyWindowHandle(h);

    // The nested destroy from inside WM_DESTROY did nothing: one pass, two messages.
    ASSERT_EQ(g_seen.size(), 4u);
    EXPECT_EQ(g_seen[0].message, WM_DESTROY);
    EXPECT_EQ(g_seen[2].message, WM_NCDESTROY);
    for (const Seen& s : g_seen)
        EXPECT_TRUE(s.valid);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(GetProp(h, "x"), 0);
}

TEST_F(MessageCoreTest, PropertiesStoreAnyValueUntilRemoved)
{
    const WindowHandle h = CreateWindowHandle(&classProc);
    EXPECT_TRUE(SetProp(h, "4660#43C", 2));
    EXPECT_TRUE(SetProp(h, "C4660", 0));
    EXPECT_TRUE(SetProp(h, "4660", -1));
    EXPECT_EQ(GetProp(h, "4660#43C"), 2);
    EXPECT_EQ(GetProp(h, "4660"), -1);
    EXPECT_EQ(GetProp(h, "missing"), 0);
    EXPECT_EQ(EnumProps(h), (std::vector<std::string>{"4660", "4660#43C", "C4660"}));

    EXPECT_EQ(RemoveProp(h, "4660#43C"), 2);
    EXPECT_EQ(RemoveProp(h, "4660#43C"), 0);
    EXPECT_EQ(EnumProps(h), (std::vector<std::string>{"4660", "C4660"}));
    DestroyWindowHandle(h);
    EXPECT_FALSE(SetProp(h, "late", 1));
}

TEST_F(MessageCoreTest, AnotherProgramsWindowTakesNoProcedureNorProperty)
{
    const WindowHandle h = RegisterExternalWindow(GetCurrentProcessId() + 1);
    EXPECT_TRUE(IsWindow(h));
    EXPECT_NE(GetWindowProcessId(h), GetCurrentProcessId());
    EXPECT_EQ(SetWindowProcedure(h, &classProc), nullptr);
    EXPECT_FALSE(SetProp(h, "x", 1));
    EXPECT_EQ(SendMessage(h, WM_CLOSE), 0);
    EXPECT_TRUE(g_seen.empty());
    DestroyWindowHandle(h);
    EXPECT_FALSE(IsWindow(h));
}

TEST_F(MessageCoreTest, AWindowGoesWithItsObject)
{
    auto* object = new QObject;
    const WindowHandle h = CreateWindowHandle(&classProc, object);
    EXPECT_EQ(WindowObject(h), object);
    EXPECT_EQ(WindowFromObject(object), h);

    delete object;
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(WindowFromObject(object), 0);
    ASSERT_EQ(g_seen.size(), 2u);
    EXPECT_EQ(g_seen[1].message, WM_NCDESTROY);
}

}  // namespace
