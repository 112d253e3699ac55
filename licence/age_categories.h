#pragma once

#include <cstdint>
#include <string_view>

#include "shell/date.h"

namespace velomark::licence {

// The BCF racing category of a rider reaching this age in the event's year.
std::string_view BcfCategory(int age);

// The CTT/LVRC veterans' category of a rider of this exact age (women's ages already adjusted).
std::string_view LvrcCategory(int age);

// The age on the event date: whole years, one fewer until the birthday has come in that year.
int ExactAge(Date birth, Date event);

}  // namespace velomark::licence
