// The path store against the real registry, with the same table as the in-memory registry,
// plus the checks that only the real registry can answer.

#include <gtest/gtest.h>

#include "PathStore.h"
#include "RegistryConstants.h"
#include "StoreCases.h"
#include "WinRegistryFixture.h"

namespace {

using testing_support::StoreCase;
using testing_support::WinRegistryFixture;

class StoreTableOnRealRegistry : public testing::TestWithParam<StoreCase> {};

TEST_P(StoreTableOnRealRegistry, Case) {
    WinRegistryFixture fixture;
    testing_support::RunStoreCase(fixture, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Store, StoreTableOnRealRegistry,
                         testing::ValuesIn(testing_support::StoreCases()),
                         [](const testing::TestParamInfo<StoreCase>& info) {
                             return std::string(info.param.name);
                         });

// The fixture's read-only key really refuses full access, so the read-only cases above test
// what they say.
TEST(RealRegistry, ReadOnlyKeyRefusesFullAccess) {
    WinRegistryFixture fixture;
    fixture.AllowReadOnly("Software\\Vorlen\\Bremolta\\5");
    HKEY key = nullptr;
    EXPECT_EQ(
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Vorlen\\Bremolta\\5", 0, KEY_ALL_ACCESS, &key),
        ERROR_ACCESS_DENIED);
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Vorlen\\Bremolta\\5", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

// Keys are matched without regard to case, as the Bremolta application finds them.
TEST(RealRegistry, WrittenPathIsFoundUnderAnyCase) {
    WinRegistryFixture fixture;
    ASSERT_TRUE(store::WritePath(fixture.Api(), 4, "C:\\Bremolta"));
    const auto stored = fixture.GetValue("SOFTWARE\\VORLEN\\BREMOLTA\\4", "SCIEZKA");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(std::string(stored->data.begin(), stored->data.end()),
              std::string("C:\\Bremolta\\", 13));
}

}  // namespace
