#pragma once
// The store's cases, one table for every registry a fixture can stand for.

#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "RegistryFixture.h"

namespace testing_support {

struct StoreCase {
    enum class Action { Read, Write };

    const char* name;
    std::int32_t version;
    // Arranges the registry; gets the version key's path relative to HKEY_LOCAL_MACHINE.
    std::function<void(RegistryFixture&, const std::string& versionKey)> arrange;
    Action action;
    std::string text;           // what a Write stores
    std::string expectedRead;   // what a Read returns
    bool expectedWritten;       // what a Write returns
    std::string expectedError;  // when not empty: the ERegistryException's message
    // The value "Sciezka" of the version key afterwards; nullopt: there is none.
    std::optional<StoredValue> expectedStored;
    std::vector<std::string> expectedKeys;  // keys that must exist afterwards
};

std::vector<StoreCase> StoreCases();

// Runs one case with gtest assertions.
void RunStoreCase(RegistryFixture& fixture, const StoreCase& storeCase);

StoredValue Sz(const std::string& bytes);  // exactly these bytes, type REG_SZ
StoredValue Typed(std::uint32_t type, const std::string& bytes);

inline void PrintTo(const StoreCase& storeCase, std::ostream* out) { *out << storeCase.name; }

}  // namespace testing_support
