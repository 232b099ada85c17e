// The windows as designed hold together: what every front end builds from them.

#include "ui/description/main_form.h"
#include "ui/description/startup_forms.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using description::ButtonRole;
using description::ControlKind;
using description::kMainControls;

TEST(Windows, EachHasOneDefaultAndOneCancelButton)
{
    int defaults = 0;
    int cancels = 0;
    for (const description::Control& control : kMainControls) {
        defaults += control.role == ButtonRole::Default ? 1 : 0;
        cancels += control.role == ButtonRole::Cancel ? 1 : 0;
        EXPECT_TRUE(control.role == ButtonRole::None || control.kind == ControlKind::Button) << control.name;
    }
    EXPECT_EQ(defaults, 1);
    EXPECT_EQ(cancels, 1);
    EXPECT_TRUE(description::kAboutOk.isDefault && description::kAboutOk.isCancel); // About's one button
}

TEST(Windows, EachFormulaHasOneOptionAndOneOptionStartsChosen)
{
    std::set<engine::Formula> formulas;
    int chosen = 0;
    for (const description::Control& control : kMainControls) {
        if (control.kind == ControlKind::Option) {
            EXPECT_TRUE(formulas.insert(control.formula).second) << control.name;
            chosen += control.chosenAtStart ? 1 : 0;
        } else {
            EXPECT_FALSE(control.chosenAtStart) << control.name;
        }
    }
    EXPECT_EQ(formulas, (std::set{engine::Formula::Professional, engine::Formula::College}));
    EXPECT_EQ(chosen, 1);
    for (const engine::Formula formula : formulas) {
        EXPECT_EQ(kMainControls[description::optionFor(formula)].formula, formula);
    }
}

TEST(Windows, TheFirstFocusIsAnEntryFieldAndNamesAreOneEach)
{
    const ControlKind first = kMainControls[description::kFirstFocus].kind;
    EXPECT_TRUE(first == ControlKind::CountEntry || first == ControlKind::YardsEntry);
    std::set<std::string> names{description::kMainFormName};
    for (const description::Control& control : kMainControls) {
        EXPECT_TRUE(names.insert(control.name).second) << control.name;
    }
    for (const description::Menu& menu : description::kMenus) {
        EXPECT_TRUE(names.insert(menu.name).second) << menu.name;
        for (std::size_t i = 0; i < menu.count; ++i) {
            EXPECT_TRUE(names.insert(menu.items[i].name).second) << menu.items[i].name;
        }
    }
}
