#include "KindNames.h"

#include <array>

#include "Subscribers.h"

namespace dzwonex {

namespace {

struct Names {
    const char* phone;
    std::array<const char*, 3> booths;  // by KindNameForm
};

constexpr Names kPolish = {"Telefon/modem", {"Budki", "Budki telefoniczne", "Budka telefoniczna"}};
constexpr Names kEnglish = {"Telephone/modem", {"Booths", "Phone booths", "Phone booth"}};
constexpr std::array<const char*, kKindCount> kProducts = {"", "ISDN", "SDI", "Neostrada", "Polpak-T", ""};

}  // namespace

const char* SubscriberKindName(int kind, KindNameForm form, Language language) {
    const Names& names = language == Language::English ? kEnglish : kPolish;
    switch (kind) {
        case skPhone:
            return names.phone;
        case skBooth:
            return names.booths[static_cast<size_t>(form)];
        default:
            return kind >= 1 && kind <= kKindCount ? kProducts[static_cast<size_t>(kind - 1)] : "";
    }
}

}  // namespace dzwonex
