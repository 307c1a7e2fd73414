#include "platform/form/FormNodeSearch.h"

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
