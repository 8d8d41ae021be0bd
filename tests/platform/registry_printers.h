#pragma once

// Readable failure messages for the registry tests.

#include "platform/registry.h"
#include "support/texto.h"

#include <QString>

#include <ostream>

namespace tarvelo {

static inline void PrintTo(const RegistryValue& v, std::ostream* os)
{
    if (v.type == RegistryValue::Type::Dword)
        *os << "dword:" << v.dword;
    else
        *os << '"' << v.text.toStdString() << '"';
}

static inline void PrintTo(const NamedRegistryValue& v, std::ostream* os)
{
    *os << '"' << v.name.toStdString() << "\"=";
    PrintTo(v.value, os);
}

}  // namespace tarvelo
