// The form description parser on any text: it reads it or refuses it with
// FormDescriptionError, and never reads outside the text.
#include "platform/FormDescription.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // An exact-size copy, so a read one past the end is caught.
    const auto copy = std::make_unique<char[]>(size ? size : 1);
    for (std::size_t i = 0; i < size; ++i) copy[i] = static_cast<char>(data[i]);
    try {
        const FormDescription form = ParseFormDescription(std::string_view(copy.get(), size));
        for (const FormProperty& p : form.properties)
            if (form.Find(p.name) == nullptr) std::abort();
    } catch (const FormDescriptionError&) {
    }
    return 0;
}
