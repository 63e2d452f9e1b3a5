// TCP sockets on the loopback address and the host name lookup.
#include "norv/network/Network.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <vector>

namespace {

using namespace Norv;

constexpr Ip4 Loopback(127, 0, 0, 1);

class SocketTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(Network::Open(), nullptr);
        listener = g_network->CreateListenSocket();
        ASSERT_TRUE(listener);
        ASSERT_EQ(listener->Listen(Loopback, 0), 0);
        ASSERT_TRUE(*listener);
        port = listener->GetPort();
        ASSERT_NE(port, 0);
    }
    void TearDown() override
    {
        listener.Release();
        Network::Close();
    }

    // A connected client and the server's side of its connection.
    void ConnectPair(SmartPtr<StreamSocket>& client, SmartPtr<StreamSocket>& server)
    {
        client = g_network->CreateStreamSocket();
        ASSERT_TRUE(client);
        ASSERT_EQ(client->Connect(Loopback, port), 0);
        ASSERT_TRUE(*client);
        // The connection is in the queue once connect returns; allow the
        // system a moment all the same.
        for (int tries = 0; tries < 100 && !server; ++tries) {
            server = listener->Accept();
            if (!server)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_TRUE(server);
        EXPECT_EQ(server->GetState(), StreamSocket::SOCKET_CONNECTED);
    }

    SmartPtr<ListenSocket> listener;
    unsigned short port = 0;
};

TEST(Network, OpenCloseAndNameLookup)
{
    EXPECT_EQ(Network::GetInstance(), nullptr);
    Network* network = Network::Open();
    EXPECT_EQ(Network::GetInstance(), network);
    EXPECT_EQ(network->QueryDns("localhost"), Ip4(127, 0, 0, 1));
    EXPECT_EQ(network->QueryDns(""), Ip4());
    EXPECT_EQ(Ip4(127, 0, 0, 1).value, 0x7f000001u);
    Network::Close();
    EXPECT_EQ(Network::GetInstance(), nullptr);
}

TEST_F(SocketTest, AcceptWithoutAClientAnswersNullAndKeepsListening)
{
    EXPECT_FALSE(listener->Accept());
    EXPECT_EQ(listener->GetState(), ListenSocket::LISTEN_LISTENING);
}

TEST_F(SocketTest, LinesTravelBothWays)
{
    SmartPtr<StreamSocket> client, server;
    ConnectPair(client, server);
    g_netAccess = false;
    EXPECT_TRUE(client->WriteLine("hello server\r\n"));
    EXPECT_TRUE(g_netAccess);
    NarrowString line;
    EXPECT_TRUE(server->ReadLine(line));
    EXPECT_EQ(line, "hello server");
    EXPECT_TRUE(server->WriteLine("and back\n"));
    line.clear();
    EXPECT_TRUE(client->ReadLine(line));
    EXPECT_EQ(line, "and back");
}

TEST_F(SocketTest, LargeWritesArriveWhole)
{
    SmartPtr<StreamSocket> client, server;
    ConnectPair(client, server);
    std::vector<unsigned char> sent(8 << 20);
    for (std::size_t i = 0; i < sent.size(); ++i)
        sent[i] = static_cast<unsigned char>(i * 31 + 7);
    std::vector<unsigned char> received(sent.size());
    int got = 0;
    std::thread reader([&] { got = server->Read(received.data(), static_cast<int>(received.size())); });
    EXPECT_EQ(client->Write(sent.data(), static_cast<int>(sent.size())), static_cast<int>(sent.size()));
    reader.join();
    EXPECT_EQ(got, static_cast<int>(sent.size()));
    EXPECT_EQ(received, sent);
}

TEST_F(SocketTest, AClosedPeerEndsReadsAndFailsWritesWithoutSignal)
{
    SmartPtr<StreamSocket> client, server;
    ConnectPair(client, server);
    client->Write("abc", 3);
    client.Release();

    char buffer[16];
    EXPECT_EQ(server->Read(buffer, sizeof(buffer)), 3);
    EXPECT_EQ(server->GetState(), StreamSocket::SOCKET_CLOSED);
    EXPECT_FALSE(*server);

    // The first write may still be taken; a later one meets the reset. A
    // SIGPIPE would end the test program here.
    char const block[4096] = {};
    int written = 0;
    for (int tries = 0; tries < 100 && server->GetState() != StreamSocket::SOCKET_ERROR; ++tries)
        written = server->Write(block, sizeof(block));
    EXPECT_EQ(server->GetState(), StreamSocket::SOCKET_ERROR);
    EXPECT_LT(written, static_cast<int>(sizeof(block)));
    EXPECT_EQ(server->GetLastError(), 2);
}

TEST_F(SocketTest, ShuttingReadingDownWakesAWaitingReaderAndKeepsWriting)
{
    SmartPtr<StreamSocket> client, server;
    ConnectPair(client, server);
    int got = -1;
    std::thread reader([&] {
        char buffer[16];
        got = server->Read(buffer, sizeof(buffer));
    });
    // The reader is most likely waiting by now; if not, its read ends at once.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    server->ShutdownRead();
    reader.join();
    EXPECT_EQ(got, 0);
    EXPECT_EQ(server->GetState(), StreamSocket::SOCKET_CLOSED);

    EXPECT_EQ(server->Write("bye", 3), 3);
    char buffer[3];
    EXPECT_EQ(client->Read(buffer, 3), 3);
}

TEST_F(SocketTest, ConnectingToNobodyAndListeningTwiceFail)
{
    SmartPtr<ListenSocket> second = g_network->CreateListenSocket();
    ASSERT_TRUE(second);
    EXPECT_NE(second->Listen(Loopback, port), 0);
    EXPECT_EQ(second->GetState(), ListenSocket::LISTEN_ERROR);
    EXPECT_FALSE(*second);

    // A port that was just free: nobody listens there.
    SmartPtr<ListenSocket> probe = g_network->CreateListenSocket();
    ASSERT_EQ(probe->Listen(Loopback, 0), 0);
    unsigned short const unused = probe->GetPort();
    probe.Release();

    SmartPtr<StreamSocket> client = g_network->CreateStreamSocket();
    EXPECT_NE(client->Connect(Loopback, unused), 0);
    EXPECT_EQ(client->GetState(), StreamSocket::SOCKET_ERROR);
    EXPECT_FALSE(*client);
    EXPECT_EQ(client->GetLastError(), 2);
}

} // namespace
