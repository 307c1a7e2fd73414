#pragma once

#include "platform/form/TTableFormObject.h"

#include <QWidget>

#include <type_traits>

// A form object set from its class's property table; a widget also holds the controls declared inside it.
template <class T>
class TFormObjectOf : public TTableFormObject<T> {
public:
    using TTableFormObject<T>::TTableFormObject;

    QWidget* ControlParent() override
    {
        if constexpr (std::is_base_of_v<QWidget, T>) {
            return &this->Object();
        } else {
            return nullptr;
        }
    }
};
