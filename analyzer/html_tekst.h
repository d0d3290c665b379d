// Texts of a grammar as a page shows them: in UTF-8 and escaped.
#pragma once

#include <string>
#include <string_view>

namespace bryzas_analiza {

// The bytes in UTF-8: a text that is valid UTF-8 stays as it is; any other
// is read a byte a character of ISO 8859-1, the token file's character set.
// Control characters other than a tab and a line end are written as the
// token file writes codes, #N, since a page cannot show them.
std::string na_utf8(std::string_view bajty);

// The text with &, <, > and " escaped, for HTML text and attribute values.
std::string html(std::string_view tekst);

}  // namespace bryzas_analiza
