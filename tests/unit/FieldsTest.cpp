// The field table agrees with everything it gathers in one place: the
// template's controls, the lists' entries, the report's keys and tokens, and
// the write sequence's steps.
#include <gtest/gtest.h>

#include <set>

#include "form/DialogTemplate.h"
#include "form/EnablingGroups.h"
#include "form/Fields.h"
#include "form/ListContents.h"
#include "protocol/WriteSequence.h"

namespace wifi {
namespace {

TEST(FieldTable, AgreesWithTheTemplateTheListsTheReportAndTheSteps) {
    const auto fields = FormFields();
    ASSERT_EQ(fields.size(), ModuleGroup.size());
    std::set<int> ids;
    std::set<std::string_view> names;
    for (const Field& f : fields) {
        ids.insert(f.id);
        names.insert(f.name);
        EXPECT_EQ(FindField(f.name), &f) << f.name;
        // Each field is a parameter control of the template.
        EXPECT_EQ(std::count(ModuleGroup.begin(), ModuleGroup.end(), f.id), 1) << f.name;
        // A list names each of its entries, and the report has a token for each.
        if (f.kind == FieldKind::List || f.kind == FieldKind::KeyIndex) {
            EXPECT_EQ(f.names.size(), ListEntries(f.id).size()) << f.name;
            if (f.reportTokens) {
                for (std::size_t i = 0; i < ListEntries(f.id).size(); ++i) {
                    EXPECT_EQ(ListIndexOfToken(*f.reportTokens, (*f.reportTokens)[i]),
                              static_cast<int>(i))
                        << f.name;
                }
            }
        }
        EXPECT_EQ(f.reportKey.empty(), f.name == "protocol") << "only the protocol is unreported";
        // The step sends the field's own command.
        ASSERT_GE(f.step, 1u);
        ASSERT_LE(f.step, kStepCount);
        EXPECT_EQ(WriteSteps()[f.step - 1], f.prefix) << f.name;
        EXPECT_EQ(&FieldOfStep(f.step, f.stepSource), &f) << f.name;
    }
    EXPECT_EQ(ids.size(), fields.size());
    EXPECT_EQ(names.size(), fields.size());
    EXPECT_EQ(FindField("save"), nullptr) << "the save step is no field of the form";
    EXPECT_EQ(FieldOfStep(kStepCount).prefix, WriteSteps().back());
    // Every step but the key format's share sends one field.
    for (unsigned step = 1; step < kStepCount; ++step) {
        EXPECT_EQ(FieldOfStep(step).step, step);
    }
    EXPECT_EQ(FieldOfStep(4, 0).name, "keyFormat");
    EXPECT_EQ(FieldOfStep(4, 1).name, "keyIndex");
    EXPECT_EQ(FindField("parity")->names[0], "NONE");
    EXPECT_EQ(FindField("baudRate")->names[7], "115200");
}

}  // namespace
}  // namespace wifi
