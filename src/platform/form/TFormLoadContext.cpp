#include "platform/form/TFormLoadContext.h"

#include "platform/form/EFormError.h"

TFormLoadContext::TFormLoadContext(TMethodLookup findMethod) : findMethod_(std::move(findMethod)) {}

TFormLoadContext::THandler TFormLoadContext::Method(const std::string& name) const
{
    THandler handler = findMethod_ ? findMethod_(name) : THandler{};
    if (!handler) {
        throw EFormError("unknown method " + name);
    }
    return handler;
}

void TFormLoadContext::AfterLoad(std::function<void()> step)
{
    afterLoad_.push_back(std::move(step));
}

void TFormLoadContext::FinishLoading()
{
    for (const auto& step : afterLoad_) {
        step();
    }
    afterLoad_.clear();
}
