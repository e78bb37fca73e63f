#include "platform/connection_state.h"

#include <gtest/gtest.h>

#include <QCoreApplication>

namespace orvanto {
namespace {

// Without an application object there is no reachability backend: the
// answer is the interface rule.
TEST(SystemConnectionState, WithoutAnApplicationTheInterfacesDecide) {
    ASSERT_EQ(QCoreApplication::instance(), nullptr);
    SystemConnectionState state;
    EXPECT_EQ(state.InternetAvailable(), SystemConnectionState::InterfaceOtherThanLoopbackIsUp());
}

TEST(FakeConnectionState, AnswersAsTold) {
    FakeConnectionState state(false);
    EXPECT_FALSE(state.InternetAvailable());
    state.SetAvailable(true);
    EXPECT_TRUE(state.InternetAvailable());
    EXPECT_EQ(state.Queries(), 2);
}

}  // namespace
}  // namespace orvanto
