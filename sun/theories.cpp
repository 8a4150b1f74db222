// theories, theory_named  The theories there are. Adding a theory touches sun/ and the texts alone:
//                         one file that defines its object, its line in the list below, and its
//                         heading in the console texts (tools/gentexts.py, under its name).
#include <solarlon/sun.hpp>

namespace solarlon::sun {

Theories theories() {
    // The first is the commands' default.
    static const Theory* const list[] = {&Theory::apparent, &Theory::classic};
    return Theories{list, sizeof list / sizeof list[0]};
}

const Theory* theory_named(std::string_view name) {
    for (const Theory* t : theories()) {
        if (t->name() == name) return t;
    }
    return nullptr;
}

}  // namespace solarlon::sun
