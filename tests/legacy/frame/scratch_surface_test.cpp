// The scratch surface the pixel copies share: reused between uses, never shared by two users at
// once, and never grown past what is worth keeping.
#include <gtest/gtest.h>

#include "render/scratch_surface.h"

namespace {

using brocade::ScratchLease;

TEST(ScratchSurface, ConsecutiveUsesShareOneSurfaceNestedUsesGetTheirOwn) {
    HDC first = nullptr;
    {
        ScratchLease lease;
        ASSERT_TRUE(lease.Acquire(30, 20));
        first = lease.Dc();
        ScratchLease nested;
        ASSERT_TRUE(nested.Acquire(10, 10));
        EXPECT_NE(nested.Dc(), first);
        nested.Row(9)[9] = 0x123456;  // the whole requested area is writable
        lease.Row(19)[29] = 0x654321;
        EXPECT_FALSE(lease.Acquire(5, 5)) << "one acquisition per lease";
    }
    ScratchLease again;
    ASSERT_TRUE(again.Acquire(300, 24));  // grown in place
    EXPECT_EQ(again.Dc(), first);
    again.Row(23)[299] = 1;
}

TEST(ScratchSurface, LargeRequestsAreServedButNotKept) {
    HDC cached = nullptr;
    {
        ScratchLease lease;
        ASSERT_TRUE(lease.Acquire(16, 16));
        cached = lease.Dc();
    }
    {
        ScratchLease large;
        ASSERT_TRUE(large.Acquire(1000, 1000));
        EXPECT_NE(large.Dc(), cached);
        large.Row(999)[999] = 7;
    }
    HDC kept = nullptr;
    {
        // A wide request may grow the kept surface; a tall one after it would grow it to the
        // product of both, so it gets a surface of its own.
        ScratchLease wide;
        ASSERT_TRUE(wide.Acquire(2000, 100));
        kept = wide.Dc();
    }
    {
        ScratchLease tall;
        ASSERT_TRUE(tall.Acquire(100, 2000));
        EXPECT_NE(tall.Dc(), kept);
        tall.Row(1999)[99] = 7;
    }
    ScratchLease small;
    ASSERT_TRUE(small.Acquire(16, 16));
    EXPECT_EQ(small.Dc(), cached);
}

TEST(ScratchSurface, EmptyRequestsFail) {
    ScratchLease lease;
    EXPECT_FALSE(lease.Acquire(0, 10));
    EXPECT_FALSE(lease.Acquire(10, -1));
}

}  // namespace
