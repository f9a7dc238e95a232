// The rule for the UI library's registry key paths.
#include <gtest/gtest.h>
#include "ui/foundation/ZAVPRegistryPath.h"

TEST(RegistryPath, ComposedPaths)
{
    struct Case
    {
        const char *postfix, *profile, *key, *app, *expected;
    } cases[] = {
        {"ZAVWorkspace", nullptr, "K", "A", "SOFTWARE\\K\\A\\ZAVWorkspace\\"},
        {"ZAVWorkspace", "", "K", "A", "SOFTWARE\\K\\A\\ZAVWorkspace\\"},
        // No registry key: only the key and its separator are left out.
        {"ZAVWorkspace", nullptr, "", "A", "SOFTWARE\\A\\ZAVWorkspace\\"},
        {"ZAVWorkspace", nullptr, nullptr, "A", "SOFTWARE\\A\\ZAVWorkspace\\"},
        // A state path given as the profile is used unchanged; the postfix is ignored.
        {"ZAVMouseManager", "Software\\K\\A\\Settings\\1.16\\", "K", "A",
         "Software\\K\\A\\Settings\\1.16\\"},
        {"ZAVMouseManager", "NoSlash", "K", "A", "NoSlash"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, ComposeRegistryPath(c.postfix, c.profile, c.key, c.app));
}
