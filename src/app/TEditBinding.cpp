#include "app/TEditBinding.h"

#include "platform/form/TEdit.h"

std::string TEditBinding::Text() const
{
    return edit_.Text();
}

bool TEditBinding::ShowText(const std::string& text)
{
    return edit_.ShowText(text);
}

std::string TEditBinding::AnsiText() const
{
    return edit_.AnsiText();
}

void TEditBinding::SetColor(TColor color)
{
    edit_.SetColor(color);
}

void TEditBinding::SetHint(const std::string& hint)
{
    edit_.SetHint(hint);
}
