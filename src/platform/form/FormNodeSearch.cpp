#include "platform/form/FormNodeSearch.h"

#include "platform/form/FormValues.h"

const TFormNode* FindFormObject(const TFormNode& form, std::string_view name)
{
    if (form.Name == name) {
        return &form;
    }
    for (const TFormNode& child : form.Children) {
        if (const TFormNode* found = FindFormObject(child, name)) {
            return found;
        }
    }
    return nullptr;
}

const TFormValue* FindFormProperty(const TFormNode& object, std::string_view path)
{
    for (const TFormProperty& property : object.Properties) {
        if (property.Path == path) {
            return &property.Value;
        }
    }
    return nullptr;
}

std::optional<TFormSize> FindFormSize(const TFormNode& object)
{
    const TFormValue* width = FindFormProperty(object, "Width");
    const TFormValue* height = FindFormProperty(object, "Height");
    if (width == nullptr || height == nullptr) {
        return std::nullopt;
    }
    return TFormSize{FormInteger(*width), FormInteger(*height)};
}
