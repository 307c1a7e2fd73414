#include "app/TRadioGroupBinding.h"

#include "platform/form/TRadioGroup.h"

int TRadioGroupBinding::ItemIndex() const
{
    return group_.ItemIndex();
}

const std::vector<std::string>& TRadioGroupBinding::Items() const
{
    return group_.Items();
}
