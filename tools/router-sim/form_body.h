// Decoding of application/x-www-form-urlencoded bodies as the router's web
// server does it: pairs split at '&' and '=', "%XX" turned into bytes.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace routersim {

using FormFields = std::map<std::string, std::string>;

// '+' stays '+': the library sends values unescaped, and its own escaping
// writes a plus as "%2b", so turning '+' into a blank would corrupt pass-phrases.
// A malformed escape ("%zz", a trailing '%') is kept as it stands.
std::string percentDecode(std::string_view text);

// Later duplicates of a key replace earlier ones; a pair without '=' has an empty value.
FormFields decodeForm(std::string_view body);

}  // namespace routersim
