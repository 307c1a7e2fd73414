#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TMetaClass.h"

#include <map>
#include <memory>
#include <stdexcept>
#include <string>

// A second, different class registered under a name already taken.
class BHN_CHART_API EClassRegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The process-wide list of classes known by name, through which a form reader creates objects.
class BHN_CHART_API TClassRegistry {
public:
    static TClassRegistry& Global();

    // The same class again is ignored; another class under a taken name raises EClassRegistryError.
    void RegisterClass(const TMetaClass& meta);
    // A class known by its name only: objects its owner creates itself (legend, walls, titles).
    // A later RegisterClass under that name adds the class.
    void RegisterClassName(const std::string& name);

    bool Contains(const std::string& name) const;
    // The class registered under the name, or none (unknown, or known by name only).
    const TMetaClass* Find(const std::string& name) const;
    // A new object of the named class, or none when the class is unknown or has no factory.
    std::unique_ptr<TPersistentObject> CreateObject(const std::string& name) const;

    template <class T>
    std::unique_ptr<T> Create(const std::string& name) const
    {
        std::unique_ptr<TPersistentObject> object = CreateObject(name);
        if (auto* typed = dynamic_cast<T*>(object.get())) {
            object.release();
            return std::unique_ptr<T>(typed);
        }
        return nullptr;
    }

private:
    void Add(const std::string& name, const TMetaClass* meta);

    std::map<std::string, const TMetaClass*> classes_;
};
