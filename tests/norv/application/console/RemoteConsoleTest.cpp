// Remote clients of the console on the loopback address: their lines run on
// the thread that updates the console and the answers come back with CRLF.
#include "norv/application/console/DebugOverlay.h"
#include "norv/base/Registry.h"
#include "norv/network/Network.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace Norv;

constexpr Ip4 kLoopback(127, 0, 0, 1);
// Bounds the loops that wait for the other side.
constexpr auto kPatience = std::chrono::seconds(10);
constexpr NorvFloat kTick = 0.01f;

// Reads `count` bytes, or what arrived before the stream ended.
std::string ReadBytes(StreamSocket& socket, std::size_t count)
{
    std::string text(count, '\0');
    int const got = socket.Read(text.data(), static_cast<int>(count));
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

void WhereAmI(void* user, NarrowString const&, DebugOverlay::Connection*)
{
    *static_cast<std::thread::id*>(user) = std::this_thread::get_id();
}

class RemoteConsoleTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_registry = new Registry;
        ASSERT_TRUE(g_registry->Set("/game/count", 3));
        console->AddFunction("whereami", WhereAmI, &commandThread);
    }
    void TearDown() override
    {
        console.Release();
        g_registry.Release();
        Network::Close();
    }

    SmartPtr<StreamSocket> Connect(unsigned short port)
    {
        SmartPtr<StreamSocket> client = g_network->CreateStreamSocket();
        if (client && client->Connect(kLoopback, port) != 0)
            client.Release();
        return client;
    }

    // The client sends the lines and reads `answerBytes` bytes on a thread
    // of its own while this thread updates the console.
    std::string Ask(StreamSocket& client, std::string const& lines, std::size_t answerBytes)
    {
        std::string answer;
        std::atomic<bool> done{false};
        std::thread user([&] {
            client.WriteLine(lines);
            answer = ReadBytes(client, answerBytes);
            done = true;
        });
        auto const deadline = std::chrono::steady_clock::now() + kPatience;
        while (!done && std::chrono::steady_clock::now() < deadline) {
            console->Update(kTick);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        user.join();
        return answer;
    }

    SmartPtr<DebugOverlay> console{new DebugOverlay};
    std::thread::id commandThread;
};

TEST_F(RemoteConsoleTest, LinesRunOnTheUpdatingThreadAndAnswerWithCrLf)
{
    ASSERT_TRUE(console->EnableNetworkAccess());
    EXPECT_EQ(console->GetRemotePort(), DebugOverlay::kRemotePort);
    SmartPtr<StreamSocket> client = Connect(console->GetRemotePort());
    ASSERT_TRUE(client);

    std::string const expected = "root\r\n  game\r\n    count: 3\r\nUnknown command\r\n";
    EXPECT_EQ(Ask(*client, "reglist\nfrobnicate\r\nwhereami\n", expected.size()), expected);

    // The last line answers nothing; it runs in one of the next updates.
    auto const deadline = std::chrono::steady_clock::now() + kPatience;
    while (commandThread == std::thread::id() && std::chrono::steady_clock::now() < deadline)
        console->Update(kTick);
    EXPECT_EQ(commandThread, std::this_thread::get_id());

    EXPECT_EQ(console->GetLines(), std::vector<NarrowString>{"Accepted remote debug connection"})
        << "remote answers stay off the console";
}

TEST_F(RemoteConsoleTest, RemoteClientsCannotSwitchLoggingAndAreToldGoodbye)
{
    ASSERT_TRUE(console->EnableNetworkAccess(kLoopback, 0));
    SmartPtr<StreamSocket> first = Connect(console->GetRemotePort());
    SmartPtr<StreamSocket> second = Connect(console->GetRemotePort());
    ASSERT_TRUE(first && second);

    std::string const refusal = "NORV_MSG logging not available on remote connections\r\n";
    EXPECT_EQ(Ask(*first, "logging\n", refusal.size()), refusal);
    console->Execute("help");
    std::size_t const helpEnd = console->GetLines().size();
    console->MaybeLog("not logged");
    EXPECT_EQ(console->GetLines().size(), helpEnd);

    // The second client never typed; both hear the goodbye.
    console.Release();
    std::string const goodbye = "Application is shutting down. KTHXBAI\r\n";
    EXPECT_EQ(ReadBytes(*first, goodbye.size()), goodbye);
    EXPECT_EQ(ReadBytes(*second, goodbye.size()), goodbye);
}

TEST_F(RemoteConsoleTest, AClientThatLeavesIsForgotten)
{
    ASSERT_TRUE(console->EnableNetworkAccess(kLoopback, 0));
    SmartPtr<StreamSocket> client = Connect(console->GetRemotePort());
    ASSERT_TRUE(client);
    auto const deadline = std::chrono::steady_clock::now() + kPatience;
    while (console->GetLines().empty() && std::chrono::steady_clock::now() < deadline)
        console->Update(kTick);
    ASSERT_EQ(console->GetLines().size(), 1u);
    client.Release();
    // Its thread ends and is joined by later updates; destruction then
    // has nobody left to wait for.
    for (int i = 0; i < 50; ++i) {
        console->Update(kTick);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

TEST_F(RemoteConsoleTest, ListeningOnAPortInUseFails)
{
    ASSERT_TRUE(console->EnableNetworkAccess(kLoopback, 0));
    SmartPtr<DebugOverlay> other(new DebugOverlay);
    EXPECT_FALSE(other->EnableNetworkAccess(kLoopback, console->GetRemotePort()));
    EXPECT_EQ(other->GetRemotePort(), 0);
}

} // namespace
