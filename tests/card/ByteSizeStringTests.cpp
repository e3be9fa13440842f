#include "card/ByteSizeString.h"

#include <gtest/gtest.h>
#include <limits>
#include <utility>

// A tie that is only a tie after a cut rounds up.
TEST(ByteSizeString, RoundsAsTheDiskListShowsSizes) {
    const std::pair<std::uint64_t, const char*> cases[] = {
        {0, "0 B"},
        {1024, "1.0 kB"},
        {10165, "9.9 kB"},
        {10166, "10 kB"},
        {11776, "12 kB"},
        {1048064, "1.0 MB"},
        {std::numeric_limits<std::uint64_t>::max(), "16 EB"},
        {1274ull << 10, "1.2 MB"},
        {(1274ull << 10) + 1, "1.3 MB"},
        {(10752ull << 10) + 1, "11 MB"}};
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(byteSizeString(bytes), text) << bytes;
    }
}
