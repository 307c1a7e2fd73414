#pragma once

#include "platform/form/TFormLoadContext.h"
#include "platform/form/TFormNode.h"
#include "platform/form/TFormObject.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Makes an object of one class inside the object that encloses it in the form; throws EFormError when
// that parent cannot hold it.
using TFormCreator
    = std::function<std::unique_ptr<TFormObject>(TFormObject& parent, const std::string& name, TFormLoadContext& context)>;

// The classes a form may create, by class name.
class TFormClassTable {
public:
    void Add(const std::string& className, TFormCreator creator);
    // The creator for className, or null when the class is unknown here.
    const TFormCreator* Find(const std::string& className) const;
    std::vector<std::string> ClassNames() const;

private:
    std::map<std::string, TFormCreator, std::less<>> creators_;
};

// Applies a parsed form to root (an object of rootClass built by the caller): root's properties, then each
// nested object created by class name with its properties, depth first in file order, then the steps that
// wait for the end of loading. Any failure throws EFormError naming fileName and the line.
void ApplyForm(const TFormNode& form, const std::string& fileName, const std::string& rootClass, TFormObject& root,
               const TFormClassTable& classes, TFormLoadContext& context);
