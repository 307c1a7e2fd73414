#pragma once

#include "platform/form/TFormObject.h"
#include "platform/form/TPropertyTable.h"

// A form object whose properties come from the property table of its class.
template <class T>
class TTableFormObject : public TFormObject {
public:
    TTableFormObject(T& object, const TPropertyTable<T>& table) : object_(object), table_(table) {}

    void SetProperty(std::string_view path, const TFormValue& value, TFormLoadContext& context) override
    {
        table_.Set(object_, path, value, context);
    }

    T& Object() { return object_; }

private:
    T& object_;
    const TPropertyTable<T>& table_;
};
