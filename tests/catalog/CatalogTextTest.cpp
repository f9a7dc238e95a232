// The catalogue's text store: texts of every size keep their content while others around them
// are made, freed and reused, on several threads at once.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>
#include "catalog/CatalogText.h"

namespace
{

// A text of `length` units that differs from its neighbours: digits of `seed` and the position.
std::wstring Pattern(std::size_t length, unsigned seed)
{
    std::wstring s(length, L'a');
    for (std::size_t i = 0; i < length; ++i) s[i] = (wchar_t)(L'A' + (seed * 7 + i) % 50);
    return s;
}

}  // namespace

TEST(CatalogText, TextsOfEveryStoreSizeKeepTheirContentThroughFreeAndReuse)
{
    // Around the shortest text, the end of the shared sizes (4096 units with the NUL) and a text
    // longer than a whole shared block.
    const std::size_t lengths[] = {1, 2, 17, 4094, 4095, 4096, 70000};
    std::vector<std::unique_ptr<CatalogText>> live;
    for (unsigned round = 0; round < 3; ++round) {
        for (std::size_t length : lengths)
            live.emplace_back(new CatalogText(Pattern(length, round)));
        // Free every other text; the next round takes their places again.
        for (std::size_t i = 0; i < live.size(); i += 2) live[i].reset();
        for (std::size_t i = 0; i < live.size(); ++i) {
            if (!live[i]) continue;
            const std::size_t length = lengths[i % 7];
            EXPECT_EQ(length, live[i]->length()) << i;
            EXPECT_EQ(Pattern(length, (unsigned)(i / 7)), live[i]->str()) << i;
        }
    }
}

TEST(CatalogText, ManyShortTextsSpanSeveralSharedBlocks)
{
    std::vector<CatalogText> texts;
    for (unsigned i = 0; i < 60000; ++i) texts.emplace_back(Pattern(1 + i % 40, i));
    for (unsigned i = 0; i < texts.size(); i += 3) texts[i] = CatalogText();
    for (unsigned i = 0; i < texts.size(); i += 3) texts[i] = Pattern(1 + i % 40, i + 1);
    for (unsigned i = 0; i < texts.size(); ++i)
        ASSERT_EQ(Pattern(1 + i % 40, i % 3 == 0 ? i + 1 : i), texts[i].str()) << i;
}

TEST(CatalogText, AssignmentCopiesUpToANulAndSurvivesItsOwnSource)
{
    CatalogText t(L"abc\0def", 7);
    EXPECT_EQ(std::wstring(L"abc"), t.str());
    t.Assign(t.c_str() + 1, 2);  // from the text's own characters
    EXPECT_EQ(std::wstring(L"bc"), t.str());
    t = t;
    EXPECT_EQ(std::wstring(L"bc"), t.str());
    CatalogText moved(std::move(t));
    EXPECT_TRUE(t.empty());
    EXPECT_EQ(std::wstring(L"bc"), moved.str());
    moved = L"";
    EXPECT_TRUE(moved.empty());
    EXPECT_STREQ(L"", moved.c_str());
}

// The loader, scanner, search and user-interface threads all make and drop texts.
TEST(CatalogText, ThreadsMakingAndDroppingTextsKeepEachOthersContent)
{
    std::vector<std::thread> threads;
    std::vector<int> failures(4, 0);
    for (unsigned t = 0; t < 4; ++t) {
        threads.emplace_back([t, &failures] {
            std::vector<CatalogText> mine;
            for (unsigned i = 0; i < 20000; ++i) {
                mine.emplace_back(Pattern(1 + (i + t) % 30, i * 4 + t));
                if (i % 5 == 4) mine.erase(mine.begin() + (i % mine.size()));
            }
            for (const CatalogText& text : mine) {
                const std::wstring s = text.str();
                // Every text is a run of the pattern: each unit follows from the first one.
                const std::size_t first = (std::size_t)(s[0] - L'A');
                for (std::size_t k = 1; k < s.size(); ++k)
                    if ((std::size_t)(s[k] - L'A') != (first + k) % 50) ++failures[t];
            }
        });
    }
    for (std::thread& th : threads) th.join();
    EXPECT_EQ(std::vector<int>(4, 0), failures);
}

// A long text has a block of its own; dropping or shortening the text gives that block back.
TEST(CatalogText, LongTextsGiveTheirBlocksBack)
{
    const std::size_t before = CatalogTextStore::HeldBytes();
    {
        CatalogText a(Pattern(5000, 1)), b(Pattern(9000, 2));
        EXPECT_EQ(before + (5001 + 9001) * sizeof(wchar_t), CatalogTextStore::HeldBytes());
        b = L"short now";
        EXPECT_EQ(before + 5001 * sizeof(wchar_t), CatalogTextStore::HeldBytes());
        EXPECT_EQ(Pattern(5000, 1), a.str());
    }
    EXPECT_EQ(before, CatalogTextStore::HeldBytes());
}
