#include "controls/msubclass.h"
#include "host/globais.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace tarvelo;

namespace {

constexpr quint32 kMsg = 43;
constexpr quint32 kOther = 44;
constexpr MessageParam kPreviousResult = 100;

std::vector<std::string> g_log;
bool g_unhookedBeforeDestroy = false;

MessageParam previousProc(WindowHandle h, quint32 m, MessageParam, MessageParam)
{
    if (m == WM_DESTROY)
        g_unhookedBeforeDestroy = GetWindowProcedure(h) == &previousProc;
    if (m == kMsg || m == kOther)
        g_log.push_back("previous");
    return kPreviousResult;
}

class Client : public ISubclass {
public:
    Client(std::string name, qint32 response, MessageParam result)
        : name_(std::move(name)), response_(response), result_(result)
    {
    }
    qint32 MsgResponse() override { return responder ? responder() : response_; }
    MessageParam WindowProc(WindowHandle, quint32, MessageParam, MessageParam) override
    {
        if (onCall)
            onCall();
        g_log.push_back(name_);  // after onCall: the client must still be alive here
        return result_;
    }

    std::function<void()> onCall;
    std::function<qint32()> responder;

private:
    std::string name_;
    qint32 response_;
    MessageParam result_;
};

using Props = std::map<std::string, qintptr>;

class SubclassTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_log.clear();
        hWnd = CreateWindowHandle(&previousProc);
    }
    void TearDown() override { DestroyWindowHandle(hWnd); }

    Props props() const
    {
        Props p;
        for (const std::string& name : EnumProps(hWnd))
            p[name] = GetProp(hWnd, name);
        return p;
    }
    std::string name(const char* suffix) const { return std::to_string(hWnd) + suffix; }

    ScopedGlobais globals;
    WindowHandle hWnd = 0;
};

TEST_F(SubclassTest, ClientsRunLastAttachedFirstAndTheResponseDecidesThePreviousProcedure)
{
    struct Case {
        qint32 first, second;  // responses of the client attached first and second
        std::vector<std::string> order;
        MessageParam result;
    };
    const Case cases[] = {
        {emrConsume, emrConsume, {"second", "first"}, 1},
        {emrPostprocess, emrConsume, {"second", "first", "previous"}, kPreviousResult},
        {emrPreprocess, emrConsume, {"second", "previous", "first"}, 1},
        // Only the first-attached client's answer counts.
        {emrConsume, emrPostprocess, {"second", "first"}, 1},
        {emrConsume, emrPreprocess, {"second", "first"}, 1},
    };
    for (const Case& c : cases) {
        Client first("first", c.first, 1);
        Client second("second", c.second, 2);
        SubclassAttach(first, hWnd, kMsg);
        SubclassAttach(second, hWnd, kMsg);
        g_log.clear();
        EXPECT_EQ(SendMessage(hWnd, kMsg), c.result) << c.first << "/" << c.second;
        EXPECT_EQ(g_log, c.order) << c.first << "/" << c.second;
        SubclassDetach(first, hWnd, kMsg);
        SubclassDetach(second, hWnd, kMsg);
    }
}

TEST_F(SubclassTest, OneClientOnTwoMessagesReplacesTheProcedureOnce)
{
    Client a("a", emrConsume, 7);
    SubclassAttach(a, hWnd, kMsg);
    SubclassAttach(a, hWnd, kOther);
    EXPECT_EQ(GetWindowProcedure(hWnd), &SubclassWndProc);
    EXPECT_EQ(props(), (Props{{name(""), reinterpret_cast<qintptr>(&previousProc)},
                              {name("#43#1"), a.subclassId()},
                              {name("#43C"), 1},
                              {name("#44#1"), a.subclassId()},
                              {name("#44C"), 1},
                              {"C" + name(""), 2}}));
    EXPECT_EQ(SendMessage(hWnd, kOther), 7);
    EXPECT_EQ(CallPreviousWndProc(hWnd, kOther, 0, 0), kPreviousResult);
    EXPECT_EQ(SendMessage(hWnd, 45), kPreviousResult) << "a message without clients";
}

TEST_F(SubclassTest, RefusedAttachmentsRaiseTheirErrorAndChangeNothing)
{
    Client a("a", emrConsume, 0);
    SubclassAttach(a, hWnd, kMsg);
    const Props before = props();
    try {
        SubclassAttach(a, hWnd, kMsg);
        ADD_FAILURE() << "a second attachment was accepted";
    } catch (const SubclassError& e) {
        EXPECT_EQ(e.number(), 0x8004331Au);
        EXPECT_EQ(e.description(), "Message already handled by another class");
        EXPECT_EQ(e.source(), "tarvelo.WindowProc");
    }
    EXPECT_EQ(props(), before);

    const WindowHandle gone = CreateWindowHandle(&previousProc);
    DestroyWindowHandle(gone);
    const WindowHandle foreign = RegisterExternalWindow(GetCurrentProcessId() + 1);
    const WindowHandle noProcedure = CreateWindowHandle(nullptr);
    const std::pair<WindowHandle, quint32> refusals[] = {
        {gone, 0x8004331B}, {foreign, 0x8004331C}, {noProcedure, 0x80043319}};
    for (const auto& [window, number] : refusals) {
        try {
            SubclassAttach(a, window, kMsg);
            ADD_FAILURE() << "attached to " << window;
        } catch (const SubclassError& e) {
            EXPECT_EQ(e.number(), number);
        }
    }
    EXPECT_TRUE(EnumProps(noProcedure).empty());
    EXPECT_EQ(GetWindowProcedure(noProcedure), nullptr);
    DestroyWindowHandle(foreign);
    DestroyWindowHandle(noProcedure);
}

