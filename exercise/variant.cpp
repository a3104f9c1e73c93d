#include "exercise/variant.h"

#include <charconv>

namespace exercise {

namespace {

std::optional<int> number(std::string_view text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const char* from = text.data() + (!text.empty() && text.front() == '+' ? 1 : 0);
    const auto [at, ec] = std::from_chars(from, end, value);
    if (text.empty() || ec != std::errc() || at != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string_view variantName(VariantKind kind)
{
    switch (kind) {
    case VariantKind::Drill:
        return "";
    case VariantKind::Ear:
        return "ear";
    case VariantKind::Key:
        return "key";
    case VariantKind::Phrase:
        return "phrase";
    }
    return "";
}

std::optional<VariantKind> variantKindNamed(std::string_view name)
{
    for (const VariantKind kind : {VariantKind::Drill, VariantKind::Ear, VariantKind::Key, VariantKind::Phrase}) {
        if (variantName(kind) == name) {
            return kind;
        }
    }
    return std::nullopt;
}

std::optional<Variant> parseVariant(std::string_view text)
{
    const std::size_t equals = text.find('=');
    const std::string_view name = text.substr(0, equals);
    const std::optional<std::string_view> value =
        equals == std::string_view::npos ? std::nullopt : std::optional(text.substr(equals + 1));
    Variant v;
    if (name.empty() || name == "drill") {
        return value ? std::nullopt : std::optional(v);
    }
    const std::optional<VariantKind> kind = variantKindNamed(name);
    if (!kind) {
        return std::nullopt;
    }
    v.kind = *kind;
    switch (v.kind) {
    case VariantKind::Drill:
    case VariantKind::Ear:
        return value ? std::nullopt : std::optional(v);
    case VariantKind::Key:
        if (value && *value == "new") {
            v.newKeyEachRun = true;
        } else if (value) {
            const std::optional<int> fifths = number(*value);
            if (!fifths || *fifths < -mostFifths || *fifths > mostFifths) {
                return std::nullopt;
            }
            v.fifths = *fifths;
        }
        return v;
    case VariantKind::Phrase:
        if (value) {
            const std::optional<int> notes = number(*value);
            if (!notes || *notes < fewestPhraseNotes || *notes > mostPhraseNotes) {
                return std::nullopt;
            }
            v.phraseNotes = *notes;
        }
        return v;
    }
    return std::nullopt;
}

std::string variantText(const Variant& variant)
{
    switch (variant.kind) {
    case VariantKind::Drill:
        return "";
    case VariantKind::Ear:
        return "ear";
    case VariantKind::Key:
        return variant.newKeyEachRun ? "key=new" : "key=" + std::to_string(variant.fifths);
    case VariantKind::Phrase:
        return "phrase=" + std::to_string(variant.phraseNotes);
    }
    return "";
}

}  // namespace exercise
