#include "card/TKUSBDiskEntity.h"

#include <gtest/gtest.h>

TEST(TKUSBDiskEntity, DisplayStringShowsSizeNameAndModel) {
    const auto sdb1 = [](std::optional<std::string> name, std::optional<std::string> model) {
        return TKUSBDiskEntity(std::move(name), std::nullopt, "/dev/sdb1", std::move(model),
                               7948206080, true, false, std::nullopt);
    };
    EXPECT_EQ(sdb1("TAVU", "Card Reader").displayString(), "[7.4 GB] TAVU <Card Reader>");
    EXPECT_EQ(sdb1("TAVU", std::nullopt).displayString(), "[7.4 GB] TAVU ");
    EXPECT_EQ(sdb1("", std::nullopt).displayString(), "[7.4 GB] /dev/sdb1 ");
}