TEST_F(SubclassTest, DetachingTheLastAttachmentLeavesTheWindowPlain)
{
    Client a("a", emrConsume, 0), b("b", emrConsume, 0), stranger("s", emrConsume, 0);
    SubclassAttach(a, hWnd, kMsg);
    SubclassAttach(b, hWnd, kMsg);
    SubclassAttach(a, hWnd, kOther);

    const Props before = props();
    SubclassDetach(stranger, hWnd, kMsg);
    SubclassDetach(a, hWnd, 99);
    EXPECT_EQ(props(), before);

    SubclassDetach(a, hWnd, kMsg);
    EXPECT_EQ(GetProp(hWnd, name("#43#1")), b.subclassId()) << "later clients move down in order";
    SubclassDetach(b, hWnd, kMsg);
    SubclassDetach(a, hWnd, kOther);
    EXPECT_TRUE(props().empty());
    EXPECT_EQ(GetWindowProcedure(hWnd), &previousProc);
    EXPECT_EQ(CallPreviousWndProc(hWnd, kMsg, 0, 0), 0) << "not subclassed any more";
}

TEST_F(SubclassTest, DestroyWithoutADestroyClientUnhooksFirst)
{
    Client a("a", emrConsume, 0);
    SubclassAttach(a, hWnd, kMsg);
    g_unhookedBeforeDestroy = false;
    DestroyWindowHandle(hWnd);
    EXPECT_TRUE(g_unhookedBeforeDestroy);
    EXPECT_FALSE(IsWindow(hWnd));
    SubclassDetach(a, hWnd, kMsg);  // the window is gone: nothing to do
}

TEST_F(SubclassTest, WhileClosingClientsHearNothing)
{
    Client a("a", emrPostprocess, 5);
    SubclassAttach(a, hWnd, kMsg);
    globais().gFechando = true;
    EXPECT_EQ(SendMessage(hWnd, kMsg), 0);
    EXPECT_TRUE(g_log.empty());
    EXPECT_EQ(SendMessage(hWnd, kOther), kPreviousResult);
}

TEST_F(SubclassTest, ADestroyedClientIsNeverCalled)
{
    auto a = std::make_unique<Client>("a", emrConsume, 5);
    SubclassAttach(*a, hWnd, kMsg);
    SubclassAttach(*a, hWnd, kOther);
    a.reset();
    EXPECT_TRUE(props().empty());
    EXPECT_EQ(GetWindowProcedure(hWnd), &previousProc);

    // An entry naming no living client is skipped.
    Client b("b", emrPostprocess, 5);
    SubclassAttach(b, hWnd, kMsg);
    SetProp(hWnd, name("#43C"), 2);
    SetProp(hWnd, name("#43#2"), 987654321);
    g_log.clear();
    EXPECT_EQ(SendMessage(hWnd, kMsg), kPreviousResult);
    EXPECT_EQ(g_log, (std::vector<std::string>{"b", "previous"}));
}

TEST_F(SubclassTest, AClientMayDetachOrEndItselfDuringItsCall)
{
    Client first("first", emrPostprocess, 1);
    Client second("second", emrConsume, 2);
    SubclassAttach(first, hWnd, kMsg);
    SubclassAttach(second, hWnd, kMsg);
    first.onCall = [&] { SubclassDetach(first, hWnd, kMsg); };
    second.onCall = [&] { SubclassDetach(second, hWnd, kMsg); };
    EXPECT_EQ(SendMessage(hWnd, kMsg), kPreviousResult);
    EXPECT_EQ(g_log, (std::vector<std::string>{"second", "first", "previous"}));
    EXPECT_EQ(GetWindowProcedure(hWnd), &previousProc);
    EXPECT_TRUE(props().empty());

    // A shared client dropping the last reference to itself lives to the end of its call.
    auto owner = std::make_shared<Client>("shared", emrConsume, 3);
    SubclassAttach(*owner, hWnd, kMsg);
    std::weak_ptr<Client> watch = owner;
    owner->onCall = [&owner] { owner.reset(); };
    g_log.clear();
    EXPECT_EQ(SendMessage(hWnd, kMsg), 3);
    EXPECT_EQ(g_log, (std::vector<std::string>{"shared"}));
    EXPECT_TRUE(watch.expired());
    EXPECT_TRUE(props().empty());
}

TEST_F(SubclassTest, ANestedDispatchGivesTheOuterOneItsMessageBack)
{
    Client outer("outer", emrConsume, 1);
    Client inner("inner", emrConsume, 2);
    outer.responder = [] { return CurrentMessage() == kMsg ? emrPostprocess : emrConsume; };
    outer.onCall = [&] { SendMessage(hWnd, kOther); };
    SubclassAttach(outer, hWnd, kMsg);
    SubclassAttach(inner, hWnd, kOther);
    EXPECT_EQ(SendMessage(hWnd, kMsg), kPreviousResult);
    EXPECT_EQ(g_log, (std::vector<std::string>{"inner", "outer", "previous"}));
}

}  // namespace
