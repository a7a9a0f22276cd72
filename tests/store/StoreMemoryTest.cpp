// The path store against the in-memory registry: the shared table, and the faults that only
// the in-memory registry can produce on demand.

#include <gtest/gtest.h>

#include <functional>

#include "ERegistryException.h"
#include "MemoryRegistry.h"
#include "PathStore.h"
#include "RecordingRegistry.h"
#include "RegistryConstants.h"
#include "RegistryFixture.h"
#include "StoreCases.h"
#include "TRegistry.h"

namespace {

using testing_support::MemoryRegistry;
using testing_support::MemoryRegistryFixture;
using testing_support::RecordingRegistry;
using testing_support::StoreCase;
using testing_support::Sz;

const std::string kKey5 = "Software\\Vorlen\\Bremolta\\5";

class StoreTableOnMemory : public testing::TestWithParam<StoreCase> {};

TEST_P(StoreTableOnMemory, Case) {
    MemoryRegistryFixture fixture;
    testing_support::RunStoreCase(fixture, GetParam());
    EXPECT_EQ(fixture.registry.OpenHandles(), 0u) << "every key is closed again";
}

INSTANTIATE_TEST_SUITE_P(Store, StoreTableOnMemory,
                         testing::ValuesIn(testing_support::StoreCases()),
                         [](const testing::TestParamInfo<StoreCase>& info) {
                             return std::string(info.param.name);
                         });

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const store::ERegistryException& e) {
        return e.what();
    }
    return "";
}

TEST(StoreFaults, ValueGrowingBeforeFetchIsAnErrorAndClosesTheKey) {
    MemoryRegistry registry;
    registry.PutValue(kKey5, "Sciezka", Sz(std::string("D:\\A", 5)));
    registry.GrowBeforeNextFetch("Sciezka", 3);
    EXPECT_EQ(ErrorOf([&] { store::ReadPath(registry, 5); }), "Failed to get data for 'Sciezka'");
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST(StoreFaults, FailedSetIsAnErrorAndClosesTheKey) {
    MemoryRegistry registry;
    registry.FailSets(true);
    EXPECT_EQ(ErrorOf([&] { store::WritePath(registry, 5, "D:\\Dane"); }),
              "Failed to set data for 'Sciezka'");
    EXPECT_EQ(registry.OpenHandles(), 0u);
    EXPECT_EQ(registry.FindValue(kKey5, "Sciezka"), nullptr);
}

TEST(StoreFaults, KeyThatCannotBeCreatedWritesNothing) {
    MemoryRegistry registry;
    registry.RefuseCreateBelow("Software");
    EXPECT_FALSE(store::WritePath(registry, 5, "D:\\Dane"));
    EXPECT_FALSE(registry.HasKey("Software\\Vorlen"));
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST(StoreFaults, LargeDataWithoutNulIsReadWhole) {
    MemoryRegistry registry;
    const std::string big(1 << 20, 'x');
    registry.PutValue(kKey5, "Sciezka", Sz(big));
    EXPECT_EQ(store::ReadPath(registry, 5), big + "\\");
}

// The calls, their access masks and their order: reading asks for read access only,
// writing for full access, and every key opened is closed.
TEST(StoreCalls, ReadOpensForReadingTestsFetchesAndCloses) {
    MemoryRegistry memory;
    memory.PutValue(kKey5, "Sciezka", Sz(std::string("D:\\P", 5)));
    RecordingRegistry registry(memory);
    EXPECT_EQ(store::ReadPath(registry, 5), "D:\\P\\");
    EXPECT_EQ(registry.calls, (std::vector<std::string>{
                                  "open HKLM\\Software\\Vorlen\\Bremolta\\5 20019", "query Sciezka",
                                  "query Sciezka", "fetch Sciezka", "close"}));
}

TEST(StoreCalls, ReadOfMissingKeyOnlyTriesToOpen) {
    MemoryRegistry memory;
    RecordingRegistry registry(memory);
    EXPECT_EQ(store::ReadPath(registry, 7), "");
    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{"open HKLM\\Software\\Vorlen\\Bremolta\\7 20019"}));
}

TEST(StoreCalls, WriteCreatesWithFullAccessSetsAndCloses) {
    MemoryRegistry memory;
    RecordingRegistry registry(memory);
    EXPECT_TRUE(store::WritePath(registry, 9, "D:\\Dane"));
    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{"create HKLM\\Software\\Vorlen\\Bremolta\\9 F003F",
                                        "set Sciezka 1 9", "close"}));
}

TEST(Accessor, FailedOpenKeepsTheCurrentKey) {
    MemoryRegistry registry;
    registry.PutValue(kKey5, "Sciezka", Sz(std::string("D:\\P", 5)));
    store::TRegistry accessor(registry, store::kKeyRead);
    accessor.SetRootKey(store::kLocalMachine);
    ASSERT_TRUE(accessor.OpenKey("\\" + kKey5, false));
    EXPECT_FALSE(accessor.OpenKey("\\Software\\Missing", false));
    EXPECT_EQ(accessor.ReadString("Sciezka"), "D:\\P");
    accessor.CloseKey();
    accessor.CloseKey();  // closing twice does nothing
    EXPECT_EQ(registry.OpenHandles(), 0u);
    EXPECT_FALSE(accessor.ValueExists("Sciezka"));
}

TEST(Accessor, ValueOfAnyTypeExists) {
    MemoryRegistry registry;
    registry.PutValue(kKey5, "Sciezka",
                      testing_support::Typed(store::kRegDword, std::string("\1\0\0\0", 4)));
    store::TRegistry accessor(registry, store::kKeyAllAccess);
    ASSERT_TRUE(accessor.OpenKey(kKey5, false));  // no leading backslash: also from the root
    EXPECT_TRUE(accessor.ValueExists("Sciezka"));
    EXPECT_FALSE(accessor.ValueExists("Inna"));
}

TEST(Accessor, FreeingClosesAnOpenKey) {
    MemoryRegistry registry;
    registry.AddKey(kKey5);
    {
        store::TRegistry accessor(registry, store::kKeyAllAccess);
        ASSERT_TRUE(accessor.OpenKey("\\" + kKey5, false));
        EXPECT_EQ(registry.OpenHandles(), 1u);
    }
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

}  // namespace
