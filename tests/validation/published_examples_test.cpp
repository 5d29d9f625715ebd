// The published worked examples (tests/validation/data/examples): every
// example solves on the textbook basis, and every asserted check of it is
// within its tolerance of the book's answer.
#include "validation/published_examples.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace hx::validation {
namespace {

TEST(PublishedExamples, SixExamplesFromThreeBooks) {
    const std::vector<PublishedExample> examples = publishedExamples();
    EXPECT_GE(examples.size(), 6u);
    std::set<std::string> authors;
    for (const PublishedExample& e : examples) authors.insert(e.title.substr(0, e.title.find(',')));
    EXPECT_GE(authors.size(), 3u);
}

TEST(PublishedExamples, TextbookBasisWithinTheTolerances) {
    for (const PublishedExample& e : publishedExamples()) {
        const ExampleComparison c = compareExample(e);
        ASSERT_TRUE(c.textbook.solved) << e.name << ": " << c.textbook.status;
        for (std::size_t i = 0; i < e.checks.size(); ++i) {
            const PublishedCheck& k = e.checks[i];
            // A result this build reports must be found: a misspelt name
            // would otherwise leave a check silently empty.
            if (k.status != CheckStatus::Pending) {
                EXPECT_TRUE(c.textbook.values[i].has_value()) << e.name << ": " << k.result;
            }
            if (!enforced(k)) continue;
            ASSERT_TRUE(c.textbook.values[i].has_value())
                << e.name << ": " << k.result << " not reported";
            EXPECT_LE(std::fabs(percentError(*c.textbook.values[i], k.published)),
                      k.tolerancePercent)
                << e.name << ": " << k.label << " (" << k.result << ") " << *c.textbook.values[i]
                << " against " << k.published << " " << k.unit;
        }
    }
}

// The J and R factors and the drop terms of the textbook basis may be
// reported in objects of their own; the examples find them by name.
TEST(PublishedExamples, ResultsFoundByNameAtAnyDepth) {
    const std::string doc = R"({"results": [{"name": "Xs", "unit": "W/m2K", "value": 976.5}],
        "shell_side": {"Jc": 0.97, "terms": {"DPt_returns": {"value": 3150.0, "unit": "Pa"}}}})";
    EXPECT_DOUBLE_EQ(*resultNamed(doc, "Xs"), 976.5);
    EXPECT_DOUBLE_EQ(*resultNamed(doc, "Jc"), 0.97);
    EXPECT_DOUBLE_EQ(*resultNamed(doc, "DPt_returns"), 3150.0);
    EXPECT_FALSE(resultNamed(doc, "Jl").has_value());
}

}  // namespace
}  // namespace hx::validation
