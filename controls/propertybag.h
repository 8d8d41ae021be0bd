#pragma once

#include <QString>
#include <QVariant>

#include <utility>
#include <vector>

namespace tarvelo {

// The persisted property set a control keeps with the window that holds it: typed values
// under names, in the order they were first written.
class PropertyBag {
public:
    // Stores the value (replacing an earlier one in its place). When a default is given
    // and the value equals it, nothing is stored and an earlier value is removed.
    void WriteProperty(const QString& name, const QVariant& value, const QVariant& defaultValue = QVariant());
    // The stored value, or `defaultValue` when there is none.
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = QVariant()) const;
    // The stored value (or `fallback`) converted to the field's type; a value that does not
    // convert leaves the field as it was.
    template <typename T> void ReadInto(const QString& name, const T& fallback, T& field) const
    {
        QVariant v = ReadProperty(name, QVariant::fromValue(fallback));
        const QMetaType type = QMetaType::fromType<T>();
        if (v.metaType() == type)
            field = v.value<T>();
        else if (v.canConvert(type) && v.convert(type))
            field = v.value<T>();
    }

    bool contains(const QString& name) const;
    void remove(const QString& name);
    QStringList names() const;
    bool isEmpty() const { return values_.empty(); }

private:
    std::vector<std::pair<QString, QVariant>> values_;
};

}  // namespace tarvelo
