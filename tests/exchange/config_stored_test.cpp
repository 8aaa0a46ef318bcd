// Stored bytes of a configuration file are held to what each field may hold: what a data file
// or a read can bring, without reaching another field.

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
    // What a data file or a read can hold travels (a read's work mode nibble, a channel's
    // fields, the window's rows); what would reach another field or index past a table does not.
    const Case cases[] = {
        {"  Data file:\n    \"4\": \"1000\"\n", "Data file: the work mode must stay within 0 to 15"},
        {"  Data file:\n    \"4\": \"0900\"\n", ""},
        {"  Data file:\n    \"6\": \"7F7F\"\n", "Data file: the current CB group is outside the groups of its work mode"},
        {"  Data file:\n    \"8\": \"0F00\"\n", "Data file: the current HAM group is outside the groups of its work mode"},
        {"  Data file:\n    \"8\": \"0E00\"\n", ""},
        {"  Data file:\n    \"10\": \"6400\"\n", ""},
        {"  CB A CH 1:\n    \"34\": \"0900\"\n", ""},
        {"  CB A CH 1:\n    \"28\": \"2600\"\n", ""},
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
