#pragma once

#include <functional>
#include <string>
#include <vector>

// What setters need beyond their value while a form loads: the root's handler methods by name, and
// steps that must wait until every property is set (events are bound only then).
class TFormLoadContext {
public:
    using THandler = std::function<void()>;
    using TMethodLookup = std::function<THandler(const std::string& name)>;

    explicit TFormLoadContext(TMethodLookup findMethod = {});

    // The handler published under name; throws EFormError when there is none.
    THandler Method(const std::string& name) const;
    void AfterLoad(std::function<void()> step);
    // Runs the deferred steps in the order they were recorded.
    void FinishLoading();

private:
    TMethodLookup findMethod_;
    std::vector<std::function<void()>> afterLoad_;
};
