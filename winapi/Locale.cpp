#include "winapi/Locale.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

namespace winapi {

namespace {

constexpr LCID kEnglishUs = 0x0409;

struct Language {
    const char* code;
    LCID primary; // the language's primary sublanguage, used without a known country
};

// ISO 639 language codes and the LCID of their primary sublanguage.
constexpr std::array kLanguages{
    Language{"ar", 0x0401}, Language{"bg", 0x0402}, Language{"ca", 0x0403}, Language{"zh", 0x0404},
    Language{"cs", 0x0405}, Language{"da", 0x0406}, Language{"de", 0x0407}, Language{"el", 0x0408},
    Language{"en", 0x0409}, Language{"es", 0x040A}, Language{"fi", 0x040B}, Language{"fr", 0x040C},
    Language{"he", 0x040D}, Language{"hu", 0x040E}, Language{"is", 0x040F}, Language{"it", 0x0410},
    Language{"ja", 0x0411}, Language{"ko", 0x0412}, Language{"nl", 0x0413}, Language{"nb", 0x0414},
    Language{"no", 0x0414}, Language{"nn", 0x0814}, Language{"pl", 0x0415}, Language{"pt", 0x0416},
    Language{"ro", 0x0418}, Language{"ru", 0x0419}, Language{"hr", 0x041A}, Language{"sk", 0x041B},
    Language{"sq", 0x041C}, Language{"sv", 0x041D}, Language{"th", 0x041E}, Language{"tr", 0x041F},
    Language{"id", 0x0421}, Language{"uk", 0x0422}, Language{"be", 0x0423}, Language{"sl", 0x0424},
    Language{"et", 0x0425}, Language{"lv", 0x0426}, Language{"lt", 0x0427}, Language{"eu", 0x042D},
    Language{"af", 0x0436},
};

struct Country {
    const char* locale; // language_COUNTRY
    LCID lcid;
};

constexpr std::array kCountries{
    Country{"en_US", 0x0409}, Country{"en_GB", 0x0809}, Country{"en_AU", 0x0C09}, Country{"en_CA", 0x1009},
    Country{"en_NZ", 0x1409}, Country{"en_IE", 0x1809}, Country{"en_ZA", 0x1C09}, Country{"de_DE", 0x0407},
    Country{"de_CH", 0x0807}, Country{"de_AT", 0x0C07}, Country{"de_LU", 0x1007}, Country{"de_LI", 0x1407},
    Country{"fr_FR", 0x040C}, Country{"fr_BE", 0x080C}, Country{"fr_CA", 0x0C0C}, Country{"fr_CH", 0x100C},
    Country{"fr_LU", 0x140C}, Country{"it_IT", 0x0410}, Country{"it_CH", 0x0810}, Country{"nl_NL", 0x0413},
    Country{"nl_BE", 0x0813}, Country{"es_ES", 0x0C0A}, Country{"es_MX", 0x080A}, Country{"es_AR", 0x2C0A},
    Country{"pt_BR", 0x0416}, Country{"pt_PT", 0x0816}, Country{"sv_SE", 0x041D}, Country{"sv_FI", 0x081D},
    Country{"nb_NO", 0x0414}, Country{"no_NO", 0x0414}, Country{"nn_NO", 0x0814}, Country{"zh_TW", 0x0404},
    Country{"zh_CN", 0x0804}, Country{"zh_HK", 0x0C04}, Country{"zh_SG", 0x1004},
};

std::string lower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return out;
}

} // namespace

LCID lcidFromLocaleName(std::string_view name) {
    // "de_CH.UTF-8@euro": the codeset and modifier say nothing about the language.
    name = name.substr(0, std::min(name.find('.'), name.find('@')));
    const auto sep = name.find_first_of("_-");
    const std::string language = lower(name.substr(0, sep));
    const std::string country = sep == std::string_view::npos ? std::string() : lower(name.substr(sep + 1));

    const auto lang = std::find_if(kLanguages.begin(), kLanguages.end(),
                                   [&](const Language& l) { return language == l.code; });
    if (lang == kLanguages.end())
        return kEnglishUs;
    if (!country.empty()) {
        const std::string wanted = language + "_" + country;
        for (const Country& c : kCountries)
            if (lower(c.locale) == wanted)
                return c.lcid;
    }
    return lang->primary;
}

LCID GetSystemDefaultLCID() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0')
            return lcidFromLocaleName(value);
    }
    return kEnglishUs;
}

LCID GetUserDefaultLCID() { return GetSystemDefaultLCID(); }

} // namespace winapi
