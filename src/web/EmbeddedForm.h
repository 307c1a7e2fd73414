#pragma once

#include <string_view>

// The window's form description, built into the page's module from src/app/BHN1.form.
std::string_view EmbeddedForm();
