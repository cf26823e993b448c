// The user record: one line of text holding a user material's name and its
// 13 properties in English units, 14 fields separated by single commas:
//   T300,2.625E+007,1.490E+006,1.040E+006,0.280,1.000E-008,...
// Moduli, expansion coefficients and strengths are written "%10.3E", v12
// and the moisture coefficients "%6.3f", each stripped of its blanks.
//
// A name that holds a comma or a quote character is written in double
// quotes, with every double quote inside doubled ("Glass, woven" becomes
// "\"Glass, woven\""), so that it reads back exactly as typed; every other
// record is written without quotes.
#pragma once

#include <string>

#include "materials/library_table.h"

namespace vc {

struct UserMaterial {
  std::string name;
  MaterialValues values{};
};

// The record text of a material. `name` is written as given (the editor
// passes it without leading and trailing blanks); a value that is not
// finite is written as 0.
std::string formatUserRecord(const std::string& name, const MaterialValues& english);

// Splits a record at its commas and reads fields 2 to 14 as numbers: leading
// blanks skipped, the longest leading number taken, 0 when there is none or
// when it is out of range. A field that begins with a double or a single
// quote runs to the matching closing quote, commas included, and a doubled
// quote inside it stands for one quote character. Missing fields read as
// an empty name and zeros; fields after the 14th are ignored. Never fails.
UserMaterial readUserRecord(const std::string& record);

}  // namespace vc
