#include "app/ApplicationTitle.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplicationTitle, FollowsTheExecutablesFileName)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/wTalvera", "wtalvera"},
        {"C:\\Program Files\\ZUV\\wTalvera.exe", "wtalvera"},
        {"/opt/zuv\\dir/WTALVERA", "Wtalvera"},
        {"/opt/x/Contabil.v2.bin", "Contabil"},
        {"wTalvera", "wtalvera"},
        {"/home/ana/\xC8\x98TIIN\xC8\x9A\xC4\x82", "\xC8\x98tiin\xC8\x9B\xC4\x83"},
        {"/opt/x/.hidden", ""},
        {"/opt/x/", ""},
    };
    for (const auto& [path, title] : cases)
        EXPECT_EQ(applicationTitleFrom(QString::fromUtf8(path)), QString::fromUtf8(title)) << path;
}

} // namespace
