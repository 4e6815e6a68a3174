// Any values of LANGUAGE, LC_ALL, LC_MESSAGES and LANG, each set or not, then the language
// choice as start-up makes it: a language whose translation is built in, or English.

#include "fuzzsupport.h"

#include "app/translations.h"

#include <QtCore/private/qlocale_p.h>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    startFuzzApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider input(data, size);
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (input.ConsumeBool())
            ::setenv(name, input.ConsumeRandomLengthString(100).c_str(), 1);
        else
            ::unsetenv(name);
    }
    // Qt reads the locale's variables once; a system locale made and dropped has it read them
    // again, as a new process would.
    { QSystemLocale again; }
    Translations translations;
    translations.install();
    const QString language = translations.language();
    FUZZ_REQUIRE(language.isEmpty() || Translations::available().contains(language),
                 language.toUtf8());
    return 0;
}
