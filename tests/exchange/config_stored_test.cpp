// Stored bytes of a configuration file are held to what each field may hold.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "exchange/config_yaml.h"
#include "exchange/exchange_documents.h"

namespace mv52 {
namespace {

TEST(ConfigStored, ValuesOutsideWhatAFieldHoldsAreRefused) {
    struct Case {
        std::string stored;  // the Stored section's body
        std::string reason;  // "" : accepted
    };
    const Case cases[] = {
        {"  Data file:\n    \"4\": \"0900\"\n", "Data file: the work mode must be 0 (CB) or 1 (HAM)"},
        {"  Data file:\n    \"6\": \"7F7F\"\n", "Data file: the current CB group is outside the groups of its work mode"},
        {"  Data file:\n    \"8\": \"0F00\"\n", "Data file: the current HAM group is outside the groups of its work mode"},
        {"  Data file:\n    \"8\": \"0E00\"\n", ""},
        {"  Data file:\n    \"10\": \"6400\"\n", "Data file: the current rows must stay within 0 to 99"},
        {"  CB A CH 1:\n    \"34\": \"0900\"\n", "CB A CH 1: the mode value 9 is outside 0 to 5"},
        {"  CB A CH 1:\n    \"28\": \"2600\"\n", "CB A CH 1: the transmit CTCSS value 38 is outside 0 to 37"},
        {"  CB A CH 1:\n    \"28\": \"2500\"\n", ""},
    };
    auto ws = test::startupDocument();
    const std::string base = exportConfigYaml(ws->current);
    const std::size_t stored = base.find("\nStored:");
    const std::string withoutStored = stored == std::string::npos ? base : base.substr(0, stored + 1);
    ASSERT_NE(withoutStored.find("Options:"), std::string::npos);
    for (const Case& c : cases) {
        auto doc = std::make_unique<Document>();
        const ImportResult result = importConfigYaml(*doc, withoutStored + "Stored:\n" + c.stored);
        if (c.reason.empty()) {
            EXPECT_TRUE(result.ok()) << c.stored << refusalText(result);
            continue;
        }
        ASSERT_EQ(result.refusals.size(), 1u) << c.stored << refusalText(result);
        EXPECT_EQ(result.refusals[0].reason, c.reason);
        EXPECT_EQ(doc->header, Document().header);
    }
}

}  // namespace
}  // namespace mv52
