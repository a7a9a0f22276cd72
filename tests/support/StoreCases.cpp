#include "StoreCases.h"

#include <gtest/gtest.h>

#include "ERegistryException.h"
#include "PathStore.h"
#include "RegistryConstants.h"

namespace testing_support {

using Action = StoreCase::Action;

StoredValue Typed(std::uint32_t type, const std::string& bytes) {
    return StoredValue{type, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

StoredValue Sz(const std::string& bytes) { return Typed(store::kRegSz, bytes); }

namespace {

std::string Bytes(const char* text, std::size_t size) { return std::string(text, size); }

auto Nothing() {
    return [](RegistryFixture&, const std::string&) {};
}

auto Stored(StoredValue value) {
    return [value](RegistryFixture& registry, const std::string& key) {
        registry.PutValue(key, store::kPathValueName, value);
    };
}

auto ReadOnlyWith(StoredValue value) {
    return [value](RegistryFixture& registry, const std::string& key) {
        registry.PutValue(key, store::kPathValueName, value);
        registry.AllowReadOnly(key);
    };
}

const std::string kDword5("\x05\x00\x00\x00", 4);

}  // namespace

std::vector<StoreCase> StoreCases() {
    const std::vector<std::string> noKeys;
    return {
        // Reading.
        {"ReadMissingKey", 5, Nothing(), Action::Read, "", "", false, "", std::nullopt, noKeys},
        {"ReadKeyWithoutValue", 5,
         [](RegistryFixture& registry, const std::string& key) { registry.AddKey(key); },
         Action::Read, "", "", false, "", std::nullopt, noKeys},
        {"ReadAppendsBackslash", 5, Stored(Sz(Bytes("D:\\Program", 11))), Action::Read, "",
         "D:\\Program\\", false, "", Sz(Bytes("D:\\Program", 11)), noKeys},
        {"ReadKeepsOneBackslash", 6, Stored(Sz(Bytes("\\\\SERWER\\C\\Bremolta\\", 21))),
         Action::Read, "", "\\\\SERWER\\C\\Bremolta\\", false, "",
         Sz(Bytes("\\\\SERWER\\C\\Bremolta\\", 21)), noKeys},
        {"ReadEmptyString", 5, Stored(Sz(Bytes("", 1))), Action::Read, "", "\\", false, "",
         Sz(Bytes("", 1)), noKeys},
        {"ReadNoData", 5, Stored(Sz("")), Action::Read, "", "\\", false, "", Sz(""), noKeys},
        {"ReadEndsAtInnerNul", 5, Stored(Sz(Bytes("D:\\A\0B\\", 8))), Action::Read, "", "D:\\A\\",
         false, "", Sz(Bytes("D:\\A\0B\\", 8)), noKeys},
        {"ReadDataWithoutNul", 5, Stored(Sz("D:\\X")), Action::Read, "", "D:\\X\\", false, "",
         Sz("D:\\X"), noKeys},
        {"ReadExpandSzUnexpanded", 5,
         Stored(Typed(store::kRegExpandSz, Bytes("%SystemRoot%\\B", 15))), Action::Read, "",
         "%SystemRoot%\\B\\", false, "", Typed(store::kRegExpandSz, Bytes("%SystemRoot%\\B", 15)),
         noKeys},
        {"ReadForwardSlashGetsBackslash", 5, Stored(Sz(Bytes("D:/Dane/", 9))), Action::Read, "",
         "D:/Dane/\\", false, "", Sz(Bytes("D:/Dane/", 9)), noKeys},
        {"ReadDwordIsInvalidType", 5, Stored(Typed(store::kRegDword, kDword5)), Action::Read, "",
         "", false, "Invalid data type for 'Sciezka'", Typed(store::kRegDword, kDword5), noKeys},
        {"ReadMultiSzIsInvalidType", 5, Stored(Typed(store::kRegMultiSz, Bytes("D:\\\0\0", 5))),
         Action::Read, "", "", false, "Invalid data type for 'Sciezka'",
         Typed(store::kRegMultiSz, Bytes("D:\\\0\0", 5)), noKeys},
        {"ReadEmptyDwordIsNoError", 5, Stored(Typed(store::kRegDword, "")), Action::Read, "", "\\",
         false, "", Typed(store::kRegDword, ""), noKeys},
        {"ReadVersion12", 12, Stored(Sz(Bytes("E:\\V12", 7))), Action::Read, "", "E:\\V12\\", false,
         "", Sz(Bytes("E:\\V12", 7)), noKeys},
        {"ReadNegativeVersion",
         -1,
         Stored(Sz(Bytes("E:\\Minus", 9))),
         Action::Read,
         "",
         "E:\\Minus\\",
         false,
         "",
         Sz(Bytes("E:\\Minus", 9)),
         {"Software\\Vorlen\\Bremolta\\-1"}},
        {"ReadFromReadOnlyKey", 5, ReadOnlyWith(Sz(Bytes("D:\\Prog", 8))), Action::Read, "",
         "D:\\Prog\\", false, "", Sz(Bytes("D:\\Prog", 8)), noKeys},

        // Writing.
        {"WriteCreatesKeysFromNothing",
         5,
         Nothing(),
         Action::Write,
         "D:\\Dane",
         "",
         true,
         "",
         Sz(Bytes("D:\\Dane\\", 9)),
         {"Software\\Vorlen", "Software\\Vorlen\\Bremolta", "Software\\Vorlen\\Bremolta\\5"}},
        {"WriteEmptyTextStoresBackslash", 5, Nothing(), Action::Write, "", "", true, "",
         Sz(Bytes("\\", 2)), noKeys},
        {"WriteKeepsTrailingBlank", 5, Nothing(), Action::Write, "D:\\A\\ ", "", true, "",
         Sz(Bytes("D:\\A\\ \\", 8)), noKeys},
        {"WriteKeepsExistingBackslash", 5, Nothing(), Action::Write, "\\\\SERWER\\C\\", "", true,
         "", Sz(Bytes("\\\\SERWER\\C\\", 12)), noKeys},
        {"WriteReplacesDword", 5, Stored(Typed(store::kRegDword, kDword5)), Action::Write, "D:\\N",
         "", true, "", Sz(Bytes("D:\\N\\", 6)), noKeys},
        {"WriteOverExistingPath", 5, Stored(Sz(Bytes("D:\\Old\\", 8))), Action::Write, "D:\\New",
         "", true, "", Sz(Bytes("D:\\New\\", 8)), noKeys},
        {"WriteVersion12",
         12,
         Nothing(),
         Action::Write,
         "X:\\",
         "",
         true,
         "",
         Sz(Bytes("X:\\", 4)),
         {"Software\\Vorlen\\Bremolta\\12"}},
        {"WriteLowestVersion",
         INT32_MIN,
         Nothing(),
         Action::Write,
         "X:\\",
         "",
         true,
         "",
         Sz(Bytes("X:\\", 4)),
         {"Software\\Vorlen\\Bremolta\\-2147483648"}},
        {"WriteToReadOnlyKeyWritesNothing", 5, ReadOnlyWith(Sz(Bytes("D:\\Prog\\", 9))),
         Action::Write, "D:\\Other", "", false, "", Sz(Bytes("D:\\Prog\\", 9)), noKeys},
    };
}

void RunStoreCase(RegistryFixture& fixture, const StoreCase& storeCase) {
    const std::string key = store::VersionKeyPath(storeCase.version).substr(1);
    storeCase.arrange(fixture, key);
    const bool keyExistedBefore = fixture.HasKey(key);

    std::string error;
    try {
        if (storeCase.action == Action::Read) {
            EXPECT_EQ(store::ReadPath(fixture.Api(), storeCase.version), storeCase.expectedRead);
        } else {
            EXPECT_EQ(store::WritePath(fixture.Api(), storeCase.version, storeCase.text),
                      storeCase.expectedWritten);
        }
    } catch (const store::ERegistryException& e) {
        error = e.what();
    }
    EXPECT_EQ(error, storeCase.expectedError);

    const std::optional<StoredValue> stored = fixture.GetValue(key, store::kPathValueName);
    ASSERT_EQ(stored.has_value(), storeCase.expectedStored.has_value());
    if (stored) {
        EXPECT_EQ(stored->type, storeCase.expectedStored->type);
        EXPECT_EQ(std::string(stored->data.begin(), stored->data.end()),
                  std::string(storeCase.expectedStored->data.begin(),
                              storeCase.expectedStored->data.end()));
    }
    for (const std::string& expectedKey : storeCase.expectedKeys) {
        EXPECT_TRUE(fixture.HasKey(expectedKey)) << expectedKey;
    }
    if (storeCase.action == Action::Read) {
        EXPECT_EQ(fixture.HasKey(key), keyExistedBefore) << "a read must not create its key";
    }
}

}  // namespace testing_support
