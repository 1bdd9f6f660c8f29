// SPDX-License-Identifier: MIT
// Test fixture: a fresh quord with three seeded accounts (anna and bob,
// users; boss, administrator), pointed at by the library.
#pragma once

#include "quord_process.h"
#include "raw_client.h"
#include "scripted_server.h"
#include "test_client.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quord::testing {

// How often part occurs in text (lines of the server's log, say).
inline std::size_t Occurrences(const std::string &text, const std::string &part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

class ServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.AddAccount("anna", "anna-pw", "anna@example.org");
        server.AddAccount("bob", "bob-pw", "bob@example.org");
        server.AddAccount("boss", "boss-pw", "boss@example.org", 1);
        ASSERT_TRUE(server.Start(ExtraArguments())) << server.Log();
        server.UseForLibrary();
    }

    // The server must stop cleanly, without a sanitizer report in its log
    // (sanitizer builds report leaks at exit and fail the exit status).
    void TearDown() override {
        if (server.running()) {
            EXPECT_EQ(server.Stop(), 0);
        }
        const std::string log = server.Log();
        EXPECT_EQ(log.find("Sanitizer"), std::string::npos) << log;
        EXPECT_EQ(log.find("runtime error"), std::string::npos) << log;
    }

    virtual std::vector<std::string> ExtraArguments() const { return {}; }

    bool Logged(const std::string &text) const {
        return server.Log().find(text) != std::string::npos;
    }

    // A client logged on as user, its welcome text received.
    std::unique_ptr<TestClient> LogOn(const std::string &user, const std::string &password) {
        auto client = std::make_unique<TestClient>();
        EXPECT_EQ(client->Login(user, password), 0) << user;
        EXPECT_TRUE(client->WaitForMore(client->welcomes, 0)) << user;
        return client;
    }
    std::unique_ptr<TestClient> Anna() { return LogOn("anna", "anna-pw"); }
    std::unique_ptr<TestClient> Bob() { return LogOn("bob", "bob-pw"); }
    std::unique_ptr<TestClient> Boss() { return LogOn("boss", "boss-pw"); }

    QuordProcess server;
};

} // namespace quord::testing
