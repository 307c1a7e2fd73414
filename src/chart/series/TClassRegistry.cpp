#include "chart/series/TClassRegistry.h"

TClassRegistry& TClassRegistry::Global()
{
    static TClassRegistry registry;
    return registry;
}

void TClassRegistry::Add(const std::string& name, const TMetaClass* meta)
{
    const auto found = classes_.find(name);
    if (found == classes_.end()) {
        classes_.emplace(name, meta);
        return;
    }
    // A name known by name only takes the class registered for it later; a name-only call adds nothing.
    if (meta == nullptr || found->second == meta)
        return;
    if (found->second != nullptr)
        throw EClassRegistryError("A class named " + name + " already exists");
    found->second = meta;
}

void TClassRegistry::RegisterClass(const TMetaClass& meta)
{
    Add(meta.Name, &meta);
}

void TClassRegistry::RegisterClassName(const std::string& name)
{
    Add(name, nullptr);
}

bool TClassRegistry::Contains(const std::string& name) const
{
    return classes_.contains(name);
}

const TMetaClass* TClassRegistry::Find(const std::string& name) const
{
    const auto found = classes_.find(name);
    return found == classes_.end() ? nullptr : found->second;
}

std::unique_ptr<TPersistentObject> TClassRegistry::CreateObject(const std::string& name) const
{
    const TMetaClass* meta = Find(name);
    if (meta == nullptr || !meta->Create)
        return nullptr;
    return meta->Create();
}
