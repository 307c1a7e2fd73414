#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TPersistentObject.h"

#include <functional>
#include <memory>
#include <string>

using TObjectFactory = std::function<std::unique_ptr<TPersistentObject>()>;

// A class reference: the class's name and how to create an object of it. One instance per class,
// so two references name the same class exactly when they are the same object.
struct BHN_CHART_API TMetaClass {
    std::string Name;
    TObjectFactory Create;
};

// The class reference of T, which names itself with a static ClassNameText.
template <class T>
BHN_CHART_API const TMetaClass& MetaClassOf()
{
    static const TMetaClass meta{T::ClassNameText, [] { return std::unique_ptr<TPersistentObject>(new T()); }};
    return meta;
}
