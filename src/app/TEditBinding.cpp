#include "app/TEditBinding.h"

#include "platform/form/TEdit.h"

std::string TEditBinding::Text() const
{
    return edit_.Text();
}

void TEditBinding::SetText(const std::string& text)
{
    edit_.SetText(text);
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
