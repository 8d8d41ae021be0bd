#include "controls/propertybag.h"

#include <algorithm>

namespace tarvelo {

void PropertyBag::WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    if (defaultValue.isValid() && value == defaultValue) {
        remove(name);
        return;
    }
    for (auto& [key, stored] : values_)
        if (key == name) {
            stored = value;
            return;
        }
    values_.emplace_back(name, value);
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    for (const auto& [key, stored] : values_)
        if (key == name)
            return stored;
    return defaultValue;
}

bool PropertyBag::contains(const QString& name) const
{
    return std::any_of(values_.begin(), values_.end(), [&](const auto& kv) { return kv.first == name; });
}

void PropertyBag::remove(const QString& name)
{
    values_.erase(std::remove_if(values_.begin(), values_.end(), [&](const auto& kv) { return kv.first == name; }),
                  values_.end());
}

QStringList PropertyBag::names() const
{
    QStringList result;
    for (const auto& kv : values_)
        result << kv.first;
    return result;
}

}  // namespace tarvelo
