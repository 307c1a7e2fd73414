#pragma once

#include "platform/form/TFormLoadContext.h"
#include "platform/form/TFormValue.h"

#include <string_view>

class QWidget;
class TCustomAxisPanel;

// The reader's hold on one object while it sets the object's properties and creates what it contains.
class TFormObject {
public:
    virtual ~TFormObject() = default;

    virtual void SetProperty(std::string_view path, const TFormValue& value, TFormLoadContext& context) = 0;
    // The widget that controls declared inside this object are placed on, or null when it holds none.
    virtual QWidget* ControlParent() { return nullptr; }
    // The chart that series declared inside this object are attached to, or null when it holds none.
    virtual TCustomAxisPanel* SeriesParent() { return nullptr; }
};
