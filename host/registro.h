#pragma once

#include "platform/registry.h"

#include <QString>

#include <optional>

namespace tarvelo {

// Value types of GravarRegistro: 1 writes text, anything else a DWORD.
inline constexpr int kRegSz = 1;
inline constexpr int kRegDword = 4;

// The hive of a registry routine's digit code: 8 HKEY_CLASSES_ROOT, 7 HKEY_CURRENT_USER,
// 6 HKEY_LOCAL_MACHINE, 5 HKEY_USERS, 4 HKEY_PERFORMANCE_DATA, 3 HKEY_CURRENT_CONFIG,
// 2 HKEY_DYN_DATA; any other code names no hive.
std::optional<Hive> hiveFromCode(int hiveCode);

// The three registry value routines over registry(). None of them shows a failure: each
// does its work or quietly does less, and the two writers tell their caller which.

// Writes `data` as text (valueType 1) or as a DWORD (the data read as a 32-bit integer;
// data that is no such integer writes no value), creating the key and its parents. Data
// holding "A:\" (exactly that case) is not written and nothing is created. True when the
// value was written and saved.
bool GravarRegistro(const QString& subKey, const QString& valueName, const QString& data, int hiveCode,
                    int valueType);
// The value as text up to its first NUL character, a DWORD as its decimal text; "" when
// the hive, key or value is missing.
QString LerRegistro(const QString& subKey, const QString& valueName, int hiveCode);
// Deletes the one value; a missing key or value changes nothing. True when the value is
// gone from the saved hive.
bool ApagarRegistro(const QString& subKey, const QString& valueName, int hiveCode);

}  // namespace tarvelo
