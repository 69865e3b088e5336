#ifndef MERVANE_CORE_READING_CLASSICLOCALE_H
#define MERVANE_CORE_READING_CLASSICLOCALE_H

#include <locale.h>

namespace core {

// The C library's conversions are correctly rounded, but read and write the
// decimal separator of the thread's locale, which the window toolkit sets
// from the environment (a comma under de_DE). This runs them in the "C"
// locale for as long as it lives. (Floating-point <charconv> would do without
// it, but LLVM's C++ library, the browser build's, lacks it.)
class ClassicLocale {
public:
    ClassicLocale() : previous_(uselocale(Classic())) {}
    ~ClassicLocale() { uselocale(previous_); }
    ClassicLocale(const ClassicLocale&) = delete;
    ClassicLocale& operator=(const ClassicLocale&) = delete;

private:
    static locale_t Classic()
    {
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return classic;
    }
    locale_t previous_;
};

}  // namespace core

#endif
