// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace velomark {

// A calendar date. A value-initialised Date is the zero date, 30 December 1899, that a date
// working value holds before anything is entered.
struct Date {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const Date&, const Date&) = default;
};

bool IsValidDate(int year, int month, int day);

}  // namespace velomark
