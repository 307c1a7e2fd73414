#pragma once

#include "platform/form/TFormObject.h"
#include "platform/form/TPropertyTable.h"

#include <QWidget>

#include <type_traits>

// A form object whose properties come from the property table of its class.
template <class T>
class TFormObjectOf : public TFormObject {
public:
    TFormObjectOf(T& object, const TPropertyTable<T>& table) : object_(object), table_(table) {}

    void SetProperty(std::string_view path, const TFormValue& value, TFormLoadContext& context) override
    {
        table_.Set(object_, path, value, context);
    }

    QWidget* ControlParent() override
    {
        if constexpr (std::is_base_of_v<QWidget, T>) {
            return &object_;
        } else {
            return nullptr;
        }
    }

    T& Object() { return object_; }

private:
    T& object_;
    const TPropertyTable<T>& table_;
};
