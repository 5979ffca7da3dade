#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "settings/Messages.h"
#include "settings/PSetting.h"

namespace wendle {
namespace {

using testing::FakeWindow;

struct LocationCase {
    const char* name;
    const char* bound;
    const char* uniqueName;
    const char* valueName;
    const char* subKey;
};

TEST(TPSetting, NamesItsValueFromNameOrFromTheBoundPath) {
    const LocationCase cases[] = {
        {"Showed Preview Hint", "Label26.Caption", "Label26_CaptionShowed_Preview_Hint",
         "Showed Preview Hint", ""},
        {"", "BrowserNames.Items", "BrowserNames_Items", "Items", "BrowserNames"},
        {"", "browser.Caption", "browser_Caption", "Caption", "browser"},
        {"", "Panel1.Edit1.Text", "Panel1_Edit1_Text", "Text", "Panel1\\Edit1"},
        {"", "Caption", "Caption", "Caption", ""},
        {"", "", "", "", ""},
    };
    for (const LocationCase& c : cases) {
        TPSetting setting(nullptr);
        setting.Name = c.name;
        setting.BoundProperty = c.bound;
        EXPECT_EQ(setting.UniqueName(), c.uniqueName);
        EXPECT_EQ(setting.ValueName(), c.valueName);
        EXPECT_EQ(setting.SubKey(), c.subKey);
    }
}

TEST(TPSetting, CollectionsAndHiddenPropertiesRefuseTypedAccess) {
    for (const SettingValue& stream :
         {SettingValue::collection({1}), SettingValue::hiddenProperties({})}) {
        FakeWindow window("w");
        window.properties["List.Columns"] = stream;
        TPSetting setting(&window);
        setting.BoundProperty = "List.Columns";
        try {
            setting.GetAsString();
            ADD_FAILURE() << "GetAsString read a stream";
        } catch (const SettingsError& error) {
            EXPECT_STREQ(error.what(), settings_messages::kCannotGetAs);
        }
        try {
            setting.SetAsInteger(1);
            ADD_FAILURE() << "SetAsInteger wrote a stream";
        } catch (const SettingsError& error) {
            EXPECT_STREQ(error.what(), settings_messages::kCannotSetAs);
        }
        EXPECT_EQ(window.properties["List.Columns"], stream);
    }
}

TEST(TPSetting, TypedAccessConvertsToAndFromTheKindItHolds) {
    FakeWindow window("w");
    window.properties["Label26.Caption"] = SettingValue::text("false");
    window.properties["Spin.Value"] = SettingValue::integer(3);
    TPSetting caption(&window);
    caption.BoundProperty = "Label26.Caption";
    TPSetting spin(&window);
    spin.BoundProperty = "Spin.Value";

    EXPECT_FALSE(caption.GetAsBoolean());
    caption.SetAsBoolean(true);
    EXPECT_EQ(window.properties["Label26.Caption"], SettingValue::text("True"));
    EXPECT_TRUE(caption.GetAsBoolean());

    EXPECT_EQ(spin.GetAsString(), "3");
    spin.SetAsString("42");
    EXPECT_EQ(window.properties["Spin.Value"], SettingValue::integer(42));
    EXPECT_DOUBLE_EQ(spin.GetAsFloat(), 42.0);
    EXPECT_THROW(spin.SetAsString("forty-two"), SettingsError);
    EXPECT_EQ(window.properties["Spin.Value"], SettingValue::integer(42));
    EXPECT_THROW(caption.GetAsInteger(), SettingsError);
}

TEST(TPSetting, AnUnboundSettingHoldsItsOwnValue) {
    TPSetting setting(nullptr);
    setting.Name = "Count";
    EXPECT_EQ(setting.Kind(), SettingKind::None);
    setting.SetAsStrings({"a b", "c"});
    EXPECT_EQ(setting.Kind(), SettingKind::StringList);
    EXPECT_EQ(setting.GetAsString(), "\"a b\",c");
    EXPECT_EQ(setting.GetAsStrings(), (std::vector<std::string>{"a b", "c"}));
}

}  // namespace
}  // namespace wendle
