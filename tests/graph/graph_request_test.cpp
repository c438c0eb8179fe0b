#include "graph/graph_request.h"

#include <gtest/gtest.h>

#include "core/checks/field_check.h"
#include "core/checks/messages.h"
#include "tests/support/reference_design.h"

namespace amp {
namespace {

using test_support::ReferenceTexts;

std::string MessageOf(const GraphRequest& request) {
    return Failed(request.inputs) ? std::get<Failure>(request.inputs).message : "<inputs>";
}

TEST(RequestGraph, ReportsTheFirstFailingFieldInItsOrder) {
    // Emptying the fields from the back of the order makes each one the first failure in turn.
    FieldTexts texts = ReferenceTexts();
    for (auto field = kGraphCheckOrder.rbegin(); field != kGraphCheckOrder.rend(); ++field) {
        texts[*field] = "";
        const GraphRequest request = RequestGraph(texts, 6);
        EXPECT_EQ(MessageOf(request), MissingValueMessage(*field));
        EXPECT_FALSE(request.RangeIndex);
    }
}

TEST(RequestGraph, MalformedFieldWinsOverTheMissingRange) {
    FieldTexts texts = ReferenceTexts();
    texts[Field::C4] = "1,5";
    EXPECT_EQ(MessageOf(RequestGraph(texts, std::nullopt)), BadValueMessage(Field::C4));
}

TEST(RequestGraph, IgnoresTheFieldsOnlyOtherActionsUse) {
    FieldTexts texts = ReferenceTexts();
    texts[Field::f] = "x";
    texts[Field::fi] = "";
    EXPECT_FALSE(Failed(RequestGraph(texts, 1).inputs));
}

TEST(RequestGraph, WithoutARangeShowsTheRangeMessage) {
    const GraphRequest request = RequestGraph(ReferenceTexts(), std::nullopt);
    EXPECT_EQ(MessageOf(request), message::kNoRangeSelected);
    EXPECT_FALSE(request.RangeIndex);
}

TEST(RequestGraph, ReportsTheRangeAlsoWhenAZeroTestFails) {
    FieldTexts texts = ReferenceTexts();
    texts[Field::fc] = "0";
    GraphRequest request = RequestGraph(texts, 6);
    EXPECT_EQ(MessageOf(request), message::kFcZero);
    EXPECT_EQ(request.RangeIndex, 6);

    // Avo is tested first, whatever fc holds.
    for (const char* zero : {"0", "0.0", "0E3"}) {
        texts[Field::Avo] = zero;
        request = RequestGraph(texts, 3);
        EXPECT_EQ(MessageOf(request), message::kAvoZero) << zero;
        EXPECT_EQ(request.RangeIndex, 3);
    }
}

TEST(RequestGraph, RoundsNHalfToEvenAndBoundsIt) {
    FieldTexts texts = ReferenceTexts();
    for (const auto& [typed, rounded] : {std::pair{"2.5", 2}, {"3.5", 4}, {"1E3", 1000}}) {
        texts[Field::N] = typed;
        const GraphRequest request = RequestGraph(texts, 2);
        ASSERT_FALSE(Failed(request.inputs)) << typed << ": " << MessageOf(request);
        EXPECT_EQ(std::get<GraphInputs>(request.inputs).N, rounded) << typed;
    }
    for (const char* outside : {"0.5", "-3", "195577"}) {
        texts[Field::N] = outside;
        const GraphRequest request = RequestGraph(texts, 2);
        EXPECT_EQ(MessageOf(request), SampleCountRangeMessage()) << outside;
        EXPECT_EQ(request.RangeIndex, 2);
    }
}

}  // namespace
}  // namespace amp
