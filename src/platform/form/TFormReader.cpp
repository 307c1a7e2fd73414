#include "platform/form/TFormReader.h"

#include "platform/form/EFormError.h"

#include <set>

namespace {

class TFormApplier {
public:
    TFormApplier(const std::string& fileName, const TFormClassTable& classes, TFormLoadContext& context)
        : fileName_(fileName), classes_(classes), context_(context)
    {
    }

    [[noreturn]] void Fail(int line, const std::string& message) const
    {
        throw EFormError(fileName_ + ":" + std::to_string(line) + ": " + message);
    }

    void ClaimName(const TFormNode& node)
    {
        if (!names_.insert(node.Name).second) {
            Fail(node.Line, "the name " + node.Name + " is used twice");
        }
    }

    void Apply(const TFormNode& node, TFormObject& object)
    {
        for (const TFormProperty& property : node.Properties) {
            try {
                object.SetProperty(property.Path, property.Value, context_);
            } catch (const std::exception& error) {
                Fail(property.Line, node.Name + "." + property.Path + ": " + error.what());
            }
        }
        for (const TFormNode& child : node.Children) {
            ClaimName(child);
            const TFormCreator* creator = classes_.Find(child.ClassName);
            if (creator == nullptr) {
                Fail(child.Line, "unknown class " + child.ClassName);
            }
            std::unique_ptr<TFormObject> created;
            try {
                created = (*creator)(object, child.Name, context_);
            } catch (const std::exception& error) {
                Fail(child.Line, child.Name + ": " + error.what());
            }
            Apply(child, *created);
        }
    }

private:
    const std::string& fileName_;
    const TFormClassTable& classes_;
    TFormLoadContext& context_;
    std::set<std::string> names_;
};

}  // namespace

void TFormClassTable::Add(const std::string& className, TFormCreator creator)
{
    creators_[className] = std::move(creator);
}

const TFormCreator* TFormClassTable::Find(const std::string& className) const
{
    const auto found = creators_.find(className);
    return found == creators_.end() ? nullptr : &found->second;
}

std::vector<std::string> TFormClassTable::ClassNames() const
{
    std::vector<std::string> names;
    for (const auto& entry : creators_) {
        names.push_back(entry.first);
    }
    return names;
}

void ApplyForm(const TFormNode& form, const std::string& fileName, const std::string& rootClass, TFormObject& root,
               const TFormClassTable& classes, TFormLoadContext& context)
{
    TFormApplier applier(fileName, classes, context);
    if (form.ClassName != rootClass) {
        applier.Fail(form.Line, "the form describes a " + form.ClassName + ", not a " + rootClass);
    }
    applier.ClaimName(form);
    applier.Apply(form, root);
    try {
        context.FinishLoading();
    } catch (const std::exception& error) {
        applier.Fail(form.Line, error.what());
    }
}
