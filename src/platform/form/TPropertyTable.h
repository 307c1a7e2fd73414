#pragma once

#include "platform/form/EFormError.h"
#include "platform/form/TFormLoadContext.h"
#include "platform/form/TFormValue.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

// The properties of one class that a form may set, by name. A value from a form goes through the same
// setter as one set in code; dotted paths walk into owned sub-objects (Title.Font.Style).
template <class T>
class TPropertyTable {
public:
    explicit TPropertyTable(std::string className) : className_(std::move(className)) {}

    const std::string& ClassName() const { return className_; }

    TPropertyTable& Add(const std::string& name, std::function<void(T&, const TFormValue&)> setter)
    {
        entries_[name] = [setter = std::move(setter)](T& object, std::string_view path, std::size_t from,
                                                      const TFormValue& value, TFormLoadContext&) {
            if (from != path.size()) {
                throw EFormError("unknown property '" + std::string(path) + "'");
            }
            setter(object, value);
        };
        return *this;
    }

    // An event property: its value names a handler method of the form; the binding waits for the end of loading.
    TPropertyTable& AddEvent(const std::string& name, std::function<void(T&, TFormLoadContext::THandler)> bind)
    {
        entries_[name] = [bind = std::move(bind)](T& object, std::string_view path, std::size_t from,
                                                  const TFormValue& value, TFormLoadContext& context) {
            if (from != path.size()) {
                throw EFormError("unknown property '" + std::string(path) + "'");
            }
            if (value.Kind != TFormValueKind::Identifier) {
                throw EFormError("malformed value: an event takes the name of a method");
            }
            TFormLoadContext::THandler handler = context.Method(value.Text);
            context.AfterLoad([&object, bind, handler] { bind(object, handler); });
        };
        return *this;
    }

    // An owned sub-object reached through access, whose own properties follow a '.'.
    template <class U>
    TPropertyTable& AddObject(const std::string& name, std::function<U&(T&)> access, const TPropertyTable<U>& table)
    {
        entries_[name] = [access = std::move(access), &table](T& object, std::string_view path, std::size_t from,
                                                              const TFormValue& value, TFormLoadContext& context) {
            if (from == path.size()) {
                throw EFormError("'" + std::string(path) + "' is an object; set its properties one by one");
            }
            table.SetFrom(access(object), path, from + 1, value, context);
        };
        return *this;
    }

    // Takes over every property of another table, applied to the object that access reaches.
    template <class U>
    TPropertyTable& Include(const TPropertyTable<U>& other, std::function<U&(T&)> access)
    {
        for (const auto& entry : other.entries_) {
            entries_[entry.first] = [apply = entry.second, access](T& object, std::string_view path, std::size_t from,
                                             const TFormValue& value, TFormLoadContext& context) {
                apply(access(object), path, from, value, context);
            };
        }
        return *this;
    }

    // Takes over every property of a base class's table.
    template <class B>
    TPropertyTable& Include(const TPropertyTable<B>& base)
    {
        return Include<B>(base, [](T& object) -> B& { return object; });
    }

    // Reads every property of another table and drops it: for a reader that builds only part of a form.
    template <class U>
    TPropertyTable& Ignore(const TPropertyTable<U>& other)
    {
        for (const auto& entry : other.entries_) {
            entries_[entry.first] = [](T&, std::string_view, std::size_t, const TFormValue&, TFormLoadContext&) {};
        }
        return *this;
    }

    // Whether the table has the property path starts with (the part before its first '.').
    bool Knows(std::string_view path) const { return entries_.find(path.substr(0, path.find('.'))) != entries_.end(); }

    void Set(T& object, std::string_view path, const TFormValue& value, TFormLoadContext& context) const
    {
        SetFrom(object, path, 0, value, context);
    }

    // Applies the part of path that starts at from; errors quote the whole path.
    void SetFrom(T& object, std::string_view path, std::size_t from, const TFormValue& value,
                 TFormLoadContext& context) const
    {
        const std::size_t dot = path.find('.', from);
        const std::size_t end = dot == std::string_view::npos ? path.size() : dot;
        const auto entry = entries_.find(path.substr(from, end - from));
        if (entry == entries_.end()) {
            throw EFormError("unknown property '" + std::string(path) + "' of " + className_);
        }
        entry->second(object, path, end, value, context);
    }

private:
    template <class>
    friend class TPropertyTable;

    using TApply = std::function<void(T&, std::string_view path, std::size_t from, const TFormValue&, TFormLoadContext&)>;

    std::string className_;
    std::map<std::string, TApply, std::less<>> entries_;
};
