// A database server that drops the connection must not end the program through SIGPIPE.
#include "platform/cdrom/detail/BrokenPipeGuard.h"

#include <gtest/gtest.h>

#include <pthread.h>
#include <unistd.h>
#include <cerrno>

using platform::cdrom::detail::BrokenPipeGuard;

namespace {

bool IsMember(const sigset_t& set) { return sigismember(&set, SIGPIPE) == 1; }

}  // namespace

TEST(BrokenPipeGuardTest, WriteToAClosedPipeFailsAndLeavesNoSignalBehind) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    {
        const BrokenPipeGuard guard;
        EXPECT_EQ(write(ends[1], "x", 1), -1);
        EXPECT_EQ(errno, EPIPE);
    }
    close(ends[1]);
    // Were the signal left pending, unblocking it would already have ended the test program.
    sigset_t mask;
    sigset_t pending;
    pthread_sigmask(SIG_BLOCK, nullptr, &mask);
    sigpending(&pending);
    EXPECT_FALSE(IsMember(mask));
    EXPECT_FALSE(IsMember(pending));
}

TEST(BrokenPipeGuardTest, BlockedSignalStaysBlocked) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGPIPE);
    sigset_t before;
    pthread_sigmask(SIG_BLOCK, &set, &before);
    { const BrokenPipeGuard guard; }
    sigset_t after;
    pthread_sigmask(SIG_SETMASK, &before, &after);
    EXPECT_TRUE(IsMember(after));
}
