#include "web/TPageRadioGroup.h"

#include <emscripten.h>

EM_JS(int, bhn_radio_index, (const char* name), { return BhnPage.radioIndex(UTF8ToString(name)); });

int TPageRadioGroup::ItemIndex() const
{
    return bhn_radio_index(name_.c_str());
}
