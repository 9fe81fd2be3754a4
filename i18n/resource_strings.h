#pragma once
// Resource strings: the program's fixed library messages. Every one of them is
// loaded through LoadResString(), which passes it through the translation
// runtime once the runtime has started, so a catalog in any resource-string
// domain ("default", "cport", ...) can translate it.
//
// To add strings for a module: add identifiers to ResString (before kCount)
// and their English texts, in the same order, to the table in
// resource_strings.cpp; then load them with LoadResString(). A module that
// ships its own catalog also adds its domain at start-up with
// DefaultInstance().AddDomainForResourceString("name").

#include <string>
#include <string_view>

namespace dsp {

enum class ResString : int {
    // Registry store ("%s" is the value name).
    kRegInvalidType,
    kRegGetDataFailed,
    kRegSetDataFailed,
    // Serial errors: the suffix of a message with a system error code.
    kComPortCodeSuffix,
    kCount
};

// The English text, as the table holds it.
std::string_view ResStringText(ResString id);

// The text for `id`, translated when the runtime has started. May raise
// ECatalogError when a catalog that was found cannot be used.
std::string LoadResString(ResString id);

}  // namespace dsp
