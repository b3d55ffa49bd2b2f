#include "shell/system_locale.h"

#include <langinfo.h>
#include <locale.h>

namespace tessaro {

char SystemDecimalSeparator() {
    locale_t user = newlocale(LC_NUMERIC_MASK, "", nullptr);
    if (user == nullptr)
        return '.';
    const char* radix = nl_langinfo_l(RADIXCHAR, user);
    char separator = (radix != nullptr && radix[0] == ',') ? ',' : '.';
    freelocale(user);
    return separator;
}

}  // namespace tessaro
